#include "core/regex/DNRegex.h"

#include "core/regex/RegexCache.h"

#include <unicode/utypes.h>

#include <vector>

using namespace talvane::regex;

namespace DNRegex {

namespace {

const QString kInvalidArgument = QStringLiteral("NSInvalidArgumentException");
const QString kInconsistency = QStringLiteral("NSInternalInconsistencyException");
const QString kRangeException = QStringLiteral("NSRangeException");
const QString kIcuException = QStringLiteral("RKLICURegexException");
const QString kIcuErrorDomain = QStringLiteral("RKLICURegexErrorDomain");
constexpr qsizetype kIntMax = 2147483647;

// One match: the range of capture 0 (the whole match) and of each capture group; a group that
// took no part is Range::notFound().
using MatchRanges = std::vector<Range>;

struct Matches
{
    int captureCount = -1;
    std::vector<MatchRanges> matches;
};

bool fail(Error *error, const QString &domain, const QString &reason)
{
    if (error) {
        *error = Error();
        error->domain = domain;
        error->reason = reason;
    }
    return false;
}

void recordCompileError(Error *error, const QString &regex, RKLRegexOptions options, UErrorCode status,
                        const UParseError &parse)
{
    if (!error)
        return;
    const QString name = QString::fromLatin1(u_errorName(status));
    const QString pre = QString::fromUtf16(reinterpret_cast<const char16_t *>(parse.preContext));
    const QString post = QString::fromUtf16(reinterpret_cast<const char16_t *>(parse.postContext));
    *error = Error();
    error->domain = kIcuErrorDomain;
    error->code = status;
    error->reason = parse.offset >= 0
        ? QStringLiteral("The error %1 occurred at line %2, column %3: %4<<HERE>>%5")
              .arg(name).arg(parse.line).arg(parse.offset).arg(pre, post)
        : QStringLiteral("The error %1 occurred.").arg(name);
    error->userInfo = {
        {QStringLiteral("RKLICURegexRegex"), regex.isNull() ? QStringLiteral("<NULL regex>") : regex},
        {QStringLiteral("RKLICURegexRegexOptions"), options},
        {QStringLiteral("RKLICURegexErrorCode"), int(status)},
        {QStringLiteral("RKLICURegexErrorName"), name},
        {QStringLiteral("RKLICURegexLine"), parse.line},
        {QStringLiteral("RKLICURegexOffset"), parse.offset},
        {QStringLiteral("RKLICURegexPreContext"), pre},
        {QStringLiteral("RKLICURegexPostContext"), post},
        {QStringLiteral("NSLocalizedDescription"),
         QStringLiteral("There was an error compiling the regular expression.")},
        {QStringLiteral("NSLocalizedFailureReason"), error->reason},
    };
}

bool failIcu(Error *error, UErrorCode status)
{
    return fail(error, kIcuException,
                QStringLiteral("ICU regular expression error #%1, %2.")
                    .arg(int(status)).arg(QString::fromLatin1(u_errorName(status))));
}

// The range made concrete: a RestOfString length reaches the end; a range past the end is refused.
bool resolveRange(const QString &string, Range &range, Error *error)
{
    const qsizetype size = string.size();
    if (size >= kIntMax)
        return fail(error, kRangeException, QStringLiteral("String length exceeds INT_MAX."));
    if (range.location < 0 || range.length < 0 || range.location > size)
        return fail(error, kRangeException, QStringLiteral("Range or index out of bounds."));
    if (range.length == RestOfString)
        range.length = size - range.location;
    else if (range.length > size - range.location)
        return fail(error, kRangeException, QStringLiteral("Range or index out of bounds."));
    return true;
}

// Compiles the expression (or finds it in the cache) with the lock held; the entry or nullptr.
CachedRegex *compiled(CacheLocker &locker, const QString &regex, RKLRegexOptions options, Error *error)
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError parse = {};
    parse.offset = -1;
    CachedRegex *entry = cachedRegex(regex, options, &status, &parse);
    if (!entry) {
        locker.unlock();
        recordCompileError(error, regex, options, status, parse);
    }
    return entry;
}

bool checkRegexArgument(const QString &regex, Error *error)
{
    if (regex.isNull())
        return fail(error, kInvalidArgument, QStringLiteral("The regular expression argument is NULL."));
    if (regex.size() >= kIntMax)
        return fail(error, kRangeException, QStringLiteral("Regex string length exceeds INT_MAX."));
    return true;
}

// Every match in the range (or the first only), with the ranges of its captures. The ICU work is
// done under the cache lock; the caller builds its strings after it is released.
bool findMatches(const QString &string, const QString &regex, RKLRegexOptions options, Range range,
                 bool everyMatch, Matches &out, Error *error)
{
    if (!checkRegexArgument(regex, error) || !resolveRange(string, range, error))
        return false;
    CacheLocker locker;
    CachedRegex *entry = compiled(locker, regex, options, error);
    if (!entry)
        return false;
    out.captureCount = entry->captureCount;
    UErrorCode status = U_ZERO_ERROR;
    if (!setSubject(entry, string, &status))
        return failIcu(error, status);
    uregex_setRegion64(entry->icu, range.location, range.location + range.length, &status);
    // findNext steps past an empty match by itself, so this loop always ends.
    while (U_SUCCESS(status) && uregex_findNext(entry->icu, &status)) {
        MatchRanges match;
        match.reserve(std::size_t(entry->captureCount) + 1);
        for (int group = 0; group <= entry->captureCount && U_SUCCESS(status); ++group) {
            const int64_t start = uregex_start64(entry->icu, group, &status);
            const int64_t end = uregex_end64(entry->icu, group, &status);
            match.push_back(start < 0 ? Range::notFound() : Range{qsizetype(start), qsizetype(end - start)});
        }
        out.matches.push_back(std::move(match));
        if (!everyMatch)
            break;
    }
    if (U_FAILURE(status)) {
        locker.unlock();
        out.matches.clear();
        return failIcu(error, status);
    }
    return true;
}

bool checkCapture(int capture, int captureCount, Error *error)
{
    if (capture < 0 || capture > captureCount)
        return fail(error, kInvalidArgument, QStringLiteral("The capture argument is not valid."));
    return true;
}

QString textOf(const QString &string, Range range)
{
    // An empty piece or a capture that took no part is an empty (never a null) string.
    static const QString empty = QString::fromLatin1("");
    if (!range.found() || range.length == 0)
        return empty;
    return string.mid(range.location, range.length);
}

QStringList capturesOf(const QString &string, const MatchRanges &match)
{
    QStringList texts;
    texts.reserve(qsizetype(match.size()));
    for (const Range &range : match)
        texts.append(textOf(string, range));
    return texts;
}

bool checkKeys(const QStringList &keys, const QList<int> &captures, int captureCount, Error *error)
{
    if (keys.isEmpty())
        return fail(error, kInvalidArgument, QStringLiteral("The keys argument is NULL."));
    if (captures.size() != keys.size())
        return fail(error, kInvalidArgument, QStringLiteral("The captures argument is NULL."));
    const auto count = static_cast<unsigned long>(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.at(i).isNull())
            return fail(error, kInvalidArgument,
                        QStringLiteral("The capture key (key %1 of %2) is NULL.").arg(i + 1).arg(count));
        if (captures.at(i) < 0 || captures.at(i) > captureCount)
            return fail(error, kInvalidArgument,
                        QStringLiteral("The capture argument %1 (capture %2 of %3) for key '%4' is not valid.")
                            .arg(captures.at(i)).arg(i + 1).arg(count).arg(keys.at(i)));
    }
    return true;
}

