#pragma once

#include <QSizeF>
#include <QString>

// "keep origin" in a profile field means: take the source's value. Builders and the settings
// sheet ask these functions instead of comparing texts themselves, because the fields differ in
// how strictly the word is matched (the audio codec accepts any letter case; the others do not).
inline const QString &DNKeepOriginText()
{
    static const QString text = QStringLiteral("keep origin");
    return text;
}

bool IsKeepOriginString(const QString &value);
bool IsKeepOriginFrameRate(const QString &value);
bool IsKeepOriginAspect(const QString &value);
bool IsKeepOriginResolution(const QString &value);
// A missing codec means copying too, so a null value answers true.
bool IsKeepOriginAudioCodec(const QString &value);

// "keep origin" becomes the source rate as "%.2f"; any other value is returned unchanged.
QString ResolveKeepOriginFrameRate(const QString &value, float sourceFps);
// 16x9 with ":" gives 16:9; a height of 1 is dropped (2.35x1 gives 2.35).
QString FormatAspectString(const QString &value, const QString &separator);
// "keep origin" (any case) gives the default; a value without "x" or with more than two parts
// gives 1 x 1.
QSizeF AspectSizeFromString(const QString &value, QSizeF defaultSize);
// Anything but "<w>x<h>" (letter case ignored) gives the default.
QSizeF ResolutionSizeFromString(const QString &value, QSizeF defaultSize);
