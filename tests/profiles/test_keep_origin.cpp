#include "profiles/DNProfileKeepOrigin.h"

#include <gtest/gtest.h>

namespace {

struct KeepOriginCase
{
    QString value;
    bool frameRate; // the strict test shared by frame rate, aspect, resolution and plain strings
    bool audioCodec;
};

TEST(KeepOrigin, StrictFieldsMatchOnlyTheLowerCaseWordWhileTheAudioCodecIgnoresCase)
{
    const KeepOriginCase cases[] = {
        {QStringLiteral("keep origin"), true, true},
        {QStringLiteral("Keep Origin"), false, true},
        {QStringLiteral("KEEP ORIGIN"), false, true},
        {QStringLiteral("keep origin "), false, false},
        {QStringLiteral("29.97"), false, false},
        {QStringLiteral(""), false, false},
        {QString(), false, true}, // no codec at all means copying
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value.isNull() ? QStringLiteral("<null>").toStdString() : c.value.toStdString());
        EXPECT_EQ(IsKeepOriginFrameRate(c.value), c.frameRate);
        EXPECT_EQ(IsKeepOriginAspect(c.value), c.frameRate);
        EXPECT_EQ(IsKeepOriginResolution(c.value), c.frameRate);
        EXPECT_EQ(IsKeepOriginString(c.value), c.frameRate);
        EXPECT_EQ(IsKeepOriginAudioCodec(c.value), c.audioCodec);
    }
}

TEST(KeepOrigin, ResolveFrameRateUsesTheSourceRateOnlyForTheExactWord)
{
    EXPECT_EQ(ResolveKeepOriginFrameRate(QStringLiteral("keep origin"), 29.97f), QStringLiteral("29.97"));
    EXPECT_EQ(ResolveKeepOriginFrameRate(QStringLiteral("keep origin"), 25.0f), QStringLiteral("25.00"));
    EXPECT_EQ(ResolveKeepOriginFrameRate(QStringLiteral("Keep Origin"), 25.0f), QStringLiteral("Keep Origin"));
    EXPECT_EQ(ResolveKeepOriginFrameRate(QStringLiteral("23.976"), 25.0f), QStringLiteral("23.976"));
}

TEST(KeepOrigin, FormatAspectString)
{
    const struct {
        QString value;
        QString separator;
        QString expected;
    } cases[] = {
        {QStringLiteral("16x9"), QStringLiteral(":"), QStringLiteral("16:9")},
        {QStringLiteral("4x3"), QStringLiteral("/"), QStringLiteral("4/3")},
        {QStringLiteral("2.35x1"), QStringLiteral(":"), QStringLiteral("2.35")},
        {QStringLiteral("1.78x1"), QStringLiteral(":"), QStringLiteral("1.78")},
        {QStringLiteral("keep origin"), QStringLiteral(":"), QStringLiteral("keep origin")},
        {QStringLiteral("16x9x2"), QStringLiteral(":"), QStringLiteral("16:9:2")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatAspectString(c.value, c.separator), c.expected) << c.value.toStdString();
}

TEST(KeepOrigin, AspectAndResolutionSizes)
{
    const QSizeF fallback(720, 480);
    const struct {
        QString value;
        QSizeF aspect;
        QSizeF resolution;
    } cases[] = {
        {QStringLiteral("4x3"), QSizeF(4, 3), QSizeF(4, 3)},
        {QStringLiteral("640x480"), QSizeF(640, 480), QSizeF(640, 480)},
        // The resolution is lower-cased first; the aspect is not, so a capital X is no separator.
        {QStringLiteral("640X480"), QSizeF(1, 1), QSizeF(640, 480)},
        {QStringLiteral("KEEP ORIGIN"), fallback, fallback},
        {QStringLiteral("keep origin"), fallback, fallback},
        {QStringLiteral("16"), QSizeF(1, 1), fallback},
        {QStringLiteral("1x2x3"), QSizeF(1, 1), fallback},
        {QStringLiteral("2.35x1"), QSizeF(2, 1), QSizeF(2, 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        EXPECT_EQ(AspectSizeFromString(c.value, fallback), c.aspect);
        EXPECT_EQ(ResolutionSizeFromString(c.value, fallback), c.resolution);
    }
}

} // namespace
