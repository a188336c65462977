#include "core/regex/DNRegex.h"
#include "core/regex/RegexCache.h"

#include <gtest/gtest.h>

#include <functional>

#include <unicode/utypes.h>

using namespace DNRegex;

namespace {

// Carriage return + line feed, a lone line feed or carriage return, or a Unicode line or
// paragraph separator: how the player's output is cut into lines.
const QString kLineBreak = QStringLiteral("(?:\\r\\n|[\\n\\r\\u2028\\u2029])");
const QString kLength = QStringLiteral("^ID_LENGTH=(.*)$");

TEST(DNRegex, StringByMatchingPicksTheValueOfAStatusLine)
{
    const struct
    {
        QString line;
        QString value; // null: no match
    } cases[] = {
        {QStringLiteral("ID_LENGTH=12.34"), QStringLiteral("12.34")},
        {QStringLiteral("ID_LENGTH="), QStringLiteral("")},
        {QStringLiteral("XID_LENGTH=5"), QString()},
        {QStringLiteral("ID_VIDEO_WIDTH=720"), QString()},
        {QStringLiteral(""), QString()},
    };
    for (const auto &c : cases) {
        const QString value = stringByMatching(c.line, kLength, 1);
        EXPECT_EQ(value, c.value) << c.line.toStdString();
        EXPECT_EQ(value.isNull(), c.value.isNull()) << c.line.toStdString();
    }
    EXPECT_EQ(stringByMatching(QStringLiteral("ID_LENGTH=7"), kLength), QStringLiteral("ID_LENGTH=7"));
}

TEST(DNRegex, ComponentsSeparatedByLineBreaks)
{
    const struct
    {
        QString text;
        QStringList lines;
    } cases[] = {
        {QStringLiteral("one\r\ntwo\nthree"), {"one", "two", "three"}},
        {QStringLiteral("a\rb") + QChar(0x2028) + QStringLiteral("c") + QChar(0x2029) + QStringLiteral("d"),
         {"a", "b", "c", "d"}},
        {QStringLiteral("a\n\nb\n"), {"a", "", "b", ""}},
        {QStringLiteral("no break"), {"no break"}},
        {QStringLiteral(""), {""}},
    };
    for (const auto &c : cases) {
        Error error;
        EXPECT_EQ(componentsSeparatedByRegex(c.text, kLineBreak, RKLNoOptions, Range::whole(), &error), c.lines)
            << c.text.toStdString();
        EXPECT_FALSE(error.isSet());
    }
}

TEST(DNRegex, CaptureComponentsOfTheFirstMatch)
{
    EXPECT_TRUE(captureComponentsMatchedByRegex(QStringLiteral("xyz"), QStringLiteral("(a)(b)")).isEmpty());

    const QStringList captures = captureComponentsMatchedByRegex(QStringLiteral("zab zab"), QStringLiteral("(a)(x)?(b)"));
    EXPECT_EQ(captures, QStringList({"ab", "a", "", "b"}));
    ASSERT_EQ(captures.size(), 4);
    EXPECT_FALSE(captures.at(2).isNull()); // a capture that took no part is an empty string

    EXPECT_EQ(arrayOfCaptureComponentsMatchedByRegex(QStringLiteral("k1=v1;k2=v2"), QStringLiteral("(\\w+)=(\\w+)")),
              QList<QStringList>({{"k1=v1", "k1", "v1"}, {"k2=v2", "k2", "v2"}}));
    EXPECT_EQ(componentsMatchedByRegex(QStringLiteral("k1=v1;k2=v2"), QStringLiteral("(\\w+)=(\\w+)"), 2),
              QStringList({"v1", "v2"}));
    EXPECT_EQ(rangeOfRegex(QStringLiteral("k1=v1"), QStringLiteral("(\\w+)=(\\w+)"), 2), (Range{3, 2}));
    EXPECT_EQ(rangeOfRegex(QStringLiteral("k1"), QStringLiteral("="), 0), Range::notFound());
}

TEST(DNRegex, DictionariesOfCaptures)
{
    const QString text = QStringLiteral("ID_AUDIO_ID=128 ID_AUDIO_ID=129");
    const QString regex = QStringLiteral("ID_(\\w+?)_ID=(\\d+)");
    const QStringList keys = {"kind", "id"};
    const QList<int> captures = {1, 2};

    EXPECT_EQ(dictionaryByMatchingRegex(text, regex, keys, captures),
              (QVariantMap{{"kind", "AUDIO"}, {"id", "128"}}));
    const QList<QVariantMap> all = arrayOfDictionariesByMatchingRegex(text, regex, keys, captures);
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all.at(1).value("id").toString(), QStringLiteral("129"));
    EXPECT_TRUE(dictionaryByMatchingRegex(QStringLiteral("none"), regex, keys, captures).isEmpty());

