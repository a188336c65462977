#include "DNSettingRecord.h"

void DNSettingRecord::setChangeHandler(std::function<void()> handler)
{
    std::lock_guard lock(m_handlerMutex);
    m_changeHandler = std::move(handler);
}

void DNSettingRecord::notifyChanged() const
{
    std::function<void()> handler;
    {
        std::lock_guard lock(m_handlerMutex);
        handler = m_changeHandler;
    }
    if (handler)
        handler();
}
