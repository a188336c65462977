#include "core/regex/RegexCache.h"

#include <QHash>

#include <array>
#include <thread>

namespace talvane::regex {

SpinLock rkl_cacheSpinLock;

void SpinLock::lock()
{
    while (m_flag.test_and_set(std::memory_order_acquire)) {
        while (m_flag.test(std::memory_order_relaxed))
            std::this_thread::yield();
    }
}

void SpinLock::unlock()
{
    m_flag.clear(std::memory_order_release);
}

namespace {

constexpr int kSets = 13;
constexpr int kWays = 4;
// As if the entries of a set had been used in the order 3, 2, 1, 0: entry 3 is filled first.
constexpr quint16 kFreshLruRecord = 0x0137;

std::array<CachedRegex, kSets * kWays> rkl_cachedRegexes;
std::array<quint16, kSets> rkl_lruRecords = [] {
    std::array<quint16, kSets> records{};
    records.fill(kFreshLruRecord);
    return records;
}();
CachedRegex *rkl_lastCachedRegex = nullptr;
quint64 rkl_compileCount = 0;

// Row w (bits 4w..4w+3) belongs to entry w; inside a row entry v is bit 3 - v. Using entry w fills
// its row and clears its bit in every row, so the least recently used entry has an empty row.
void markUsed(quint16 &record, int way)
{
    record |= quint16(0xF << (4 * way));
    for (int row = 0; row < kWays; ++row)
        record &= quint16(~(1u << (4 * row + 3 - way)));
}

int leastRecentlyUsed(quint16 record)
{
    for (int way = kWays - 1; way >= 0; --way) {
        if (((record >> (4 * way)) & 0xF) == 0)
            return way;
    }
    return kWays - 1;
}

void clearEntry(CachedRegex &entry)
{
    if (entry.icu)
        uregex_close(entry.icu);
    entry = CachedRegex();
}

void markHit(CachedRegex *entry)
{
    const auto index = static_cast<int>(entry - rkl_cachedRegexes.data());
    markUsed(rkl_lruRecords[index / kWays], index % kWays);
    rkl_lastCachedRegex = entry;
}

bool sameText(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

} // namespace

CachedRegex *cachedRegex(const QString &regex, DNRegex::RKLRegexOptions options, UErrorCode *status,
                         UParseError *parseError)
{
    CachedRegex *last = rkl_lastCachedRegex;
    if (last && last->icu && last->options == options && last->regexText.constData() == regex.constData()
        && last->regexText.size() == regex.size())
        return last;

    const std::size_t hash = qHash(regex);
    const int set = static_cast<int>((hash ^ options) % kSets);
    CachedRegex *first = &rkl_cachedRegexes[set * kWays];
    for (int way = 0; way < kWays; ++way) {
        CachedRegex &entry = first[way];
        if (entry.icu && entry.hash == hash && entry.options == options && sameText(entry.regexText, regex)) {
            markHit(&entry);
            return &entry;
        }
    }

    CachedRegex &victim = first[leastRecentlyUsed(rkl_lruRecords[set])];
    if (rkl_lastCachedRegex == &victim)
        rkl_lastCachedRegex = nullptr;
    clearEntry(victim);
    ++rkl_compileCount;
    URegularExpression *icu = uregex_open(reinterpret_cast<const UChar *>(regex.utf16()),
                                          static_cast<int32_t>(regex.size()), options, parseError, status);
    if (U_FAILURE(*status) || !icu) {
        if (icu)
            uregex_close(icu);
        if (!U_FAILURE(*status))
            *status = U_INTERNAL_PROGRAM_ERROR;
        return nullptr;
    }
    const int32_t groups = uregex_groupCount(icu, status);
    if (U_FAILURE(*status)) {
        uregex_close(icu);
        return nullptr;
    }
    victim.regexText = regex;
    victim.hash = hash;
    victim.options = options;
    victim.icu = icu;
    victim.captureCount = groups;
    markHit(&victim);
    return &victim;
}

bool setSubject(CachedRegex *entry, const QString &subject, UErrorCode *status)
{
    // Sharing the entry's copy means the text cannot have changed since: a writer detaches first.
    if (entry->subjectSet && entry->subject.constData() == subject.constData()
        && entry->subject.size() == subject.size())
        return true;
    entry->subject = subject;
    entry->subjectSet = false;
    static const char16_t empty[1] = {0};
    const UChar *text = subject.isEmpty() ? reinterpret_cast<const UChar *>(empty)
                                          : reinterpret_cast<const UChar *>(entry->subject.utf16());
    uregex_setText(entry->icu, text, static_cast<int32_t>(subject.size()), status);
    if (U_FAILURE(*status)) {
        entry->subject = QString();
        return false;
    }
    entry->subjectSet = true;
    return true;
}

void clearCache()
{
    rkl_lastCachedRegex = nullptr;
    for (CachedRegex &entry : rkl_cachedRegexes)
        clearEntry(entry);
    rkl_lruRecords.fill(kFreshLruRecord);
}

void flushSubject(const QString &subject)
{
    for (CachedRegex &entry : rkl_cachedRegexes) {
        if (entry.subjectSet && entry.subject.constData() == subject.constData()
            && entry.subject.size() == subject.size()) {
            entry.subject = QString();
            entry.subjectSet = false;
        }
    }
}

quint64 compileCount()
{
    return rkl_compileCount;
}

} // namespace talvane::regex
