#include "NXAppleScriptHandle.h"

#include "core/log/DNLogger.h"

#include <QProcess>

QStringList NXAppleScriptHandle::mailArguments(const QString &recipient, const QString &subject,
                                               const QStringList &attachments, const QString &body)
{
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), subject, QStringLiteral("--body"),
                          body + QStringLiteral(" \n")};
    for (const QString &path : attachments)
        arguments << QStringLiteral("--attach") << path;
    arguments << recipient;
    return arguments;
}

void NXAppleScriptHandle::sendEmailWithMail(const QString &recipient, const QString &subject,
                                            const QStringList &attachments, const QString &body)
{
    const QStringList arguments = mailArguments(recipient, subject, attachments, body);
    if (!QProcess::startDetached(QStringLiteral("xdg-email"), arguments))
        DNRoughLog(QStringLiteral("cannot start xdg-email for a message to %@"), recipient);
}
