#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <cstdint>
#include <limits>

// Regular-expression operations on strings over the ICU engine, with a process-wide cache of
// compiled expressions so that the many short calls made on the same few expressions (reading a
// player's output line by line) compile each expression once. Every function may be called from
// any thread.
//
// Each function is named by the first selector word of the string category it stands for and takes
// the subject string first. Failures never throw: the function returns its not-found value (an empty
// list or map, a null string, false, -1 or a range at DNRegex::NotFound) and, when `error` is given,
// says why.
namespace DNRegex {

// Handed to ICU unchanged as its flags.
using RKLRegexOptions = std::uint32_t;
constexpr RKLRegexOptions RKLNoOptions = 0;
constexpr RKLRegexOptions RKLCaseless = 2;
constexpr RKLRegexOptions RKLComments = 4;
constexpr RKLRegexOptions RKLMultiline = 8;
constexpr RKLRegexOptions RKLDotAll = 32;
constexpr RKLRegexOptions RKLUnicodeWordBoundaries = 256;

constexpr qsizetype NotFound = std::numeric_limits<qsizetype>::max();
// As a length: everything from the location to the end of the string.
constexpr qsizetype RestOfString = std::numeric_limits<qsizetype>::max();

// A span of UTF-16 units.
struct Range
{
    qsizetype location = 0;
    qsizetype length = RestOfString;

    static constexpr Range whole() { return {0, RestOfString}; }
    static constexpr Range notFound() { return {NotFound, 0}; }
    bool found() const { return location != NotFound; }
    bool operator==(const Range &) const = default;
};

// Why an operation failed. A compile error has the domain "RKLICURegexErrorDomain", the ICU status
// as its code and the keys "RKLICURegexRegex", "RKLICURegexRegexOptions", "RKLICURegexErrorCode",
// "RKLICURegexErrorName", "RKLICURegexLine", "RKLICURegexOffset", "RKLICURegexPreContext",
// "RKLICURegexPostContext", "NSLocalizedDescription" and "NSLocalizedFailureReason" in userInfo.
// A bad argument has the name of the condition as its domain ("NSInvalidArgumentException",
// "NSRangeException", "NSInternalInconsistencyException") and the message as its reason.
struct Error
{
    QString domain;
    int code = 0;
    QString reason;
    QVariantMap userInfo;

    bool isSet() const { return !domain.isEmpty(); }
};

// Compile only; the expression is the argument. -1 when it does not compile.
int captureCount(const QString &regex, RKLRegexOptions options = RKLNoOptions, Error *error = nullptr);
bool isRegexValid(const QString &regex, RKLRegexOptions options = RKLNoOptions, Error *error = nullptr);

// The pieces of the string between matches, in order (an empty piece is an empty string).
QStringList componentsSeparatedByRegex(const QString &string, const QString &regex,
                                       RKLRegexOptions options = RKLNoOptions, Range range = Range::whole(),
                                       Error *error = nullptr);

bool isMatchedByRegex(const QString &string, const QString &regex, RKLRegexOptions options = RKLNoOptions,
                      Range range = Range::whole(), Error *error = nullptr);

// The range of the first match, or of its capture; Range::notFound() when none.
Range rangeOfRegex(const QString &string, const QString &regex, int capture = 0,
                   RKLRegexOptions options = RKLNoOptions, Range range = Range::whole(), Error *error = nullptr);

// The text of the first match or of its capture; a null string when there is no match.
QString stringByMatching(const QString &string, const QString &regex, int capture = 0,
                         RKLRegexOptions options = RKLNoOptions, Range range = Range::whole(),
                         Error *error = nullptr);

// Every match in the range replaced (ICU replacement syntax, "$1" for a capture); null on failure.
QString stringByReplacingOccurrencesOfRegex(const QString &string, const QString &regex,
                                            const QString &replacement, RKLRegexOptions options = RKLNoOptions,
                                            Range range = Range::whole(), Error *error = nullptr);

// Replaces in place; the number of replacements, -1 on failure (the string is then unchanged).
qsizetype replaceOccurrencesOfRegex(QString &string, const QString &regex, const QString &replacement,
                                    RKLRegexOptions options = RKLNoOptions, Range range = Range::whole(),
                                    Error *error = nullptr);

// The text of every match (or of the given capture of every match).
QStringList componentsMatchedByRegex(const QString &string, const QString &regex, int capture = 0,
                                     RKLRegexOptions options = RKLNoOptions, Range range = Range::whole(),
                                     Error *error = nullptr);

// The captures of the first match, capture 0 (the whole match) first; a capture that took no part
// is an empty string. Empty when there is no match.
QStringList captureComponentsMatchedByRegex(const QString &string, const QString &regex,
                                            RKLRegexOptions options = RKLNoOptions,
                                            Range range = Range::whole(), Error *error = nullptr);

// The same for every match.
QList<QStringList> arrayOfCaptureComponentsMatchedByRegex(const QString &string, const QString &regex,
                                                          RKLRegexOptions options = RKLNoOptions,
                                                          Range range = Range::whole(), Error *error = nullptr);

// Key i -> text of capture captures[i] of the first match; empty when there is no match.
QVariantMap dictionaryByMatchingRegex(const QString &string, const QString &regex, const QStringList &keys,
                                      const QList<int> &captures, RKLRegexOptions options = RKLNoOptions,
                                      Range range = Range::whole(), Error *error = nullptr);

// The same for every match.
QList<QVariantMap> arrayOfDictionariesByMatchingRegex(const QString &string, const QString &regex,
                                                      const QStringList &keys, const QList<int> &captures,
                                                      RKLRegexOptions options = RKLNoOptions,
                                                      Range range = Range::whole(), Error *error = nullptr);

// Forgets every compiled expression and every subject string the cache holds.
void clearStringCache();
// Forgets every use of this string as a subject; compiled expressions stay.
void flushCachedRegexData(const QString &string);

} // namespace DNRegex
