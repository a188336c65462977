// The picture filter graph of the file builders: each edit's piece, how the pieces join, and
// the sizes that must stay valid for the encoder (crops inside the picture, multiples of 4,
// quarter turns fitted to the frame).

#include "AVBuilderTestSupport.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/PictureGeometry.h"
#include "builders/avencoder/SubtitleExtraction.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace avbuildertest;

namespace {

struct Chain
{
    DNFileNodePtr item;
    VideoConvertOptions options = MakeVideoConvertOptions();

    explicit Chain(QSize size, const char *resolution = "keep origin")
        : item(makeItem({.size = size}))
    {
        item->profile()->videoResolution()->setCurrentValue(QString::fromLatin1(resolution));
    }
    QString graph(const QString &extra = {}) { return GenVideoFilterChain(*item, options, extra, true); }
};

void writeText(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Writes a two-cue SubRip file at output, as the engine would extract one.
int fakeExtraction(const char *, int, const char *output)
{
    QFile file(QString::fromUtf8(output));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("1\n00:00:00,500 --> 00:00:01,500\nGr\xc3\xbc\xc3\x9f\x65\n");
    return 0;
}

int failingExtraction(const char *, int, const char *)
{
    return 1;
}

// The stream position the last recording extraction was asked for.
int extractedIndex = -1;
int recordingExtraction(const char *input, int index, const char *output)
{
    extractedIndex = index;
    return fakeExtraction(input, index, output);
}

} // namespace

TEST(VideoFilterChain, NothingToFilterGivesNoGraph)
{
    Chain chain({640, 480});
    EXPECT_TRUE(chain.graph().isNull());
    chain.item->setRotationAngle(360);
    EXPECT_TRUE(chain.graph().isNull());
}

TEST(VideoFilterChain, EachEditHasItsPiece)
{
    struct Row
    {
        const char *name;
        QSize size;
        std::function<void(Chain &)> edit;
        const char *graph;
    };
    const Row rows[] = {
        {"safe mode", {640, 480},
         [](Chain &c) { c.options.engineSafeMode = 1; },
         "[0:v:0]null[VDAPD];[VDAPD]setpts=N/(FRAME_RATE*TB)[video]"},
        {"deinterlace", {640, 480}, [](Chain &c) { c.options.deinterlace = 1; }, "[0:#1]yadif=0[video]"},
        {"size no multiple of 4", {642, 362}, [](Chain &) {}, "[0:#1]scale=644:364[video]"},
        {"45 mirrored", {640, 480}, [](Chain &c) { c.item->setRotationAngle(45); c.item->setMirror(true); }, "[0:#1]hflip[video]"},
        {"90", {640, 480}, [](Chain &c) { c.item->setRotationAngle(90); }, "[0:#1]transpose=dir=1[video]"},
        {"180", {640, 480}, [](Chain &c) { c.item->setRotationAngle(180); }, "[0:#1]vflip,hflip[video]"},
        {"180 mirrored", {640, 480}, [](Chain &c) { c.item->setRotationAngle(180); c.item->setMirror(true); }, "[0:#1]vflip[video]"},
        {"270 mirrored", {640, 480}, [](Chain &c) { c.item->setRotationAngle(270); c.item->setMirror(true); },
         "[0:#1]transpose=dir=2,hflip[video]"},
        {"crop", {640, 480},
         [](Chain &c) {
             c.item->setEnableCrop(true);
             c.item->setting()->setCropRectPercent({0.1f, 0.1f, 0.5f, 0.5f});
         },
         "[0:#1]crop=320:240:64:192[video]"},
    };
    for (const Row &row : rows) {
        Chain chain(row.size);
        row.edit(chain);
        const QString extra = chain.options.engineSafeMode ? QStringLiteral("setpts=N/(FRAME_RATE*TB)") : QString();
        EXPECT_EQ(chain.graph(extra), QString::fromLatin1(row.graph)) << row.name;
    }
}

TEST(VideoFilterChain, ScalesIntoTheProfilesFrameAndPadsOnlyWhenAsked)
{
    Chain fit({1280, 720}, "854x480");
    EXPECT_EQ(fit.graph(), QStringLiteral("[0:#1]scale=856:480[video]"));
    Chain pad({640, 480}, "1280x720");
    pad.item->setAutoExpandToProfileRes(true);
    EXPECT_EQ(pad.graph(), QStringLiteral("[0:#1]scale=960:720,pad=1280:720:(ow-iw)/2:(oh-ih)/2[video]"));
}

// Sizes that would stop the encoder: each is made valid.
TEST(PictureGeometry, EveryPieceGivesAValidPicture)
{
    // A crop raised to multiples of 4 that would reach past the right and bottom edges.
    PictureEdits crop;
    crop.sourceSize = {718, 478};
    crop.crop = true;
    crop.cropRect = {0.8f, 0.0f, 0.3f, 1.0f};
    crop.resolution = QStringLiteral("keep origin");
    PictureGeometry g = pictureGeometry(crop);
    EXPECT_EQ(g.cropPiece, QStringLiteral("crop=216:476:502:0,"));
    EXPECT_TRUE(g.scalePiece.isEmpty());
    EXPECT_EQ(g.outputSize, QSize(216, 476));

    // A crop of a picture whose size is no multiple of 4 keeps the cropped size, not the whole
    // picture's (which would stretch the crop back over the frame).
    crop.cropRect = {0.25f, 0.25f, 0.5f, 0.5f};
    g = pictureGeometry(crop);
    EXPECT_EQ(g.cropPiece, QStringLiteral("crop=360:240:180:120,"));
    EXPECT_TRUE(g.scalePiece.isEmpty());

    // A quarter turn into a landscape frame: the upright picture is fitted, so the pad is never
    // smaller than what it pads.
    PictureEdits turn;
    turn.sourceSize = {320, 240};
    turn.rotation = 90;
    turn.resolution = QStringLiteral("640x480");
    turn.expandToFrame = true;
    g = pictureGeometry(turn);
    EXPECT_EQ(g.scalePiece + g.orientationPiece + g.padPiece,
              QStringLiteral("scale=480:360,transpose=dir=1,pad=640:480:(ow-iw)/2:(oh-ih)/2,"));
    EXPECT_EQ(g.outputSize, QSize(640, 480));
    turn.expandToFrame = false;
    EXPECT_EQ(pictureGeometry(turn).outputSize, QSize(360, 480));

    // Odd sizes and frames become even ones: the frame a multiple of 4, the picture padded into
    // it the even size nearest its shape.
    PictureEdits odd;
    odd.sourceSize = {717, 477};
    odd.resolution = QStringLiteral("keep origin");
    EXPECT_EQ(pictureGeometry(odd).scalePiece, QStringLiteral("scale=720:480,"));
    odd.resolution = QStringLiteral("351x201");
    odd.expandToFrame = true;
    g = pictureGeometry(odd);
    EXPECT_EQ(g.scalePiece + g.padPiece, QStringLiteral("scale=302:202,pad=352:204:(ow-iw)/2:(oh-ih)/2,"));
}

// The picture is fitted as it is shown: the source's pixels (a DVD's 64:45) and the frame's (as
// its flagged aspect makes them) are applied, so a round thing stays round; an output that
// shows only square pixels gets them.
TEST(PictureGeometry, KeepsThePicturesShapeAsShown)
{
    struct Row
    {
        const char *name;
        QSize source;
        double sourcePixel;
        const char *resolution;
        bool expand;
        double frameAspect;
        bool squarePixels;
        int rotation;
        const char *pieces;  // scale, orientation and pad
        QSize output;
    };
    const Row rows[] = {
        {"DVD rip into a square 640x360 frame", {720, 576}, 64.0 / 45, "640x360", false, 0, false, 0, "scale=640:360,", {640, 360}},
        {"DVD rip kept, pixels and all", {720, 576}, 64.0 / 45, "keep origin", false, 0, false, 0, "", {720, 576}},
        {"DVD rip kept for square pixels", {720, 576}, 64.0 / 45, "keep origin", false, 0, true, 0, "scale=1024:576,", {1024, 576}},
        {"DVD rip flagged with its own shape", {720, 576}, 64.0 / 45, "keep origin", false, 16.0 / 9, false, 0, "", {720, 576}},
        {"16:9 into a PAL DVD frame flagged 16:9", {640, 360}, 1, "720x576", true, 16.0 / 9, false, 0,
         "scale=720:576,pad=720:576:(ow-iw)/2:(oh-ih)/2,", {720, 576}},
        {"4:3 into an NTSC frame flagged 16:9", {640, 480}, 1, "720x480", true, 16.0 / 9, false, 0,
         "scale=540:480,pad=720:480:(ow-iw)/2:(oh-ih)/2,", {720, 480}},
        {"DVD rip into an NTSC frame flagged 4:3", {720, 576}, 64.0 / 45, "720x480", true, 4.0 / 3, false, 0,
         "scale=720:360,pad=720:480:(ow-iw)/2:(oh-ih)/2,", {720, 480}},
        {"a flag of the picture's own shape, not padded", {640, 360}, 1, "640x480", false, 16.0 / 9, false, 0,
         "scale=640:360,", {640, 360}},
        {"4:3 into 640x480 flagged 16:9, padded though not asked", {320, 240}, 1, "640x480", false, 16.0 / 9, false, 0,
         "scale=480:480,pad=640:480:(ow-iw)/2:(oh-ih)/2,", {640, 480}},
        {"4:3 kept and flagged 16:9", {320, 240}, 1, "keep origin", false, 16.0 / 9, false, 0,
         "scale=240:240,pad=320:240:(ow-iw)/2:(oh-ih)/2,", {320, 240}},
        {"a flag square pixels cannot show", {640, 480}, 1, "640x360", false, 16.0 / 9, true, 0, "scale=480:360,", {480, 360}},
        {"a phone clip held upright padded into a 3G2 frame", {180, 320}, 1, "176x144", true, 176.0 / 144, false, 0,
         "scale=82:144,pad=176:144:(ow-iw)/2:(oh-ih)/2,", {176, 144}},
        {"DVD rip turned a quarter into 640x480", {720, 576}, 64.0 / 45, "640x480", false, 0, false, 90,
         "scale=480:272,transpose=dir=1,", {270, 480}},
    };
    for (const Row &row : rows) {
        PictureEdits edits;
        edits.sourceSize = row.source;
        edits.sourcePixelAspect = row.sourcePixel;
        edits.resolution = QString::fromLatin1(row.resolution);
        edits.expandToFrame = row.expand;
        edits.frameAspect = row.frameAspect;
        edits.squarePixels = row.squarePixels;
        edits.rotation = row.rotation;
        const PictureGeometry g = pictureGeometry(edits);
        EXPECT_EQ(g.scalePiece + g.orientationPiece + g.padPiece, QString::fromLatin1(row.pieces)) << row.name;
        EXPECT_EQ(g.outputSize, row.output) << row.name;
    }
}

TEST(VideoFilterChain, PictureSubtitlesOverlayTheBottomCentre)
{
    Chain large({640, 480}, "1280x720");
    auto subtitle = std::make_shared<DNTSubtitle>();
    subtitle->sid = 3;
    subtitle->codecID = QStringLiteral("S_VOBSUB");
    large.item->subtitleTracks() << subtitle;
    large.item->setting()->setSubtitleIndex(0);
    EXPECT_EQ(large.graph(), QStringLiteral("[0:#1]scale=960:720[VA];[0:#3]lut=u=128:v=128[sub];"
                                            "[VA][sub]overlay=main_w/2-overlay_w/2:main_h-overlay_h[video]"));
    Chain same({640, 480});
    same.item->subtitleTracks() << subtitle;
    same.item->setting()->setSubtitleIndex(0);
    EXPECT_EQ(same.graph(), QStringLiteral("[0:#1]null[VA];[0:#3]scale=640:480,lut=u=128:v=128[sub];"
                                           "[VA][sub]overlay=main_w/2-overlay_w/2:main_h-overlay_h[video]"));
}

TEST(VideoFilterChain, SubtitleFileAndWatermarkChainInOrder)
{
    QTemporaryDir dir;
    const QString srt = dir.filePath(QStringLiteral("x.srt"));
    writeText(srt, QByteArray("1\n00:00:00,500 --> 00:00:01,500\nCaf\xe9 \x80\n"));
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(logo));

