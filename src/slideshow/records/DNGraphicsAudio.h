#pragma once

#include <QString>

#include <memory>

class DNGraphicsAudio;
using DNGraphicsAudioPtr = std::shared_ptr<DNGraphicsAudio>;

// One background music file of a slideshow and its length.
class DNGraphicsAudio
{
public:
    virtual ~DNGraphicsAudio() = default;

    // A record of class T for path with its duration read from the file (0 when the file cannot
    // be opened as audio or gives no length).
    template <class T = DNGraphicsAudio>
    static std::shared_ptr<T> graphicsAudio(const QString &path)
    {
        auto audio = std::make_shared<T>();
        audio->setAudioPath(path);
        audio->setAudioDuration(approximateDurationOfAudioFile(path));
        return audio;
    }

    QString audioPath() const { return audioPath_; }
    void setAudioPath(const QString &v) { audioPath_ = v; }
    // Whole seconds.
    qint32 audioDuration() const { return audioDuration_; }
    void setAudioDuration(qint32 v) { audioDuration_ = v; }

    // The file's approximate duration in whole seconds (truncated); 0 when unknown.
    static qint32 approximateDurationOfAudioFile(const QString &path);

private:
    QString audioPath_;
    qint32 audioDuration_ = 0;
};