QVariantMap dictionaryOf(const QString &string, const MatchRanges &match, const QStringList &keys,
                         const QList<int> &captures)
{
    QVariantMap dictionary;
    for (qsizetype i = 0; i < keys.size(); ++i)
        dictionary.insert(keys.at(i), textOf(string, match.at(std::size_t(captures.at(i)))));
    return dictionary;
}

} // namespace

int captureCount(const QString &regex, RKLRegexOptions options, Error *error)
{
    if (!checkRegexArgument(regex, error))
        return -1;
    CacheLocker locker;
    CachedRegex *entry = compiled(locker, regex, options, error);
    return entry ? entry->captureCount : -1;
}

bool isRegexValid(const QString &regex, RKLRegexOptions options, Error *error)
{
    return captureCount(regex, options, error) >= 0;
}

QStringList componentsSeparatedByRegex(const QString &string, const QString &regex, RKLRegexOptions options,
                                       Range range, Error *error)
{
    Matches found;
    if (!findMatches(string, regex, options, range, true, found, error))
        return {};
    resolveRange(string, range, nullptr);
    QStringList pieces;
    qsizetype from = range.location;
    for (const MatchRanges &match : found.matches) {
        pieces.append(textOf(string, {from, match[0].location - from}));
        from = match[0].location + match[0].length;
    }
    pieces.append(textOf(string, {from, range.location + range.length - from}));
    return pieces;
}