    Chain chain({640, 480});
    chain.item->addExtraSubtitle(srt);
    std::static_pointer_cast<DNTExtSubtitle>(chain.item->subtitleTracks().last())->setCodePage(QStringLiteral("WINDOWS-1252"));
    chain.item->setting()->setSubtitleIndex(0);
    chain.item->setEnableWatermark(true);
    chain.item->setTypeOfWatermark(0);
    chain.item->setImagePathOfWatermark(logo);
    chain.item->setting()->setWatermarkRectPercent({0.5f, 0.75f, 0.25f, 0.25f});
    const QString graph = chain.graph();
    const QRegularExpression shape(QStringLiteral(
        "^\\[0:#1\\]null\\[VA\\];\\[VA\\]subtitles=filename=(.+/qvsub[^:]*\\.srt):charenc=WINDOWS-1252\\[VB\\];"
        "movie=(.+\\.tiff)\\[WM\\];\\[VB\\]\\[WM\\]overlay=320:0\\[video\\]$"));
    const QRegularExpressionMatch match = shape.match(graph);
    ASSERT_TRUE(match.hasMatch()) << graph.toStdString();
    // The filter reads copies, never the user's own files.
    EXPECT_NE(match.captured(1), srt);
    EXPECT_EQ(QImage(match.captured(2)).size(), QSize(160, 120));
}

