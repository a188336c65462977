#include "ProfileRow.h"

#include <QRegularExpression>

namespace {

const QString kKeepOrigin = QStringLiteral("keep origin");

struct ListField
{
    const char *column;
    const char *profileKey;
    const char *valuesKey;
    bool numeric; // handed to an engine as a number
};

const ListField kListFields[] = {
    {"video_codecs", "VideoCodec", "VideoCodecs", false},
    {"resolutions", "VideoResolution", "Resolutions", false},
    {"frame_rates", "VideoFrameRate", "FrameRates", false},
    {"aspects", "VideoAspect", "AspectRatios", false},
    {"audio_codecs", "AudioCodec", "AudioCodecs", false},
    {"audio_bitrates", "AudioQuality", "AudioBitrates", true},
    {"sample_rates", "AudioSampleRate", "SampleRates", true},
    {"channels", "AudioChannel", "AllowChannels", true},
};

bool isNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

bool flag(const CatalogueRow &row, const char *column)
{
    return row.value(QString::fromLatin1(column)) == QLatin1String("1");
}

} // namespace

QVariantMap profileDictionaryFromRow(const CatalogueRow &row, const CatalogueTranslations &translations,
                                     QString *error)
{
    const QString where = row.value(QStringLiteral("#line"));
    auto fail = [&](const QString &message) {
        *error = where + QStringLiteral(": ") + message;
        return QVariantMap();
    };

    bool idOk = false;
    const int id = row.value(QStringLiteral("id")).toInt(&idOk);
    if (!idOk || id <= 0)
        return fail(QStringLiteral("the id must be a positive number"));
    const QString builder = row.value(QStringLiteral("ArgvAssembler"));
    if (builder.size() < 4)
        return fail(QStringLiteral("no builder name"));
    const QString suffix = row.value(QStringLiteral("suffix"));
    if (suffix.isEmpty() || suffix == QLatin1String("-"))
        return fail(QStringLiteral("no file suffix"));

    QVariantMap profile;
    profile.insert(QStringLiteral("ID"), id);
    profile.insert(QStringLiteral("Titles"), translations.localised(row.value(QStringLiteral("title"))));
    profile.insert(QStringLiteral("Descriptions"), translations.localised(row.value(QStringLiteral("description"))));
    profile.insert(QStringLiteral("IconID"), row.value(QStringLiteral("icon")));
    profile.insert(QStringLiteral("CustomFormat"), false);
    profile.insert(QStringLiteral("ToiTunes"), false);
    profile.insert(QStringLiteral("KeepChapters"), false);
    profile.insert(QStringLiteral("Recommend"), flag(row, "recommend"));
    profile.insert(QStringLiteral("TwoPassEncode"), flag(row, "twopass"));
    profile.insert(QStringLiteral("FileFormat"), row.value(QStringLiteral("format")));
    profile.insert(QStringLiteral("FileNameSuffix"), suffix);
    profile.insert(QStringLiteral("ArgvAssembler"), builder);
    profile.insert(QStringLiteral("Version"), QStringLiteral("1.0"));

    const QString model = row.value(QStringLiteral("bitrate_model"));
    profile.insert(QStringLiteral("UseVBR"), model == QLatin1String("VBR"));

    const CatalogueList phases = parseCatalogueList(row.value(QStringLiteral("video_bitrate_phases")));
    if (phases.present) {
        if (phases.values.size() != 3)
            return fail(QStringLiteral("the video bitrate needs three phases (low, normal, high)"));
        QList<int> numbers;
        for (const QString &value : phases.values) {
            if (!isNumber(value))
                return fail(QStringLiteral("video bitrate phase \"%1\" is not a number").arg(value));
            numbers << value.toInt();
        }
        QVariantMap quality;
        quality.insert(QStringLiteral("Customizable"), !(numbers[0] == numbers[1] && numbers[1] == numbers[2]));
        quality.insert(QStringLiteral("DefaultValue"), phases.values.at(1));
        quality.insert(QStringLiteral("MinVideoBitrate"), qMax(32, numbers[0] / 2));
        quality.insert(QStringLiteral("MaxVideoBitrate"), numbers[2] * 2);
        quality.insert(QStringLiteral("VideoBitratePhases"), QVariant(phases.values));
        if (model == QLatin1String("VBR") || model == QLatin1String("CBR")) {
            quality.insert(QStringLiteral("BitrateModel"),
                           QVariantMap{{QStringLiteral("DefaultValue"), model},
                                       {QStringLiteral("Editable"), true},
                                       {QStringLiteral("SupportModels"),
                                        QStringList{QStringLiteral("VBR"), QStringLiteral("CBR")}}});
        }
        profile.insert(QStringLiteral("VideoQuality"), quality);
        profile.insert(QStringLiteral("QualityPhase"), 1);
    }

    for (const ListField &field : kListFields) {
        const CatalogueList list = parseCatalogueList(row.value(QString::fromLatin1(field.column)));
        if (!list.present)
            continue;
        if (field.numeric) {
            for (const QString &value : list.values) {
                if (!isNumber(value))
                    return fail(QStringLiteral("%1 value \"%2\" is not a number").arg(field.column, value));
            }
        }
        profile.insert(QString::fromLatin1(field.profileKey),
                       QVariantMap{{QStringLiteral("Customizable"), list.values.size() > 1},
                                   {QStringLiteral("DefaultValue"), list.defaultValue},
                                   {QString::fromLatin1(field.valuesKey), QVariant(list.values)}});
    }

    // Subtitles can be burnt into every output that re-encodes a picture.
    const CatalogueList codecs = parseCatalogueList(row.value(QStringLiteral("video_codecs")));
    if (codecs.present && codecs.defaultValue != kKeepOrigin) {
        profile.insert(QStringLiteral("SubtitleBurnOption"),
                       QVariantMap{{QStringLiteral("Customizable"), true},
                                   {QStringLiteral("DefaultValue"), QStringLiteral("NO")},
                                   {QStringLiteral("SubtitleBurnOptionsValue"),
                                    QStringList{QStringLiteral("YES"), QStringLiteral("NO")}}});
    }
    return profile;
}
