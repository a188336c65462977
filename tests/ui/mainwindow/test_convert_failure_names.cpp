// A file whose name looks like markup fails in a batch converted with the real engines: the
// alert the batch ends with names it as it is written, with no bold type and no link.
#include "convert_run_support.h"

#include "../plain_text_test_support.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>

namespace {

using namespace convertruntest;
using namespace plaintexttest;

// Adds a copy of a short clip under name to the batch, damages it once it is in the list (no engine
// can read it), runs the batch and hands over the alert it ends with.
QMessageBox *failedBatchAlert(Batch &batch, const QTemporaryDir &sources, const QString &name)
{
    const QString path = sources.path() + QLatin1Char('/') + name;
    EXPECT_TRUE(QFile::copy(testsupport::fixturePath(QStringLiteral("fileroad/quadrants.mp4")), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(batch.addFileAt(path, "Video_MP4_H264.plist"));
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(file.size(), '\x5A'));
    }
    EXPECT_TRUE(batch.run());
    QMessageBox *alert = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        alert = batch.ui.window->findChild<QMessageBox *>(QStringLiteral("convertFailedAlert"));
        return alert && alert->isVisible();
    }, 60000));
    return alert;
}

TEST(ConvertFailureNames, TheAlertNamesTheFailedFileAsWritten)
{
    Batch batch;
    QTemporaryDir sources;
    QMessageBox *alert = failedBatchAlert(batch, sources, kMarkupFileName);
    ASSERT_TRUE(alert);
    EXPECT_TRUE(alert->informativeText().startsWith(kMarkupFileName + QStringLiteral(": the AV encoder engine failed: ")))
        << alert->informativeText().toStdString();
    expectAlertDrawsAsWritten(alert);
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("convert_failed_markup_name"));
    alert->buttons().first()->click();
}

// The alert lists one failed item a line: a name holding a line break stays on its line, the break
// drawn as the mark the rows show.
TEST(ConvertFailureNames, ANameWithALineBreakKeepsItsItemOnOneLine)
{
    Batch batch;
    QTemporaryDir sources;
    QMessageBox *alert = failedBatchAlert(batch, sources, QStringLiteral("two\nlines.mp4"));
    ASSERT_TRUE(alert);
    const QString text = alert->informativeText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("two\u23CElines.mp4: the AV encoder engine failed: "))) << text.toStdString();
    EXPECT_FALSE(text.trimmed().contains(QLatin1Char('\n'))) << text.toStdString();
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("convert_failed_line_break_name"));
    alert->buttons().first()->click();
}

} // namespace
