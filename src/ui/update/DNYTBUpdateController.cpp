#include "DNYTBUpdateController.h"

#include "core/util/DNSystemActions.h"
#include "core/util/DNSystemInfo.h"

namespace {
const DNUpdateDialog::Style kWizard{{10, 20, 30, 40, 50}, 100, {60, 70, 80, 90}, 100, true, false};
}

DNYTBUpdateController::DNYTBUpdateController(QObject *parent) : DNUpdateDialog(kWizard, parent)
{
}

bool DNYTBUpdateController::hasNewVersion()
{
    return DNUpgradeController::hasNewVersion();
}

QString DNYTBUpdateController::createUpdateDescription(const QString &serverVersion)
{
    return tr("The version %1 of %2 is now available--you have %3.\n")
        .arg(serverVersion, DNApplicationName(), getcurrentVersion());
}

QString DNYTBUpdateController::newerSentence() const
{
    return tr("New version is available for this application. We recommend that you upgrade to the latest "
              "version with optimized functionality.");
}

QString DNYTBUpdateController::latestSentence() const
{
    return tr("%1 %2 is the latest version. There is nothing to update.").arg(DNApplicationName(), getcurrentVersion());
}

void DNYTBUpdateController::storeAddresses(const DNUpgradeController &reader)
{
    setUpgradeURLReg(reader.productDownloadURLReg());
    setUpgradeURLUnReg(reader.productDownloadURLUNReg());
}

void DNYTBUpdateController::onVisitWebSite()
{
    DNOpenWebPage(findNewVersion() ? upgradeURLUnReg_ : upgradeURLReg_);
    endSheet();
}
