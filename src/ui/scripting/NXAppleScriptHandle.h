#pragma once

#include "NXScriptDescriptor.h"

#include <QStringList>
#include <QVariantList>

#include <stdexcept>

// Thrown by copyMediaFile2iTunes when the files and titles do not pair up, before anything runs.
class NXScriptArgumentException : public std::invalid_argument
{
public:
    NXScriptArgumentException(const QString &name, const QString &reason)
        : std::invalid_argument(reason.toStdString()), name_(name), reason_(reason)
    {
    }
    QString name() const { return name_; }
    QString reason() const { return reason_; }

private:
    QString name_;
    QString reason_;
};

// How the program asks other programs to act: the mail program writes a new message, and the
// media library takes finished files. Each request runs a named handler of one of the program's
// scripts with its arguments; results and errors go to the log, nothing is shown to the user.
//
// The scripts are the program's own:
// - "asSendEmail", handler "SendMail" (with, address, subject, content, attachments): a new
//   message in the user's mail program through xdg-email. "with" names the mail program; the
//   desktop's preferred one is always used, so it is not read.
// - "asCopy2iTunes", handler "add_files_2_itunes_library" (files, titles): copies each file into
//   the media library folder (mediaLibraryFolder) under the title at the same position.
// Nothing here keeps state; every call may come from any thread.
class NXAppleScriptHandle
{
public:
    // The library's folder: "Talvane Library" in the user's videos folder (XDG_VIDEOS_DIR).
    static QString mediaLibraryFolder();

    // The script of that name among the program's scripts, or empty when there is none.
    static QString pathForScript(const QString &name);

    static bool sendEmailWith(const QVariant &with, const QVariant &address, const QVariant &subject,
                              const QVariant &content, const QStringList &attachments);
    // Each file under its own file name.
    static bool copyMediaFile2iTunes(const QStringList &files);
    // Throws NXScriptArgumentException when the counts differ.
    static bool copyMediaFile2iTunes(const QStringList &files, const QStringList &titles);

    // Runs handler function of the script with the arguments (no argument: the handler gets no
    // direct object); an empty function runs the script as a whole. False when the script is
    // unknown (not logged) or the handler fails (logged).
    static bool executeScriptWithPath(const QString &path, const QString &function, const QVariantList &arguments);
    static NXScriptDescriptor appleEventDescWithObject(const QVariant &object)
    {
        return NXScriptDescriptor::fromObject(object);
    }

    // A new message to address with subject, body and attachments in the user's mail program;
    // returns at once and reports nothing.
    static void sendEmailWithMail(const QString &address, const QString &subject, const QStringList &attachments,
                                  const QString &body);

    // The xdg-email argument vector for a message (also used by the tests).
    static QStringList mailArguments(const QString &address, const QString &subject, const QString &body,
                                     const QStringList &attachments);
};
