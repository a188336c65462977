#include "DNUpgradeController.h"

#include "core/platform/DNBackgroundWork.h"
#include "core/plist/DNPropertyList.h"
#include "core/util/DNSystemInfo.h"
#include "core/util/DNVersion.h"

#include "ui/net/NXHttpGet.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>

#include <atomic>

const QString DNUpgradeController::informationAddressKey = QStringLiteral("kUpdateInformationAddress");
const QString DNUpgradeController::downloadPageKey = QStringLiteral("kUpdateDownloadPage");

namespace {

std::atomic<int> gFetchTimeoutMs{20000};
// The record is a few lines; anything far larger is not one.
constexpr qint64 kMaximumBody = 1024 * 1024;

QString userSetting(const QString &key)
{
    const QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    return settings.value(key).toString().trimmed();
}

bool isDottedVersion(const QVariant &value)
{
    static const QRegularExpression dotted(QStringLiteral("^\\d+(\\.\\d+)*$"));
    return value.typeId() == QMetaType::QString && dotted.match(value.toString().trimmed()).hasMatch();
}

} // namespace

QString DNUpgradeController::updateInformationAddress()
{
    return userSetting(informationAddressKey);
}

QString DNUpgradeController::downloadPageAddress()
{
    return userSetting(downloadPageKey);
}

bool DNUpgradeController::hasUpdateService()
{
    return !updateInformationAddress().isEmpty();
}

int DNUpgradeController::fetchTimeoutMs()
{
    return gFetchTimeoutMs.load();
}

void DNUpgradeController::setFetchTimeoutMs(int ms)
{
    gFetchTimeoutMs.store(qMax(1, ms));
}

std::optional<QVariantMap> DNUpgradeController::recordFromData(const QByteArray &data, const QString &language)
{
    const QVariant list = propertyListFromData(data);
    if (list.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariantMap whole = list.toMap();
    QVariantMap record = whole;
    if (whole.value(language).typeId() == QMetaType::QVariantMap)
        record = whole.value(language).toMap();
    else if (!whole.contains(QStringLiteral("LastestVersion")) && whole.value(QStringLiteral("en")).typeId() == QMetaType::QVariantMap)
        record = whole.value(QStringLiteral("en")).toMap();
    if (!isDottedVersion(record.value(QStringLiteral("LastestVersion"))))
        return std::nullopt;
    return record;
}

bool DNUpgradeController::checkServerUpdateInfo(const std::function<bool()> &cancelled)
{
    serverUpgradeInfo_.clear();
    const QString address = updateInformationAddress();
    if (address.isEmpty()) {
        failure_ = Failure::NoService;
        return false;
    }
    const NXHttpGetResult answer = NXHttpGet(QUrl::fromUserInput(address), gFetchTimeoutMs.load(), kMaximumBody, cancelled);
    if (answer.outcome != NXHttpGetResult::Outcome::Ok) {
        failure_ = answer.outcome == NXHttpGetResult::Outcome::NotFound ? Failure::NotFound : Failure::Network;
        return false;
    }
    const std::optional<QVariantMap> record = recordFromData(answer.body, DNFirstPreferredLanguage());
    if (!record) {
        failure_ = Failure::Malformed;
        return false;
    }
    serverUpgradeInfo_ = *record;
    failure_ = Failure::None;
    return true;
}

QString DNUpgradeController::failureText() const
{
    switch (failure_) {
    case Failure::None:
        return QString();
    case Failure::NoService:
        return QCoreApplication::translate("DNUpgradeController",
                                           "No update service is set, so this copy cannot look for new versions.");
    case Failure::NotFound:
        return QCoreApplication::translate("DNUpgradeController",
                                           "The update service has no information about new versions.");
    case Failure::Malformed:
        return QCoreApplication::translate("DNUpgradeController",
                                           "The update service answered with information that cannot be read.");
    case Failure::Network:
        break;
    }
    return QCoreApplication::translate("DNUpgradeController",
                                       "Cannot reach the update service. Check the network connection and try again.");
}

QString DNUpgradeController::value(const char *key) const
{
    return serverUpgradeInfo_.value(QString::fromLatin1(key)).toString();
}

QString DNUpgradeController::versionFromServer() const
{
    return value("LastestVersion");
}

QString DNUpgradeController::buildTimeFromServer() const
{
    return value("BuildDate");
}

QString DNUpgradeController::updatelogFromServer() const
{
    return value("UpdateLog");
}

QString DNUpgradeController::productDownloadURLReg() const
{
    return value("DownloadURLReg");
}

QString DNUpgradeController::productDownloadURLUNReg() const
{
    return value("DownloadURLUnReg");
}

bool DNUpgradeController::isNewerThanOwnVersion() const
{
    return !serverUpgradeInfo_.isEmpty() && DNCompareVersion(versionFromServer(), DNApplicationVersion()) == 1;
}

bool DNUpgradeController::hasNewVersion()
{
    DNUpgradeController reader;
    // The program quitting does not wait for a server that is slow to answer.
    const bool newer = reader.checkServerUpdateInfo(DNBackgroundWorkWindingDown) && reader.isNewerThanOwnVersion();
    QThread::msleep(500);
    return newer;
}
