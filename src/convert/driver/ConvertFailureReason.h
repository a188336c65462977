#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
#include <memory>

// Why a conversion wrote nothing, as a record rather than a sentence: the kind says which of our
// own texts frames the reason, the details are the facts that text names (a folder, sizes, an
// engine's own words, what the disc check found missing), which read the same in every language.
// So the log and the developer aid read it in English, and the window in the interface's
// language, from one table of texts (translated in ui/, where they are shown).
enum class ConvertFailureKind {
    None,
    Unexplained,            // its one detail is the whole text (a fault of the program's)
    Failed,                 // result
    NoOutputFolder,
    OutputFolderTooLong,
    OutputFolderNameNotText, // the name that is not UTF-8, the folder that holds it
    SourceFileGone,         // path
    SourceNameNotText,      // the name that is not UTF-8, the folder that holds it
    GroupMemberNotMedia,
    NoTemporaryRoom,
    DamagedDisc,            // what the check found missing or damaged
    DamagedTitleRecords,    // title number, the IFO file whose records of it are damaged
    DamagedDiscRecords,     // the IFO file whose records are damaged
    DamagedTitleRecordsAndFailure, // title number, the IFO file, how the pass then failed (a reason)
    DamagedDiscRecordsAndFailure,  // the IFO file, how the pass then failed (a reason)
    EngineStalled,          // engine, seconds without progress
    DiskFull,               // folder, bytes the output needs, bytes free
    DiskFullPastEstimate,   // folder, bytes free (the output needs more than those)
    EngineFailed,           // engine, its own words
    EngineFailedWithResult, // engine, result
    EngineUnusable,         // engine
    EngineFileSizeLimit,    // engine, the program a signal ended
    EngineCrashed,          // engine, program, signal name
    EngineKilled,           // engine, program
    EngineEndedBySignal,    // engine, program, signal name
    OutputNotWhole,         // what the output check found
    OutputTooShort,         // seconds the output lasts, seconds expected
    ProfileUnusable,        // profile, its problems
    VectorRefused,
    OutputNameTooLong,      // file name, its bytes, the most file systems take
    OutputPathTooLong,      // path
    SlideshowNotMade,       // the reason (a record of its own)
    SlideshowNotRendered,
    SlideshowHoldsNoVideo,
    TitlesCannotBeJoined,
};

class ConvertFailureReason;

// One fact a reason names. Numbers and sizes are written in the reader's locale.
struct ConvertFailureDetail
{
    enum Type { Text, Number, Bytes, Seconds, Reason };

    ConvertFailureDetail(const QString &text);
    ConvertFailureDetail(const ConvertFailureReason &reason);
    static ConvertFailureDetail number(qint64 value);
    static ConvertFailureDetail bytes(qint64 value);
    // A length in seconds, to a tenth.
    static ConvertFailureDetail seconds(double value);

    Type type = Text;
    QString text;
    qint64 value = 0;
    double fraction = 0;
    std::shared_ptr<const ConvertFailureReason> reason;
};

class ConvertFailureReason
{
public:
    ConvertFailureReason() = default;
    ConvertFailureReason(ConvertFailureKind kind, QList<ConvertFailureDetail> details = {});

    ConvertFailureKind kind() const { return m_kind; }
    const QList<ConvertFailureDetail> &details() const { return m_details; }
    bool isEmpty() const { return m_kind == ConvertFailureKind::None; }

    // In English, for the log and the developer aid.
    QString text() const;

    // With the framing texts given by translate (the English text of each kind goes in; the
    // texts are marked in the context "ConvertFailure") and numbers in locale.
    using Translate = std::function<QString(const char *english)>;
    QString text(const Translate &translate, const QLocale &locale) const;

private:
    ConvertFailureKind m_kind = ConvertFailureKind::None;
    QList<ConvertFailureDetail> m_details;
};

// The English framing text of kind, with %1, %2... where its details go.
const char *ConvertFailureFormat(ConvertFailureKind kind);
