#include "VideoEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libavutil/parseutils.h>
}

namespace {

// MPEG-2's quantiser scales: the finest for a photo standing still (closer to the pictures
// than the H.264 master this replaces, about 50 dB), the next for a frame of a transition, which
// is seen for 40 ms and costs half as much to decode.
constexpr int kStillQuality = 1;
constexpr int kMotionQuality = 2;
// Encoded pictures from one intra picture to the next, so that a reader can start anywhere
// within a few seconds.
constexpr int kGopPictures = 50;
constexpr int kIoBufferSize = 1 << 16;

int writeToSink(void *opaque, uint8_t *data, int size)
{
    const auto *sink = static_cast<const VideoEncoder::Sink *>(opaque);
    return (*sink)(data, size) ? size : AVERROR(EPIPE);
}

bool fail(std::string *why, const std::string &text)
{
    if (why)
        *why = text;
    return false;
}

} // namespace

VideoEncoder::~VideoEncoder()
{
    close();
}

void VideoEncoder::close()
{
    avcodec_free_context(&codec_);
    if (muxer_) {
        muxer_->pb = nullptr;
        avformat_free_context(muxer_);
        muxer_ = nullptr;
    }
    if (io_) {
        av_freep(&io_->buffer);
        avio_context_free(&io_);
    }
}

bool VideoEncoder::open(QSize size, const std::string &rate, int threads, Sink sink, std::string *why)
{
    size_ = size;
    sink_ = std::move(sink);
    AVRational frameRate{25, 1};
    if (av_parse_video_rate(&frameRate, rate.c_str()) < 0)
        return fail(why, "the frame rate " + rate + " is not one");
    const AVCodec *mpeg2 = avcodec_find_encoder(AV_CODEC_ID_MPEG2VIDEO);
    if (!mpeg2)
        return fail(why, "no MPEG-2 encoder");
    codec_ = avcodec_alloc_context3(mpeg2);
    codec_->width = size.width();
    codec_->height = size.height();
    codec_->pix_fmt = AV_PIX_FMT_YUV420P;
    codec_->sample_aspect_ratio = AVRational{1, 1};
    codec_->framerate = frameRate;
    codec_->time_base = av_inv_q(frameRate);
    codec_->gop_size = kGopPictures;
    codec_->max_b_frames = 0;
    codec_->flags |= AV_CODEC_FLAG_QSCALE;
    codec_->qmin = kStillQuality;
    codec_->global_quality = FF_QP2LAMBDA * kMotionQuality;
    codec_->thread_count = threads;
    codec_->thread_type = FF_THREAD_SLICE;
    // A rate MPEG-2 has no code for (12.5, 7) is written as the nearest one; the timestamps
    // carry the true rate.
    codec_->strict_std_compliance = FF_COMPLIANCE_UNOFFICIAL;
    if (avcodec_open2(codec_, mpeg2, nullptr) < 0)
        return fail(why, "the MPEG-2 encoder does not take " + std::to_string(size.width()) + "x"
                             + std::to_string(size.height()) + " at " + rate + " fps");
    repeat_ = mpeg2RepeatPicture(size);

    if (avformat_alloc_output_context2(&muxer_, nullptr, "nut", nullptr) < 0 || !muxer_)
        return fail(why, "no NUT muxer");
    auto *buffer = static_cast<unsigned char *>(av_malloc(kIoBufferSize));
    io_ = avio_alloc_context(buffer, kIoBufferSize, 1, &sink_, nullptr, writeToSink, nullptr);
    if (!io_) {
        av_free(buffer);
        return fail(why, "out of memory");
    }
    muxer_->pb = io_;
    AVStream *stream = avformat_new_stream(muxer_, nullptr);
    if (!stream || avcodec_parameters_from_context(stream->codecpar, codec_) < 0)
        return fail(why, "the video stream cannot be made");
    stream->time_base = codec_->time_base;
    stream->avg_frame_rate = frameRate;
    stream->r_frame_rate = frameRate;
    if (avformat_write_header(muxer_, nullptr) < 0)
        return fail(why, "ffmpeg takes no input");
    headerWritten_ = true;
    return true;
}