bool isMatchedByRegex(const QString &string, const QString &regex, RKLRegexOptions options, Range range,
                      Error *error)
{
    return rangeOfRegex(string, regex, 0, options, range, error).found();
}

Range rangeOfRegex(const QString &string, const QString &regex, int capture, RKLRegexOptions options,
                   Range range, Error *error)
{
    Matches found;
    if (!findMatches(string, regex, options, range, false, found, error)
        || !checkCapture(capture, found.captureCount, error) || found.matches.empty())
        return Range::notFound();
    return found.matches.front().at(std::size_t(capture));
}

QString stringByMatching(const QString &string, const QString &regex, int capture, RKLRegexOptions options,
                         Range range, Error *error)
{
    const Range match = rangeOfRegex(string, regex, capture, options, range, error);
    if (!match.found())
        return {};
    return textOf(string, match);
}

QString stringByReplacingOccurrencesOfRegex(const QString &string, const QString &regex,
                                            const QString &replacement, RKLRegexOptions options, Range range,
                                            Error *error)
{
    QString result = string;
    if (replaceOccurrencesOfRegex(result, regex, replacement, options, range, error) < 0)
        return {};
    return result;
}

qsizetype replaceOccurrencesOfRegex(QString &string, const QString &regex, const QString &replacement,
                                    RKLRegexOptions options, Range range, Error *error)
{
    if (!checkRegexArgument(regex, error) || !resolveRange(string, range, error))
        return -1;
    if (replacement.isNull())
        return fail(error, kInvalidArgument, QStringLiteral("The replacement string argument is NULL.")), -1;
    if (replacement.size() >= kIntMax)
        return fail(error, kRangeException, QStringLiteral("Replacement string length exceeds INT_MAX.")), -1;

    const QString subject = string; // held while ICU reads it, whatever the caller's string does
    CacheLocker locker;
    CachedRegex *entry = compiled(locker, regex, options, error);
    if (!entry)
        return -1;

    const auto *replacementText = reinterpret_cast<const UChar *>(replacement.utf16());
    const auto replacementLength = static_cast<int32_t>(replacement.size());
    qsizetype capacity = subject.size() * 2 + replacementLength + 64;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (capacity >= kIntMax) {
            locker.unlock();
            return fail(error, kRangeException, QStringLiteral("Replaced string length exceeds INT_MAX.")), -1;
        }
        std::vector<UChar> buffer(std::size_t(capacity) + 1);
        UChar *out = buffer.data();
        auto room = static_cast<int32_t>(capacity);
        UErrorCode status = U_ZERO_ERROR;
        UErrorCode appendStatus = U_ZERO_ERROR;
        qsizetype needed = 0;
        qsizetype replaced = 0;
        if (!setSubject(entry, subject, &status)) {
            locker.unlock();
            return failIcu(error, status), -1;
        }
        // Setting the region also resets the matcher, so appending starts at the string's beginning
        // and the text outside the range is copied unchanged.
        uregex_setRegion64(entry->icu, range.location, range.location + range.length, &status);
        while (U_SUCCESS(status) && uregex_findNext(entry->icu, &status)) {
            needed += uregex_appendReplacement(entry->icu, replacementText, replacementLength, &out, &room,
                                               &appendStatus);
            ++replaced;
            if (U_FAILURE(appendStatus) && appendStatus != U_BUFFER_OVERFLOW_ERROR)
                break;
        }
        if (U_SUCCESS(status) && (U_SUCCESS(appendStatus) || appendStatus == U_BUFFER_OVERFLOW_ERROR))
            needed += uregex_appendTail(entry->icu, &out, &room, &appendStatus);
        if (U_FAILURE(status) || (U_FAILURE(appendStatus) && appendStatus != U_BUFFER_OVERFLOW_ERROR)) {
            locker.unlock();
            return failIcu(error, U_FAILURE(status) ? status : appendStatus), -1;
        }
        if (appendStatus == U_BUFFER_OVERFLOW_ERROR) {
            capacity = needed + 1;
            continue;
        }
        const qsizetype length = capacity - room;
        locker.unlock();
        string = QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer.data()), length);
        return replaced;
    }
    locker.unlock();
    return failIcu(error, U_BUFFER_OVERFLOW_ERROR), -1;
}