TEST(VideoFilterChain, InnerTextSubtitleIsTakenOutFirst)
{
    // Every kind of text stream is burnt from its words; a picture one is laid over as it is.
    struct Kind { const char *codecID; bool text; };
    for (const Kind &kind : {Kind{"S_TEXT/UTF8", true}, Kind{"S_TEXT/ASS", true}, Kind{"D_WEBVTT/SUBTITLES", true},
                             Kind{"tx3g", true}, Kind{"text", true}, Kind{"S_VOBSUB", false}}) {
        Chain chain({640, 480});
        auto stream = std::make_shared<DNTSubtitle>();
        stream->sid = 3;
        stream->codecID = QString::fromLatin1(kind.codecID);
        chain.item->subtitleTracks() << stream;
        chain.item->setting()->setSubtitleIndex(0);
        SetAVSubtitleExtractor(fakeExtraction);
        const QString graph = chain.graph();
        SetAVSubtitleExtractor(nullptr);
        EXPECT_EQ(QRegularExpression(QStringLiteral("^\\[0:#1\\]null\\[VA\\];\\[VA\\]subtitles=filename=.+\\.srt\\[video\\]$"))
                      .match(graph).hasMatch(),
                  kind.text) << kind.codecID << ": " << graph.toStdString();
    }
}

