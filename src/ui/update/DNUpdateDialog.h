#pragma once

#include "DNUpgradeController.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

#include <atomic>
#include <memory>

class DNLinkButton;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QWidget;

// The new-version dialog shared by the update wizard and its modal variant: a sheet whose
// checking page moves a bar while a thread of its own reads the update information, then shows
// a result page with a sentence and a button to the download page, or a failure text on the
// checking page. Each opening runs a new check; cancelling stops it (the bar stays where it
// was and no result follows, not even at a later opening). The main thread owns every widget;
// the thread hands each change over.
class DNUpdateDialog : public QObject
{
    Q_OBJECT
public:
    // How the two dialogs differ.
    struct Style
    {
        QList<int> stepsBefore; // bar values before the check, one per pause
        int pauseBeforeMs;
        QList<int> stepsAfter;  // bar values after a successful check
        int pauseAfterMs;
        bool failureShowsLink;  // the check-by-hand link on a failure
        bool modal;             // runs until the sheet ends, and only on a window without a sheet
    };

    DNUpdateDialog(const Style &style, QObject *parent = nullptr);
    ~DNUpdateDialog() override;

    // The result handed from the thread to the main thread: "kUpdateTitle", the sentence.
    static const QString resultTitleKey;

    // Reads the information and fills result; -1 (result untouched) when it cannot be read,
    // else 1 for a newer version and 0 for none. Blocks.
    int checkServerInformation(QVariantMap *result, const std::function<bool()> &cancelled = {});
    static QString getcurrentVersion();

    // Resets the pages, starts the check and shows the sheet on window.
    void showUpgradePanel(QWidget *window);
    // Cancel and Close: stops the check and ends the sheet.
    void cancelUpdateWindow();
    // The download page (see the subclasses), then ends the sheet.
    virtual void onVisitWebSite() = 0;
    // The check-by-hand link: the download page of the settings.
    void onCheckManually();

    bool findNewVersion() const { return findNewVersion_.load(); }
    bool isChecking() const;
    QString failureText() const;

    QDialog *upgradePanel() const { return upgradePanel_; }
    QProgressBar *progressIndicator() const { return progressIndicator_; }
    QLabel *internetFailed() const { return internetFailed_; }
    DNLinkButton *checkManually() const { return checkManually_; }
    QPushButton *cancelCheckButton() const { return cancelCheckButton_; }
    QPushButton *cancelPanel() const { return cancelPanel_; }
    QPushButton *vistWebButton() const { return vistWebButton_; }
    QWidget *progressView() const { return progressView_; }
    QWidget *upgradeInfoView() const { return upgradeInfoView_; }
    QLabel *appNameField() const { return appNameField_; }
    QLabel *upgradeTitle() const { return upgradeTitle_; }

    // The pause between bar steps is multiplied by this (tests shorten it).
    static void setPauseScale(double scale);

protected:
    // The sentence for a newer version, and for none.
    virtual QString newerSentence() const = 0;
    virtual QString latestSentence() const = 0;
    // Keeps the download addresses of the record just read.
    virtual void storeAddresses(const DNUpgradeController &reader) = 0;
    void endSheet();
    QPointer<QWidget> attachWindow;

private:
    struct CheckRun;
    void buildPanel();
    void resetUpgradePanel();
    void setupProcessIndecator();
    void showFailure(const QString &text);
    void endProgressIndecator(const QVariantMap &result);
    void upgradeSheetDidEnd();
    static void threadUpdateProgress(const std::shared_ptr<CheckRun> &run);

    Style style_;
    std::shared_ptr<CheckRun> run_;
    std::atomic<bool> findNewVersion_{false};
    QPointer<QDialog> upgradePanel_;
    QStackedWidget *pages_ = nullptr;
    QProgressBar *progressIndicator_ = nullptr;
    QLabel *internetFailed_ = nullptr;
    DNLinkButton *checkManually_ = nullptr;
    QPushButton *cancelCheckButton_ = nullptr;
    QPushButton *cancelPanel_ = nullptr;
    QPushButton *vistWebButton_ = nullptr;
    QWidget *progressView_ = nullptr;
    QLabel *checkingCaption_ = nullptr;
    QWidget *upgradeInfoView_ = nullptr;
    QLabel *appNameField_ = nullptr;
    QLabel *upgradeTitle_ = nullptr;
};
