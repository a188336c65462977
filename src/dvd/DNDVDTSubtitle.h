#pragma once

#include <QString>

#include <memory>

// A subtitle track of a DVD title; DNDVDTExtSubtitle is the user's subtitle file.
class DNDVDTSubtitle
{
public:
    virtual ~DNDVDTSubtitle() = default;

    // Language display name ("??" when the code has none), or a file's name without extension.
    QString subtitleName() const { return subtitleName_; }
    void setSubtitleName(const QString &v) { subtitleName_ = v; }
    int index() const { return index_; } // 0-based, disc order
    void setIndex(int v) { index_ = v; }
    bool isSelected() const { return isSelected_; }
    void setIsSelected(bool v) { isSelected_ = v; }
    // The sub-picture stream id on the disc (0x20+n); 0 for a user file.
    int subtitleID() const { return subtitleID_; }
    void setSubtitleID(int v) { subtitleID_ = v; }

    // "index:%d-->lang:%@", for the log.
    QString description() const;

private:
    QString subtitleName_;
    int index_ = 0;
    bool isSelected_ = false;
    int subtitleID_ = 0;
};

using DNDVDTSubtitlePtr = std::shared_ptr<DNDVDTSubtitle>;
