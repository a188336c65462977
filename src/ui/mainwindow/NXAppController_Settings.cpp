// The main window's conversion options, bound to the settings object's main-window record:
// every read and write goes to the record at once.
#include "NXAppController.h"

#include "core/settings/DNSetting.h"
#include "core/util/DNSystemInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace {
std::shared_ptr<DNMainWindowSetting> mainWindowSetting()
{
    return DNSetting::shareSetting().mainWindowSetting();
}
}

bool NXAppController::useHighQualityEngine() const
{
    return mainWindowSetting()->highQuality();
}

void NXAppController::setUseHighQualityEngine(bool on)
{
    mainWindowSetting()->setHighQuality(on);
}

bool NXAppController::deinterlacing() const
{
    return mainWindowSetting()->deinterlacing();
}

void NXAppController::setDeinterlacing(bool on)
{
    mainWindowSetting()->setDeinterlacing(on);
}

bool NXAppController::safeMode() const
{
    return mainWindowSetting()->safemode();
}

void NXAppController::setSafeMode(bool on)
{
    mainWindowSetting()->setSafemode(on);
}

QVariantList NXAppController::cpuCoresContents() const
{
    QVariantList cores;
    const int count = int(DNNumberOfCPUCores());
    for (int n = 1; n <= count; ++n)
        cores.append(n);
    return cores;
}

QVariant NXAppController::cpuCore() const
{
    const int stored = mainWindowSetting()->cpuCore();
    return stored == 0 ? int(DNNumberOfCPUCores()) : stored;
}

void NXAppController::setCpuCore(const QVariant &value)
{
    mainWindowSetting()->setCpuCore(value.toInt());
}

void NXAppController::refreshBoundControls()
{
    const struct
    {
        QCheckBox *box;
        bool on;
    } checks[] = {
        {highQualityCheck, useHighQualityEngine()},
        {deinterlaceCheck, deinterlacing()},
        {safeModeCheck, safeMode()},
    };
    for (const auto &check : checks) {
        if (check.box) {
            const QSignalBlocker blocker(check.box);
            check.box->setChecked(check.on);
        }
    }
    if (CPUCores) {
        const QSignalBlocker blocker(CPUCores);
        CPUCores->clear();
        for (const QVariant &cores : cpuCoresContents())
            CPUCores->addItem(cores.toString(), cores);
        const int at = CPUCores->findData(cpuCore());
        // A stored count above this machine's is shown as it is, so it is not lost.
        if (at >= 0) {
            CPUCores->setCurrentIndex(at);
        } else {
            CPUCores->addItem(cpuCore().toString(), cpuCore());
            CPUCores->setCurrentIndex(CPUCores->count() - 1);
        }
    }
}

void NXAppController::bindConversionOptions()
{
    refreshBoundControls();
    if (highQualityCheck)
        connect(highQualityCheck, &QCheckBox::toggled, this, &NXAppController::setUseHighQualityEngine);
    if (deinterlaceCheck)
        connect(deinterlaceCheck, &QCheckBox::toggled, this, &NXAppController::setDeinterlacing);
    if (safeModeCheck)
        connect(safeModeCheck, &QCheckBox::toggled, this, &NXAppController::setSafeMode);
    if (CPUCores) {
        connect(CPUCores, &QComboBox::activated, this,
                [this](int index) { setCpuCore(CPUCores->itemData(index)); });
    }
}
