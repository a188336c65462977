#pragma once

#include "core/action/NXAction.h"
#include "dvd/DNDVDNode.h"
#include "dvd/NXDVDSourceInfo.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
#include <QMessageBox>
class QProgressBar;
class QPushButton;
class QSocketNotifier;
class QTabWidget;
class QWidget;

// The DVD loading assistant. The user opens a DVD as a mounted disc (tab 0), a DVD folder (tab 1)
// or an ISO image (tab 2) in the chooser sheet; the source is read on a loading thread behind a
// small progress sheet, and the finished DNDVDNode (main title selected, a matching subtitle file
// attached) is handed to the completion action on the main thread, one call per source. Dropped
// folders and images load the same way without the chooser. Each load ends with
// "NXMediaFileLoadFinished o.o" (load type 2) half a second after the progress sheet closes.
class NXDiscScanerController : public QObject
{
    Q_OBJECT
public:
    enum ChooserTab { TabDisc = 0, TabDVDFolder = 1, TabISO = 2 };
    static constexpr int kActionDelayMs = 250;
    static constexpr int kReadDelayMs = 500;
    static constexpr int kNotificationDelayMs = 500;

    explicit NXDiscScanerController(QObject *parent = nullptr);
    ~NXDiscScanerController() override;

    // --- entry points of the main window (main thread). The action receives each finished
    // DNDVDNodePtr (QVariant::fromValue) as its first argument.
    void showScanerPanel(QWidget *window, std::shared_ptr<NXAction> action);
    void loadDVDFolderPanel(QWidget *window, std::shared_ptr<NXAction> action);
    void loadISOFilePanel(QWidget *window, std::shared_ptr<NXAction> action);
    void loadDVDFoldersProgressWithoutOpenPanel(QWidget *window, const QStringList &files,
                                                std::shared_ptr<NXAction> action);
    void loadISOsProgressWithoutOpenPanel(QWidget *window, const QStringList &files,
                                          std::shared_ptr<NXAction> action);

    // --- the chooser's actions
    void scanDisc();
    void broweToSelectISOFile();
    void broweToSelectDVDFolder();
    // returnCode 1 is OK.
    void browseISOPanelDidEnd(int returnCode, const QString &path);
    void browseDVDFolderPanelDidEnd(int returnCode, const QString &path);
    void makeChoose();
    void cancelChoose();
    void tabViewDidSelectTabViewItem(int index);

    // --- state
    QList<NXDVDSourceInfoPtr> discs() const { return discs_; }
    int selectedDiscIndex() const;
    void setSelectedDiscIndex(int index);
    bool isReadHaveDVD() const { return isReadHaveDVD_; }
    QString dvdFolderPath() const { return dvdFolderPath_; }
    QString isoFilePath() const { return isoFilePath_; }
    std::shared_ptr<NXAction> actionForFinish() const { return actionForFinish_; }

    // The sheets and their controls (built at construction).
    QDialog *dvdLoadPanel() const { return dvdLoadPanel_; }
    QDialog *progressPanel() const { return progressPanel_; }
    QTabWidget *tabView() const { return tabView_; }
    QComboBox *chooseList() const { return chooseList_; }
    QPushButton *okbutton() const { return okbutton_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QLineEdit *isoPathFeild() const { return isoPathFeild_; }
    QLineEdit *dvdFolderPathFeild() const { return dvdFolderPathFeild_; }
    QLabel *analysisTextLebal() const { return analysis_textLebal_; }
    // The failure alert shown last, while it is open.
    QMessageBox *lastAlert() const { return lastAlert_; }

    // Tests: fake drive and mount tables, and another main-title list.
    void setDiscSearchRoots(const QString &sysBlockRoot, const QString &mountInfoPath);
    void setMainTitleListPath(const QString &path) { mainTitleListPath_ = path; }

private:
    void buildPanels();
    void showPanelWithAction(std::shared_ptr<NXAction> action, int type);
    void showProgressSelector();
    void endProgressSheet();
    void findDVDSelector();
    void loadISOFileFromContentOfFile(const QString &path);
    void loadDVDFolderFromContentOfFile(const QString &path);
    void loadPathsWithoutOpenPanel(QWidget *window, const QStringList &files, std::shared_ptr<NXAction> action);
    void startLoadingThread(QList<NXDVDSourceInfoPtr> sources, bool pauseFirst);
    void runAtMainThreadAndAddNode(const DNDVDNodePtr &node);
    void alterRunAtMainThreadStyleOne();
    void sendNotificationOnMainThread();
    // "Read DVD Structure Failed!"; why (a line naming the source and its reason) in place of the
    // general advice when it is known.
    void showReadFailedAlert(QWidget *parent, const QString &why = QString());
    void watchMountTable();

    QDialog *dvdLoadPanel_ = nullptr;
    QDialog *progressPanel_ = nullptr;
    QTabWidget *tabView_ = nullptr;
    QComboBox *chooseList_ = nullptr;
    QPushButton *okbutton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
    QLineEdit *isoPathFeild_ = nullptr;
    QLineEdit *dvdFolderPathFeild_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *analysis_textLebal_ = nullptr;
    QPointer<QMessageBox> lastAlert_;
    QSocketNotifier *mountWatcher_ = nullptr;
    int mountTableFd_ = -1;

    QList<NXDVDSourceInfoPtr> discs_;
    bool isReadHaveDVD_ = false;
    QPointer<QWidget> attenchWindow_;
    std::shared_ptr<NXAction> actionForFinish_;
    QString dvdFolderPath_;
    QString isoFilePath_;
    QString sysBlockRoot_;
    QString mountInfoPath_;
    QString mainTitleListPath_;
};
