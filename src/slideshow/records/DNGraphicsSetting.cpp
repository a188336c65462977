#include "slideshow/records/DNGraphicsSetting.h"

DNGraphicsSetting::DNGraphicsSetting(const DNGraphicsSetting &other)
{
    *this = other;
}

DNGraphicsSetting &DNGraphicsSetting::operator=(const DNGraphicsSetting &other)
{
    if (this == &other)
        return *this;
    ascOrDesc_ = other.ascOrDesc_;
    sortby_ = other.sortby_;
    setTransitions(other.transitions());
    interval_ = other.interval_;
    return *this;
}

DNGraphicsSetting::TransitionList DNGraphicsSetting::transitions() const
{
    std::lock_guard<std::mutex> lock(transitionsLock_);
    return transitions_;
}

void DNGraphicsSetting::setTransitions(TransitionList list)
{
    std::lock_guard<std::mutex> lock(transitionsLock_);
    transitions_ = list ? std::move(list) : std::make_shared<QList<qint32>>();
}
