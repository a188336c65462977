#include "DNTAudio.h"

#include <QFileInfo>

std::shared_ptr<DNTExtAudio> DNTExtAudio::extAudioTrack(const QString &path)
{
    auto track = std::make_shared<DNTExtAudio>();
    track->path = path;
    track->language = QFileInfo(path).fileName();
    return track;
}
