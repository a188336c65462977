#pragma once

// What the video editor's tests share: the main window over the real engines, the editor it
// opens (or the editor over a window of its own), and a user's hand on the editor's controls: tabs, switches, pop-ups, the trim slider's
// limit knobs and the file panels.
#include "../mainwindow/convert_run_support.h"

#include "ui/editor/DNVideoEditorController.h"
#include "ui/medialist/DNCell.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/editor/controls/NXSegmentSlider.h"
#include "ui/editor/controls/NXTimePicker.h"
#include "ui/editor/panel/DNTabView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QTabBar>

#include <cmath>

namespace editortest {

using convertruntest::Batch;
using uitest::waitFor;

constexpr int kPlayTimeoutMs = 30000;

inline void clickRow(NXAppController &controller, const NXMediaNodePtr &node)
{
    DNCell *cell = DNCell::cellOfNode(node.get());
    ASSERT_TRUE(cell);
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
}

// The editor over a window of its own, as the main window opens it.
struct EditorWindow
{
    QApplication &application = shelltest::app();
    QWidget window;
    DNVideoEditorController editor;

    EditorWindow()
    {
        window.resize(900, 700);
        window.show();
    }
    ~EditorWindow()
    {
        if (editor.panel()->isVisible())
            editor.onEditorDone();
    }
    void open(const NXMediaNodePtr &item, int tab = 0)
    {
        editor.setTabViewAppearItemIndex(tab);
        editor.setMediaNode(item);
        editor.displayVideoEditorPanel(&window);
    }
    DNTabViewItem *tab(const QString &identifier) const
    {
        return editor.editorTabView()->tabViewItemWithIdentifier(identifier);
    }
};

// The editor the main window opened, once its sheet shows.
inline DNVideoEditorController *shownEditor(NXAppController &controller)
{
    if (!waitFor([&] { return controller.videoEditorController && controller.videoEditorController->panel()->isVisible(); },
                 10000))
        return nullptr;
    return controller.videoEditorController;
}

// The item plays in both previews and the sheet's buttons are on.
inline bool playing(DNVideoEditorController &editor)
{
    return waitFor([&] {
        return editor.doneButton()->isEnabled() && editor.flags().timeOfLoop >= 1
            && !editor.originalView()->currentVideoFrame().isNull()
            && !editor.effectPreview()->currentVideoFrame().isNull();
    }, kPlayTimeoutMs);
}

// The row of item clicked in the main window's list, then Edit: the editor, playing the item.
inline DNVideoEditorController *editFromList(Batch &batch, const NXMediaNodePtr &item)
{
    clickRow(batch.controller, item);
    QTest::mouseClick(batch.controller.editButton, Qt::LeftButton);
    DNVideoEditorController *editor = shownEditor(batch.controller);
    return editor && playing(*editor) ? editor : nullptr;
}

inline void clickTab(DNVideoEditorController &editor, const QString &identifier)
{
    DNTabView *tabs = editor.editorTabView();
    DNTabViewItem *item = tabs->tabViewItemWithIdentifier(identifier);
    ASSERT_TRUE(item) << identifier.toStdString();
    const int index = tabs->indexOf(item->view());
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(index).center());
    ASSERT_EQ(tabs->selectedTabViewItem(), item);
}

inline QStringList tabIdentifiers(DNVideoEditorController &editor)
{
    QStringList identifiers;
    for (DNTabViewItem *item : editor.editorTabView()->tabViewItems())
        identifiers << item->identifier();
    return identifiers;
}

inline void click(DNVideoEditorController &editor, const char *name)
{
    auto *button = editor.control<QAbstractButton>(name);
    ASSERT_TRUE(button) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// A choice in a pop-up, as the user makes it.
inline void pick(DNVideoEditorController &editor, const char *name, int index)
{
    auto *popUp = editor.control<QComboBox>(name);
    ASSERT_TRUE(popUp) << name;
    popUp->setCurrentIndex(index);
    Q_EMIT popUp->activated(index);
}

// Drags a limit knob of the trim slider to fraction of its track. The knobs hang below the
// play-position knob, so they are taken by their lower part.
inline void dragTrimKnob(NXSegmentSlider *slider, bool left, double fraction)
{
    const QRectF track = slider->progressRect();
    const NXImageCell &knob = left ? slider->segment()->leftOne() : slider->segment()->rightOne();
    const int y = slider->height() - 5;
    const QPoint from(int(knob.frame().center().x()), y);
    // A whole pixel just inside the part kept, so whole seconds come out as meant.
    const double x = track.x() + fraction * track.width();
    const QPoint to(left ? int(std::ceil(x)) + 1 : int(std::floor(x)) + 1, y);
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(slider, (from + to) / 2);
    QTest::mouseMove(slider, to);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, to);
}

// Answers the file panel the editor opened as a user does: the file chosen, Open pressed.
inline void answerFilePanel(DNVideoEditorController &editor, const char *panelName, const QString &path)
{
    QFileDialog *panel = nullptr;
    ASSERT_TRUE(waitFor([&] {
        panel = editor.panel()->findChild<QFileDialog *>(QString::fromLatin1(panelName));
        return panel && panel->isVisible();
    }, 60000)) << panelName;
    panel->setDirectory(QFileInfo(path).absolutePath());
    panel->selectFile(QFileInfo(path).fileName());
    QDialogButtonBox *buttons = panel->findChild<QDialogButtonBox *>();
    ASSERT_TRUE(buttons && buttons->button(QDialogButtonBox::Open));
    buttons->button(QDialogButtonBox::Open)->click();
}

inline QString saveEditorPicture(DNVideoEditorController &editor, const QString &name)
{
    uitest::serve(100);
    return uitest::savePicture(editor.panel(), QStringLiteral("ui_editor"), name);
}

// Done, and the sheet gone.
inline bool pressDone(DNVideoEditorController &editor)
{
    QTest::mouseClick(editor.doneButton(), Qt::LeftButton);
    return waitFor([&] { return !editor.panel()->isVisible(); }, 60000);
}

} // namespace editortest