bool VideoEncoder::writePacket(AVPacket *packet)
{
    if (av_packet_make_writable(packet) < 0)
        return false;
    counter_.number(packet->data, packet->size);
    const long long first = packet->pts;
    // The encoder holds one picture back and dates each packet with the one before; without
    // B pictures every picture is decoded when shown, and the repeats go between them.
    packet->dts = packet->pts;
    const AVRational streamBase = muxer_->streams[0]->time_base;
    av_packet_rescale_ts(packet, codec_->time_base, streamBase);
    packet->stream_index = 0;
    if (av_write_frame(muxer_, packet) < 0)
        return false;
    const auto held = held_.find(first);
    const int frames = held == held_.end() ? 1 : held->second;
    if (held != held_.end())
        held_.erase(held);
    for (int k = 1; k < frames; ++k) {
        QByteArray picture = repeat_;
        counter_.number(picture);
        AVPacket *repeat = av_packet_alloc();
        if (!repeat || av_new_packet(repeat, int(picture.size())) < 0) {
            av_packet_free(&repeat);
            return false;
        }
        memcpy(repeat->data, picture.constData(), size_t(picture.size()));
        repeat->pts = repeat->dts = first + k;
        repeat->duration = 1;
        av_packet_rescale_ts(repeat, codec_->time_base, streamBase);
        repeat->stream_index = 0;
        const bool written = av_write_frame(muxer_, repeat) >= 0;
        av_packet_free(&repeat);
        if (!written)
            return false;
    }
    return true;
}

bool VideoEncoder::drain()
{
    AVPacket *packet = av_packet_alloc();
    bool ok = packet != nullptr;
    while (ok) {
        const int got = avcodec_receive_packet(codec_, packet);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
            break;
        ok = got >= 0 && writePacket(packet);
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return ok;
}

bool VideoEncoder::addPicture(const QByteArray &planes, int firstFrame, int frames)
{
    const int w = size_.width(), h = size_.height();
    const int cw = (w + 1) / 2, ch = (h + 1) / 2;
    if (failed_ || !codec_ || planes.size() < qsizetype(w) * h + 2 * qsizetype(cw) * ch)
        return false;
    AVFrame *frame = av_frame_alloc();
    if (!frame)
        return false;
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = w;
    frame->height = h;
    // The frame holds a share of the planes: the encoder keeps it without a copy.
    auto *share = new QByteArray(planes);
    frame->buf[0] = av_buffer_create(reinterpret_cast<uint8_t *>(const_cast<char *>(share->constData())),
                                     int(share->size()), [](void *held, uint8_t *) { delete static_cast<QByteArray *>(held); },
                                     share, AV_BUFFER_FLAG_READONLY);
    if (!frame->buf[0]) {
        delete share;
        av_frame_free(&frame);
        return false;
    }
    auto *bytes = frame->buf[0]->data;
    frame->data[0] = bytes;
    frame->data[1] = bytes + qsizetype(w) * h;
    frame->data[2] = frame->data[1] + qsizetype(cw) * ch;
    frame->linesize[0] = w;
    frame->linesize[1] = frame->linesize[2] = cw;
    frame->pts = firstFrame;
    // A fixed scale is asked for picture by picture.
    frame->quality = FF_QP2LAMBDA * (frames > 1 ? kStillQuality : kMotionQuality);
    // Without a repeat picture for the size, a still is encoded frame by frame.
    const int repeats = repeat_.isEmpty() ? 1 : frames;
    if (repeats > 1)
        held_[firstFrame] = repeats;
    bool ok = true;
    for (int k = 0; ok && k < frames; k += repeats) {
        frame->pts = firstFrame + k;
        ok = avcodec_send_frame(codec_, frame) >= 0 && drain();
    }
    av_frame_free(&frame);
    failed_ = !ok;
    return ok;
}

bool VideoEncoder::finish()
{
    if (failed_ || !codec_ || !headerWritten_)
        return false;
    bool ok = avcodec_send_frame(codec_, nullptr) >= 0 && drain();
    ok = av_write_trailer(muxer_) >= 0 && ok;
    avio_flush(io_);
    ok = ok && io_->error >= 0;
    headerWritten_ = false;
    return ok && held_.empty();
}
