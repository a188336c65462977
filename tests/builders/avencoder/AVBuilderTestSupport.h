#pragma once

// What the file builder tests share: a file item made from track facts (as the probe would
// fill it), a shipped file profile on it, a pass record, and the vector's words.

#include "../ArgumentTestSupport.h"
#include "core/platform/DNBundle.h"
#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSize>
#include <QStringList>

#include <gtest/gtest.h>


namespace avbuildertest {

// The H.264 block's codec words, "-c:v" "libx264" to "-coder" "0".
inline const QStringList kH264BlockWords = {
    "-c:v", "libx264", "-flags", "+loop", "-cmp", "chroma", "-deblock", "0:0", "-bt", "256k",
    "-me_method", "full", "-me_range", "16", "-subq", "5", "-partitions", "+parti4x4+parti8x8+partp8x8",
    "-g", "250", "-keyint_min", "25", "-trellis", "0", "-sc_threshold", "40", "-i_qfactor", "0.71",
    "-b_strategy", "1", "-qcomp", "0.6", "-qdiff", "4", "-refs", "2", "-direct-pred", "1", "-wpredp", "2",
    "-rc_lookahead", "30", "-profile:v", "baseline", "-level", "30", "-bf", "0", "-coder", "0"};

// The MPEG-4 Part 2 block's fixed words after "-c:v" and the codec.
inline const QStringList kMPEG4BlockWords = {"-mbd", "2",   "-flags", "+mv4+aic",   "-trellis", "2", "-cmp", "2", "-subcmp",
                                             "2",    "-bf", "0",      "-g",         "250",      "-profile:v", "1", "-level", "3"};

inline std::shared_ptr<DNProfile> videoProfile(const QString &fileName)
{
    const QString path = DNBundle::pathForResource(QStringLiteral("profiles/Video/") + fileName);
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return DNProfile::parserFromContentOfFile(path);
}

struct ItemFacts
{
    QString path = QStringLiteral("/media/clip.mp4");
    QString format = QStringLiteral("MPEG-4");
    QSize size{320, 240};
    float duration = 100.0f;
    float fps = 25.0f;
    int audioTracks = 1;
    QString profile = QStringLiteral("Video_MP4_H264.plist");
};

// A probed-looking item: video stream id 1, audio ids 2, 3, ...; first tracks selected; the
// profile's bitrate 1000 kbps, its quality phase 1 (normal), VBR; output name "clip"; no tags.
inline DNFileNodePtr makeItem(const ItemFacts &facts = {})
{
    auto item = std::make_shared<DNFileNode>();
    item->setPath(facts.path);
    item->setFileFormat(facts.format);
    auto video = std::make_shared<DNTVideo>();
    video->vid = 1;
    video->width = facts.size.width();
    video->height = facts.size.height();
    video->duration = facts.duration;
    video->fps = facts.fps;
    video->codec = QStringLiteral("AVC");
    item->videoTracks() << video;
    for (int i = 0; i < facts.audioTracks; ++i) {
        auto audio = std::make_shared<DNTAudio>();
        audio->aid = 2 + i;
        audio->channel = 2;
        item->audioTracks() << audio;
    }
    item->setSameStreams(true);
    item->setting()->setAudioIndex(facts.audioTracks > 0 ? 0 : -1);
    auto info = std::make_shared<DNNodeInfo>();
    info->setOutputName(QFileInfo(facts.path).completeBaseName());
    item->setNodeInfo(info);
    item->setProfile(videoProfile(facts.profile));
    item->profile()->setQualityPhase(1);
    item->profile()->videoQuality()->setCurrentValue(QStringLiteral("1000"));
    item->profile()->videoQuality()->setCurBitrateModel(0);
    return item;
}

inline VideoConvertOptions passOptions(const QString &outputFolder, int cpuCore, bool safeMode = false)
{
    VideoConvertOptions options = MakeVideoConvertOptions();
    options.safeMode = safeMode ? 1 : 0;
    options.engineSafeMode = options.safeMode;
    options.cpuCore = cpuCore;
    EXPECT_TRUE(SetOptionText(options.outputDirectory, outputFolder));
    return options;
}

using buildertest::words;

// The words between the first occurrence of from and the next occurrence of to, both excluded;
// "<missing>" when either is absent.
inline QStringList between(const QStringList &words, const QString &from, const QString &to)
{
    const qsizetype start = words.indexOf(from);
    const qsizetype end = words.indexOf(to, start + 1);
    return start >= 0 && end > start ? words.mid(start + 1, end - start - 1) : QStringList{QStringLiteral("<missing>")};
}

// A subtitle file of one cue in folder, added to item as its subtitle (a file that exists: one that
// cannot be read fails the build).
inline void addSubtitleFile(DNFileNode &item, const QString &folder)
{
    const QString path = folder + QStringLiteral("/clip.srt");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("1\n00:00:01,000 --> 00:00:02,000\nTalvane\n");
    file.close();
    item.addExtraSubtitle(path);
}

// The word after the first occurrence of option; null when absent.
inline QString valueOf(const QStringList &words, const QString &option)
{
    const qsizetype at = words.indexOf(option);
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
}

} // namespace avbuildertest
