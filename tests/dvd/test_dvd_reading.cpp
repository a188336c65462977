// The authored discs read through the structure-reader companion: a disc as its folder, its
// VIDEO_TS folder or its ISO image becomes the same DVD item, with the titles, tracks, stream
// ids and main title the discs were authored with.
#include "dvd/NXDVDUtilities.h"

#include "core/plist/DNPropertyList.h"
#include "support/paths.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

struct Disc
{
    const char *name;
    const char *standard;
    QSizeF aspect;
    QSizeF resolution;
    float fps;
    const char *frenchCodec;
    int frenchId; // the DVD stream id mplayer's -aid takes
};

const Disc discs[] = {
    {"ntsc", "ntsc", {4, 3}, {720, 480}, 29.97f, "ac3", 0x81},
    {"pal", "pal", {16, 9}, {720, 576}, 25.0f, "mpeg1", 0x00},
};

const int authoredLengths[] = {6, 10, 4};

// Everything a builder reads of a node, as one text, so the three forms compare at once.
QString summary(const DNDVDNode &node)
{
    QStringList lines{QStringLiteral("selected %1").arg(node.titleSelected())};
    for (const DNDVDTitlePtr &t : node.titles()) {
        lines << QStringLiteral("title %1 len %2 fps %3 frames %4 main %5 sel %6 audio %7 sub %8")
                     .arg(t->index()).arg(t->length()).arg(t->fps()).arg(t->frames())
                     .arg(t->isMainTitle()).arg(t->isSelected())
                     .arg(t->setting()->audioIndex()).arg(t->setting()->subtitleIndex());
        for (const auto &v : t->videoTracks())
            lines << v->description() + v->videoStandard();
        for (const auto &a : t->audioTracks())
            lines << a->description() + a->audioCodec() + QString::number(a->channel());
        for (const auto &s : t->subtitleTracks())
            lines << s->description() + QString::number(s->subtitleID());
    }
    return lines.join(QLatin1Char('\n'));
}

DNDVDNodePtr load(const QString &path, const QString &listPath = QString())
{
    QString error;
    auto node = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(path), &error, listPath);
    EXPECT_TRUE(node) << path.toStdString() << ": " << error.toStdString();
    return node;
}

// A helper list in a temporary folder: one entry naming the disc (in other case) with a title.
QString helperListNaming(const QTemporaryDir &dir, const QString &name, int titleNumber)
{
    const QString path = dir.filePath(QStringLiteral("helper-%1-%2.plist").arg(name).arg(titleNumber));
    const QVariantList list{
        QVariantMap{{QStringLiteral("name"), QStringLiteral("SOME_OTHER_DISC")}, {QStringLiteral("majorTiltleIndex"), 1}},
        QVariantMap{{QStringLiteral("name"), name}, {QStringLiteral("majorTiltleIndex"), titleNumber}},
    };
    EXPECT_TRUE(writePropertyList(list, path, DNPropertyListFormat::XML));
    return path;
}

} // namespace

TEST(DVDReading, FolderVideoTsFolderAndImageGiveTheSameNode)
{
    for (const Disc &disc : discs) {
        SCOPED_TRACE(disc.name);
        const QString folder = fixturePath(QStringLiteral("dvd/%1").arg(QLatin1String(disc.name)));
        const auto fromFolder = load(folder);
        const auto fromVideoTs = load(folder + QStringLiteral("/VIDEO_TS"));
        const auto fromImage = load(folder + QStringLiteral(".iso"));
        ASSERT_TRUE(fromFolder && fromVideoTs && fromImage);
        EXPECT_EQ(summary(*fromFolder), summary(*fromVideoTs));
        EXPECT_EQ(summary(*fromFolder), summary(*fromImage));

        EXPECT_EQ(fromFolder->sourceInfo()->sourceType(), NXDVDSourceInfo::SourceFolder);
        EXPECT_EQ(fromVideoTs->sourceInfo()->path(), folder);
        EXPECT_EQ(fromImage->sourceInfo()->sourceType(), NXDVDSourceInfo::SourceImage);
        EXPECT_EQ(fromImage->sourceInfo()->name(), QLatin1String(disc.name));
        EXPECT_EQ(fromImage->nodeInfo()->outputName(), QLatin1String(disc.name));
    }
}

