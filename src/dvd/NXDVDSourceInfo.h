#pragma once

#include <QString>

#include <memory>

// Where a DVD comes from. The source type decides what the player and the engines are given.
class NXDVDSourceInfo
{
public:
    enum SourceType : int {
        SourceNone = 0,
        SourceDisc = 1,    // a mounted optical disc
        SourceFolder = 2,  // the folder that holds VIDEO_TS
        SourceImage = 3,   // an ISO image
    };

    // An empty record: numbers 0, texts null.
    static std::shared_ptr<NXDVDSourceInfo> sourceInfo();
    // A folder or an image, by the path's extension ("iso" in any case is an image).
    static std::shared_ptr<NXDVDSourceInfo> sourceInfoWithPath(const QString &path);

    int sourceType() const { return sourceType_; }
    void setSourceType(int v) { sourceType_ = v; }
    int discNumber() const { return discNumber_; }
    void setDiscNumber(int v) { discNumber_ = v; }
    QString devicePath() const { return devicePath_; }
    void setDevicePath(const QString &v) { devicePath_ = v; }
    QString name() const { return name_; }
    void setName(const QString &v) { name_ = v; }
    QString path() const { return path_; }
    void setPath(const QString &v) { path_ = v; }

    // The location handed to the player and the engines: the device of a disc, the image file,
    // or the folder's VIDEO_TS; empty for any other type.
    QString playbackPath() const;

private:
    int sourceType_ = SourceNone;
    int discNumber_ = 0;
    QString devicePath_;
    QString name_;
    QString path_;
};

using NXDVDSourceInfoPtr = std::shared_ptr<NXDVDSourceInfo>;
