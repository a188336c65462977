// The photo-encoding picture: its layers' places, the first photo on the stack, a flight per new
// photo with the pause after it, the photo landing fitted in the movie's screen, and the picture
// without its movie.
#include "../ui_test_support.h"
#include "../../slideshow/slideshow_fixture.h"

#include "core/platform/DNBundle.h"
#include "ui/slideshow/ImgEncodeProgressView.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using slideshowfixture::photoPath;

const QString kTest = QStringLiteral("ui_slideshow_img_encode_progress");

TEST(ImgEncodeProgressView, LayersStandWhereTheyBelong)
{
    uitest::app();
    ImgEncodeProgressView view(QSize(520, 170));
    EXPECT_EQ(view.imageStackLayer().frame, QRectF(0, 5, 160, 160));
    EXPECT_EQ(view.iconRect(), QRectF(25, 30, 110, 110));
    EXPECT_EQ(view.myCurrentLayer().frame, QRectF(25, 30, 110, 110));
    const QImage movie(DNBundle::pathForResource("images/slideshow/movie.png"));
    ASSERT_FALSE(movie.isNull());
    EXPECT_EQ(view.movieIconLayer().frame, QRectF(520 - movie.width(), -8, movie.width(), movie.height()));
    EXPECT_EQ(view.tbRect(), QRectF(520 - movie.width() + 22, -8 + 50, 125, 97));
    EXPECT_EQ(view.startPoint(), QPointF(85, 85));
    EXPECT_EQ(view.endPoint(), QPointF(view.movieIconLayer().frame.center().x(), 85));
    // The flight rises to the top of the view on its way.
    EXPECT_EQ(view.aniamtePath().elementAt(0), view.startPoint());
    EXPECT_DOUBLE_EQ(view.aniamtePath().controlPointRect().bottom(), 170);
    EXPECT_TRUE(view.animateLayer().hidden);
    EXPECT_TRUE(view.aniamtionStoped());
}

TEST(ImgEncodeProgressView, EveryNewPhotoFliesIntoTheMovieWhenNoFlightRuns)
{
    uitest::app();
    ImgEncodeProgressView view(QSize(520, 170));
    view.show();
    EXPECT_FALSE(view.imageBeginEncoding(QString()));
    EXPECT_TRUE(view.myCurrentLayer().contents.isNull());

    // The first photo only fills the stack.
    EXPECT_FALSE(view.imageBeginEncoding(photoPath(0)));
    const QImage first = view.myCurrentLayer().contents;
    ASSERT_FALSE(first.isNull());
    EXPECT_LE(std::max(first.width(), first.height()), ImgEncodeProgressView::kThumbnailPixels);

    // The next one sends the first flying and takes its place.
    EXPECT_TRUE(view.imageBeginEncoding(photoPath(4)));
    EXPECT_FALSE(view.animateLayer().hidden);
    EXPECT_EQ(view.animateLayer().contents, first);
    EXPECT_FALSE(view.aniamtionStoped());
    // Reports during the flight are dropped.
    EXPECT_FALSE(view.imageBeginEncoding(photoPath(5)));
    uitest::serve(450);
    uitest::savePicture(&view, kTest, "in_flight");
    EXPECT_GT(view.animateLayer().frame.center().y(), view.startPoint().y());

    ASSERT_TRUE(uitest::waitFor([&] { return view.animateLayer().hidden; }));
    // Landed in the screen, fitted: the landscape photo is as wide as the screen.
    EXPECT_EQ(view.thumbnailLayer().contents, first);
    EXPECT_DOUBLE_EQ(view.thumbnailLayer().frame.width(), view.tbRect().width());
    // And half a second's pause before the next flight.
    EXPECT_FALSE(view.imageBeginEncoding(photoPath(6)));
    ASSERT_TRUE(uitest::waitFor([&] { return view.aniamtionStoped(); }));
    uitest::savePicture(&view, kTest, "landed");
    EXPECT_TRUE(view.imageBeginEncoding(photoPath(6)));
    ASSERT_TRUE(uitest::waitFor([&] { return view.animateLayer().hidden; }));
    // The upright photo is as high as the screen.
    EXPECT_DOUBLE_EQ(view.thumbnailLayer().frame.height(), view.tbRect().height());
}

TEST(ImgEncodeProgressView, PhotosAreFittedIntoTheScreen)
{
    const QRectF screen(10, 20, 125, 97);
    const QRectF wide = ImgEncodeProgressView::fittedRect(QSizeF(250, 100), screen);
    EXPECT_EQ(wide, QRectF(10, 20 + (97 - 50) / 2.0, 125, 50));
    const QRectF tall = ImgEncodeProgressView::fittedRect(QSizeF(97, 194), screen);
    EXPECT_EQ(tall, QRectF(10 + (125 - 48.5) / 2.0, 20, 48.5, 97));
}

// Without its picture the movie is an empty layer at the right edge; the screen is placed from
// that corner.
TEST(ImgEncodeProgressView, AMissingMoviePictureLeavesAnEmptyIcon)
{
    uitest::app();
    QTemporaryDir empty;
    DNBundle::setPrefixOverride(empty.path());
    ImgEncodeProgressView view(QSize(400, 170));
    DNBundle::setPrefixOverride({});
    EXPECT_EQ(view.movieIconLayer().frame, QRectF(400, -8, 0, 0));
    EXPECT_EQ(view.tbRect(), QRectF(422, 42, 125, 97));
}

} // namespace
