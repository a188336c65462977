// Alerts under a window manager that frames windows (openbox, as a desktop session has one): the
// title bar shows an alert's whole title, in English and in Japanese, however short its message.
// The title an alert's bar shows is compared with the same title in the bar of an alert wide
// enough for any title: a title the bar cuts is drawn shortened ("Some files ... not added").
#include "app/DNApplicationLanguage.h"
#include "app/DNInterfaceFont.h"

#include "../ui/mainwindow/shell_test_support.h"
#include "../ui/wm_test_support.h"

#include "ui/controls/DNAlertSheet.h"
#include "ui/loader/DNFileLoaderController.h"

#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <climits>

namespace {

const QString kTest = QStringLiteral("app_wm_alert_title");

// The interface in code for the test's time, as the program starts in it.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const QString &code) : font_(QApplication::font())
    {
        DNInstallInterfaceTranslator(shelltest::app(), code);
        DNApplyInterfaceFont(shelltest::app(), code);
    }
    ~InterfaceLanguage()
    {
        for (QTranslator *translator : shelltest::app().findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QApplication::setFont(font_);
    }

private:
    QFont font_;
};

// The window manager's title bar over window once it is framed, as the screen shows it; a null
// picture when the window is never framed.
QImage titleBar(QWidget *window)
{
    const QRect frame = wmtest::framedOnScreen(window);
    if (frame.isEmpty())
        return QImage();
    // Painted a moment after it is placed.
    uitest::serve(300);
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), window->geometry().y() - frame.y())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The columns of bar that differ from the bar's own background at column clear, from column from
// to column to: where the title is drawn.
std::pair<int, int> inkColumns(const QImage &bar, int clear, int from, int to)
{
    int first = -1, last = -1;
    for (int x = from; x <= to; ++x)
        for (int y = 0; y < bar.height(); ++y)
            if (difference(bar.pixel(x, y), bar.pixel(clear, y)) > 60) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
    return {first, last};
}

// The smallest mean difference of the picture title anywhere along bar, per pixel.
double bestMatch(const QImage &bar, const QImage &title)
{
    double best = INT_MAX;
    if (bar.height() != title.height())
        return best;
    for (int at = 0; at + title.width() <= bar.width(); ++at) {
        qint64 sum = 0;
        for (int y = 0; y < title.height(); ++y)
            for (int x = 0; x < title.width(); ++x)
                sum += difference(bar.pixel(at + x, y), title.pixel(x, y));
        best = std::min(best, double(sum) / (title.width() * title.height()));
    }
    return best;
}

class AlertTitle : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        shelltest::app();
        if (!wmtest::framesWindows())
            GTEST_SKIP() << "needs an X display with a window manager";
        language_ = std::make_unique<InterfaceLanguage>(QString::fromLatin1(GetParam()));
        window_ = std::make_unique<QWidget>();
        window_->resize(900, 600);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        ASSERT_FALSE(wmtest::framedOnScreen(window_.get()).isEmpty());
    }

    // The title bar of an alert with title that is wide enough for any title.
    QImage referenceBar(const QString &title)
    {
        QMessageBox *wide = DNOpenAlertSheet(window_.get(), QMessageBox::Warning, title, title, QString(120, QLatin1Char('x')),
                                             QStringLiteral("OK"));
        const QImage bar = titleBar(wide);
        wide->close();
        uitest::waitFor([&] { return window_->findChildren<QMessageBox *>().isEmpty(); });
        return bar;
    }

    std::unique_ptr<InterfaceLanguage> language_;
    std::unique_ptr<QWidget> window_;
};

TEST_P(AlertTitle, TheFilesNotAddedAlertShowsItsWholeTitle)
{
    const QString code = QString::fromLatin1(GetParam());
    const QString title = DNFileLoaderController::tr("Some files were not added");
    if (code != QLatin1String("en"))
        ASSERT_NE(title, QStringLiteral("Some files were not added"));

    // Where the title lies in a bar with room to spare: between the window's icon at the left
    // and its buttons at the right, the bar's background anywhere else.
    const QImage reference = referenceBar(title);
    ASSERT_FALSE(reference.isNull()) << "the reference alert was never framed";
    ASSERT_GT(reference.width(), 700);
    const int clear = 40;
    const auto [first, last] = inkColumns(reference, clear, clear, reference.width() - 120);
    ASSERT_GE(first, 0) << "no title in the reference bar";
    const QImage wholeTitle = reference.copy(first, 0, last - first + 1, reference.height());

    DNFileLoaderController loader;
    loader.displayFilesRefused(window_.get(), {QStringLiteral("notes.txt: not a media file")});
    auto *alert = window_->findChild<QMessageBox *>(QStringLiteral("filesRefusedAlert"));
    ASSERT_TRUE(alert);
    const QImage bar = titleBar(alert);
    ASSERT_FALSE(bar.isNull()) << "the alert was never framed";
    const QRect around = alert->geometry().adjusted(-20, -20 - bar.height(), 20, 20);
    const QString pictures = testsupport::buildDir() + QStringLiteral("/test-output/") + kTest;
    QDir().mkpath(pictures);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
        .save(QStringLiteral("%1/files_not_added_%2.png").arg(pictures, code));
    EXPECT_LT(bestMatch(bar, wholeTitle), 4.0) << "the title bar of a " << alert->width() << " px alert cuts \""
                                              << title.toStdString() << "\" (" << wholeTitle.width() << " px)";
    alert->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, AlertTitle, ::testing::Values("en", "ja"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

} // namespace
