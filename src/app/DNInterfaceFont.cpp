#include "DNInterfaceFont.h"

#include <QApplication>
#include <QFontDatabase>

QString DNInterfaceFontFamily(const QString &code)
{
    static const struct
    {
        const char *code;
        const char *family;
    } faces[] = {
        {"ja", "Noto Sans CJK JP"},
        {"ko", "Noto Sans CJK KR"},
        {"zh-Hant", "Noto Sans CJK TC"},
        {"zh-Hans", "Noto Sans CJK SC"},
    };
    for (const auto &face : faces) {
        if (code == QLatin1String(face.code))
            return QString::fromLatin1(face.family);
    }
    return QString();
}

QFont DNInterfaceFont(const QFont &base, const QString &code)
{
    const QString family = DNInterfaceFontFamily(code);
    if (family.isEmpty() || !QFontDatabase::hasFamily(family))
        return base;
    QFont font = base;
    font.setFamilies(QStringList{family} + (base.families().isEmpty() ? QStringList{base.family()} : base.families()));
    return font;
}

void DNApplyInterfaceFont(QApplication &application, const QString &code)
{
    application.setFont(DNInterfaceFont(QApplication::font(), code));
}
