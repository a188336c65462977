#pragma once

#include <QFont>
#include <QString>

class QApplication;

// The fonts of the interface languages. Japanese, Korean and the two Chinese scripts draw with
// the Noto Sans CJK face of their own language (fonts-noto-cjk): the four share code points
// whose shapes differ, and a Latin font has no glyphs for them at all. The other languages keep
// the desktop's font.

// The Noto face of a language code of the interface list ("ja", "ko", "zh-Hant", "zh-Hans"),
// empty for every other code.
QString DNInterfaceFontFamily(const QString &code);

// base with the face of code in front, when that face is installed; base unchanged otherwise.
// Text the face lacks still falls back to base and then to the system's fonts.
QFont DNInterfaceFont(const QFont &base, const QString &code);

// Makes the application's default font the one of code.
void DNApplyInterfaceFont(QApplication &application, const QString &code);
