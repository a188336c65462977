#include "profiles/NXProfileValueCheck.h"

#include "core/log/DNLogger.h"
#include "profiles/DNProfileKeepOrigin.h"
#include "profiles/NXProfileParser.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A whole number of at most seven digits within [least, most].
bool wholeNumber(const QString &text, qint64 least, qint64 most)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,7}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const qint64 value = text.toLongLong();
    return value >= least && value <= most;
}

// A decimal number above 0 and at most most.
bool positiveDecimal(const QString &text, double most)
{
    static const QRegularExpression decimal(QStringLiteral("^\\d{1,6}(\\.\\d{1,6})?$"));
    if (!decimal.match(text).hasMatch())
        return false;
    const double value = text.toDouble();
    return value > 0 && value <= most;
}

bool validVideoBitrate(const QString &v) { return wholeNumber(v, 1, 1000000); }

bool validFrameRate(const QString &v) { return IsKeepOriginFrameRate(v) || positiveDecimal(v, 240); }

bool validResolution(const QString &v)
{
    static const QRegularExpression size(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch m = size.match(v);
    return IsKeepOriginResolution(v)
        || (m.hasMatch() && wholeNumber(m.captured(1), 1, 8192) && wholeNumber(m.captured(2), 1, 8192));
}

// A shape "16x9" or "2.35x1", or a picture's own size ("718x478": a group's parts are given the
// shape of the frame they share), so each side goes as far as a resolution's.
bool validAspect(const QString &v)
{
    const qsizetype x = v.indexOf(QLatin1Char('x'));
    return IsKeepOriginAspect(v) || (x > 0 && positiveDecimal(v.left(x), 8192) && positiveDecimal(v.mid(x + 1), 8192));
}

bool validAudioBitrate(const QString &v)
{
    return IsKeepOriginString(v) || v.startsWith(QLatin1String("Smart Match")) || wholeNumber(v, 1, 10000);
}

bool validSampleRate(const QString &v) { return wholeNumber(v, 1000, 384000); }

bool validChannels(const QString &v) { return wholeNumber(v, 1, 8); }

// Codec words: the builders match them against their own tables; anything else must not reach
// an engine's command line.
bool validCodec(const QString &v)
{
    static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9 ._-]{0,31}$"));
    return word.match(v).hasMatch();
}

bool validSubtitleChoice(const QString &v) { return v == QLatin1String("YES") || v == QLatin1String("NO"); }

struct Rule
{
    const char *what;
    bool (*valid)(const QString &);
};

// The checks of one field: the current value, and the entries of its list.
struct FieldCheck
{
    NXProfileInfoBase *field;
    NXOtherVideoInfoBase *list;   // null for the video bitrate, whose list is the phase list
    Rule rule;
};

QList<FieldCheck> fieldsOf(const NXProfileParser &profile)
{
    QList<FieldCheck> checks;
    if (const auto &f = profile.videoQuality())
        checks.append({f.get(), nullptr, {"video bitrate", validVideoBitrate}});
    const auto add = [&checks](const auto &field, const char *what, bool (*valid)(const QString &)) {
        if (field)
            checks.append({field.get(), field.get(), {what, valid}});
    };
    add(profile.videoFrameRate(), "frame rate", validFrameRate);
    add(profile.videoCodec(), "video codec", validCodec);
    add(profile.videoResolution(), "resolution", validResolution);
    add(profile.videoAspect(), "aspect", validAspect);
    add(profile.audioQuality(), "audio bitrate", validAudioBitrate);
    add(profile.audioSampleRate(), "sample rate", validSampleRate);
    add(profile.audioCodec(), "audio codec", validCodec);
    add(profile.audioChannel(), "channel count", validChannels);
    add(profile.subtitleOptions(), "subtitle choice", validSubtitleChoice);
    return checks;
}

QString problemText(const Rule &rule, const QString &value)
{
    return QStringLiteral("its %1 \"%2\" is not a valid value").arg(QLatin1String(rule.what), value);
}

QString profileName(const NXProfileParser &profile)
{
    return QStringLiteral("%1 (%2)").arg(QFileInfo(profile.profilePath()).fileName()).arg(profile.GlobalID());
}

// The first valid value a field's own lists offer for its current value.
QString replacementFor(const NXProfileParser &profile, const FieldCheck &check)
{
    QStringList candidates;
    if (check.list) {
        candidates = check.list->values();
    } else if (const auto &quality = profile.videoQuality()) {
        const QStringList phases = quality->videoBitratePhases();
        if (profile.qualityPhase() >= 0 && profile.qualityPhase() < phases.size())
            candidates << phases.at(profile.qualityPhase());
        candidates << phases;
    }
    for (const QString &candidate : candidates)
        if (check.rule.valid(candidate))
            return candidate;
    return QString();
}

} // namespace

QStringList profileValueProblems(const NXProfileParser &profile)
{
    QStringList problems;
    for (const FieldCheck &check : fieldsOf(profile))
        if (!check.rule.valid(check.field->currentValue()))
            problems << problemText(check.rule, check.field->currentValue());
    return problems;
}

QStringList repairProfileValues(NXProfileParser &profile)
{
    QStringList unrepaired;
    for (const FieldCheck &check : fieldsOf(profile)) {
        if (check.list) {
            QStringList kept;
            for (const QString &entry : check.list->values()) {
                if (check.rule.valid(entry))
                    kept << entry;
                else
                    DNRoughLog(QStringLiteral("Profile %@: %@; it is left out of the choices."), profileName(profile),
                               problemText(check.rule, entry));
            }
            if (kept.size() != check.list->values().size())
                check.list->setValues(kept);
        }
        const QString current = check.field->currentValue();
        if (check.rule.valid(current))
            continue;
        const QString replacement = replacementFor(profile, check);
        if (replacement.isNull()) {
            DNRoughLog(QStringLiteral("Profile %@: %@, and its list offers none; the profile cannot be used."),
                       profileName(profile), problemText(check.rule, current));
            unrepaired << problemText(check.rule, current);
            continue;
        }
        DNRoughLog(QStringLiteral("Profile %@: %@; %@ from its list is used instead."), profileName(profile),
                   problemText(check.rule, current), replacement);
        check.field->setCurrentValue(replacement);
    }
    return unrepaired;
}
