#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class DNWindow;
class NXAppController;
struct DNAppDamageReport;

// The application delegate: orders launch and termination, takes the system's requests to open
// files, names the application menu's items, builds the Language menu and restarts the program
// after a language change. Everything it does to the media list goes through the main window
// controller.
class QuivraVideoConverterAppDelegate : public QObject
{
    Q_OBJECT
public:
    // The questions the delegate asks, replaceable so that tests can answer them.
    struct Prompts
    {
        // The damaged-catalogue alert; true for "Download Now".
        std::function<bool(QWidget *window, const DNAppDamageReport &report)> damaged;
        // The language-change alert; true for OK.
        std::function<bool(QWidget *window)> restartNow;
        // Starts the relauncher detached; false when it could not be started.
        std::function<bool(const QString &program, const QStringList &arguments)> startDetached;
        // Asks the application to quit (runs the termination sequence).
        std::function<void()> terminate;
    };

    explicit QuivraVideoConverterAppDelegate(QObject *parent = nullptr);
    ~QuivraVideoConverterAppDelegate() override;

    // Outlets, connected by main() from the main window's interface.
    DNWindow *window() const { return window_; }
    void setWindow(DNWindow *window) { window_ = window; }
    NXAppController *appController() const { return appController_; }
    void setAppController(NXAppController *controller) { appController_ = controller; }
    void setMenuItems(QAction *about, QAction *hide, QAction *quit, QAction *help, QMenu *helpMenu);

    Prompts &prompts() { return prompts_; }

    QStringList remoteContentFile() const { return remoteContentFile_; }
    void setRemoteContentFile(const QStringList &paths) { remoteContentFile_ = paths; }
    bool isApplicationFinishedLanch() const { return isApplicationFinishedLanch_; }

    // The launch sequence. Returns false when the application must end at once (a damaged
    // profile catalogue).
    bool applicationDidFinishLaunching();
    void delayCheckMethod();
    // Quits when the last window closes.
    bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }
    void applicationWillTerminate();
    // Whether a single file may be opened: a supported video file. Adds nothing.
    bool openFile(const QString &path) const;
    // Before launch has finished the paths wait (a later request replaces them); afterwards
    // they go to the controller, which adds each existing path 0.75 s later.
    void openFiles(const QStringList &paths);

    void resetMenuBarItemCurrentName();
    // The Language menu's action; tag is the item's index in the language list.
    void onAppLanguageChanged(int tag);
    void setBugReportFlagWhenTerminate();
    void openHelpDocument();
    void openLogFile() {}

    QMenu *languageMenu() const { return languageMenu_; }

    // "BUILD DATE:Dec-13-2017 18:28:29" from the compiler's date and time texts.
    static QString buildDateText(const char *compilerDate, const char *compilerTime);
    // The start page for the first run (a Japanese one when the interface is Japanese).
    static QString startPageAddress(const QString &firstLanguage);

private:
    bool checkProfileCatalogue();

    DNWindow *window_ = nullptr;
    NXAppController *appController_ = nullptr;
    QStringList remoteContentFile_;
    bool isApplicationFinishedLanch_ = false;
    QPointer<QAction> aboutMainMenuBarItem_;
    QPointer<QAction> hiddenMainMenuBarItem_;
    QPointer<QAction> quiteMainMenuBarItem_;
    QPointer<QAction> helpMainMenuBarItem_;
    QPointer<QMenu> helpMenu_;
    QPointer<QMenu> languageMenu_;
    Prompts prompts_;
};
