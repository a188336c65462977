#include "core/log/DNLogger.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Folders
{
    QTemporaryDir data;
};

const QRegularExpression kStamp(
    R"(^\d{4}:\d{2}:\d{2} \d{1,2}:\d{2} \S+ \[Talvane\]: )");

} // namespace

TEST(DNLogger, FirstRunStartsWithHeaderAndMovesNothing)
{
    Folders f;
    DNLogger log(f.data.path());
    EXPECT_EQ(log.roughLogFile(), f.data.path() + "/Talvane.log");
    EXPECT_TRUE(log.roughLogFileLastSaved().isEmpty());
    const QString text = readAll(log.roughLogFile());
    EXPECT_TRUE(text.startsWith("Log Created on ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\n\n"));
    EXPECT_EQ(text.count('\n'), 2);
    EXPECT_FALSE(QFile::exists(f.data.filePath("Talvane.log.1")));
}

// Each run moves the earlier logs one generation back beside the new one; the oldest goes.
TEST(DNLogger, EarlierRunsStayBesideTheNewLogForFourGenerations)
{
    Folders f;
    for (int run = 1; run <= 6; ++run) {
        DNLogger log(f.data.path());
        log.roughLog(QStringLiteral("run %1").arg(run));
        EXPECT_EQ(log.roughLogFileLastSaved(), run == 1 ? QString() : f.data.filePath("Talvane.log.1"));
    }
    EXPECT_TRUE(readAll(f.data.filePath("Talvane.log")).contains("]: run 6\n"));
    for (int n = 1; n <= DNLogger::kKeptGenerations; ++n) {
        const QString text = readAll(f.data.filePath(QStringLiteral("Talvane.log.%1").arg(n)));
        EXPECT_TRUE(text.contains(QStringLiteral("]: run %1\n").arg(6 - n))) << n;
        EXPECT_EQ(text.count("]: "), 1) << n;
    }
    EXPECT_FALSE(QFile::exists(f.data.filePath("Talvane.log.5"))) << "the oldest went";
}

// A writer that starts while another holds the log (the developer aid while the program runs)
// adds to the live log instead of moving it away from under its writer.
TEST(DNLogger, ALiveWritersLogIsNeverMoved)
{
    Folders f;
    writeFile(f.data.filePath("Talvane.log"), "the run before\n");
    auto running = std::make_unique<DNLogger>(f.data.path());
    running->roughLog("program");
    {
        DNLogger second(f.data.path());
        EXPECT_TRUE(second.roughLogFileLastSaved().isEmpty());
        second.roughLog("developer aid");
    }
    running->roughLog("program again");
    const QString live = readAll(f.data.filePath("Talvane.log"));
    EXPECT_TRUE(live.contains("]: program\n")) << live.toStdString();
    EXPECT_TRUE(live.contains("]: developer aid\n"));
    EXPECT_TRUE(live.contains("]: program again\n"));
    EXPECT_EQ(readAll(f.data.filePath("Talvane.log.1")), "the run before\n");
    EXPECT_FALSE(QFile::exists(f.data.filePath("Talvane.log.2")));

    // Once the program has ended, the next start moves its log back as usual.
    running.reset();
    DNLogger next(f.data.path());
    EXPECT_TRUE(readAll(f.data.filePath("Talvane.log.1")).contains("]: program again\n"));
    EXPECT_EQ(readAll(f.data.filePath("Talvane.log.2")), "the run before\n");
}

TEST(DNLogger, StampedAndRawLines)
{
    Folders f;
    DNLogger log(f.data.path());
    log.roughLog("x");
    log.roughLog("ends with a line break\n");
    log.rawLog("raw text");
    log.rawLog(" more\n");
    const QStringList lines = readAll(log.roughLogFile()).split('\n');
    // header, empty line, then the entries
    ASSERT_GE(lines.size(), 7);
    EXPECT_TRUE(kStamp.match(lines[2]).hasMatch()) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith("]: x"));
    EXPECT_TRUE(lines[3].endsWith("]: ends with a line break"));
    EXPECT_EQ(lines[4], ""); // the message's own line break, then the one added
    EXPECT_EQ(lines[5], "raw text more");
}

