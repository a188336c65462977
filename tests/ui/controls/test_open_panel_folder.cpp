// Open panels start where the user last chose something of the same kind.
#include "ui/controls/DNOpenPanelFolder.h"
#include "ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>

TEST(DNOpenPanelFolder, StartsWhereTheLastChoiceOfItsKindWas)
{
    uitest::app();
    QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QTemporaryDir media;
    ASSERT_TRUE(QDir(media.path()).mkpath(QStringLiteral("discs/FILM/VIDEO_TS")));
    QFile clip(media.filePath(QStringLiteral("clip.mp4")));
    ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
    clip.close();

    EXPECT_EQ(DNOpenPanelFolder(QStringLiteral("Video")), QDir::homePath()) << "the home folder the first time";
    DNRememberOpenPanelChoice(QStringLiteral("Video"), clip.fileName());
    EXPECT_EQ(DNOpenPanelFolder(QStringLiteral("Video")), media.path()) << "a file's folder";
    DNRememberOpenPanelChoice(QStringLiteral("DVDFolder"), media.filePath(QStringLiteral("discs/FILM/")));
    EXPECT_EQ(DNOpenPanelFolder(QStringLiteral("DVDFolder")), media.filePath(QStringLiteral("discs")))
        << "the folder that holds a chosen folder";
    EXPECT_EQ(DNOpenPanelFolder(QStringLiteral("Video")), media.path()) << "each kind keeps its own";

    // A panel starts there and remembers what is chosen in it.
    QFileDialog panel;
    panel.setOption(QFileDialog::DontUseNativeDialog);
    DNPrepareOpenPanel(&panel, QStringLiteral("DVDFolder"));
    EXPECT_EQ(QDir(panel.directory()).absolutePath(), media.filePath(QStringLiteral("discs")));
    Q_EMIT panel.filesSelected({media.filePath(QStringLiteral("clip.mp4"))});
    EXPECT_EQ(DNOpenPanelFolder(QStringLiteral("DVDFolder")), media.path());

    ASSERT_TRUE(QDir(media.filePath(QStringLiteral("discs"))).removeRecursively());
    DNRememberOpenPanelChoice(QStringLiteral("Photo"), media.filePath(QStringLiteral("discs/FILM")));
    EXPECT_EQ(DNOpenPanelFolder(QStringLiteral("Photo")), QDir::homePath()) << "a folder that is gone";
}
