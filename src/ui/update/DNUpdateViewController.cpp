#include "DNUpdateViewController.h"

#include "core/util/DNSystemActions.h"

namespace {
const DNUpdateDialog::Style kModal{{10, 20, 30, 40, 50, 60, 70}, 150, {80, 90, 100}, 100, false, true};
}

DNUpdateViewController::DNUpdateViewController(QObject *parent) : DNUpdateDialog(kModal, parent)
{
}

bool DNUpdateViewController::checkAnyUpdate()
{
    return DNUpgradeController::hasNewVersion();
}

QString DNUpdateViewController::createUpdateDescription(const QString &serverVersion)
{
    return tr("The version %1 of this application is now available--you have %2.").arg(serverVersion, getcurrentVersion());
}

QString DNUpdateViewController::newerSentence() const
{
    return tr("A new version of this application is available; would you like to visit the web site?");
}

QString DNUpdateViewController::latestSentence() const
{
    return tr("You already have the latest version of this application.");
}

void DNUpdateViewController::storeAddresses(const DNUpgradeController &reader)
{
    setUpgradeURL(reader.productDownloadURLReg());
}

void DNUpdateViewController::onVisitWebSite()
{
    QString address = upgradeURL_.trimmed();
    if (address.startsWith(QLatin1String("www")))
        address.prepend(QStringLiteral("http://"));
    if (!address.isEmpty())
        DNOpenWebPage(address);
    endSheet();
}

void DNUpdateViewController::onQuitUpdateView()
{
    endSheet();
}