// A name may hold a line break, a tab or a terminal escape, and so may an engine's line: written
// as they are, one record would become two lines and a name could forge a record. Each entry
// stays one line with those characters escaped, in the file and for the log window alike.
TEST(DNLogger, AnEntryStaysOneLineWhateverItsNamesHold)
{
    Folders f;
    DNLogger log(f.data.path());
    QStringList heard;
    const auto id = log.addListener([&](DNLogger::EntryKind, const QString &text) { heard << text; });
    const QString forged = QStringLiteral("a.mp4\n2026:01:01 1:00 PM [Talvane]: conversion done");
    log.roughLog(QStringLiteral("start video load file /tmp/") + forged);
    log.roughLog(QStringLiteral("tab\tcarriage\rescape\x1b[31mred nel\u0085sep\u2028end"));
    // As DNRoughLogEngineLine writes an engine's line (this writer is not the shared one).
    log.rawLog(QStringLiteral("\tInput #0, from '/tmp/line\nbreak.mp4':\n"));
    log.rawLog(QStringLiteral("\tprogress\r\n"));
    log.removeListener(id);

    const QString text = readAll(log.roughLogFile());
    QStringList lines = text.split('\n').mid(2);
    lines.removeAll(QString());
    ASSERT_EQ(lines.size(), 4) << text.toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("]: start video load file /tmp/a.mp4\\n2026:01:01 1:00 PM [Talvane]: "
                                                 "conversion done")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("]: tab\\tcarriage\\rescape\\x1b[31mred nel\\x85sep\\u2028end")))
        << lines[1].toStdString();
    // An engine's line keeps the tab that sets it under its entry.
    EXPECT_EQ(lines[2], QStringLiteral("\tInput #0, from '/tmp/line\\nbreak.mp4':"));
    EXPECT_EQ(lines[3], QStringLiteral("\tprogress\\r"));
    ASSERT_EQ(heard.size(), 4);
    EXPECT_FALSE(heard[0].contains(QLatin1Char('\n')));
    EXPECT_EQ(heard[2], QStringLiteral("\tInput #0, from '/tmp/line\\nbreak.mp4':\n"));
}

TEST(DNLogger, StampFollowsTheDateForm)
{
    const QString line = DNLogger::stampedLine("m");
    const QRegularExpression full(R"(^(\d{4}):(\d{2}):(\d{2}) (\d{1,2}):(\d{2}) (\S+) \[Talvane\]: m\n$)");
    const auto match = full.match(line);
    ASSERT_TRUE(match.hasMatch()) << line.toStdString();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(match.captured(1).toInt(), today.year());
    const int hour = match.captured(4).toInt();
    EXPECT_GE(hour, 1); // twelve-hour clock
    EXPECT_LE(hour, 12);
}

TEST(DNLogger, NothingIsWrittenAfterFinish)
{
    Folders f;
    DNLogger log(f.data.path());
    log.roughLog("before");
    log.logFinish();
    log.roughLog("after");
    log.rawLog("after");
    const QString text = readAll(log.roughLogFile());
    EXPECT_TRUE(text.contains("before"));
    EXPECT_FALSE(text.contains("after"));
}

TEST(DNLogger, RedirectStartsAFreshFileElsewhere)
{
    Folders f, g;
    DNLogger log(f.data.path());
    log.roughLog("first");
    log.logFinish();
    log.redirect(g.data.path());
    log.roughLog("second");
    EXPECT_EQ(log.roughLogFile(), g.data.filePath("Talvane.log"));
    EXPECT_FALSE(readAll(f.data.filePath("Talvane.log")).contains("second"));
    EXPECT_TRUE(readAll(g.data.filePath("Talvane.log")).contains("]: second\n"));
}

TEST(DNLogger, MissingFolderLosesLinesQuietly)
{
    Folders f;
    DNLogger log(f.data.filePath("not-made"));
    log.roughLog("lost");
    EXPECT_FALSE(QFile::exists(f.data.filePath("not-made")));
}