TEST(DVDReading, TitlesAndTracksAreThoseAuthored)
{
    for (const Disc &disc : discs) {
        SCOPED_TRACE(disc.name);
        const auto node = load(fixturePath(QStringLiteral("dvd/%1.iso").arg(QLatin1String(disc.name))));
        ASSERT_TRUE(node);
        ASSERT_EQ(node->titleCount(), 3);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const DNDVDTitle &t = *node->titleAt(i);
            EXPECT_EQ(t.index(), i);
            EXPECT_EQ(t.parent(), node.get());
            EXPECT_NEAR(t.length(), authoredLengths[i], 1);
            EXPECT_FLOAT_EQ(t.fps(), disc.fps);
            EXPECT_GT(t.frames(), 0);

            ASSERT_EQ(t.videoTracks().size(), 1);
            EXPECT_EQ(t.videoTracks()[0]->videoCodec(), QStringLiteral("mpeg2"));
            EXPECT_EQ(t.videoTracks()[0]->videoStandard(), QLatin1String(disc.standard));
            EXPECT_EQ(t.videoTracks()[0]->videoAspect(), disc.aspect);
            EXPECT_EQ(t.videoTracks()[0]->videoResolution(), disc.resolution);

            ASSERT_EQ(t.audioTracks().size(), 2);
            EXPECT_EQ(t.audioTracks()[0]->audioLang(), QStringLiteral("English"));
            EXPECT_EQ(t.audioTracks()[0]->audioCodec(), QStringLiteral("ac3"));
            EXPECT_EQ(t.audioTracks()[0]->audioID(), 0x80);
            EXPECT_EQ(t.audioTracks()[0]->channel(), 2);
            EXPECT_EQ(t.audioTracks()[1]->audioLang(), QStringLiteral("French"));
            EXPECT_EQ(t.audioTracks()[1]->audioCodec(), QLatin1String(disc.frenchCodec));
            EXPECT_EQ(t.audioTracks()[1]->audioID(), disc.frenchId);

            ASSERT_EQ(t.subtitleTracks().size(), 1);
            EXPECT_EQ(t.subtitleTracks()[0]->subtitleName(), QStringLiteral("English"));
            EXPECT_EQ(t.subtitleTracks()[0]->subtitleID(), 0x20);
            EXPECT_EQ(t.setting()->subtitleIndex(), -1);
        }
    }
}

TEST(DVDReading, MainTitleIsTheLongestUnlessTheHelperListNamesTheDisc)
{
    QTemporaryDir dir;
    const QString withEntry = helperListNaming(dir, QStringLiteral("NTSC"), 3);
    const QString outOfRange = helperListNaming(dir, QStringLiteral("ntsc"), 4);
    const struct { QString list; int expected; } cases[] = {
        {dir.filePath(QStringLiteral("missing.plist")), 1}, // no list: the longest (title 2)
        {withEntry, 2},
    };
    for (const auto &c : cases) {
        const auto node = load(fixturePath(QStringLiteral("dvd/ntsc.iso")), c.list);
        ASSERT_TRUE(node);
        EXPECT_EQ(node->titleSelected(), c.expected);
        for (int i = 0; i < node->titleCount(); ++i) {
            EXPECT_EQ(node->titleAt(i)->isMainTitle(), i == c.expected) << i;
            EXPECT_EQ(node->titleAt(i)->isSelected(), i == c.expected) << i;
        }
    }
    // A list entry with a title number the disc does not have: the longest again.
    const auto node = load(fixturePath(QStringLiteral("dvd/ntsc")), outOfRange);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->titleSelected(), 1);
    EXPECT_EQ(node->indexOfMainTitle(), 1);
}

TEST(DVDReading, ShippedHelperListIsReadable)
{
    // The shipped list names none of the authored discs and answers for its own entries in any case.
    EXPECT_EQ(NXDVDUtilities::findMainTitleFromConfig(QStringLiteral("ntsc")), -1);
    EXPECT_EQ(NXDVDUtilities::findMainTitleFromConfig(QStringLiteral("the_northern_lights")), 2);
    EXPECT_EQ(NXDVDUtilities::findMainTitleFromConfig(QString()), -1);
}

TEST(DVDReading, DefaultAudioTrackIsThePreferredLanguage)
{
    const auto node = load(fixturePath(QStringLiteral("dvd/pal")));
    ASSERT_TRUE(node);
    for (const DNDVDTitlePtr &t : node->titles()) {
        EXPECT_EQ(t->setting()->audioIndex(), 0); // English, the default preferred language
        t->initializeTracksIndexOnDidLoadDVDTitleInfo(QStringLiteral("French"), QString());
        // PAL's French track is MPEG audio with stream id 0, which the language choice never takes.
        EXPECT_EQ(t->setting()->audioIndex(), 0);
    }
    const auto ntsc = load(fixturePath(QStringLiteral("dvd/ntsc")));
    ASSERT_TRUE(ntsc);
    ntsc->titleAt(0)->initializeTracksIndexOnDidLoadDVDTitleInfo(QStringLiteral("french"), QString());
    EXPECT_EQ(ntsc->titleAt(0)->setting()->audioIndex(), 1);
}

TEST(DVDReading, PlaybackPathOfEachForm)
{
    const QString folder = fixturePath(QStringLiteral("dvd/ntsc"));
    const auto fromFolder = load(folder + QStringLiteral("/VIDEO_TS"));
    const auto fromImage = load(folder + QStringLiteral(".iso"));
    ASSERT_TRUE(fromFolder && fromImage);
    EXPECT_EQ(fromFolder->NXMPlayerPlaybackParameters().at(2), folder + QStringLiteral("/VIDEO_TS"));
    EXPECT_EQ(fromImage->NXMPlayerPlaybackParameters().at(2), folder + QStringLiteral(".iso"));
    EXPECT_EQ(fromImage->NXMPlayerPlaybackParameters().at(0), QStringLiteral("dvdnav://2")); // main title 2
}
