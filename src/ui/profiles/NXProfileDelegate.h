#pragma once

#include "profiles/DNProfile.h"

#include <memory>

// The chooser's delegate: told the profile the user chose with Done (null when none).
class NXProfileDelegate
{
public:
    virtual ~NXProfileDelegate() = default;
    virtual void medioProfileDidChooseAndExit(const std::shared_ptr<DNProfile> &profile) = 0;
};
