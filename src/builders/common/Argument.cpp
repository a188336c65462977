#include "builders/common/Argument.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include <QByteArray>
#include <QStringList>

#include "builders/common/ArgumentLog.h"

namespace {

void markOverflow(Argument *argument, const char *why, const char *text)
{
    argument->overflowed = 1;
    // Only the head of an over-long text: the log line itself must stay readable.
    const QByteArray head = QByteArray(text ? text : "").left(80);
    argumentLogLine(QStringLiteral("argument vector overflow (%1) at argument %2: \"%3...\"; the pass will fail")
                        .arg(QString::fromUtf8(why))
                        .arg(argument->argc)
                        .arg(QString::fromUtf8(head)));
}

} // namespace

Argument *CreateArgument()
{
    auto *argument = static_cast<Argument *>(std::calloc(1, sizeof(Argument)));
    if (!argument)
        return nullptr;
    for (int i = 0; i < MaxArguNumber; ++i) {
        argument->argv[i] = static_cast<char *>(std::calloc(1, MaxCharLength));
        if (!argument->argv[i]) {
            FreeArgument(argument);
            return nullptr;
        }
    }
    return argument;
}

int FreeArgument(Argument *argument)
{
    if (!argument)
        return 0;
    for (char *&slot : argument->argv) {
        std::free(slot);
        slot = nullptr;
    }
    std::free(argument);
    return 0;
}

bool AppendArgument(Argument *argument, const char *text)
{
    if (!argument || !text)
        return false;
    if (argument->argc < 0 || argument->argc >= MaxArguNumber - 1) {
        // argc must stay below MaxArguNumber after the append, as every reader expects.
        markOverflow(argument, "more than 127 arguments", text);
        return false;
    }
    const size_t length = std::strlen(text);
    if (length >= size_t(MaxCharLength)) {
        markOverflow(argument, "argument of 2048 bytes or more", text);
        return false;
    }
    char *slot = argument->argv[argument->argc];
    if (!slot) {
        markOverflow(argument, "released slot", text);
        return false;
    }
    std::memcpy(slot, text, length + 1);
    ++argument->argc;
    return true;
}

bool ReplaceArgument(Argument *argument, int index, const QString &text)
{
    if (!argument || index < 0 || index >= argument->argc || !argument->argv[index])
        return false;
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() >= MaxCharLength)
        return false;
    std::memset(argument->argv[index], 0, MaxCharLength);
    std::memcpy(argument->argv[index], bytes.constData(), size_t(bytes.size()));
    return true;
}

bool AppendArgument(Argument *argument, const QByteArray &text)
{
    // A NUL inside the text would silently cut the argument short.
    if (text.contains('\0')) {
        if (argument)
            markOverflow(argument, "argument holds a NUL byte", text.constData());
        return false;
    }
    return AppendArgument(argument, text.constData());
}

bool AppendArgument(Argument *argument, const QString &text)
{
    return AppendArgument(argument, text.toUtf8());
}

bool AppendArgumentFormat(Argument *argument, const char *format, ...)
{
    if (!argument || !format)
        return false;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        va_end(args);
        markOverflow(argument, "unformattable argument", format);
        return false;
    }
    QByteArray buffer(needed, '\0');
    std::vsnprintf(buffer.data(), size_t(needed) + 1, format, args);
    va_end(args);
    return AppendArgument(argument, buffer.constData());
}

bool AppendArguments(Argument *argument, std::initializer_list<const char *> texts)
{
    for (const char *text : texts) {
        if (!AppendArgument(argument, text))
            return false;
    }
    return true;
}

bool ArgumentIsUsable(const Argument *argument)
{
    return argument && !argument->overflowed && argument->argc >= 0 && argument->argc < MaxArguNumber;
}

bool CheckArgumentForPass(const Argument *argument)
{
    if (ArgumentIsUsable(argument))
        return true;
    argumentLogLine(argument ? QStringLiteral("the argument vector overflowed its limits; the pass fails")
                             : QStringLiteral("no argument vector was built; the pass fails"));
    return false;
}

QStringList ArgumentList(const Argument *argument)
{
    QStringList list;
    if (!argument)
        return list;
    const int count = qBound(0, int(argument->argc), MaxArguNumber);
    for (int i = 0; i < count; ++i) {
        const char *slot = argument->argv[i];
        list << QString::fromUtf8(slot ? slot : "", slot ? int(strnlen(slot, MaxCharLength)) : 0);
    }
    return list;
}

QString ArgumentText(const Argument *argument)
{
    QString text;
    for (const QString &word : ArgumentList(argument)) {
        text += word;
        text += QLatin1Char(' ');
    }
    return text;
}

bool SetOptionText(char (&field)[MaxCharLength], const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::memset(field, 0, MaxCharLength);
    if (utf8.size() >= MaxCharLength || utf8.contains('\0'))
        return false;
    std::memcpy(field, utf8.constData(), size_t(utf8.size()));
    return true;
}

QString OptionText(const char (&field)[MaxCharLength])
{
    return QString::fromUtf8(field, int(strnlen(field, MaxCharLength)));
}

VideoConvertOptions MakeVideoConvertOptions()
{
    VideoConvertOptions options;
    std::memset(&options, 0, sizeof options);
    return options;
}
