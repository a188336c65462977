#include "DNOpenPanelFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {
QString settingsKey(const QString &kind)
{
    return QStringLiteral("NXOpenPanelFolder_") + kind;
}
}

QString DNOpenPanelFolder(const QString &kind)
{
    const QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    const QString folder = settings.value(settingsKey(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void DNRememberOpenPanelChoice(const QString &kind, const QString &chosenPath)
{
    if (chosenPath.isEmpty())
        return;
    // A chosen folder's own parent: the next choice is most likely one of its neighbours.
    const QString folder = QFileInfo(QDir::cleanPath(chosenPath)).absolutePath();
    QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    settings.setValue(settingsKey(kind), folder);
}

void DNPrepareOpenPanel(QFileDialog *panel, const QString &kind)
{
    panel->setDirectory(DNOpenPanelFolder(kind));
    QObject::connect(panel, &QFileDialog::filesSelected, panel, [kind](const QStringList &chosen) {
        if (!chosen.isEmpty())
            DNRememberOpenPanelChoice(kind, chosen.first());
    });
}