    Error error;
    EXPECT_TRUE(dictionaryByMatchingRegex(text, regex, keys, {1, 3}, RKLNoOptions, Range::whole(), &error).isEmpty());
    EXPECT_EQ(error.domain, QStringLiteral("NSInvalidArgumentException"));
    EXPECT_EQ(error.reason, QStringLiteral("The capture argument 3 (capture 2 of 2) for key 'id' is not valid."));
    EXPECT_TRUE(dictionaryByMatchingRegex(text, regex, keys, {1}, RKLNoOptions, Range::whole(), &error).isEmpty());
    EXPECT_EQ(error.reason, QStringLiteral("The captures argument is NULL."));
}

TEST(DNRegex, ReplacesEveryMatchWithIcuSyntax)
{
    const struct
    {
        QString text;
        QString regex;
        QString replacement;
        QString result;
    } cases[] = {
        {QStringLiteral("John Smith"), QStringLiteral("(\\w+) (\\w+)"), QStringLiteral("$2, $1"), QStringLiteral("Smith, John")},
        {QStringLiteral("a.b.c"), QStringLiteral("\\."), QStringLiteral("/"), QStringLiteral("a/b/c")},
        {QStringLiteral("abc"), QStringLiteral("x*"), QStringLiteral("-"), QStringLiteral("-a-b-c-")},
        {QStringLiteral("cost 5"), QStringLiteral("\\d"), QStringLiteral("\\$$0"), QStringLiteral("cost $5")},
        {QStringLiteral("nothing"), QStringLiteral("\\d"), QStringLiteral("#"), QStringLiteral("nothing")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(stringByReplacingOccurrencesOfRegex(c.text, c.regex, c.replacement), c.result)
            << c.text.toStdString() << " / " << c.regex.toStdString();

    // A result far longer than the first guess of its size.
    const QString longReplacement = QString(200, QLatin1Char('x'));
    const QString grown = stringByReplacingOccurrencesOfRegex(QString(100, QLatin1Char('a')), QStringLiteral("a"), longReplacement);
    EXPECT_EQ(grown, QString(20000, QLatin1Char('x')));

    QString inPlace = QStringLiteral("a1b2c3");
    EXPECT_EQ(replaceOccurrencesOfRegex(inPlace, QStringLiteral("\\d"), QStringLiteral("#"), RKLNoOptions, {2, 4}), 2);
    EXPECT_EQ(inPlace, QStringLiteral("a1b#c#"));
}

TEST(DNRegex, RangesLimitTheSearch)
{
    const QString text = QStringLiteral("a1b2c3");
    EXPECT_EQ(componentsMatchedByRegex(text, QStringLiteral("\\d"), 0, RKLNoOptions, {2, 4}), QStringList({"2", "3"}));
    EXPECT_EQ(componentsMatchedByRegex(text, QStringLiteral("\\d"), 0, RKLNoOptions, {0, RestOfString}),
              QStringList({"1", "2", "3"}));
    EXPECT_EQ(componentsSeparatedByRegex(text, QStringLiteral("\\d"), RKLNoOptions, {1, 3}), QStringList({"", "b", ""}));
    EXPECT_TRUE(isMatchedByRegex(QStringLiteral("HELLO"), QStringLiteral("hello"), RKLCaseless));
    EXPECT_FALSE(isMatchedByRegex(QStringLiteral("HELLO"), QStringLiteral("hello")));

    for (const Range range : {Range{0, 7}, Range{7, 0}, Range{5, 2}, Range{-1, 1}}) {
        Error error;
        EXPECT_FALSE(isMatchedByRegex(text, QStringLiteral("a"), RKLNoOptions, range, &error));
        EXPECT_EQ(error.domain, QStringLiteral("NSRangeException"));
        EXPECT_EQ(error.reason, QStringLiteral("Range or index out of bounds."));
    }
}

// A bad expression or argument gives a clear error and the not-found value, never a crash.
TEST(DNRegex, InvalidExpressionsAndArgumentsFailCleanly)
{
    const QString bad = QStringLiteral("(unclosed");
    Error error;
    EXPECT_EQ(captureCount(bad, RKLNoOptions, &error), -1);
    EXPECT_FALSE(isRegexValid(bad));
    EXPECT_EQ(error.domain, QStringLiteral("RKLICURegexErrorDomain"));
    EXPECT_EQ(error.code, int(U_REGEX_MISMATCHED_PAREN));
    EXPECT_EQ(error.userInfo.value("RKLICURegexErrorName").toString(), QStringLiteral("U_REGEX_MISMATCHED_PAREN"));
    EXPECT_EQ(error.userInfo.value("RKLICURegexRegex").toString(), bad);
    EXPECT_EQ(error.userInfo.value("NSLocalizedDescription").toString(),
              QStringLiteral("There was an error compiling the regular expression."));
    EXPECT_TRUE(error.reason.startsWith(QStringLiteral("The error U_REGEX_MISMATCHED_PAREN occurred")))
        << error.reason.toStdString();

    const QString text = QStringLiteral("some (text");
    EXPECT_TRUE(stringByMatching(text, bad).isNull());
    EXPECT_TRUE(componentsSeparatedByRegex(text, bad).isEmpty());
    EXPECT_TRUE(stringByReplacingOccurrencesOfRegex(text, bad, QStringLiteral("x")).isNull());
    EXPECT_EQ(rangeOfRegex(text, bad), Range::notFound());
    QString kept = text;
    EXPECT_EQ(replaceOccurrencesOfRegex(kept, bad, QStringLiteral("x")), -1);
    EXPECT_EQ(kept, text);

    EXPECT_EQ(captureCount(QStringLiteral("(a)(b)?")), 2);

    const struct
    {
        QString domain;
        QString reason;
        std::function<void(Error *)> call;
    } misuse[] = {
        {"NSInvalidArgumentException", "The regular expression argument is NULL.",
         [&](Error *e) { EXPECT_FALSE(isMatchedByRegex(text, QString(), RKLNoOptions, Range::whole(), e)); }},
        {"NSInvalidArgumentException", "The capture argument is not valid.",
         [&](Error *e) { EXPECT_TRUE(stringByMatching(text, QStringLiteral("(s)"), 2, RKLNoOptions, Range::whole(), e).isNull()); }},
        {"NSInvalidArgumentException", "The capture argument is not valid.",
         [&](Error *e) { EXPECT_TRUE(componentsMatchedByRegex(text, QStringLiteral("s"), -1, RKLNoOptions, Range::whole(), e).isEmpty()); }},
        {"NSInvalidArgumentException", "The replacement string argument is NULL.",
         [&](Error *e) { EXPECT_TRUE(stringByReplacingOccurrencesOfRegex(text, QStringLiteral("s"), QString(), RKLNoOptions, Range::whole(), e).isNull()); }},
    };
    for (const auto &m : misuse) {
        Error e;
        m.call(&e);
        EXPECT_EQ(e.domain, m.domain) << m.reason.toStdString();
        EXPECT_EQ(e.reason, m.reason);
    }
}

TEST(DNRegex, ChangedSubjectGivesResultsForTheNewContent)
{
    QString line = QStringLiteral("ID_LENGTH=1");
    EXPECT_EQ(stringByMatching(line, kLength, 1), QStringLiteral("1"));
    line[10] = QLatin1Char('2'); // same length, changed in place
    EXPECT_EQ(stringByMatching(line, kLength, 1), QStringLiteral("2"));
    line.append(QStringLiteral("34"));
    EXPECT_EQ(stringByMatching(line, kLength, 1), QStringLiteral("234"));
    flushCachedRegexData(line);
    EXPECT_EQ(stringByMatching(line, kLength, 1), QStringLiteral("234"));
    clearStringCache();
    EXPECT_EQ(stringByMatching(line, kLength, 1), QStringLiteral("234"));
}

// The cache holds 52 expressions: one used again at once is not compiled again; after more
// distinct expressions than the cache holds it has been evicted and is compiled anew.
TEST(DNRegex, CacheKeepsRecentExpressionsAndEvictsOldOnes)
{
    using talvane::regex::compileCount;
    clearStringCache();
    const QString subject = QStringLiteral("p0 p1 p2");
    const QString kept = QStringLiteral("p(\\d)");
    EXPECT_EQ(stringByMatching(subject, kept, 1), QStringLiteral("0"));
    const quint64 afterFirst = compileCount();
    EXPECT_EQ(stringByMatching(subject, kept, 1), QStringLiteral("0"));
    EXPECT_EQ(compileCount(), afterFirst);

    const int others = 600; // spread over every set of the cache, several times each
    for (int i = 0; i < others; ++i) {
        const QString regex = QStringLiteral("p%1(?:x{0,%2})").arg(i % 3).arg(i);
        EXPECT_EQ(stringByMatching(subject, regex), QStringLiteral("p%1").arg(i % 3)) << i;
    }
    const quint64 afterOthers = compileCount();
    EXPECT_EQ(afterOthers, afterFirst + others);
    EXPECT_EQ(stringByMatching(subject, kept, 1), QStringLiteral("0"));
    EXPECT_EQ(compileCount(), afterOthers + 1);
}

} // namespace
