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

TEST(ConvertFailureNames, TheAlertNamesTheFailedFileAsWritten)
{
    Batch batch;
    QTemporaryDir sources;
    const QString path = sources.path() + QLatin1Char('/') + kMarkupFileName;
    ASSERT_TRUE(QFile::copy(testsupport::fixturePath(QStringLiteral("fileroad/quadrants.mp4")), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(batch.addFileAt(path, "Video_MP4_H264.plist"));
    // Damaged once it is in the list: no engine can read it.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(file.size(), '\x5A'));
    }

    ASSERT_TRUE(batch.run());
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        alert = batch.ui.window->findChild<QMessageBox *>(QStringLiteral("convertFailedAlert"));
        return alert && alert->isVisible();
    }, 60000));
    EXPECT_TRUE(alert->informativeText().startsWith(kMarkupFileName + QStringLiteral(": the AV encoder engine failed: ")))
        << alert->informativeText().toStdString();
    expectAlertDrawsAsWritten(alert);
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("convert_failed_markup_name"));
    alert->buttons().first()->click();
}

} // namespace
