#include "builders/avencoder/DNAVVideoArgvPublic.h"

#include "core/platform/DNTemporaryFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unicode/ucnv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The character sets the encoder's subtitle filter cannot be told to read, and the ICU
// converter that reads each.
struct ReencodedCharset
{
    const char *name;       // as the charset name is given, compared in upper case
    const char *converter;  // ICU's name; "UTF-16" honours a byte-order mark
};

constexpr ReencodedCharset kReencoded[] = {
    {"UTF-16", "UTF-16"},
    {"BIG5", "Big5"},
    {"SHIFT_JIS", "Shift_JIS"},
};

const ReencodedCharset *reencodedCharset(const QString &charset)
{
    const QByteArray upper = charset.toUpper().toLatin1();
    for (const ReencodedCharset &row : kReencoded)
        if (upper == row.name)
            return &row;
    return nullptr;
}

// The text of bytes in the named character set; false for a byte sequence the set does not
// have (a file that is not what its name says), rather than a text full of replacement marks.
bool decodeStrictly(const QByteArray &bytes, const char *converterName, QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(converterName, &status);
    if (U_FAILURE(status))
        return false;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    std::vector<UChar> units(size_t(bytes.size()) + 2);
    const int32_t length = ucnv_toUChars(converter, units.data(), int32_t(units.size()), bytes.constData(),
                                         int32_t(bytes.size()), &status);
    ucnv_close(converter);
    if (U_FAILURE(status))
        return false;
    text = QString(reinterpret_cast<const QChar *>(units.data()), length);
    // A byte-order mark read as text would show in the first cue.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

void printSystemError(const char *message)
{
    std::fprintf(stderr, "%s: %s\n", message, std::strerror(errno ? errno : EILSEQ));
}

// Writes path's text, read in the character set ICU knows as converterName, to copy as UTF-8.
bool reencodeToUTF8(const QString &path, const char *converterName, const QString &copy)
{
    QFile source(path);
    QString text;
    if (!source.open(QIODevice::ReadOnly) || !decodeStrictly(source.readAll(), converterName, text)) {
        printSystemError("can not read srt subtitle file");
        return false;
    }
    QSaveFile target(copy);
    if (!target.open(QIODevice::WriteOnly) || target.write(text.toUtf8()) < 0 || !target.commit()) {
        printSystemError("convert srt file to utf-8 failed");
        return false;
    }
    return true;
}

QString subtitleCopyPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return DNTemporaryFolder::uniqueFilePath(QStringLiteral("qvsub"),
                                             suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}

} // namespace

QString ConvertSRTToUTF8(const QString &path, QString &charset)
{
    const QString copy = subtitleCopyPath(path);
    if (copy.isEmpty())
        return {};
    const ReencodedCharset *reencoded = reencodedCharset(charset);
    if (!reencoded)
        return QFile::copy(path, copy) ? copy : QString();
    if (!reencodeToUTF8(path, reencoded->converter, copy))
        return {};
    charset = QStringLiteral("UTF-8");
    return copy;
}

QString CopySubtitleAsUTF8(const QString &path, QString &charset)
{
    if (charset.isEmpty() || charset.toUpper() == QLatin1String("UTF-8") || reencodedCharset(charset))
        return ConvertSRTToUTF8(path, charset);
    const QString copy = subtitleCopyPath(path);
    if (copy.isEmpty() || !reencodeToUTF8(path, charset.toLatin1().constData(), copy))
        return {};
    charset = QStringLiteral("UTF-8");
    return copy;
}
