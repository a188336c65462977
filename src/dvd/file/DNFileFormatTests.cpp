#include "DNFileFormatTests.h"

#include "dvd/file/DNFileNode.h"

#include <QStringList>

namespace {

const DNFileNode *fileNode(const NXBasicMediaNode *node)
{
    return dynamic_cast<const DNFileNode *>(node);
}

const DNFileNode *exactFileNode(const NXBasicMediaNode *node)
{
    const DNFileNode *file = fileNode(node);
    return file && file->isExactlyFileNode() ? file : nullptr;
}

bool exactFormatIs(const NXBasicMediaNode *node, std::initializer_list<const char *> formats)
{
    const DNFileNode *file = exactFileNode(node);
    if (!file)
        return false;
    const QString format = file->fileFormat().toUpper();
    for (const char *name : formats) {
        if (format == QLatin1String(name))
            return true;
    }
    return false;
}

enum class Field { CodecCCLower, CodecLower, CodecUpper };

bool anyVideoTrack(const DNFileNode *file, Field field, const char *value)
{
    if (!file)
        return false;
    for (const auto &track : file->videoTracks()) {
        const QString text = field == Field::CodecCCLower ? track->codecCC.toLower()
            : field == Field::CodecLower                   ? track->codec.toLower()
                                                           : track->codec.toUpper();
        if (text == QLatin1String(value))
            return true;
    }
    return false;
}

} // namespace

bool IsBDAVOrMPEGTSFile(const NXBasicMediaNode *node) { return exactFormatIs(node, {"BDAV", "MPEG-TS"}); }
bool IsMatroskaFile(const NXBasicMediaNode *node) { return exactFormatIs(node, {"MATROSKA"}); }
bool IsWebMFile(const NXBasicMediaNode *node) { return exactFormatIs(node, {"WEBM"}); }
bool IsMPEGPSFile(const NXBasicMediaNode *node) { return exactFormatIs(node, {"MPEG-PS"}); }
bool IsRealMediaFile(const NXBasicMediaNode *node) { return exactFormatIs(node, {"REALMEDIA"}); }

bool IsNeitherMatroskaWebMNorPS(const NXBasicMediaNode *node)
{
    return !(IsMatroskaFile(node) || IsWebMFile(node) || IsMPEGPSFile(node));
}

bool IsAVIFile(const NXBasicMediaNode *node)
{
    const DNFileNode *file = fileNode(node);
    return file && file->fileFormat().toUpper() == QLatin1String("AVI");
}

bool HasDrmiVideoTrack(const NXBasicMediaNode *node) { return anyVideoTrack(fileNode(node), Field::CodecCCLower, "drmi"); }
bool IsFreeOfDrmiVideoTrack(const NXBasicMediaNode *node) { return !HasDrmiVideoTrack(node); }
bool HasIcodVideoTrack(const NXBasicMediaNode *node) { return anyVideoTrack(fileNode(node), Field::CodecCCLower, "icod"); }
bool Has2vuyVideoTrack(const NXBasicMediaNode *node) { return anyVideoTrack(exactFileNode(node), Field::CodecLower, "2vuy"); }
bool HasG2M4VideoTrack(const NXBasicMediaNode *node) { return anyVideoTrack(exactFileNode(node), Field::CodecUpper, "G2M4"); }
