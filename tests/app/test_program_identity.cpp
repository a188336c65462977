// The program's icon and desktop entry: the icon ships in the theme's sizes, the entry names it
// and offers the program for DVD folders, discs and images, and every window carries the icon.
#include "app/DNProgramIdentity.h"
#include "core/platform/DNBundle.h"
#include "ui/ui_test_support.h"

#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QWidget>

#include <gtest/gtest.h>

TEST(ProgramIdentity, IconShipsInTheThemeSizesAndReachesTheWindows)
{
    QApplication &application = uitest::app();
    const QIcon icon = DNProgramIcon();
    ASSERT_FALSE(icon.isNull());
    QList<int> sides;
    for (const QSize &size : icon.availableSizes())
        sides << size.width();
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(sides, (QList<int>{16, 24, 32, 48, 64, 128, 256}));

    DNSetProgramIdentity(application);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("talvane"));
    QWidget window;
    EXPECT_EQ(window.windowIcon().availableSizes(), icon.availableSizes());
}

// The entry's "key=value" lines (a desktop entry is no INI file: ";" separates list items).
QMap<QString, QString> desktopEntry()
{
    QMap<QString, QString> keys;
    QFile file(DNBundle::pathForResource(QStringLiteral("talvane.desktop")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QByteArray &line : file.readAll().split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    return keys;
}

TEST(ProgramIdentity, DesktopEntryNamesTheIconAndOffersDVDs)
{
    const QMap<QString, QString> entry = desktopEntry();
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), QStringLiteral("talvane"));
    EXPECT_EQ(entry.value(QStringLiteral("Exec")), QStringLiteral("talvane %F"));
    const QStringList types = entry.value(QStringLiteral("MimeType")).split(u';');
    for (const char *type : {"inode/directory", "x-content/video-dvd", "application/x-iso9660-image",
                             "application/x-cd-image", "video/mp4"})
        EXPECT_TRUE(types.contains(QString::fromLatin1(type))) << type;
    EXPECT_TRUE(QFile::exists(DNBundle::pathForResource(QStringLiteral("icons/hicolor/48x48/apps/talvane.png"))));
}
