#include "QuivraVideoConverterAppDelegate.h"

#include "DNApplicationLanguage.h"
#include "DNInterfaceFont.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "core/log/DNLogSetUp.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBackgroundWork.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNChildProcess.h"
#include "core/platform/DNLeftovers.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNBuildDate.h"
#include "core/util/DNFileTypes.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNSystemInfo.h"
#include "profiles/DNProfileManager.h"
#include "ui/controls/DNAlertSheet.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/prefs/NXMainSettingController.h"
#include "ui/transition/NXWindowTransition.h"
#include "ui/update/DNUpgradeController.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include <unistd.h>

namespace {
const QString kCleanExitKey = QStringLiteral("keyQuivraConvertDidSafeTerminate_0.0");
const QString kCustomizeKey = QStringLiteral("kAppCustomizeLanguage");
constexpr int kUpdateCheckDelayMs = 750;

const char *const kStartPage = "www.harnvale.com/talvane/start.html";
const char *const kJapaneseStartPage = "www.harnvale.com/jp/talvane/start.html";

QSettings *newUserSettings(QObject *parent = nullptr)
{
    return new QSettings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"), parent);
}

bool askDamaged(QWidget *window, const DNAppDamageReport &report)
{
    QMessageBox alert(QMessageBox::Critical, report.messageText, report.messageText,
                      QMessageBox::NoButton, window);
    alert.setInformativeText(report.informativeText);
    QPushButton *download = alert.addButton(report.defaultButton, QMessageBox::AcceptRole);
    alert.addButton(report.alternateButton, QMessageBox::RejectRole);
    alert.setDefaultButton(download);
    DNFitAlertToTitle(&alert);
    alert.exec();
    return alert.clickedButton() == download;
}

bool askRestartNow(QWidget *window)
{
    QMessageBox alert(QMessageBox::NoIcon, QString(),
                      QObject::tr("Are your sure you want to restart the application now?"),
                      QMessageBox::NoButton, window);
    alert.setInformativeText(
        QObject::tr("Language changes take effect in application the next time you open it."));
    QPushButton *ok = alert.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
    alert.addButton(QObject::tr("Cancel"), QMessageBox::RejectRole);
    alert.setDefaultButton(ok);
    DNFitAlertToTitle(&alert);
    alert.exec();
    return alert.clickedButton() == ok;
}
}

QuivraVideoConverterAppDelegate::QuivraVideoConverterAppDelegate(QObject *parent)
    : QObject(parent)
{
    prompts_.damaged = askDamaged;
    prompts_.restartNow = askRestartNow;
    prompts_.startDetached = [](const QString &program, const QStringList &arguments) {
        QString why;
        if (DNStartDetached(program, arguments, &why))
            return true;
        DNRoughLog(QStringLiteral("%@"), why);
        return false;
    };
    prompts_.terminate = [] { QCoreApplication::quit(); };
}

QuivraVideoConverterAppDelegate::~QuivraVideoConverterAppDelegate()
{
    remoteContentFile_.clear();
}

void QuivraVideoConverterAppDelegate::setMenuItems(QAction *about, QAction *hide, QAction *quit,
                                                   QAction *help, QMenu *helpMenu)
{
    aboutMainMenuBarItem_ = about;
    hiddenMainMenuBarItem_ = hide;
    quiteMainMenuBarItem_ = quit;
    helpMainMenuBarItem_ = help;
    helpMenu_ = helpMenu;
}

bool QuivraVideoConverterAppDelegate::checkProfileCatalogue()
{
    const DNAppDamageReport report = DNProfileManager::checkWhetherAppDamaged();
    if (!report.damaged)
        return true;
    if (prompts_.damaged && prompts_.damaged(window_, report))
        DNOpenWebPage(report.downloadPage);
    return false;
}

bool QuivraVideoConverterAppDelegate::applicationDidFinishLaunching()
{
    if (!checkProfileCatalogue())
        return false;
    if (DNSetting::shareSetting().firstRun()) {
        const QScopedPointer<QSettings> settings(newUserSettings());
        const QString first = settings->value(QStringLiteral("AppleLanguages")).toStringList().value(0);
        DNOpenWebPage(startPageAddress(first));
        // The settings carry the version that has run; stored only when the program ends, a run
        // that never ended cleanly would leave the next start a first run, start page and all.
        DNSetting::shareSetting().save();
    }
    NXWindowTransition::transition();
    DNSetUpProgramLog();
    DNRemoveLeftoversOfKilledRuns();
    if (window_)
        window_->setMouseTracking(true);
    if (appController_)
        appController_->onApplicationDidFinishLaunching();
    if (appController_ && !remoteContentFile_.isEmpty())
        appController_->addFilesFromContentOfFilesWithDelay(remoteContentFile_);
    remoteContentFile_.clear();
    isApplicationFinishedLanch_ = true;
    resetMenuBarItemCurrentName();
    QTimer::singleShot(kUpdateCheckDelayMs, this, &QuivraVideoConverterAppDelegate::delayCheckMethod);
    DNRoughLog(QStringLiteral("BUILD DATE:%@"), DNBuildDateText());
    return true;
}

