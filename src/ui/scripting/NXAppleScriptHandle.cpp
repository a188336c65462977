#include "NXAppleScriptHandle.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNChildProcess.h"
#include "core/util/DNPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <functional>
#include <optional>

namespace {
// What a handler gives back: a result, or the error that stopped it.
struct Outcome
{
    NXScriptDescriptor result;
    QString error;
};

using Handler = std::function<Outcome(const std::optional<NXScriptDescriptor> &directObject)>;

struct Script
{
    QString name;
    QList<std::pair<QString, Handler>> handlers;
};

// The i-th argument of a handler call.
NXScriptDescriptor argumentAt(const std::optional<NXScriptDescriptor> &directObject, int i)
{
    if (!directObject || directObject->kind != NXScriptDescriptor::List || i >= directObject->items.size())
        return NXScriptDescriptor::null();
    return directObject->items.at(i);
}

bool startMailProgram(const QStringList &arguments, QString *why)
{
    // Detached: the mail program may stay open as long as the user writes; it is never ours to end.
    return DNStartDetached(QStringLiteral("xdg-email"), arguments, why);
}

Outcome sendMail(const std::optional<NXScriptDescriptor> &directObject)
{
    const QStringList arguments = NXAppleScriptHandle::mailArguments(
        argumentAt(directObject, 1).toText(), argumentAt(directObject, 2).toText(),
        argumentAt(directObject, 3).toText(), argumentAt(directObject, 4).toTextList());
    QString why;
    if (!startMailProgram(arguments, &why))
        return {{}, why};
    return {NXScriptDescriptor::number(0), {}};
}

// A title names a file inside the library folder, never a path elsewhere.
QString safeTitle(const QString &title, const QString &source)
{
    const QString name = title.trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return QFileInfo(source).fileName();
    return name;
}

// The bytes DNUniqueFilePath may add to a name taken already (" (n)").
constexpr int kUniqueNumberRoom = 8;

// Copies source into folder as title; an unfinished copy never carries the final name.
QString copyIntoLibrary(const QString &source, const QString &title, const QString &folder, QString *error)
{
    if (!QFileInfo(source).isFile()) {
        *error = QStringLiteral("%1: no such file").arg(source);
        return {};
    }
    // Cut where a long title would pass what the file system takes, with room for " (n)".
    const QString partial = DNUniqueFilePath(
        folder, DNFitFileName(folder, QStringLiteral("."), title, QStringLiteral(".part"), kUniqueNumberRoom), 0);
    if (!QFile::copy(source, partial)) {
        QFile::remove(partial);
        *error = QStringLiteral("%1: cannot copy into %2").arg(source, folder);
        return {};
    }
    const QString target = DNUniqueFilePath(folder, title, 0);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        *error = QStringLiteral("%1: cannot name the copy %2").arg(source, target);
        return {};
    }
    return target;
}

Outcome addFilesToLibrary(const std::optional<NXScriptDescriptor> &directObject)
{
    const QStringList files = argumentAt(directObject, 0).toTextList();
    const QStringList titles = argumentAt(directObject, 1).toTextList();
    if (files.isEmpty())
        return {NXScriptDescriptor::list({}), {}};
    const QString folder = NXAppleScriptHandle::mediaLibraryFolder();
    if (!QDir().mkpath(folder))
        return {{}, QStringLiteral("cannot create the library folder %1").arg(folder)};
    QList<NXScriptDescriptor> added;
    QStringList errors;
    for (int i = 0; i < files.size(); ++i) {
        QString error;
        const QString target = copyIntoLibrary(files.at(i), safeTitle(titles.value(i), files.at(i)), folder, &error);
        if (target.isEmpty())
            errors << error;
        else
            added << NXScriptDescriptor::string(target);
    }
    if (!errors.isEmpty())
        return {NXScriptDescriptor::list(added), errors.join(QStringLiteral("; "))};
    return {NXScriptDescriptor::list(added), {}};
}

const QList<Script> &scripts()
{
    static const QList<Script> table{
        {QStringLiteral("asSendEmail"), {{QStringLiteral("SendMail"), sendMail}}},
        {QStringLiteral("asCopy2iTunes"), {{QStringLiteral("add_files_2_itunes_library"), addFilesToLibrary}}},
    };
    return table;
}