TEST(VideoFilterChain, InnerTextSubtitleThatCannotBeTakenOutFailsTheGraph)
{
    QTemporaryDir dir;
    const QString srt = dir.filePath(QStringLiteral("x.srt"));
    writeText(srt, QByteArray("1\n00:00:00,500 --> 00:00:01,500\nText\n"));
    Chain chain({640, 480});
    // The movie's second text stream, after a side-car file in the item's list: the engine is
    // asked for its position among the movie's own streams.
    chain.item->addExtraSubtitle(srt);
    for (const char *codec : {"S_TEXT/UTF8", "tx3g"}) {
        auto stream = std::make_shared<DNTSubtitle>();
        stream->codecID = QString::fromLatin1(codec);
        chain.item->subtitleTracks() << stream;
    }
    chain.item->setting()->setSubtitleIndex(2);
    SetAVSubtitleExtractor(recordingExtraction);
    EXPECT_FALSE(chain.graph().isNull());
    EXPECT_EQ(extractedIndex, 1);

    // Left out, the conversion would look finished without the subtitle asked for.
    SetAVSubtitleExtractor(failingExtraction);
    QString failure;
    EXPECT_TRUE(GenVideoFilterChain(*chain.item, chain.options, {}, true, &failure).isNull());
    EXPECT_TRUE(failure.contains(QLatin1String("cannot be taken out to be burnt in"))) << failure.toStdString();
    SetAVSubtitleExtractor(nullptr);

    // So does a subtitle file that cannot be read.
    QFile::remove(srt);
    chain.item->setting()->setSubtitleIndex(0);
    failure.clear();
    EXPECT_TRUE(GenVideoFilterChain(*chain.item, chain.options, {}, true, &failure).isNull());
    EXPECT_TRUE(failure.contains(QLatin1String("cannot be read to be burnt in"))) << failure.toStdString();
}
