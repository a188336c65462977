#pragma once

#include <QSizeF>
#include <QString>

#include <memory>

// The video track of a DVD title, as the structure reader describes it.
class DNDVDTVideo
{
public:
    QString videoCodec() const { return videoCodec_; }          // "mpeg1", "mpeg2", "unknown codec"
    void setVideoCodec(const QString &v) { videoCodec_ = v; }
    QString videoStandard() const { return videoStandard_; }    // "ntsc", "pal", "unknown standard"
    void setVideoStandard(const QString &v) { videoStandard_ = v; }
    QSizeF videoAspect() const { return videoAspect_; }         // 4x3, 16x9, or 1x1 when unknown
    void setVideoAspect(const QSizeF &v) { videoAspect_ = v; }
    QSizeF videoResolution() const { return videoResolution_; } // pixels; empty when unknown
    void setVideoResolution(const QSizeF &v) { videoResolution_ = v; }
    int index() const { return index_; }                        // 1-based
    void setIndex(int v) { index_ = v; }
    bool isSelected() const { return isSelected_; }
    void setIsSelected(bool v) { isSelected_ = v; }

    // "index:%d-->codec:%@", for the log.
    QString description() const;

private:
    QString videoCodec_;
    QString videoStandard_;
    QSizeF videoAspect_;
    QSizeF videoResolution_;
    int index_ = 0;
    bool isSelected_ = false;
};

using DNDVDTVideoPtr = std::shared_ptr<DNDVDTVideo>;
