#include "MediaInfoValues.h"

#include <QStringList>

namespace {

constexpr int kReadLimit = 127;

QString readPart(const QString &text)
{
    return text.left(kReadLimit);
}

} // namespace

int GetLastIntValue(const QString &text)
{
    const QString part = readPart(text);
    int end = int(part.size()) - 1;
    while (end >= 0 && !part.at(end).isDigit())
        --end;
    if (end < 0)
        return 0;
    int begin = end;
    while (begin > 0 && part.at(begin - 1).isDigit())
        --begin;
    // A run too long for an int is not a value MediaInfo gives; keep the last digits that fit.
    const QString digits = part.mid(begin, end - begin + 1).right(9);
    return digits.toInt();
}

float GetFloatValue(const QString &text)
{
    const QString part = readPart(text);
    if (part.isEmpty())
        return 0.0f;
    int dots = 0;
    for (const QChar c : part) {
        if (c == QLatin1Char('.'))
            ++dots;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            dots = 2;
        if (dots > 1)
            throw DNMediaValueError(
                QStringLiteral("convert %1 to float value failed...").arg(part).toStdString());
    }
    if (part == QLatin1String("."))
        return 0.0f;
    return part.toFloat();
}

DNAspectNumbers GetAspectRatio(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    DNAspectNumbers numbers;
    numbers.aw = parts.value(0).trimmed().toFloat();
    numbers.ah = parts.size() == 1 ? 1.0f : parts.value(1).trimmed().toFloat();
    return numbers;
}

int bitRateModeFromText(const QString &text)
{
    if (text == QLatin1String("VBR") || text == QLatin1String("vbr"))
        return 2;
    if (text == QLatin1String("CBR") || text == QLatin1String("cbr"))
        return 1;
    return 0;
}

QString normalizedAudioCodec(const QString &text)
{
    static const struct
    {
        const char *mediaInfo;
        const char *codec;
    } kCodecs[] = {
        {"MPA1L3", "MP3"}, {"MPA2L3", "MP3"}, {"MPA1L2", "MP2"}, {"161", "WMA"}, {"A_AAC/MPEG4/LC", "AAC"},
    };
    if (text.isEmpty())
        return QStringLiteral("undef");
    for (const auto &row : kCodecs) {
        if (text == QLatin1String(row.mediaInfo))
            return QString::fromLatin1(row.codec);
    }
    return text;
}
