#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// An audio stream of a media file, as the probe reads it.
class DNTAudio
{
public:
    virtual ~DNTAudio() = default;

    qint32 aid = -1;           // stream id
    qint32 samplingRate = 0;
    qint32 bitRate = 0;        // bits per second
    qint32 channel = 0;
    float duration = 0.0f;     // whole seconds
    QString codec;
    QString codecCC;
    QString language;          // a language name such as "English"
    QString durationString;
};

// An audio file the user added to a media file; its language shows the file's name.
class DNTExtAudio : public DNTAudio
{
public:
    static std::shared_ptr<DNTExtAudio> extAudioTrack(const QString &path);

    QString path;
};

using DNTAudioPtr = std::shared_ptr<DNTAudio>;
using DNTExtAudioPtr = std::shared_ptr<DNTExtAudio>;
