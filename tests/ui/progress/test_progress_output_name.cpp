// The progress sheet's output name: one too long for the sheet is cut in its middle with an
// ellipsis, its extension in view, and shown whole in its tooltip; a line break in it shows as a
// mark on the name's one line; in English and in Japanese.
#include "ui/progress/NXProgressController.h"

#include "ui/ui_test_support.h"

#include "core/util/DNSystemActions.h"
#include "dvd/file/DNFileNode.h"
#include "ui/controls/DNPlainText.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class OutputName : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        uitest::app();
        // The batch below ends at once: what it would open afterwards is only noted.
        DNSetOpenHandler([](const QString &) { return true; });
        DNSetPowerRequestHandler([](DNPowerRequest) { return true; });
    }
    void TearDown() override
    {
        DNSetOpenHandler({});
        DNSetPowerRequestHandler({});
    }

    uitest::InterfaceLanguage language_{GetParam()};
};

TEST_P(OutputName, IsCutInTheMiddleAndShowsItsLineBreakAsAMark)
{
    const QString name = QStringLiteral("two\nlines: 夏休みの思い出, a family holiday on the northern island, "
                                        "day one to day seven, uncut and unabridged.mp4");
    auto file = std::make_shared<DNFileNode>();
    file->setPath(QStringLiteral("/media/holiday.mov"));
    file->videoTracks().append(std::make_shared<DNTVideo>());
    file->videoTracks().first()->duration = 60;
    file->setOutputName(QStringLiteral("/out/") + name);

    NXProgressController sheet;
    QObject target;
    sheet.showWithInWindow(
        nullptr, [](QObject *) {},
        [](QObject *) -> std::optional<QVariantMap> {
            return QVariantMap{{QStringLiteral("EncodeCategory"), 2}, {QStringLiteral("current_percent"), 10}};
        },
        [](QObject *) {}, false, &target);
    sheet.setConvertingNode(file);
    if (sheet.updateTimer())
        sheet.updateTimer()->stop();
    sheet.updateInfomation();

    const QLabel *label = sheet.currentTargetName();
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("two⏎lines"))) << label->text().toStdString();
    EXPECT_TRUE(label->text().contains(QStringLiteral("…")));
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("unabridged.mp4")));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
    EXPECT_EQ(label->toolTip(), DNDisplayName(name));
    EXPECT_LE(sheet.progressPanel()->width(), 700) << "the name does not widen the sheet";
    uitest::savePicture(sheet.progressPanel(), QStringLiteral("ui_progress_output_name"),
                        QStringLiteral("long_name_%1").arg(QString::fromLatin1(*GetParam() ? GetParam() : "en")));
    uitest::waitFor([&] { return !sheet.isRunning(); });
}

INSTANTIATE_TEST_SUITE_P(Languages, OutputName, ::testing::Values("", "ja"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(*info.param ? info.param : "en");
                         });

} // namespace