const Script *scriptAt(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    for (const Script &script : scripts())
        if (script.name == name)
            return &script;
    return nullptr;
}
}

QString NXAppleScriptHandle::mediaLibraryFolder()
{
    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (videos.isEmpty())
        videos = QDir::homePath() + QStringLiteral("/Videos");
    return videos + QStringLiteral("/Talvane Library");
}

QString NXAppleScriptHandle::pathForScript(const QString &name)
{
    return scriptAt(name) ? name : QString();
}

bool NXAppleScriptHandle::executeScriptWithPath(const QString &path, const QString &function,
                                                const QVariantList &arguments)
{
    const Script *script = scriptAt(path);
    if (!script)
        return false;
    Outcome outcome;
    if (function.isEmpty()) {
        // The scripts do all their work in handlers; run as a whole they do nothing.
        outcome.result = NXScriptDescriptor::null();
    } else {
        std::optional<NXScriptDescriptor> directObject;
        if (!arguments.isEmpty()) {
            QList<NXScriptDescriptor> items;
            for (const QVariant &argument : arguments)
                items << appleEventDescWithObject(argument);
            directObject = NXScriptDescriptor::list(items);
        }
        const auto handler = std::find_if(script->handlers.begin(), script->handlers.end(),
                                          [&](const auto &entry) { return entry.first == function; });
        if (handler == script->handlers.end())
            outcome.error = QStringLiteral("%1 does not understand the \"%2\" message").arg(script->name, function);
        else
            outcome = handler->second(directObject);
    }
    if (!outcome.error.isEmpty()) {
        DNRoughLog(QStringLiteral("%@"), DNFormat(QStringLiteral("error while executing script. Error %@"),
                                                  outcome.error));
        return false;
    }
    DNRoughLog(QStringLiteral("%@"), DNFormat(QStringLiteral("Script execution has succeed. Result(%@)"),
                                              outcome.result.description()));
    return true;
}

bool NXAppleScriptHandle::sendEmailWith(const QVariant &with, const QVariant &address, const QVariant &subject,
                                        const QVariant &content, const QStringList &attachments)
{
    const QString path = pathForScript(QStringLiteral("asSendEmail"));
    if (path.isEmpty())
        return false;
    return executeScriptWithPath(path, QStringLiteral("SendMail"),
                                 {with, address, subject, content, QVariant(attachments)});
}

bool NXAppleScriptHandle::copyMediaFile2iTunes(const QStringList &files)
{
    QStringList titles;
    for (const QString &file : files)
        titles << QFileInfo(file).fileName();
    return copyMediaFile2iTunes(files, titles);
}

bool NXAppleScriptHandle::copyMediaFile2iTunes(const QStringList &files, const QStringList &titles)
{
    if (files.size() != titles.size())
        throw NXScriptArgumentException(QStringLiteral("Count did not match exception"),
                                        QStringLiteral("param <files count != titles count>"));
    const QString path = pathForScript(QStringLiteral("asCopy2iTunes"));
    if (path.isEmpty())
        return false;
    return executeScriptWithPath(path, QStringLiteral("add_files_2_itunes_library"),
                                 {QVariant(files), QVariant(titles)});
}

QStringList NXAppleScriptHandle::mailArguments(const QString &address, const QString &subject, const QString &body,
                                               const QStringList &attachments)
{
    QStringList arguments{QStringLiteral("--utf8")};
    if (!subject.isEmpty())
        arguments << QStringLiteral("--subject") << subject;
    if (!body.isEmpty())
        arguments << QStringLiteral("--body") << body;
    for (const QString &attachment : attachments)
        arguments << QStringLiteral("--attach") << attachment;
    // An address is never read as an option, whatever it starts with.
    if (address.startsWith(QLatin1Char('-')))
        arguments << QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(address, "@"));
    else if (!address.isEmpty())
        arguments << address;
    return arguments;
}

void NXAppleScriptHandle::sendEmailWithMail(const QString &address, const QString &subject,
                                            const QStringList &attachments, const QString &body)
{
    // The body ends with a line break, as a message typed by hand does.
    const QString content = body.isEmpty() ? QString() : body + QLatin1Char('\n');
    QString why;
    if (!startMailProgram(mailArguments(address, subject, content, attachments), &why))
        DNRoughLog(QStringLiteral("%@"), why);
}
