// A slideshow row takes its profile as file rows do: from the chooser that opens after the first
// load, and from Apply to all; Convert refuses a slideshow without a profile before any work.
#include "convert_run_support.h"

#include "../slideshow/slideshow_editor_support.h"

#include "core/platform/DNTemporaryFolder.h"
#include "ui/loader/DNFileLoaderController.h"
#include "ui/medialist/DNCell.h"
#include "ui/profiles/DNProfileApplyToAll.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"

#include <QDirIterator>
#include <QLabel>
#include <QMessageBox>

namespace {

using namespace convertruntest;

// The row's "Target format: ..." text.
QString targetFormatShown(const NXMediaNodePtr &node)
{
    DNCell *row = DNCell::cellOfNode(node.get());
    if (!row)
        return QString();
    for (const QLabel *label : row->findChildren<QLabel *>())
        if (label->text().startsWith(QStringLiteral("Target format: ")))
            return label->text();
    return QString();
}

std::shared_ptr<DNProfile> shippedProfile(const char *name)
{
    return DNProfile::parserFromContentOfFile(
        DNBundle::pathForResource(QStringLiteral("profiles/Video/") + QString::fromLatin1(name)));
}

TEST(SlideshowProfile, TheChooserAndApplyToAllReachTheSlideshowRow)
{
    Batch batch;
    NXAppController &c = batch.controller;
    c.movieViewDragedFilesEntered({slideshowfixture::photosFolder()}, 4);
    ASSERT_TRUE(uitest::waitFor([&] { return c.mediaFiles->size() == 1; }));
    const auto node = std::dynamic_pointer_cast<DNGraphicsNode>(c.mediaFiles->first());
    ASSERT_TRUE(node);
    NXProfileChooserController *chooser = nullptr;
    ASSERT_TRUE(uitest::waitFor([&] {
        chooser = c.profileController ? c.profileController->profileChooseController() : nullptr;
        return chooser && chooser->choosePanel() && chooser->choosePanel()->isVisible();
    }));
    // As a first start finds it: no profile used before.
    node->setProfile(nullptr);
    c.tableView->refreshAllCells();
    ASSERT_TRUE(uitest::waitFor([&] { return targetFormatShown(node) == QStringLiteral("Target format: No Profile"); }));

    QTest::mouseClick(chooser->doneButton(), Qt::LeftButton);
    ASSERT_TRUE(node->profile());
    ASSERT_TRUE(uitest::waitFor([&] {
        return targetFormatShown(node) == QStringLiteral("Target format: ") + node->profile()->title();
    })) << targetFormatShown(node).toStdString();
    shelltest::saveWindowPicture(batch.ui.window, QStringLiteral("ui_mainwindow"), QStringLiteral("slideshow_row_profile"));

    // Apply to all from a profile sheet.
    const auto other = shippedProfile("Video_MP4_H264.plist");
    ASSERT_TRUE(other);
    DNPostApplyToAllProfile(other);
    ASSERT_TRUE(node->profile());
    EXPECT_EQ(node->profile()->GlobalID(), other->GlobalID());
    EXPECT_TRUE(uitest::waitFor([&] { return targetFormatShown(node) == QStringLiteral("Target format: ") + other->title(); }));
}

TEST(SlideshowProfile, ConvertRefusesASlideshowWithoutAProfileBeforeAnyWork)
{
    Batch batch;
    NXAppController &c = batch.controller;
    const DNGraphicsNodePtr node = slideshowui::dropPhotoFolder(c, slideshowfixture::photosFolder());
    ASSERT_TRUE(node);
    node->setProfile(nullptr);
    const QStringList temporaryBefore = filesIn(DNTemporaryFolder::path());

    QTest::mouseClick(c.right_run_btn.data(), Qt::LeftButton);
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(uitest::waitFor([&] {
        for (QMessageBox *box : batch.ui.window->findChildren<QMessageBox *>())
            if (box->isVisible())
                alert = box;
        return alert != nullptr;
    }));
    EXPECT_EQ(alert->text(), QStringLiteral("No output format!"));
    EXPECT_EQ(alert->informativeText(), QStringLiteral("Choose an output format for these items:\nphotos"));
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("convert_no_profile_alert"));
    // Nothing started: no sheet, no rendering, nothing written.
    EXPECT_FALSE(c.progressController && c.progressController->isRunning());
    EXPECT_FALSE(c.isConverting());
    QTest::qWait(300);
    EXPECT_TRUE(filesIn(batch.out.path()).isEmpty());
    EXPECT_EQ(filesIn(DNTemporaryFolder::path()), temporaryBefore);
    alert->close();
}

} // namespace
