#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

// Reads the update information: a property-list dictionary fetched over HTTP from the update
// service, naming the newest version ("LastestVersion"), its build date ("BuildDate"), release
// notes ("UpdateLog") and two download pages ("DownloadURLReg", "DownloadURLUnReg"). The
// dictionary may instead hold one such record per interface language, keyed by language code.
//
// The service's address and the page for checking by hand are user settings, empty unless
// set: with no address nothing is fetched. Fetching blocks (call it off the main thread) and
// gives up after the timeout.
class DNUpgradeController
{
public:
    // User-settings keys.
    static const QString informationAddressKey; // "kUpdateInformationAddress"
    static const QString downloadPageKey;       // "kUpdateDownloadPage"
    static QString updateInformationAddress();
    static QString downloadPageAddress();
    static bool hasUpdateService();

    // The transfer timeout of every fetch (20 s unless changed).
    static int fetchTimeoutMs();
    static void setFetchTimeoutMs(int ms);

    enum class Failure { None, NoService, Network, NotFound, Malformed };

    // Fetches and reads the record; false (failure() says why) when there is no service, the
    // service cannot be reached or answers with an error, or the answer is not a record with a
    // version made of dotted numbers. cancelled, when given, is asked now and then and ends
    // the fetch early.
    bool checkServerUpdateInfo(const std::function<bool()> &cancelled = {});
    // The record in the language: language's own entry, else the English one when the
    // dictionary is split by language, else the whole dictionary; nothing when the data is
    // not such a record.
    static std::optional<QVariantMap> recordFromData(const QByteArray &data, const QString &language);

    Failure failure() const { return failure_; }
    // A sentence for the user about the failure.
    QString failureText() const;

    QVariantMap serverUpgradeInfo() const { return serverUpgradeInfo_; }
    void setServerUpgradeInfo(const QVariantMap &record) { serverUpgradeInfo_ = record; }
    QString versionFromServer() const;
    QString buildTimeFromServer() const;
    QString updatelogFromServer() const;
    QString productDownloadURLReg() const;
    QString productDownloadURLUNReg() const;

    // Whether the record names a newer version than the program's own, compared part by part
    // as numbers.
    bool isNewerThanOwnVersion() const;

    // Reads the record and answers whether it names a newer version; false when it cannot be
    // read. Blocks, and waits half a second before answering in every case.
    static bool hasNewVersion();

private:
    QString value(const char *key) const;

    QVariantMap serverUpgradeInfo_;
    Failure failure_ = Failure::None;
};