QStringList componentsMatchedByRegex(const QString &string, const QString &regex, int capture,
                                     RKLRegexOptions options, Range range, Error *error)
{
    Matches found;
    if (!findMatches(string, regex, options, range, true, found, error)
        || !checkCapture(capture, found.captureCount, error))
        return {};
    QStringList texts;
    for (const MatchRanges &match : found.matches)
        texts.append(textOf(string, match.at(std::size_t(capture))));
    return texts;
}

QStringList captureComponentsMatchedByRegex(const QString &string, const QString &regex,
                                            RKLRegexOptions options, Range range, Error *error)
{
    Matches found;
    if (!findMatches(string, regex, options, range, false, found, error) || found.matches.empty())
        return {};
    return capturesOf(string, found.matches.front());
}

QList<QStringList> arrayOfCaptureComponentsMatchedByRegex(const QString &string, const QString &regex,
                                                          RKLRegexOptions options, Range range, Error *error)
{
    Matches found;
    if (!findMatches(string, regex, options, range, true, found, error))
        return {};
    QList<QStringList> all;
    for (const MatchRanges &match : found.matches)
        all.append(capturesOf(string, match));
    return all;
}

QVariantMap dictionaryByMatchingRegex(const QString &string, const QString &regex, const QStringList &keys,
                                      const QList<int> &captures, RKLRegexOptions options, Range range,
                                      Error *error)
{
    Matches found;
    if (!findMatches(string, regex, options, range, false, found, error)
        || !checkKeys(keys, captures, found.captureCount, error) || found.matches.empty())
        return {};
    return dictionaryOf(string, found.matches.front(), keys, captures);
}

QList<QVariantMap> arrayOfDictionariesByMatchingRegex(const QString &string, const QString &regex,
                                                      const QStringList &keys, const QList<int> &captures,
                                                      RKLRegexOptions options, Range range, Error *error)
{
    Matches found;
    if (!findMatches(string, regex, options, range, true, found, error)
        || !checkKeys(keys, captures, found.captureCount, error))
        return {};
    QList<QVariantMap> all;
    for (const MatchRanges &match : found.matches)
        all.append(dictionaryOf(string, match, keys, captures));
    return all;
}

void clearStringCache()
{
    CacheLocker locker;
    clearCache();
}

void flushCachedRegexData(const QString &string)
{
    CacheLocker locker;
    flushSubject(string);
}

} // namespace DNRegex
