#include "core/util/DNFormat.h"

namespace {

QString padded(QString text, int width, bool leftAlign, QChar fill)
{
    if (width <= text.size())
        return text;
    if (leftAlign)
        return text.leftJustified(width, QLatin1Char(' '));
    if (fill == QLatin1Char('0') && (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))))
        return text.left(1) + text.mid(1).rightJustified(width - 1, fill);
    return text.rightJustified(width, fill);
}

} // namespace

QString DNFormatList(const QString &format, const QVariantList &arguments)
{
    QString out;
    out.reserve(format.size() + 16);
    int next = 0;
    const int n = format.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= n) {
            out += c;
            continue;
        }
        int j = i + 1;
        if (format.at(j) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i = j;
            continue;
        }
        bool leftAlign = false, zeroPad = false, plus = false, space = false;
        for (; j < n; ++j) {
            const QChar f = format.at(j);
            if (f == QLatin1Char('-'))
                leftAlign = true;
            else if (f == QLatin1Char('0'))
                zeroPad = true;
            else if (f == QLatin1Char('+'))
                plus = true;
            else if (f == QLatin1Char(' '))
                space = true;
            else if (f == QLatin1Char('#'))
                ;
            else
                break;
        }
        int width = 0;
        while (j < n && format.at(j).isDigit())
            width = width * 10 + format.at(j++).digitValue();
        int precision = -1;
        if (j < n && format.at(j) == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < n && format.at(j).isDigit())
                precision = precision * 10 + format.at(j++).digitValue();
        }
        while (j < n && QStringLiteral("hlqLzjt").contains(format.at(j)))
            ++j;
        if (j >= n) {
            out += format.mid(i);
            break;
        }
        const QChar conv = format.at(j);
        const QVariant arg = next < arguments.size() ? arguments.at(next) : QVariant();
        QString text;
        QChar fill = QLatin1Char(' ');
        if (!arg.isValid() && QStringLiteral("@sdiuxXofFeEgGc").contains(conv)) {
            // No argument for this directive: it formats as nothing.
            ++next;
            i = j;
            continue;
        }
        switch (conv.toLatin1()) {
        case '@':
        case 's':
            text = arg.toString();
            if (precision >= 0)
                text.truncate(precision);
            break;
        case 'd':
        case 'i': {
            const qlonglong v = arg.toLongLong();
            text = QString::number(v);
            if (v >= 0 && plus)
                text.prepend(QLatin1Char('+'));
            else if (v >= 0 && space)
                text.prepend(QLatin1Char(' '));
            fill = zeroPad && !leftAlign ? QLatin1Char('0') : QLatin1Char(' ');
            break;
        }
        case 'u':
            text = QString::number(arg.toULongLong());
            fill = zeroPad && !leftAlign ? QLatin1Char('0') : QLatin1Char(' ');
            break;
        case 'x':
        case 'X':
        case 'o': {
            const int base = conv == QLatin1Char('o') ? 8 : 16;
            text = QString::number(arg.toULongLong(), base);
            if (conv == QLatin1Char('X'))
                text = text.toUpper();
            fill = zeroPad && !leftAlign ? QLatin1Char('0') : QLatin1Char(' ');
            break;
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G': {
            const double v = arg.toDouble();
            text = QString::number(v, conv.toLatin1(), precision < 0 ? 6 : precision);
            if (v >= 0 && plus)
                text.prepend(QLatin1Char('+'));
            fill = zeroPad && !leftAlign ? QLatin1Char('0') : QLatin1Char(' ');
            break;
        }
        case 'c': {
            const QString s = arg.toString();
            text = arg.typeId() == QMetaType::QString || arg.typeId() == QMetaType::QChar
                       ? s.left(1)
                       : QString(QChar(arg.toInt()));
            break;
        }
        default:
            // Not a directive we know: keep it as written, taking no argument.
            out += format.mid(i, j - i + 1);
            i = j;
            continue;
        }
        ++next;
        out += padded(text, width, leftAlign, fill);
        i = j;
    }
    return out;
}
