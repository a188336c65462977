// Black-border detection on frames of authored letterboxed and pillarboxed clips (H.264, decoded
// by ffmpeg): the bands are known, the proposed picture must lie within two pixels of them, and a
// near-black scene is not taken for a band.
#include "core/image/DNBlackRegion.h"

#include "support/frames.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *file;
    QRectF picture;   // bottom-left origin, as the detection answers
};

QImage frameOf(const QString &relative)
{
    const auto frame = testsupport::grabFrame(testsupport::fixturePath(relative), 0.5);
    if (!frame)
        return QImage();
    return QImage(reinterpret_cast<const uchar *>(frame->rgb.constData()), frame->width, frame->height,
                  frame->width * 3, QImage::Format_RGB888)
        .copy();
}

class BlackRegionMedia : public testing::TestWithParam<Case>
{
};

} // namespace

TEST_P(BlackRegionMedia, FindsThePictureWithinTwoPixels)
{
    const Case &c = GetParam();
    const QImage frame = frameOf(QStringLiteral("borders/") + QLatin1String(c.file));
    ASSERT_FALSE(frame.isNull()) << c.file;
    const QRectF found = DNBlackRegion::extentByDividingBlackRegion(frame);
    EXPECT_NEAR(found.left(), c.picture.left(), 2.0) << c.file;
    EXPECT_NEAR(found.top(), c.picture.top(), 2.0) << c.file;
    EXPECT_NEAR(found.right(), c.picture.right(), 2.0) << c.file;
    EXPECT_NEAR(found.bottom(), c.picture.bottom(), 2.0) << c.file;
}

// Rows 60..419 of 480 lie 60..419 from the bottom too; the 2.40:1 picture's rows 90..389 of 480
// likewise.
INSTANTIATE_TEST_SUITE_P(
    AuthoredBands, BlackRegionMedia,
    testing::Values(Case{"letterbox.mp4", QRectF(0, 60, 640, 360)}, Case{"pillarbox.mp4", QRectF(80, 0, 480, 480)},
                    Case{"noisy_letterbox.mp4", QRectF(0, 90, 720, 300)},
                    Case{"dark_letterbox.mp4", QRectF(0, 60, 640, 360)},
                    Case{"dark_scene.mp4", QRectF(0, 0, 640, 480)}),
    [](const testing::TestParamInfo<Case> &info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });
