#pragma once

#include "Mpeg2Pictures.h"

#include <QByteArray>
#include <QSize>

#include <functional>
#include <map>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVIOContext;
struct AVPacket;

// The movie's video as the engine hands it to ffmpeg: every picture encoded here as MPEG-2 at
// a fixed, near-transparent quality (a quick encoder, and quick to decode again when the movie
// is converted), a photo standing still encoded once and repeated with repeat pictures, and the
// pictures carried in NUT with their timestamps to ffmpeg, which only adds the music and
// writes the container. Every frame of the movie is a picture of its own.
class VideoEncoder
{
public:
    // Writes bytes to ffmpeg; false when it cannot take them (gone, or a stop was asked for).
    using Sink = std::function<bool(const unsigned char *data, int size)>;

    VideoEncoder() = default;
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    // rate is the frame rate as ffmpeg reads it from a command line ("25", "23.976").
    bool open(QSize size, const std::string &rate, int threads, Sink sink, std::string *why);
    // planes: YUV 4:2:0 of the size, shown from frame firstFrame for frames frames.
    bool addPicture(const QByteArray &planes, int firstFrame, int frames);
    // Ends the stream; false when a picture could not be written.
    bool finish();

private:
    bool drain();
    bool writePacket(AVPacket *packet);
    void close();

    QSize size_;
    Sink sink_;
    AVCodecContext *codec_ = nullptr;
    AVFormatContext *muxer_ = nullptr;
    AVIOContext *io_ = nullptr;
    QByteArray repeat_;
    Mpeg2PictureCounter counter_;
    std::map<long long, int> held_; // first frame -> frames, for pictures not yet out of the encoder
    bool headerWritten_ = false;
    bool failed_ = false;
};
