// What the players read: mplayer's status output (through the player's own lines), the messages
// of the frame socket, and the yuv4mpeg stream the player packs into the receiver's buffer.

#include "FuzzTargets.h"

#include "FramePacker.h"

#include "player/HVPlayerStatus.h"
#include "playerchannel/MPlayerOSXVOWire.h"
#include "playerchannel/Y4MStreamReader.h"

#include <QStringDecoder>

#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// The input past its two leading bytes, and the chunk size the second byte sets, as pipe and
// socket reads split what arrives.
struct Chunks
{
    std::string_view text;
    size_t chunk = 1;

    static bool from(const uint8_t *data, size_t size, Chunks &chunks)
    {
        if (size < 2)
            return false;
        chunks.chunk = size_t(data[1] % 64) + 1;
        chunks.text = std::string_view(reinterpret_cast<const char *>(data + 2), size - 2);
        return true;
    }

    template <class Piece>
    void each(Piece piece) const
    {
        for (size_t at = 0; at < text.size(); at += chunk)
            piece(text.substr(at, chunk));
    }
};

} // namespace

void fuzzPlayerStatus(const uint8_t *data, size_t size)
{
    Chunks chunks;
    if (!Chunks::from(data, size, chunks))
        return;
    // The first byte chooses the reader: the preview's, the editor's (its keys too), the online
    // player's (each chunk whole).
    const int reader = data[0] % 3;
    QStringDecoder decoder(QStringDecoder::Utf8);
    HVPlayerStatus::OutputLines lines;
    chunks.each([&](std::string_view piece) {
        const QString text = decoder.decode(QByteArrayView(piece.data(), qsizetype(piece.size())));
        if (decoder.hasError()) {
            decoder.resetState();
            return;
        }
        if (reader == 2) {
            HVPlayerStatus::readOnlineChunk(text);
            return;
        }
        for (const QString &line : lines.take(text))
            HVPlayerStatus::classifyLine(line, reader == 1);
    });
    for (const QString &line : lines.finish())
        HVPlayerStatus::classifyLine(line, reader == 1);
}

void fuzzPlayerWire(const uint8_t *data, size_t size)
{
    Chunks chunks;
    if (!Chunks::from(data, size, chunks))
        return;
    MPlayerOSXVOWire::LineReader reader;
    chunks.each([&](std::string_view piece) {
        reader.append(piece.data(), piece.size());
        while (const std::optional<std::string> line = reader.nextLine()) {
            std::uint32_t pixelFormat = 0;
            MPlayerOSXVOWire::parseStartReply(*line, pixelFormat);
            const std::optional<MPlayerOSXVOWire::Message> message = MPlayerOSXVOWire::parse(*line);
            if (!message)
                continue;
            // What was read is what a player would have written: formatted again, it reads the same.
            std::string again = MPlayerOSXVOWire::format(*message);
            again.pop_back();
            const std::optional<MPlayerOSXVOWire::Message> reread = MPlayerOSXVOWire::parse(again);
            if (!reread || reread->method != message->method || reread->width != message->width
                || reread->height != message->height || reread->bytesPerPixel != message->bytesPerPixel
                || reread->aspect != message->aspect)
                std::abort();
        }
    });
}

void fuzzY4MStream(const uint8_t *data, size_t size)
{
    Chunks chunks;
    if (!Chunks::from(data, size, chunks))
        return;
    // The first byte chooses the packed order the receiver asked for.
    const std::uint32_t pixelFormat =
        data[0] % 2 ? MPlayerOSXVOWire::kPixelFormat2VUY : MPlayerOSXVOWire::kPixelFormatYUVS;
    // The receiver's buffer holds the packed picture and nothing more: a guard after it must stay
    // as it was.
    constexpr size_t kGuard = 64;
    constexpr std::uint8_t kGuardByte = 0xA5;
    FramePacker packer;
    std::vector<std::uint8_t> buffer;
    size_t pictureBytes = 0;
    Y4MStreamReader reader(
        [&](const Y4MStreamReader::Format &format) {
            pictureBytes = size_t(FramePacker::packedWidth(format)) * size_t(format.height) * 2;
            buffer.assign(pictureBytes + kGuard, kGuardByte);
        },
        [&](const Y4MStreamReader::Format &format, const std::uint8_t *planes) {
            packer.pack(format, planes, pixelFormat, buffer.data());
            for (size_t at = pictureBytes; at < buffer.size(); ++at)
                if (buffer[at] != kGuardByte)
                    std::abort();
        });
    chunks.each([&](std::string_view piece) {
        reader.feed(reinterpret_cast<const std::uint8_t *>(piece.data()), piece.size());
    });
}
