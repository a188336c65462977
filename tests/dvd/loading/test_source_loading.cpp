// What a chosen or dropped path stands for, the side-car subtitle beside a folder or image, and
// a source read into its finished item.
#include "dvd/loading/NXDVDSourceLoading.h"

#include "dvd/DNDVDTExtSubtitle.h"
#include "dvd/cover/NXDVDInfoCapture.h"

#include "support/fixturecopy.h"
#include "support/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path, const QByteArray &text = "1\n00:00:01,000 --> 00:00:02,000\nHi\n")
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

TEST(SourceLoading, ChosenFolderStandsForTheFolderAboveVIDEO_TS)
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath(QStringLiteral("Film/VIDEO_TS"));
    QDir(tmp.path()).mkpath(QStringLiteral("Plain"));
    const QString film = tmp.filePath(QStringLiteral("Film"));
    struct Case
    {
        QString chosen;
        QString expected;
    };
    const Case cases[] = {
        {film + QStringLiteral("/VIDEO_TS"), film},
        {film + QStringLiteral("/VIDEO_TS/"), film},
        {film, film},
        {tmp.filePath(QStringLiteral("Plain")), QString()},
        {tmp.filePath(QStringLiteral("nothing")), QString()},
        {QString(), QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NXDVDSourceLoading::dvdFolderForChosenFolder(c.chosen), c.expected) << c.chosen.toStdString();

    // A dropped VIDEO_TS folder names the disc as its parent does, so playback paths stay right.
    const auto dropped = NXDVDSourceLoading::sourceInfoForPath(film + QStringLiteral("/VIDEO_TS"));
    ASSERT_TRUE(dropped);
    EXPECT_EQ(dropped->sourceType(), NXDVDSourceInfo::SourceFolder);
    EXPECT_EQ(dropped->name(), QStringLiteral("Film"));
    EXPECT_EQ(dropped->playbackPath(), film + QStringLiteral("/VIDEO_TS"));
    const auto image = NXDVDSourceLoading::sourceInfoForPath(tmp.filePath(QStringLiteral("Disc.ISO")));
    EXPECT_EQ(image->sourceType(), NXDVDSourceInfo::SourceImage);
}

TEST(SourceLoading, SideCarSubtitleBeginsWithTheSourceName)
{
    struct Case
    {
        const char *what;
        QStringList files;   // relative to the folder that holds the source
        QString source;      // relative path of the source
        int type;
        QString expected;    // relative path, empty: none
    };
    const Case cases[] = {
        {"image beside its subtitle", {"Film.en.srt", "Other.srt"}, "Film.iso", NXDVDSourceInfo::SourceImage, "Film.en.srt"},
        {"case is ignored", {"film.EN.SRT"}, "Film.iso", NXDVDSourceInfo::SourceImage, "film.EN.SRT"},
        {"first in name order", {"Film.b.srt", "Film.a.srt"}, "Film.iso", NXDVDSourceInfo::SourceImage, "Film.a.srt"},
        {"other names are ignored", {"Other.srt", "AFilm.srt"}, "Film.iso", NXDVDSourceInfo::SourceImage, ""},
        {"not a subtitle", {"Film.txt"}, "Film.iso", NXDVDSourceInfo::SourceImage, ""},
        {"folder source", {"Movie.srt"}, "Movie", NXDVDSourceInfo::SourceFolder, "Movie.srt"},
        {"inside the DVD folder", {"Movie/subs/x.srt"}, "Movie", NXDVDSourceInfo::SourceFolder, "Movie/subs/x.srt"},
        {"a disc never gets one", {"Movie.srt"}, "Movie", NXDVDSourceInfo::SourceDisc, ""},
    };
    for (const Case &c : cases) {
        QTemporaryDir tmp;
        for (const QString &f : c.files)
            touch(tmp.filePath(f));
        auto source = NXDVDSourceInfo::sourceInfoWithPath(tmp.filePath(c.source));
        source->setSourceType(c.type);
        const auto found = NXDVDSourceLoading::loadDVDExtraSubtitleAtPath(source);
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(found.isEmpty()) << c.what;
        } else {
            ASSERT_EQ(found.size(), 1) << c.what;
            EXPECT_EQ(found.first()->path(), tmp.filePath(c.expected)) << c.what;
        }
    }
}

TEST(SourceLoading, ReadsTheFixtureWithMainTitleAndSharedSubtitle)
{
    int argc = 1;
    char name[] = "test";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString iso = testsupport::copyFixture(QStringLiteral("dvd/ntsc.iso"), tmp.path());
    ASSERT_FALSE(iso.isEmpty());
    touch(tmp.filePath(QStringLiteral("ntsc.en.srt")));

    QString error;
    const auto node = NXDVDSourceLoading::analysisDVDSource(NXDVDSourceLoading::sourceInfoForPath(iso), &error);
    ASSERT_TRUE(node) << error.toStdString();
    ASSERT_EQ(node->titleCount(), 3);
    EXPECT_EQ(node->titleSelected(), 1);
    EXPECT_TRUE(node->titleAt(1)->isSelected());
    const auto extra = std::dynamic_pointer_cast<DNDVDTExtSubtitle>(node->titleAt(0)->subtitleTracks().last());
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->path(), tmp.filePath(QStringLiteral("ntsc.en.srt")));
    for (const auto &title : node->titles())
        EXPECT_EQ(title->subtitleTracks().last(), extra);

    // An image is never looked up: its cover is the placeholder.
    NXDVDInfoCapture::DVDInfoCapture().waitForDone();
    QCoreApplication::processEvents();
    EXPECT_FALSE(node->thumbnail().isNull());
    EXPECT_FALSE(node->dvdCover());

    EXPECT_FALSE(NXDVDSourceLoading::analysisDVDSource(
        NXDVDSourceLoading::sourceInfoForPath(tmp.filePath(QStringLiteral("none"))), &error));
    EXPECT_FALSE(error.isEmpty());
}
