#include "convert/driver/ConvertFailureReason.h"

#include <QtGlobal>

#include <iterator>

namespace {

struct KindText
{
    ConvertFailureKind kind;
    const char *english;
};

const KindText kTexts[] = {
    {ConvertFailureKind::None, ""},
    {ConvertFailureKind::Unexplained, "%1"},
    {ConvertFailureKind::Failed, QT_TRANSLATE_NOOP("ConvertFailure", "the conversion failed (result %1)")},
    {ConvertFailureKind::NoOutputFolder, QT_TRANSLATE_NOOP("ConvertFailure", "no output folder is set")},
    {ConvertFailureKind::OutputFolderTooLong,
     QT_TRANSLATE_NOOP("ConvertFailure", "the output folder's path is too long for the engines: choose a shorter one")},
    {ConvertFailureKind::OutputFolderNameNotText,
     QT_TRANSLATE_NOOP("ConvertFailure",
                       "the name \"%1\" in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder")},
    {ConvertFailureKind::SourceFileGone, QT_TRANSLATE_NOOP("ConvertFailure", "the media file %1 does not exist any more")},
    {ConvertFailureKind::SourceNameNotText,
     QT_TRANSLATE_NOOP("ConvertFailure",
                       "the name \"%1\" in %2 is not UTF-8 text, so the source cannot be read: rename it")},
    {ConvertFailureKind::GroupMemberNotMedia,
     QT_TRANSLATE_NOOP("ConvertFailure", "a member of the file group is not a media file")},
    {ConvertFailureKind::NoTemporaryRoom, QT_TRANSLATE_NOOP("ConvertFailure", "no file can be made in the temporary folder")},
    {ConvertFailureKind::DamagedDisc, QT_TRANSLATE_NOOP("ConvertFailure", "the DVD's data is damaged: %1")},
    {ConvertFailureKind::DamagedTitleRecords,
     QT_TRANSLATE_NOOP("ConvertFailure", "the DVD's records of title %1 in %2 are damaged")},
    {ConvertFailureKind::DamagedDiscRecords, QT_TRANSLATE_NOOP("ConvertFailure", "the DVD's records in %1 are damaged")},
    {ConvertFailureKind::DamagedTitleRecordsAndFailure,
     QT_TRANSLATE_NOOP("ConvertFailure", "the DVD's records of title %1 in %2 are damaged, and %3")},
    {ConvertFailureKind::DamagedDiscRecordsAndFailure,
     QT_TRANSLATE_NOOP("ConvertFailure", "the DVD's records in %1 are damaged, and %2")},
    {ConvertFailureKind::EngineStalled,
     QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine stopped answering (no progress for %2 s) and was ended")},
    {ConvertFailureKind::DiskFull,
     QT_TRANSLATE_NOOP("ConvertFailure",
                       "the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free")},
    {ConvertFailureKind::DiskFullPastEstimate,
     QT_TRANSLATE_NOOP("ConvertFailure",
                       "the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free")},
    {ConvertFailureKind::EngineFailed, QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine failed: %2")},
    {ConvertFailureKind::EngineFailedWithResult, QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine failed (result %2)")},
    {ConvertFailureKind::EngineUnusable, QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine cannot be used")},
    {ConvertFailureKind::EngineFileSizeLimit,
     QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine stopped: %2 reached the file-size limit (ulimit -f)")},
    {ConvertFailureKind::EngineCrashed, QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine crashed: %2 ended with %3")},
    {ConvertFailureKind::EngineKilled,
     QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine was killed: %2 ended with SIGKILL")},
    {ConvertFailureKind::EngineEndedBySignal,
     QT_TRANSLATE_NOOP("ConvertFailure", "the %1 engine was ended by a signal: %2 ended with %3")},
    {ConvertFailureKind::OutputNotWhole, QT_TRANSLATE_NOOP("ConvertFailure", "the output is not whole: %1")},
    {ConvertFailureKind::OutputTooShort,
     QT_TRANSLATE_NOOP("ConvertFailure", "the output lasts %1 s where %2 s were expected: the source may be cut short")},
    {ConvertFailureKind::ProfileUnusable, QT_TRANSLATE_NOOP("ConvertFailure", "the profile %1 cannot be used: %2")},
    {ConvertFailureKind::VectorRefused,
     QT_TRANSLATE_NOOP("ConvertFailure", "the engine cannot take the argument vector the profile makes")},
    {ConvertFailureKind::OutputNameTooLong,
     QT_TRANSLATE_NOOP("ConvertFailure", "the output file name %1 is %2 bytes long; file systems take %3 at most")},
    {ConvertFailureKind::OutputPathTooLong, QT_TRANSLATE_NOOP("ConvertFailure", "the output path %1 is too long for the engines")},
    {ConvertFailureKind::SlideshowNotMade, QT_TRANSLATE_NOOP("ConvertFailure", "the slideshow was not made: %1")},
    {ConvertFailureKind::SlideshowNotRendered, QT_TRANSLATE_NOOP("ConvertFailure", "the image-to-video engine made no movie")},
    {ConvertFailureKind::SlideshowHoldsNoVideo, QT_TRANSLATE_NOOP("ConvertFailure", "the rendered slideshow holds no video")},
    {ConvertFailureKind::TitlesCannotBeJoined, QT_TRANSLATE_NOOP("ConvertFailure", "the selected titles cannot be joined")},
};

static_assert(std::size(kTexts) == size_t(ConvertFailureKind::TitlesCannotBeJoined) + 1, "a text for every kind");

// Puts the details into format in one scan, so that a detail holding "%1" (a path may) stays as
// it is.
QString fill(const QString &format, const QStringList &details)
{
    QString text;
    text.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('%') && i + 1 < format.size() && format.at(i + 1).isDigit()) {
            const int n = format.at(i + 1).digitValue();
            if (n >= 1 && n <= details.size()) {
                text += details.at(n - 1);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace

ConvertFailureDetail::ConvertFailureDetail(const QString &text)
    : text(text)
{
}

ConvertFailureDetail::ConvertFailureDetail(const ConvertFailureReason &reason)
    : type(Reason), reason(std::make_shared<const ConvertFailureReason>(reason))
{
}

ConvertFailureDetail ConvertFailureDetail::number(qint64 value)
{
    ConvertFailureDetail detail{QString()};
    detail.type = Number;
    detail.value = value;
    return detail;
}

ConvertFailureDetail ConvertFailureDetail::bytes(qint64 value)
{
    ConvertFailureDetail detail = number(value);
    detail.type = Bytes;
    return detail;
}

ConvertFailureDetail ConvertFailureDetail::seconds(double value)
{
    ConvertFailureDetail detail{QString()};
    detail.type = Seconds;
    detail.fraction = value;
    return detail;
}

ConvertFailureReason::ConvertFailureReason(ConvertFailureKind kind, QList<ConvertFailureDetail> details)
    : m_kind(kind), m_details(std::move(details))
{
}

const char *ConvertFailureFormat(ConvertFailureKind kind)
{
    for (const KindText &row : kTexts)
        if (row.kind == kind)
            return row.english;
    return "";
}

QString ConvertFailureReason::text() const
{
    return text([](const char *english) { return QString::fromUtf8(english); }, QLocale::c());
}

QString ConvertFailureReason::text(const Translate &translate, const QLocale &locale) const
{
    if (isEmpty())
        return {};
    QStringList details;
    for (const ConvertFailureDetail &detail : m_details) {
        switch (detail.type) {
        case ConvertFailureDetail::Text:
            details << detail.text.trimmed();
            break;
        case ConvertFailureDetail::Number:
            details << locale.toString(detail.value);
            break;
        case ConvertFailureDetail::Bytes:
            details << locale.formattedDataSize(detail.value);
            break;
        case ConvertFailureDetail::Seconds:
            details << locale.toString(detail.fraction, 'f', 1);
            break;
        case ConvertFailureDetail::Reason:
            details << (detail.reason ? detail.reason->text(translate, locale) : QString());
            break;
        }
    }
    // The one kind whose text is its detail has nothing to translate.
    const char *format = ConvertFailureFormat(m_kind);
    return fill(m_kind == ConvertFailureKind::Unexplained ? QString::fromUtf8(format) : translate(format), details);
}
