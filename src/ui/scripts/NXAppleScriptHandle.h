#pragma once

#include <QString>
#include <QStringList>

// Asking other programs to act for us. Mail: a new message in the user's mail program through
// "xdg-email", its arguments passed without a shell.
class NXAppleScriptHandle
{
public:
    // A new message to recipient with subject, body and the attachments, which the user
    // sends. Nothing is reported back; a failure to start the mail program is logged.
    static void sendEmailWithMail(const QString &recipient, const QString &subject,
                                  const QStringList &attachments, const QString &body);
    // The words given to "xdg-email".
    static QStringList mailArguments(const QString &recipient, const QString &subject,
                                     const QStringList &attachments, const QString &body);
};
