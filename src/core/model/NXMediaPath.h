#pragma once

#include <QString>
#include <QtGlobal>

// The address of a row in the media list: the top-level row and, inside a group entry, the
// member row. childIndex -1 addresses the top-level row itself.
class NXMediaPath
{
public:
    NXMediaPath() = default;
    NXMediaPath(qint32 mainIndex, qint32 childIndex) : mainIndex_(mainIndex), childIndex_(childIndex) {}

    static NXMediaPath nodePathWithMainIndex(qint32 mainIndex, qint32 childIndex)
    {
        return NXMediaPath(mainIndex, childIndex);
    }

    qint32 mainIndex() const { return mainIndex_; }
    void setMainIndex(qint32 index) { mainIndex_ = index; }
    qint32 childIndex() const { return childIndex_; }
    void setChildIndex(qint32 index) { childIndex_ = index; }

    // "<object>, main:%d,child:%d." as the log prints a path.
    QString description() const;

    bool operator==(const NXMediaPath &other) const = default;

private:
    qint32 mainIndex_ = -1;
    qint32 childIndex_ = -1;
};
