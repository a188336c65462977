// The subtitle tab (a subtitle stream of the item or a subtitle file, its language and its
// place) and the effects switch.
#include "DNVideoEditorController.h"

#include "core/lang/DNPreferredLanguages.h"
#include "core/lang/LocaleDisplayName.h"
#include "ui/editor/controls/DNEffectsView.h"
#include "ui/editor/preview/NXEditMovieView.h"

#include <QSettings>

namespace {
// The codes of the subtitle position: top, centre, bottom.
constexpr quint32 kTopPosition = 67;
constexpr quint32 kCenterPosition = 78;
constexpr quint32 kBottomPosition = 100;
constexpr int kLanguageSheetDelayMs = 350;

const char *const kLanguageCodes[] = {"zh-Hans", "en", "fr", "de", "it", "pt", "es"};

// The interface language the names are written in: the first of "AppleLanguages", else the
// system's first preferred language.
QString interfaceLanguage()
{
    const QString stored = QSettings().value(QStringLiteral("AppleLanguages")).toStringList().value(0);
    if (!stored.isEmpty())
        return stored;
    const QString system = DNSystemPreferredLanguages().value(0);
    return system.isEmpty() ? QStringLiteral("en") : system;
}

QVariantMap languageDic(const QString &code, const QString &inLanguage)
{
    return {{QStringLiteral("languageName"), DNLocaleDisplayName(code, inLanguage)},
            {QStringLiteral("languageCode"), code}};
}
} // namespace

void DNVideoEditorController::setEnableVideoEffect(bool on)
{
    item_.setEnableEffect(on);
    effectPreview()->setEnableColorEffect(on);
    effectView_->setEnabled(on);
    setTabMark(kTabEffect, on);
    didChange(QStringLiteral("enableVideoEffect"));
}

void DNVideoEditorController::setEnableVideoSubtitle(bool on)
{
    item_.setEnableSubtitleEdit(on);
    setTabMark(kTabSubtitle, on);
    didChange(QStringLiteral("enableVideoSubtitle"));
}

void DNVideoEditorController::setSubtitleMode(int mode)
{
    flags_.indexOfSubtitleMode = mode;
    didChange(QStringLiteral("subtitleMode"));
}

void DNVideoEditorController::setInnerSubtitleSelectIndex(int index)
{
    flags_.indexOfInnerSubtitle = index;
    didChange(QStringLiteral("innerSubtitleSelectIndex"));
}

QStringList DNVideoEditorController::innerSubtitile() const
{
    return item_.innerSubtitlesName(tr("No Subtitle"));
}

QStringList DNVideoEditorController::allSubtitlePosition() const
{
    return {tr("Top"), tr("Center"), tr("Bottom")};
}

QString DNVideoEditorController::subtitlePosition() const
{
    switch (item_.subtitlePos()) {
    case kTopPosition: return tr("Top");
    case kCenterPosition: return tr("Center");
    default: return tr("Bottom");
    }
}

void DNVideoEditorController::setSubtitlePosition(const QString &position)
{
    const QStringList names = allSubtitlePosition();
    const quint32 codes[] = {kTopPosition, kCenterPosition, kBottomPosition};
    const qsizetype index = names.indexOf(position);
    if (index < 0)
        return;
    item_.setSubtitlePos(codes[index]);
    didChange(QStringLiteral("subtitlePosition"));
}

QList<QVariantMap> DNVideoEditorController::extSubtitleLanguageDics() const
{
    const QString inLanguage = interfaceLanguage();
    QList<QVariantMap> dics;
    for (const char *code : kLanguageCodes)
        dics << languageDic(QString::fromLatin1(code), inLanguage);
    return dics;
}

QVariantMap DNVideoEditorController::curLanguageDic() const
{
    QString code = item_.extraSubtitleLanguage();
    if (code.isEmpty())
        code = QStringLiteral("en");
    return languageDic(code, interfaceLanguage());
}

void DNVideoEditorController::setCurLanguageDic(const QVariantMap &language)
{
    item_.setExtraSubtitleLanguage(language.value(QStringLiteral("languageCode")).toString());
    didChange(QStringLiteral("curLanguageDic"));
}

void DNVideoEditorController::openPanelForChooseSRTFile()
{
    openFilePanel(tr("Choose a Subtitle File"), "subtitleFilePanel",
                  tr("Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)"),
                  &DNVideoEditorController::openPanelForChooseSRTFileDidEnd);
}

void DNVideoEditorController::openPanelForChooseSRTFileDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1)
        return;
    item_.addExtraSubtitle(path);
    didChange(QStringLiteral("extraSRTFilePath"));
    if (flags_.isDVDNode)
        languageSheetTimer_.start(kLanguageSheetDelayMs);
}