TEST(DNLogger, ConcurrentWritersNeverTearLines)
{
    Folders f;
    DNLogger log(f.data.path());
    const int threads = 8, perThread = 400;
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&log, t] {
            const QString payload = QString(200, QChar('a' + t));
            for (int i = 0; i < perThread; ++i) {
                if (i % 2)
                    log.roughLog(QString("t%1 %2 %3").arg(t).arg(i).arg(payload));
                else
                    log.rawLog(QString("raw t%1 %2 %3\n").arg(t).arg(i).arg(payload));
            }
        });
    }
    for (auto &th : pool)
        th.join();

    QStringList lines = readAll(log.roughLogFile()).split('\n');
    lines = lines.mid(2);
    lines.removeAll(QString());
    ASSERT_EQ(lines.size(), threads * perThread);
    const QRegularExpression stamped(kStamp.pattern() + R"(t(\d) (\d+) ([a-h])\3{199}$)");
    const QRegularExpression raw(R"(^raw t(\d) (\d+) ([a-h])\3{199}$)");
    QSet<QString> seen;
    for (const QString &line : lines) {
        auto m = stamped.match(line);
        if (!m.hasMatch())
            m = raw.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.left(80).toStdString();
        EXPECT_EQ(m.captured(3).at(0).unicode() - 'a', m.captured(1).toInt());
        seen.insert(m.captured(1) + "/" + m.captured(2));
    }
    EXPECT_EQ(seen.size(), threads * perThread);
}

// The shared writer of the program: in the per-user data folder, the previous log beside it. Runs
// once per process, so it is the only test here that touches it.
TEST(DNRoughLog, SharedWriterUsesTheDataFolder)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString folder = home.path() + "/Harnvale/Talvane";
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(folder + "/Talvane.log", "previous\n");

    DNRoughLog("%@ has %d titles", QString("disc"), 3);
    DNRoughLog(QString());
    DNRoughLogRaw("engine line %d\n", 7);

    EXPECT_EQ(DNCurrentRoughLogPath(), folder + "/Talvane.log");
    EXPECT_EQ(DNLastSavedRoughLogPath(), folder + "/Talvane.log.1");
    EXPECT_EQ(readAll(DNLastSavedRoughLogPath()), "previous\n");
    const QString text = readAll(DNCurrentRoughLogPath());
    EXPECT_TRUE(text.contains("]: disc has 3 titles\nengine line 7\n")) << text.toStdString();
    EXPECT_EQ(text.count("]: "), 1);
}

// A listener hears every entry in the file's order, after what the file held when it came.
TEST(DNLogger, ListenersHearEntriesAfterWhatWasWrittenBefore)
{
    Folders f;
    DNLogger log(f.data.path());
    log.roughLog("first message");
    QString backlog;
    QStringList heard;
    const auto id = log.addListener(
        [&](DNLogger::EntryKind kind, const QString &text) {
            heard << (kind == DNLogger::EntryKind::Message ? "message: " : "raw: ") + text;
        },
        &backlog);
    EXPECT_EQ(backlog, readAll(log.roughLogFile()));
    EXPECT_TRUE(backlog.contains("[Talvane]: first message\n"));
    log.roughLog("second message");
    log.rawLog("engine line\n");
    log.rawLog("");
    EXPECT_EQ(heard, (QStringList{"message: second message", "raw: engine line\n"}));
    log.removeListener(id);
    log.roughLog("unheard");
    EXPECT_EQ(heard.size(), 2);

    // A long file gives its last whole lines only.
    QString tail;
    const auto second = log.addListener([](DNLogger::EntryKind, const QString &) {}, &tail, 80);
    EXPECT_FALSE(tail.isEmpty());
    EXPECT_LE(tail.toUtf8().size(), 80);
    EXPECT_TRUE(readAll(log.roughLogFile()).endsWith(tail));
    EXPECT_TRUE(readAll(log.roughLogFile()).contains("\n" + tail));
    log.removeListener(second);
}
