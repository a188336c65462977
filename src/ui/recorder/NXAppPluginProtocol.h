#pragma once

#include <QStringList>

// What a tool window (the recorders) hands back to the main window when it closes: the paths of
// the recordings to add to the conversion list, or none (an empty list).
class NXAppPluginProtocol
{
public:
    virtual ~NXAppPluginProtocol() = default;
    virtual QStringList fileListNeedToConvert() const = 0;
};
