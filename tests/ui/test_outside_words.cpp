// Words from outside the program (names of files, discs and titles, an engine's lines) are shown
// as they are written wherever they appear: a name that looks like markup draws no bold type and
// no link, in the alert a failed batch ends with, on the progress sheet, in a media list row, in
// the log window, in the media information window and in tooltips.
#include "medialist/medialist_test_support.h"
#include "plain_text_test_support.h"

#include "core/log/DNLogger.h"
#include "ui/controls/DNPlainText.h"
#include "ui/info/NXFloatInfoWindowController.h"
#include "ui/log/NXLogController.h"
#include "ui/progress/NXProgressController.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeWidget>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <thread>

using namespace medialisttest;
using namespace plaintexttest;

namespace {

const QString kPictures = QStringLiteral("ui_outside_words");
// An engine's own words, as they come with its failure.
const QString kEngineWords = QStringLiteral("moov atom not found: <i>Invalid data</i> &lt;found&gt;");

// A batch of one disc title whose conversion fails after the sheet has shown it; the disc and
// the failing item carry names that look like markup.
TEST(OutsideWords, AFailedBatchShowsItsNamesAsWritten)
{
    uitest::app();
    QWidget window;
    window.resize(640, 420);
    window.show();
    auto title = makeTitle(0, 60);
    title->setOutputName(QStringLiteral("/out/") + kMarkupFileName);
    auto source = NXDVDSourceInfo::sourceInfo();
    source->setName(kMarkupLine);
    const DNDVDNodePtr disc = DNDVDNode::dvdNodeWithData({title}, source);

    NXProgressController sheet;
    std::atomic<bool> shown{false};
    const auto converter = [&](QObject *) {
        sheet.setTotalConvertCount(1);
        sheet.setInfoWithNode(title);
        sheet.converterStateDidChanged(NXProgressController::kEncodeStateStarted);
        while (!shown)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        sheet.reportConvertFailure(kMarkupLine, ConvertFailureReason(ConvertFailureKind::EngineFailed,
                                                                     {QStringLiteral("AV encoder"), kEngineWords}));
    };
    const auto updater = [](QObject *) -> std::optional<QVariantMap> {
        return QVariantMap{{QStringLiteral("EncodeCategory"), 2}, {QStringLiteral("current_percent"), 10}};
    };
    sheet.showWithInWindow(&window, converter, updater, [](QObject *) {}, false, &window);
    ASSERT_TRUE(uitest::waitFor([&] { return sheet.stopButton()->isEnabled(); }));
    sheet.updateInfomation();
    EXPECT_EQ(sheet.currentTitle()->text(), kMarkupLine + QStringLiteral("(1)"));
    EXPECT_EQ(DNElidedFullText(sheet.currentTargetName()), kMarkupFileName);
    EXPECT_TRUE(uitest::showsWholeOrCut(sheet.currentTargetName()->text(), kMarkupFileName))
        << sheet.currentTargetName()->text().toStdString();
    for (QLabel *label : {sheet.currentTitle(), sheet.currentTargetName()}) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_TRUE(drawsAsWritten(label)) << label->objectName().toStdString();
    }
    uitest::savePicture(sheet.progressPanel(), kPictures, QStringLiteral("progress_sheet"));
    shown = true;

    ASSERT_TRUE(uitest::waitFor([&] { return sheet.failureAlert() && sheet.failureAlert()->isVisible(); }));
    QMessageBox *alert = sheet.failureAlert();
    const QString line = alert->informativeText();
    EXPECT_TRUE(line.startsWith(kMarkupLine + QStringLiteral(": "))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(kEngineWords)) << line.toStdString();
    expectAlertDrawsAsWritten(alert);
    uitest::savePicture(alert, kPictures, QStringLiteral("failure_alert"));
    alert->close();
}

