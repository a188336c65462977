#pragma once

#include <QMetaType>
#include <QString>

#include <memory>

// The names and tags an item's output gets: the output file name and the title, artist,
// comments and genre tags. A plain copyable value; a new record has every field null.
class DNNodeInfo
{
public:
    QString outputName() const { return outputName_; }
    void setOutputName(const QString &v) { outputName_ = v; }
    QString displayName() const { return displayName_; }
    void setDisplayName(const QString &v) { displayName_ = v; }
    QString artist() const { return artist_; }
    void setArtist(const QString &v) { artist_ = v; }
    QString comments() const { return comments_; }
    void setComments(const QString &v) { comments_ = v; }
    QString genre() const { return genre_; }
    void setGenre(const QString &v) { genre_ = v; }

    // Takes the title, artist, genre and comments of other and keeps this record's output
    // name: what "apply to all" does to each item.
    void applyTagsFrom(const DNNodeInfo &other);

    bool operator==(const DNNodeInfo &other) const = default;

private:
    QString outputName_;
    QString displayName_;
    QString artist_;
    QString comments_;
    QString genre_;
};

using DNNodeInfoPtr = std::shared_ptr<DNNodeInfo>;
Q_DECLARE_METATYPE(DNNodeInfo)
