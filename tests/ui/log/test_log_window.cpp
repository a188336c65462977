// The log window: its time stamps, the two kinds of lines with their colours, lines sent from
// other threads in the order they were written, and the log's earlier lines when it opens.
#include "../ui_test_support.h"

#include "core/log/DNLogger.h"
#include "ui/log/NXLogController.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct LogFolders
{
    QTemporaryDir data;
};

QString shown(const NXLogController &window)
{
    return window.loggerView()->toPlainText();
}

QColor colourAt(const NXLogController &window, const QString &text)
{
    const int at = int(shown(window).indexOf(text));
    if (at < 0)
        return QColor();
    QTextCursor cursor(window.loggerView()->document());
    cursor.setPosition(at + 1);
    return cursor.charFormat().foreground().color();
}

TEST(LogWindow, TimesAreTwelveHourWithoutAMarker)
{
    const struct
    {
        const char *time;
        const char *shown;
    } cases[] = {{"2024-03-05T14:05:09", "2024-03-05  02-05-09"},
                 {"2024-03-05T00:30:00", "2024-03-05  12-30-00"},
                 {"2024-03-05T12:00:59", "2024-03-05  12-00-59"},
                 {"2024-12-31T09:59:01", "2024-12-31  09-59-01"}};
    for (const auto &c : cases)
        EXPECT_EQ(NXLogController::timeText(QDateTime::fromString(QString::fromLatin1(c.time), Qt::ISODate)),
                  QString::fromLatin1(c.shown));
}

TEST(LogWindow, FollowsTheLogWithItsEarlierLinesFirst)
{
    uitest::app();
    LogFolders f;
    DNLogger logger(f.data.path());
    logger.roughLog(QStringLiteral("before the window"));
    NXLogController window(logger);
    EXPECT_TRUE(shown(window).startsWith(QStringLiteral("Log Created on")));
    EXPECT_TRUE(shown(window).contains(QStringLiteral("[Talvane]: before the window")));
    EXPECT_EQ(colourAt(window, QStringLiteral("before the window")), NXLogController::printColor());

    // A message gets the window's own stamp and the green; raw text stays as written, and text
    // without a line break continues the line.
    logger.roughLog(QStringLiteral("converting title 2"));
    // A line break in a name stays inside its line, escaped as the file writes it.
    logger.roughLog(QStringLiteral("start video load file /m/a\nb.mp4"));
    logger.rawLog(QStringLiteral("Pos: 1.0s "));
    logger.rawLog(QStringLiteral("25f (10%)\n"));
    window.printLogMsg(QStringLiteral("no break"));
    window.printLogMsg(QStringLiteral(" continues"));
    ASSERT_TRUE(uitest::waitFor([&] { return shown(window).contains(QStringLiteral(" continues")); }, 60000));
    const QStringList lines = shown(window).split(QLatin1Char('\n'));
    const QRegularExpression stamped(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}  \\d{2}-\\d{2}-\\d{2}  :  converting title 2$"));
    EXPECT_TRUE(lines.indexOf(stamped) >= 0) << shown(window).toStdString();
    EXPECT_TRUE(lines.indexOf(QRegularExpression(QStringLiteral(".*  :  start video load file /m/a\\\\nb\\.mp4"))) >= 0)
        << shown(window).toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Pos: 1.0s 25f (10%)")));
    EXPECT_EQ(lines.last(), QStringLiteral("no break continues"));
    EXPECT_EQ(colourAt(window, QStringLiteral("converting title 2")), NXLogController::textColor());
    EXPECT_EQ(colourAt(window, QStringLiteral("Pos: 1.0s")), NXLogController::printColor());

    window.clearLog();
    EXPECT_TRUE(shown(window).isEmpty());
}

TEST(LogWindow, LinesFromOtherThreadsKeepTheirOrder)
{
    uitest::app();
    LogFolders f;
    DNLogger logger(f.data.path());
    NXLogController window(logger);
    window.clearLog();
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&logger, t] {
            for (int i = 0; i < 50; ++i)
                logger.roughLog(QStringLiteral("writer %1 line %2").arg(t).arg(i));
        });
    for (std::thread &writer : writers)
        writer.join();
    ASSERT_TRUE(uitest::waitFor([&] { return window.loggerView()->blockCount() >= 200; }, 60000));
    const QString text = shown(window);
    for (int t = 0; t < 4; ++t) {
        qsizetype last = -1;
        for (int i = 0; i < 50; ++i) {
            const qsizetype at = text.indexOf(QStringLiteral("writer %1 line %2\n").arg(t).arg(i));
            ASSERT_GT(at, last) << t << " " << i;
            last = at;
        }
    }
}

TEST(LogWindow, TheProgramsLogWindowShowsWhatTheProgramLogs)
{
    uitest::app();
    NXLogController *window = NXLogController::instance();
    ASSERT_TRUE(window);
    EXPECT_EQ(NXLogController::instance(), window);
    DNRoughLog(QStringLiteral("Loaded %@ titles from %@"), 3, QStringLiteral("ntsc.iso"));
    DNRoughLogRaw(QStringLiteral("mencoder: Pos: 4.2s 105f (42%%) 61.3fps\n"));
    window->showLogView();
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(uitest::waitFor([&] { return shown(*window).contains(QStringLiteral("61.3fps")); }, 60000));
    EXPECT_TRUE(shown(*window).contains(QStringLiteral("  :  Loaded 3 titles from ntsc.iso")));
    uitest::savePicture(window, QStringLiteral("ui_log"), QStringLiteral("log_window"));
    window->hide();
}

} // namespace
