#pragma once

// Shared by the slideshow editor and slideshow conversion tests: a photo folder dropped on the
// main window's list as a user drops it, the profile chooser that follows confirmed, and the
// slideshow editor opened with the Edit command.
#include "../ui_test_support.h"
#include "../../slideshow/slideshow_fixture.h"

#include "core/platform/DNBundle.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"
#include "ui/loader/DNFileLoaderController.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/medialist/DNCell.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"
#include "ui/slideshow/DNImageEditor.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace slideshowui {

// Drops folder on the list and waits for its slideshow; the chooser that asks for the first
// item's profile is confirmed, and the slideshow is then given the H.264 MP4 profile as the
// profile sheet would.
inline DNGraphicsNodePtr dropPhotoFolder(NXAppController &controller, const QString &folder)
{
    const qsizetype before = controller.mediaFiles->size();
    controller.movieViewDragedFilesEntered({folder}, 4);
    if (!uitest::waitFor([&] { return controller.mediaFiles->size() > before; }))
        return nullptr;
    auto *loader = qobject_cast<DNFileLoaderController *>(controller.fileLoader);
    uitest::waitFor([&] { return !loader || !loader->loader().isLoading(); });
    uitest::serve(50);
    if (auto *chooser = controller.profileController ? controller.profileController->profileChooseController() : nullptr)
        if (chooser->choosePanel() && chooser->choosePanel()->isVisible())
            QTest::mouseClick(chooser->doneButton(), Qt::LeftButton);
    const auto node = std::dynamic_pointer_cast<DNGraphicsNode>(controller.mediaFiles->last());
    if (node)
        node->setCurProfileOfSelectTrack(DNProfile::parserFromContentOfFile(
            DNBundle::pathForResource(QStringLiteral("profiles/Video/Video_MP4_H264.plist"))));
    return node;
}

// Selects node's row and clicks Edit; the editor's sheet once it shows.
inline DNImageEditor *openEditor(NXAppController &controller, const DNGraphicsNodePtr &node)
{
    DNCell *row = DNCell::cellOfNode(node.get());
    if (!row)
        return nullptr;
    QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QTest::mouseClick(controller.editButton, Qt::LeftButton);
    if (!controller.imageEditor || !uitest::waitFor([&] { return controller.imageEditor->panel()->isVisible(); }))
        return nullptr;
    return controller.imageEditor;
}

} // namespace slideshowui
