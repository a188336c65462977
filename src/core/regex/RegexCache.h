#pragma once

#include "core/regex/DNRegex.h"

#include <QString>

#include <atomic>
#include <unicode/uregex.h>

// The process-wide cache of compiled expressions behind DNRegex: 52 entries in 13 sets of 4, each
// set with its own least-recently-used record, plus the last entry used. Everything in it is
// guarded by rkl_cacheSpinLock; the functions below expect the caller to hold it.
namespace talvane::regex {

class SpinLock
{
public:
    void lock();
    void unlock();

private:
    std::atomic_flag m_flag = ATOMIC_FLAG_INIT;
};

extern SpinLock rkl_cacheSpinLock;

class CacheLocker
{
public:
    CacheLocker() { rkl_cacheSpinLock.lock(); }
    ~CacheLocker() { unlock(); }
    CacheLocker(const CacheLocker &) = delete;
    CacheLocker &operator=(const CacheLocker &) = delete;
    void unlock()
    {
        if (m_locked) {
            m_locked = false;
            rkl_cacheSpinLock.unlock();
        }
    }

private:
    bool m_locked = true;
};

struct CachedRegex
{
    QString regexText;
    std::size_t hash = 0;
    DNRegex::RKLRegexOptions options = 0;
    URegularExpression *icu = nullptr;
    int captureCount = -1;
    // The subject the ICU expression points at; held so its UTF-16 text stays valid.
    QString subject;
    bool subjectSet = false;
};

// The compiled entry for the expression and options, compiling it on a miss (evicting the least
// recently used entry of its set). nullptr on a compile error, with `status` and `parseError` set.
CachedRegex *cachedRegex(const QString &regex, DNRegex::RKLRegexOptions options, UErrorCode *status,
                         UParseError *parseError);

// Points the entry's ICU expression at the subject's text (nothing to do when it already is).
bool setSubject(CachedRegex *entry, const QString &subject, UErrorCode *status);

// Closes and forgets everything.
void clearCache();
// Lets go of every entry's hold on this subject.
void flushSubject(const QString &subject);

// How many times an expression has been compiled since the program started (for tests of eviction).
quint64 compileCount();

} // namespace talvane::regex
