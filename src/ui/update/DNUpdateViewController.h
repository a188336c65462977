#pragma once

#include "DNUpdateDialog.h"

// The modal form of the update dialog, ready to be wired to a command: it opens only on a
// window that shows no other sheet and runs until it is closed; the bar moves to 70 before the
// check and on to 100 after it; a failure shows its text alone; Visit Web Site opens the
// record's first download page.
class DNUpdateViewController : public DNUpdateDialog
{
    Q_OBJECT
public:
    explicit DNUpdateViewController(QObject *parent = nullptr);

    static bool checkAnyUpdate();
    static bool hasNewVersion() { return checkAnyUpdate(); }
    // "The version %1 of this application is now available--you have %2."
    static QString createUpdateDescription(const QString &serverVersion);

    void onVisitWebSite() override;
    // Ends the sheet (the result page's Close).
    void onQuitUpdateView();

    QString upgradeURL() const { return upgradeURL_; }
    void setUpgradeURL(const QString &url) { upgradeURL_ = url; }

protected:
    QString newerSentence() const override;
    QString latestSentence() const override;
    void storeAddresses(const DNUpgradeController &reader) override;

private:
    QString upgradeURL_;
};
