#include "core/util/DNPrintableText.h"

namespace {

void appendByteEscape(QString &out, unsigned value)
{
    out += QStringLiteral("\\x") + QString::number(value, 16).rightJustified(2, QLatin1Char('0'));
}

bool needsEscape(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

void appendEscaped(QString &out, char32_t c)
{
    switch (c) {
    case U'\n':
        out += QStringLiteral("\\n");
        return;
    case U'\r':
        out += QStringLiteral("\\r");
        return;
    case U'\t':
        out += QStringLiteral("\\t");
        return;
    case 0x2028:
    case 0x2029:
        out += QStringLiteral("\\u") + QString::number(unsigned(c), 16);
        return;
    default:
        appendByteEscape(out, unsigned(c));
    }
}

// The length of the UTF-8 sequence that starts at bytes[i], or 0 when none does (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, a value past U+10FFFF).
qsizetype utf8SequenceAt(QByteArrayView bytes, qsizetype i, char32_t *value)
{
    const auto byte = [&](qsizetype k) { return uchar(bytes.at(k)); };
    const uchar lead = byte(i);
    int length;
    char32_t c;
    if (lead < 0x80) {
        *value = lead;
        return 1;
    } else if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        c = lead & 0x1f;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        c = lead & 0x0f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xc0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3f);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[length] || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff))
        return 0;
    *value = c;
    return length;
}

} // namespace

QString DNPrintableText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (needsEscape(c.unicode()))
            appendEscaped(out, c.unicode());
        else
            out += c;
    }
    return out;
}

QString DNPrintableBytes(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t c = 0;
        const qsizetype length = utf8SequenceAt(bytes, i, &c);
        if (length == 0) {
            appendByteEscape(out, uchar(bytes.at(i)));
            ++i;
            continue;
        }
        if (needsEscape(c))
            appendEscaped(out, c);
        else
            out += QString::fromUcs4(&c, 1);
        i += length;
    }
    return out;
}