// A file's row names the file, and its tooltip the whole path, as they are written.
TEST(OutsideWords, AFileRowShowsItsNameAsWritten)
{
    ListFixture f;
    const QString path = QStringLiteral("/m/") + kMarkupFileName;
    f.table->addMovieNode(makeFile(path));
    auto *row = qobject_cast<DNRootCell *>(f.row(0));
    ASSERT_TRUE(row);
    QLabel *name = row->trackNameOriginal();
    EXPECT_EQ(DNElidedFullText(name), kMarkupFileName);
    EXPECT_TRUE(uitest::showsWholeOrCut(name->text(), kMarkupFileName)) << name->text().toStdString();
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_TRUE(drawsAsWritten(name));
    EXPECT_EQ(shownAsToolTip(name->toolTip()), path);
    uitest::savePicture(&f.window, kPictures, QStringLiteral("file_row"));
}

// The log window shows a logged name and an engine's raw line as written: no bold run, no link.
TEST(OutsideWords, TheLogWindowShowsLinesAsWritten)
{
    uitest::app();
    QTemporaryDir data;
    DNLogger logger(data.path());
    NXLogController window(logger);
    window.clearLog();
    logger.roughLog(QStringLiteral("Converting ") + kMarkupLine);
    logger.rawLog(kEngineWords + QLatin1Char('\n'));
    QPlainTextEdit *view = window.loggerView();
    // The engine's line is in once its words are, whatever became of its markup.
    ASSERT_TRUE(uitest::waitFor([&] { return view->toPlainText().contains(QStringLiteral("moov atom not found")); }, 60000));
    EXPECT_TRUE(view->toPlainText().contains(kEngineWords)) << view->toPlainText().toStdString();
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("  :  Converting ") + kMarkupLine)) << view->toPlainText().toStdString();
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            EXPECT_FALSE(format.isAnchor()) << it.fragment().text().toStdString();
            EXPECT_EQ(format.fontWeight(), QFont::Normal) << it.fragment().text().toStdString();
            EXPECT_FALSE(format.fontItalic()) << it.fragment().text().toStdString();
        }
}

// The media information window is titled with the disc's name and shows its values' tooltips as
// written; "[*]" in a title is no mark of unsaved changes.
TEST(OutsideWords, TheInformationWindowShowsTheNameAsWritten)
{
    uitest::app();
    const QString name = QStringLiteral("Trip [*] <b>2024");
    const DNDVDNodePtr disc = makeDVD({60}, name);
    NXFloatInfoWindowController &window = NXFloatInfoWindowController::shareInstance();
    window.showWindowWithNode(disc);
    ASSERT_TRUE(window.windowHandle());
    EXPECT_EQ(window.windowHandle()->title(), name);
    const QString path = disc->sourceInfo()->path();
    const QList<QTreeWidgetItem *> rows = window.outline_view()->findItems(path, Qt::MatchExactly | Qt::MatchRecursive, 1);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(shownAsToolTip(rows.first()->toolTip(1)), path);
    window.hiddenTheWindow();
}

// A tooltip shows its text as written, also text Qt would take for markup.
TEST(OutsideWords, TooltipsShowTheirTextAsWritten)
{
    const QString texts[] = {
        kMarkupLine,
        kMarkupFileName,
        QStringLiteral("Tom &lt;3 Jerry.mkv"),
        QStringLiteral("<i>two</i>  spaces\n\tand a second line"),
        QStringLiteral("a < b.mp4"),
        QStringLiteral("plain.mp4"),
    };
    for (const QString &text : texts)
        EXPECT_EQ(shownAsToolTip(DNPlainToolTip(text)), text) << text.toStdString();
}

// An alert keeps its texts plain also when its informative text comes after it was made plain.
TEST(OutsideWords, AnAlertStaysPlainForTextsGivenLater)
{
    uitest::app();
    QMessageBox alert;
    DNShowAsPlainText(&alert);
    alert.setText(kMarkupLine);
    alert.setInformativeText(kEngineWords);
    alert.show();
    EXPECT_EQ(alert.informativeText(), kEngineWords);
    expectAlertDrawsAsWritten(&alert);
}

} // namespace
