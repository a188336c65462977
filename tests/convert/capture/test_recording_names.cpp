// Recording names: the date pattern "yyyy-MM-dd 'at' a KK.mm.ss" (KK counts the hours of each half
// day from 00 to 11), the two name formats, and a taken name counted on rather than replaced.
#include "convert/capture/DNRecordingName.h"
#include "core/util/DNTimeText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RecordingNames, DatePatternCountsHalfDayHoursFromZero)
{
    const struct
    {
        QTime time;
        const char *text;
    } rows[] = {
        {QTime(0, 0, 0), "2024-03-07 at AM 00.00.00"},
        {QTime(9, 5, 7), "2024-03-07 at AM 09.05.07"},
        {QTime(11, 59, 59), "2024-03-07 at AM 11.59.59"},
        {QTime(12, 0, 1), "2024-03-07 at PM 00.00.01"},
        {QTime(13, 5, 9), "2024-03-07 at PM 01.05.09"},
        {QTime(23, 59, 59), "2024-03-07 at PM 11.59.59"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(DNFileNameDateText(QDateTime(QDate(2024, 3, 7), row.time)), QString::fromLatin1(row.text));
}

TEST(RecordingNames, ScreenAndCameraNames)
{
    const QDateTime when(QDate(2023, 12, 31), QTime(18, 30, 0));
    EXPECT_EQ(DNRecordingFileName(kScreenRecordingNameFormat, when),
              QStringLiteral("Quivra Screen Recorder 2023-12-31 at PM 06.30.00.mov"));
    EXPECT_EQ(DNRecordingFileName(kCameraRecordingNameFormat, when),
              QStringLiteral("Quivra Camera Recorder 2023-12-31 at PM 06.30.00.mov"));
}

TEST(RecordingNames, ATakenNameGetsANumberBeforeTheExtension)
{
    QTemporaryDir folder;
    const QDateTime when(QDate(2023, 1, 2), QTime(3, 4, 5));
    const QString first = DNRecordingPath(folder.path(), kScreenRecordingNameFormat, when);
    EXPECT_EQ(first, folder.path() + QStringLiteral("/Quivra Screen Recorder 2023-01-02 at AM 03.04.05.mov"));
    QFile(first).open(QIODevice::WriteOnly);
    EXPECT_EQ(DNRecordingPath(folder.path(), kScreenRecordingNameFormat, when),
              folder.path() + QStringLiteral("/Quivra Screen Recorder 2023-01-02 at AM 03.04.05 (1).mov"));
}

TEST(RecordingNames, NoFolderChosenMeansTheProgramsOutputFolder)
{
    const QString folder = DNRecordingFolderOrDefault(QString());
    EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(DNRecordingFolderOrDefault(QStringLiteral("/somewhere")), QStringLiteral("/somewhere"));
}

} // namespace
