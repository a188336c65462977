#include "DNApplicationLanguage.h"
#include "DNInterfaceFont.h"
#include "DNMainInterface.h"
#include "DNProgramIdentity.h"

#include "ui/mainwindow/DNWindow.h"
#include "ui/progress/DNLoginManagerPower.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    // The interface language is settled before the application object exists.
    configureApplicationLanguage();

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Harnvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane"));
    {
        const QSettings settings;
        const QString language = DNEffectiveInterfaceLanguage(settings, DNSystemPreferredLanguages());
        DNInstallInterfaceTranslator(application, language);
        DNApplyInterfaceFont(application, language);
    }
    application.setQuitOnLastWindowClosed(true);
    DNSetProgramIdentity(application);

    // Shutting down after a batch asks the login manager (tests never install it).
    DNInstallLoginManagerPowerHandler();
    std::unique_ptr<DNMainInterface> shell = DNLoadMainInterface();
    // Files the program was started with wait until launching has finished.
    const QStringList requested = DNOpenRequestFromArguments(QCoreApplication::arguments());
    if (!requested.isEmpty())
        shell->delegate.openFiles(requested);

    shell->ui.window->show();
    if (!shell->delegate.applicationDidFinishLaunching())
        return 1;
    return QApplication::exec();
}
