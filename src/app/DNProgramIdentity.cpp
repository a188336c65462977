#include "DNProgramIdentity.h"

#include "core/platform/DNBundle.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

QIcon DNProgramIcon()
{
    QIcon icon;
    const QDir sizes(DNBundle::pathForResource(QStringLiteral("icons/hicolor")));
    for (const QString &size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = sizes.filePath(size + QStringLiteral("/apps/talvane.png"));
        if (QFileInfo::exists(file))
            icon.addFile(file);
    }
    // Without the shipped files (a damaged installation) the theme may still have the icon.
    return icon.isNull() ? QIcon::fromTheme(QStringLiteral("talvane")) : icon;
}

void DNSetProgramIdentity(QGuiApplication &application)
{
    application.setWindowIcon(DNProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("talvane"));
}
