#pragma once

#include "DNUpdateDialog.h"

// The update wizard the main window opens (its new-version button and the automatic check):
// the bar moves to 50 before the check and on to 90 after it; a failure shows its text and the
// check-by-hand link; Visit Web Site opens the record's second download page when a newer
// version exists and its first one otherwise.
class DNYTBUpdateController : public DNUpdateDialog
{
    Q_OBJECT
public:
    explicit DNYTBUpdateController(QObject *parent = nullptr);

    // Reads the record and answers whether it names a newer version (blocks; any thread).
    static bool hasNewVersion();
    // "The version %1 of %2 is now available--you have %3.\n"
    static QString createUpdateDescription(const QString &serverVersion);

    void onVisitWebSite() override;

    QString upgradeURLReg() const { return upgradeURLReg_; }
    void setUpgradeURLReg(const QString &url) { upgradeURLReg_ = url; }
    QString upgradeURLUnReg() const { return upgradeURLUnReg_; }
    void setUpgradeURLUnReg(const QString &url) { upgradeURLUnReg_ = url; }

protected:
    QString newerSentence() const override;
    QString latestSentence() const override;
    void storeAddresses(const DNUpgradeController &reader) override;

private:
    QString upgradeURLReg_;
    QString upgradeURLUnReg_;
};