void QuivraVideoConverterAppDelegate::delayCheckMethod()
{
    // Without an update service there is nothing to check, and no check is recorded.
    if (!DNUpgradeController::hasUpdateService() || !NXMainSettingController::needToCheckUpdate() || !appController_)
        return;
    NXAppController *controller = appController_;
    DNStartBackgroundThread([controller] { controller->checkAppNewVersion(); });
    NXMainSettingController::updateCheckUpdateTime();
}

void QuivraVideoConverterAppDelegate::applicationWillTerminate()
{
    setBugReportFlagWhenTerminate();
    if (appController_)
        appController_->onApplicationWillTerminate();
    // Only the players this program started, by their ids.
    PlayerProcessRegistry::shared().killAll();
}

bool QuivraVideoConverterAppDelegate::openFile(const QString &path) const
{
    return DNIsVideoFile(path);
}

void QuivraVideoConverterAppDelegate::openFiles(const QStringList &paths)
{
    if (!isApplicationFinishedLanch_) {
        remoteContentFile_ = paths;
        return;
    }
    if (appController_)
        appController_->addFilesFromContentOfFilesWithDelay(paths);
}

void QuivraVideoConverterAppDelegate::resetMenuBarItemCurrentName()
{
    const QString name = DNApplicationName();
    // Each in the interface language, with the program's name in it.
    if (aboutMainMenuBarItem_)
        aboutMainMenuBarItem_->setText(tr("About %1").arg(name));
    if (hiddenMainMenuBarItem_)
        hiddenMainMenuBarItem_->setText(tr("Hide %1").arg(name));
    if (quiteMainMenuBarItem_)
        quiteMainMenuBarItem_->setText(tr("Quit %1").arg(name));
    if (helpMainMenuBarItem_)
        helpMainMenuBarItem_->setText(tr("%1 Help").arg(name));

    if (!helpMenu_ || languageMenu_)
        return;
    auto *list = new QMenu(QStringLiteral("Language List"), helpMenu_);
    list->setTitle(tr("Language"));
    const QScopedPointer<QSettings> settings(newUserSettings());
    const QString current = settings->value(kCustomizeKey, QStringLiteral("Default")).toString();
    const QStringList &codes = DNInterfaceLanguageCodes();
    for (int i = 0; i < codes.size(); ++i) {
        const QString &code = codes.at(i);
        // "Default" follows the system: it is a word of the interface language, the others each
        // name themselves in their own.
        QString title = code == QLatin1String("Default") ? tr("Default") : QLocale(code).nativeLanguageName();
        if (title.isEmpty())
            title = code;
        QAction *item = list->addAction(title);
        // Each language in its own script's face, whatever the interface language.
        item->setFont(DNInterfaceFont(list->font(), code));
        item->setCheckable(true);
        item->setChecked(code == current);
        item->setData(i);
        // The marks show the choice of this launch; a new choice takes effect at the next.
        connect(item, &QAction::triggered, this, [this, item, i] {
            item->setChecked(!item->isChecked());
            onAppLanguageChanged(i);
        });
    }
    helpMenu_->addMenu(list);
    languageMenu_ = list;
}

void QuivraVideoConverterAppDelegate::onAppLanguageChanged(int tag)
{
    const QStringList &codes = DNInterfaceLanguageCodes();
    if (tag < 0 || tag >= codes.size())
        return;
    const bool restart = prompts_.restartNow && prompts_.restartNow(window_);
    {
        const QScopedPointer<QSettings> settings(newUserSettings());
        settings->setValue(kCustomizeKey, codes.at(tag));
        settings->sync();
    }
    if (!restart)
        return;
    const QString relauncher = DNBundle::pathForCompanion(QStringLiteral("appRelauncher"));
    const QStringList arguments{QCoreApplication::applicationFilePath(),
                                QString::number(qint64(::getpid()))};
    if (prompts_.startDetached && !prompts_.startDetached(relauncher, arguments))
        DNRoughLog(QStringLiteral("cannot start the relauncher %@"), relauncher);
    if (prompts_.terminate)
        prompts_.terminate();
}

void QuivraVideoConverterAppDelegate::setBugReportFlagWhenTerminate()
{
    const QScopedPointer<QSettings> settings(newUserSettings());
    settings->setValue(kCleanExitKey, false);
    settings->sync();
}

void QuivraVideoConverterAppDelegate::openHelpDocument()
{
    DNOpenHelpPage();
}

QString QuivraVideoConverterAppDelegate::buildDateText(const char *compilerDate, const char *compilerTime)
{
    return DNFormatCompilerDate(compilerDate, compilerTime);
}

QString QuivraVideoConverterAppDelegate::startPageAddress(const QString &firstLanguage)
{
    return QString::fromLatin1(firstLanguage == QLatin1String("ja") ? kJapaneseStartPage : kStartPage);
}
