#pragma once

#include <cstdint>
#include <memory>

#include <QString>
#include <QStringList>

// The two records a conversion pass hands from the driver to a builder and from a builder to an
// engine. Both are plain records: they cross into engine code that knows nothing of Qt, so they
// keep their fields, their order and their limits.

inline constexpr int MaxArguNumber = 128;   // argument slots in one vector
inline constexpr int MaxCharLength = 2048;  // bytes per slot, terminating NUL included

// One engine argument vector. argv[0] is the engine's program word ("encoder" on the file road).
// Every slot owns its own zero-filled buffer of MaxCharLength bytes; slots at and beyond argc
// stay empty. endpos is the output length wanted in whole seconds, 0 for the whole input.
struct Argument
{
    int32_t endpos;
    int32_t argc;
    char *argv[MaxArguNumber];
    // Non-zero once an append did not fit (too many arguments, or one too long). Such a vector
    // is kept (and logged) but no engine runs it: the pass fails instead of the process ending.
    int32_t overflowed;
};

// The per-pass option record, copied whole into every builder call; it holds no pointer.
struct VideoConvertOptions
{
    uint8_t useDVDNav;       // read DVD titles through navigation input (dvdnav://)
    uint8_t deinterlace;     // builders add a deinterlacing filter
    uint8_t safeMode;        // builders use their safe-mode option variants
    uint8_t engineSafeMode;  // handed to the MEncoder library's configuration call
    uint8_t highQuality;     // builders use their high-quality option variants
    uint8_t reserved0[3];
    int32_t cpuCore;         // processor count for the encoder's thread option
    char outputDirectory[MaxCharLength];  // NUL-terminated UTF-8 folder of the outputs
    uint8_t twoPass;         // 1 while a two-pass run is under way
    uint8_t reserved1[3];
    int32_t passIndex;       // 0 first pass, 1 second pass
    char passLogFile[MaxCharLength];      // NUL-terminated two-pass statistics file path
};

static_assert(sizeof(VideoConvertOptions) == 4116, "the option record is copied whole between layers");

// A new empty vector: argc 0, endpos 0, 128 distinct zero-filled buffers. nullptr only when
// memory runs out.
Argument *CreateArgument();

// Releases every buffer and the record; always returns 0. nullptr is accepted.
int FreeArgument(Argument *argument);

// Appends one argument. Returns false, without writing, when the vector is already full
// (argc would reach MaxArguNumber) or the text needs MaxCharLength bytes or more; the vector is
// then marked overflowed and one log line says what did not fit. A nullptr argument or text
// returns false.
bool AppendArgument(Argument *argument, const char *text);
bool AppendArgument(Argument *argument, const QString &text);   // written as UTF-8
bool AppendArgument(Argument *argument, const QByteArray &text);

// printf-style append ("format=%s", "br=%d"); the same limits as AppendArgument.
bool AppendArgumentFormat(Argument *argument, const char *format, ...)
    __attribute__((format(printf, 2, 3)));

// Writes text over the argument at index (below argc). False, leaving the vector unchanged, when
// the index is out of range or the UTF-8 text needs MaxCharLength bytes or more. The driver uses
// it to send a pass's output to a hidden name; builders only append.
bool ReplaceArgument(Argument *argument, int index, const QString &text);

// Appends every text in order; false as soon as one does not fit.
bool AppendArguments(Argument *argument, std::initializer_list<const char *> texts);

// True for a vector that exists and never overflowed.
bool ArgumentIsUsable(const Argument *argument);

// What the driver asks before it hands a vector to an engine: ArgumentIsUsable, and when not,
// one log line saying the pass fails (a missing vector, or one that overflowed).
bool CheckArgumentForPass(const Argument *argument);

// The arguments as UTF-8 texts, argv[0] first (for logging and for the engines).
QStringList ArgumentList(const Argument *argument);

// The arguments joined, each followed by one blank (the form the log shows).
QString ArgumentText(const Argument *argument);

// Writes text into one of the record's fixed string fields. Returns false, leaving the field
// empty, when the UTF-8 text needs MaxCharLength bytes or more.
bool SetOptionText(char (&field)[MaxCharLength], const QString &text);
QString OptionText(const char (&field)[MaxCharLength]);

// A zero-filled option record.
VideoConvertOptions MakeVideoConvertOptions();

// Ownership for callers that hold a vector across early returns.
struct ArgumentDeleter
{
    void operator()(Argument *argument) const { FreeArgument(argument); }
};
using ArgumentPtr = std::unique_ptr<Argument, ArgumentDeleter>;
