#pragma once

#include <QList>

#include <memory>
#include <mutex>

// Sort key codes of a slideshow's photos.
enum DNImageNodeSortKey : qint32 {
    DNSortByFileName = 100,     // last path component, plain text comparison
    DNSortByFileSize = 101,
    DNSortByCreationDate = 102,
    DNSortByGPSPosition = 103,
};

// A slideshow's display settings: seconds per photo, sort order and the transition types it
// may use. Copies share the transition list (the same list object), as the editor relies on.
class DNGraphicsSetting
{
public:
    using TransitionList = std::shared_ptr<QList<qint32>>;

    DNGraphicsSetting() = default;
    DNGraphicsSetting(const DNGraphicsSetting &other);
    DNGraphicsSetting &operator=(const DNGraphicsSetting &other);

    float interval() const { return interval_; }
    void setInterval(float v) { interval_ = v; }
    qint32 sortby() const { return sortby_; }
    void setSortby(qint32 v) { sortby_ = v; }
    // -1 ascending, 1 descending; anything below 1 counts as ascending.
    qint32 ascOrDesc() const { return ascOrDesc_; }
    void setAscOrDesc(qint32 v) { ascOrDesc_ = v; }
    // Read and replaced atomically: the editor and a renderer may meet here.
    TransitionList transitions() const;
    void setTransitions(TransitionList list);
    void setTransitions(const QList<qint32> &types) { setTransitions(std::make_shared<QList<qint32>>(types)); }

private:
    float interval_ = 2.0f;
    qint32 sortby_ = DNSortByGPSPosition;
    qint32 ascOrDesc_ = -1;
    mutable std::mutex transitionsLock_;
    TransitionList transitions_ = std::make_shared<QList<qint32>>();
};
