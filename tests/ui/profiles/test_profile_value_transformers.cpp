// How the settings sheet shows profile values and reads the shown texts back.
#include "ui/profiles/NXProfileValueTransformers.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *value;
    const char *shown;
    const char *readBack;
};

TEST(ProfileValueTransformers, FrameRatesBitratesAndKeepOrigin)
{
    const Case fps[] = {
        {"25", "25 fps", "25"},
        {"29.97", "29.97 fps", "29.97"},
        {"keep origin", "keep origin", "keep origin"},
        // Only the exact lower-case word means the source's rate.
        {"Keep Origin", "Keep Origin fps", "Keep Origin"},
    };
    for (const Case &c : fps) {
        const QString shown = FPSStringValueTransformer::transformedValue(QString::fromLatin1(c.value));
        EXPECT_EQ(shown, QString::fromLatin1(c.shown)) << c.value;
        EXPECT_EQ(FPSStringValueTransformer::reverseTransformedValue(shown), QString::fromLatin1(c.readBack)) << c.value;
    }
    const Case kbps[] = {
        {"128", "128 Kbps", "128"},
        {"Smart Match (VBR)", "Smart Match (VBR)", "Smart Match (VBR)"},
    };
    for (const Case &c : kbps) {
        const QString shown = KBPSStringValueTransformer::transformedValue(QString::fromLatin1(c.value));
        EXPECT_EQ(shown, QString::fromLatin1(c.shown)) << c.value;
        EXPECT_EQ(KBPSStringValueTransformer::reverseTransformedValue(shown), QString::fromLatin1(c.readBack)) << c.value;
    }
    // The list form treats the audio codec's keep origin in any letter case as the word itself.
    EXPECT_EQ(KBPSValueTransformer::transformedValue({QStringLiteral("96"), QStringLiteral("Keep Origin"),
                                                      QStringLiteral("Smart Match")}),
              (QStringList {QStringLiteral("96 Kbps"), QStringLiteral("Keep Origin"), QStringLiteral("Smart Match")}));
    EXPECT_EQ(FPSValueTransformer::transformedValue({QStringLiteral("keep origin"), QStringLiteral("24")}),
              (QStringList {QStringLiteral("keep origin"), QStringLiteral("24 fps")}));
    EXPECT_EQ(KeepOriginTransformer::transformedValue({QStringLiteral("keep origin"), QStringLiteral("640x480")}),
              (QStringList {QStringLiteral("keep origin"), QStringLiteral("640x480")}));
    EXPECT_EQ(KeepOriginStringValueTransformer::reverseTransformedValue(QStringLiteral("keep origin")),
              QStringLiteral("keep origin"));
    EXPECT_EQ(KeepOriginStringValueTransformer::reverseTransformedValue(QStringLiteral("16x9")), QStringLiteral("16x9"));
    // A text too short to hold its unit reads back empty, never as garbage.
    EXPECT_EQ(FPSStringValueTransformer::reverseTransformedValue(QStringLiteral("fp")), QString());
}

} // namespace
