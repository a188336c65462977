// The media list: layout of the rows, selection kinds and the DVD highlight, row requests,
// moving, removing, clearing, collapsing, the empty-list prompt and DVD folder drops.
#include "medialist_test_support.h"

#include "ui/controls/DNButton.h"
#include "ui/controls/DNCheckBox.h"
#include "ui/medialist/NXDragDetectView.h"
#include "ui/medialist/NXPromptView.h"

#include "support/rawnames.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace medialisttest;

namespace {

TEST(MediaList, StacksRowsWithoutGapsAndAddressesThem)
{
    ListFixture f;
    Posts amount(kAmount);
    EXPECT_EQ(f.table->tableMediaType(), 0);
    EXPECT_FALSE(f.table->pathForMediaNode(nullptr).has_value());
    f.table->reloadData();
    EXPECT_EQ(f.table->documentView()->height(), f.table->viewport()->height() - 10);

    auto dvd = makeDVD({6, 10, 4});
    f.table->addMovieNode(dvd);
    EXPECT_EQ(f.table->tableMediaType(), 3);
    EXPECT_EQ(amount.bools(), (QList<bool>{true, true}));

    // DVD row 85, then the three title rows of 30, stacked from the top.
    QList<int> tops;
    for (int child = -1; child < 3; ++child) {
        DNCell *row = f.row(0, child);
        ASSERT_TRUE(row);
        tops << row->y();
        EXPECT_EQ(row->nodePath(), NXMediaPath(0, child));
        EXPECT_EQ(row->fatherNodePath(), NXMediaPath(0, -1));
    }
    EXPECT_EQ(tops, (QList<int>{0, 85, 115, 145}));
    EXPECT_EQ(f.table->pathForMediaNode(dvd->titleAt(2).get()), NXMediaPath(0, 2));
    EXPECT_EQ(f.table->mediaNodeAtPath(NXMediaPath(0, 3)), nullptr);
    EXPECT_EQ(f.table->mediaNodeAtPath(NXMediaPath(1, -1)), nullptr);
    EXPECT_FLOAT_EQ(dvd->cellMaxYValueWithChildren(), 175.0f);
    uitest::savePicture(&f.window, QStringLiteral("medialist"), QStringLiteral("dvd_rows"));
}

TEST(MediaList, SelectionJoinsOnlyRowsOfTheSameKind)
{
    ListFixture f;
    auto a = makeFile(QStringLiteral("/m/a.mp4"));
    auto b = makeFile(QStringLiteral("/m/b.mp4"));
    auto c = makeFile(QStringLiteral("/m/c.mp4"));
    for (const auto &file : {a, b, c})
        f.table->addMovieNode(file);
    Posts selection(kSelection);

    f.table->cellSelected(f.row(0), false);
    EXPECT_EQ(f.table->viewSelectedType(), int(NXMediaTableView::KindFiles));
    // Clicking the only selected row again changes nothing and posts nothing.
    f.table->cellSelected(f.row(0), false);
    EXPECT_EQ(selection.objects.size(), 1);
    f.table->cellSelected(f.row(2), true);
    EXPECT_EQ(f.table->viewSelectedNodes(), (NXMediaNodeList{a, c}));
    EXPECT_EQ(f.row(2)->state(), int(DNCell::StateSelected));
    // A row already selected is not appended twice.
    f.table->cellSelected(f.row(2), true);
    EXPECT_EQ(f.table->viewSelectedCell().size(), 2);
    // With two rows selected, a plain click on one of them selects it alone and posts.
    f.table->cellSelected(f.row(0), false);
    EXPECT_EQ(f.table->viewSelectedCellPaths(), (QList<NXMediaPath>{NXMediaPath(0, -1)}));
    EXPECT_EQ(f.row(2)->state(), int(DNCell::StateUnselected));
    EXPECT_EQ(selection.bools(), (QList<bool>{true, true, true}));

    // Group members are a kind of their own: a file row does not join them.
    b->setMediaType(NXMediaTypeFileGroupMember);
    f.table->cellSelected(f.row(1), false);
    EXPECT_EQ(f.table->viewSelectedType(), int(NXMediaTableView::KindGroupMembers));
    f.table->cellSelected(f.row(0), true);
    EXPECT_EQ(f.table->viewSelectedNodes(), (NXMediaNodeList{b}));
}

TEST(MediaList, DVDHighlightFollowsTheSelectedTitle)
{
    ListFixture f;
    auto first = makeDVD({6, 10});
    auto second = makeDVD({4, 8}, QStringLiteral("OTHER"));
    f.table->addMovieNode(first);
    f.table->addMovieNode(second);
    f.table->selectDvdNode(first);
    EXPECT_EQ(f.row(0)->state(), int(DNCell::StateSelected));
    EXPECT_EQ(f.row(0, 0)->state(), int(DNCell::StateSelected));

    // Titles are kinds of their own: another title does not join.
    f.table->cellSelected(f.row(0, 1), true);
    EXPECT_EQ(f.table->viewSelectedCell().size(), 1);

    f.table->cellSelected(f.row(0, 1), false);
    EXPECT_EQ(first->titleSelected(), 1);
    EXPECT_EQ(f.row(0, 0)->state(), int(DNCell::StateUnselected));
    EXPECT_EQ(f.row(0)->state(), int(DNCell::StateSelected));

    // A title of the other DVD takes the highlight away from the first DVD and its title.
    f.table->cellSelected(f.row(1, 1), false);
    EXPECT_EQ(f.table->selecedDVDNode(), second);
    EXPECT_EQ(f.row(0)->state(), int(DNCell::StateUnselected));
    EXPECT_EQ(f.row(0, 1)->state(), int(DNCell::StateUnselected));
    EXPECT_EQ(f.row(1)->state(), int(DNCell::StateSelected));
    EXPECT_EQ(second->titleSelected(), 1);
}

TEST(MediaList, PlayButtonSelectsWithoutAUserClickAndAsksForPlayback)
{
    ListFixture f;
    f.table->addMovieNode(makeFile(QStringLiteral("/m/a.mp4")));
    f.table->addMovieNode(makeFile(QStringLiteral("/m/b.mp4")));
    Posts selection(kSelection);
    f.table->cellPlayPressed(f.row(1));
    EXPECT_EQ(selection.bools(), QList<bool>{false});
    EXPECT_EQ(f.delegate.requests, QStringList{QStringLiteral("play")});
    f.table->cellPlayPressed(f.row(1));
    EXPECT_EQ(selection.objects.size(), 1);
}

TEST(MediaList, RowClicksSelectAndModifiersAppend)
{
    ListFixture f;
    for (const char *name : {"/m/a.mp4", "/m/b.mp4", "/m/c.mp4"})
        f.table->addMovieNode(makeFile(QString::fromLatin1(name)));
    const struct
    {
        Qt::KeyboardModifiers modifiers;
        int selectedAfter;
    } cases[] = {{Qt::ShiftModifier, 2}, {Qt::ControlModifier, 2}, {Qt::AltModifier, 1}, {Qt::NoModifier, 1}};
    for (const auto &c : cases) {
        f.table->cellSelected(f.row(0), false);
        QTest::mouseClick(f.row(1), Qt::LeftButton, c.modifiers, QPoint(300, 5));
        EXPECT_EQ(f.table->viewSelectedCell().size(), c.selectedAfter) << int(c.modifiers);
    }
}

TEST(MediaList, MovesSwapNeighboursAndStopAtTheEnds)
{
    ListFixture f;
    auto a = makeFile(QStringLiteral("/m/a.mp4"));
    auto b = makeFile(QStringLiteral("/m/b.mp4"));
    auto dvdA = makeDVD({5});
    f.table->addMovieNode(a);
    f.table->addMovieNode(b);
    f.table->cellMoveUp(f.row(0));
    f.table->cellMoveDown(f.row(1));
    EXPECT_EQ(f.table->dataSource(), (NXMediaNodeList{a, b}));

    DNCell *rowA = f.row(0);
    f.table->cellMoveDown(rowA);
    EXPECT_EQ(f.table->dataSource(), (NXMediaNodeList{b, a}));
    EXPECT_EQ(rowA->MainOrder(), 1);
    EXPECT_EQ(rowA->y(), 85);
    EXPECT_EQ(f.row(0)->y(), 0);
    f.table->cellMoveUp(rowA);
    EXPECT_EQ(f.table->dataSource(), (NXMediaNodeList{a, b}));

    // Titles of a DVD: the first does not move up, the last does not move down.
    ListFixture g;
    auto dvd = makeDVD({6, 10, 4});
    g.table->addMovieNode(dvd);
    g.table->cellMoveUp(g.row(0, 0));
    g.table->cellMoveDown(g.row(0, 2));
    EXPECT_EQ(dvd->titleAt(0)->index(), 0);
    EXPECT_EQ(dvd->titleAt(2)->index(), 2);
    Q_UNUSED(dvdA);
}

TEST(MediaList, RemovingAndClearingPostWhatChanged)
{
    ListFixture f;
    auto a = makeFile(QStringLiteral("/m/a.mp4"));
    auto b = makeFile(QStringLiteral("/m/b.mp4"));
    f.table->addMovieNode(a);
    f.table->addMovieNode(b);
    f.table->cellSelected(f.row(1), false);
    Posts amount(kAmount);
    Posts selection(kSelection);
    Posts cleared(kCleared);

    f.table->cellRemove(f.row(1));
    EXPECT_EQ(f.table->dataSource(), NXMediaNodeList{a});
    EXPECT_EQ(b->dataView(), nullptr);
    EXPECT_EQ(selection.bools(), QList<bool>{true});
    EXPECT_EQ(amount.bools(), QList<bool>{true});
    EXPECT_TRUE(f.table->viewSelectedCell().isEmpty());

    // Clearing with nothing selected: the clear and the amount, no selection post.
    f.table->clearAll();
    EXPECT_TRUE(f.table->dataSource().isEmpty());
    EXPECT_EQ(cleared.objects.size(), 1);
    EXPECT_EQ(selection.objects.size(), 1);
    EXPECT_EQ(amount.bools(), (QList<bool>{true, false}));
    EXPECT_EQ(f.table->tableMediaType(), 0);

    // Clearing a list with a selection posts the selection change too; the DVD highlight goes.
    auto dvd = makeDVD({6});
    f.table->addMovieNode(dvd);
    f.table->selectDvdNode(dvd);
    f.table->clearAll();
    EXPECT_EQ(selection.objects.size(), 3);
    EXPECT_EQ(f.table->selecedDVDNode(), nullptr);
}

TEST(MediaList, CollapsingADVDHidesItsTitlesAndClosesTheGap)
{
    ListFixture f;
    auto dvd = makeDVD({6, 10, 4});
    auto second = makeDVD({3}, QStringLiteral("OTHER"));
    f.table->addMovieNode(dvd);
    f.table->addMovieNode(second);
    auto *row = qobject_cast<DNDVDRootCell *>(f.row(0));
    ASSERT_TRUE(row);
    QTest::mouseClick(row->openupButton(), Qt::LeftButton);
    EXPECT_TRUE(dvd->isHiddenChildren());
    EXPECT_FALSE(row->isOpenup());
    EXPECT_TRUE(f.row(0, 0)->isHidden());
    EXPECT_EQ(f.row(1)->y(), 85);

    QTest::mouseClick(row->openupButton(), Qt::LeftButton);
    EXPECT_FALSE(dvd->isHiddenChildren());
    EXPECT_TRUE(row->isOpenup());
    EXPECT_FALSE(f.row(0, 2)->isHidden());
    EXPECT_EQ(f.row(1)->y(), 175);

    f.table->hiddenGroupForType(NXMediaTypeDVD);
    EXPECT_TRUE(dvd->isHiddenChildren());
    EXPECT_TRUE(second->isHiddenChildren());
}

TEST(MediaList, CheckMarksToggleAndDeselectAllClearsEveryTitle)
{
    ListFixture f;
    auto dvd = makeDVD({6, 10});
    auto other = makeDVD({4}, QStringLiteral("OTHER"));
    f.table->addMovieNode(dvd);
    f.table->addMovieNode(other);
    auto *title = qobject_cast<DNDVDTitleCell *>(f.row(0, 0));
    ASSERT_TRUE(title);
    QTest::mouseClick(title->check(), Qt::LeftButton);
    EXPECT_TRUE(dvd->titleAt(0)->isSelected());
    EXPECT_TRUE(title->check()->isChecked());
    EXPECT_EQ(f.table->viewSelectedNodes(), NXMediaNodeList{dvd->titleAt(0)});
    QTest::mouseClick(title->check(), Qt::LeftButton);
    EXPECT_FALSE(dvd->titleAt(0)->isSelected());

    dvd->titleAt(1)->setIsSelected(true);
    other->titleAt(0)->setIsSelected(true);
    title->onRightMenu_DeselectAll();
    EXPECT_FALSE(dvd->titleAt(1)->isSelected());
    EXPECT_FALSE(other->titleAt(0)->isSelected());
    EXPECT_FALSE(qobject_cast<DNDVDTitleCell *>(f.row(0, 1))->check()->isChecked());
}

TEST(MediaList, TitleRowRequestsReachTheDelegateWithTheirPage)
{
    ListFixture f;
    f.table->addMovieNode(makeDVD({6, 10}));
    auto *title = qobject_cast<DNDVDTitleCell *>(f.row(0, 1));
    ASSERT_TRUE(title);
    title->onRightMenu_EditAudioVolume();
    title->onRightMenu_EditTrim();
    title->onRightMenu_EditCropExpand();
    title->onRightMenu_EditSubtitle();
    QTest::mouseClick(title->editButton(), Qt::LeftButton);
    EXPECT_EQ(f.delegate.requests,
              (QStringList{QStringLiteral("edit 0,1 tab 0"), QStringLiteral("edit 0,1 tab 2"),
                           QStringLiteral("edit 0,1 tab 3"), QStringLiteral("subtitle 0,1"),
                           QStringLiteral("edit 0,1 tab 0")}));
}

TEST(MediaList, HoverFollowsThePointerAfterTheListMoves)
{
    ListFixture f;
    for (const char *name : {"/m/a.mp4", "/m/b.mp4", "/m/c.mp4"})
        f.table->addMovieNode(makeFile(QString::fromLatin1(name)));
    auto pointerOver = [&](DNCell *row) {
        DNNotificationCenter::defaultCenter().postNotification(
            DNNotificationScrollWheel, QVariant(), {{DNScrollWheelEventKey, row->mapToGlobal(QPoint(200, 40))}});
    };
    pointerOver(f.row(1));
    EXPECT_TRUE(f.row(1)->isFocused());
    EXPECT_FALSE(f.row(0)->isFocused());
    // The rows moved under a resting pointer: the one now under it takes the hover.
    f.table->cellMoveUp(f.row(1));
    pointerOver(f.row(1));
    EXPECT_TRUE(f.row(1)->isFocused());
    EXPECT_FALSE(f.row(0)->isFocused());
    // A post without the pointer changes nothing.
    DNNotificationCenter::defaultCenter().postNotification(DNNotificationScrollWheel);
    EXPECT_TRUE(f.row(1)->isFocused());
}

TEST(MediaList, PendingScrollWaitsUntilTheRowsOverflow)
{
    ListFixture f(QSize(640, 200));
    f.table->addMovieNode(makeFile(QStringLiteral("/m/a.mp4")));
    f.table->scrollViewToTopOrBottom(false);
    f.table->reloadData();
    EXPECT_TRUE(f.table->hasPendingScroll()) << "the rows fit: nothing to scroll yet";
    for (const char *name : {"/m/b.mp4", "/m/c.mp4", "/m/d.mp4"})
        f.table->addMovieNode(makeFile(QString::fromLatin1(name)));
    EXPECT_FALSE(f.table->hasPendingScroll());
    // Added rows end up in view: the list scrolled to its bottom.
    EXPECT_EQ(f.table->verticalScrollBar()->value(), f.table->verticalScrollBar()->maximum());
    EXPECT_GT(f.table->verticalScrollBar()->value(), 0);
}

TEST(MediaList, ArrowKeysAreSwallowed)
{
    ListFixture f;
    f.table->addMovieNode(makeFile(QStringLiteral("/m/a.mp4")));
    f.table->setFocus();
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(f.table, &up);
    QApplication::sendEvent(f.table, &other);
    EXPECT_TRUE(up.isAccepted());
    EXPECT_FALSE(other.isAccepted());
    EXPECT_TRUE(f.table->viewSelectedCell().isEmpty());
}

TEST(MediaList, PromptShowsWhileEmptyAndItsButtonsAskForADVD)
{
    ListFixture f;
    NXPromptView *prompt = f.table->promptView();
    EXPECT_TRUE(prompt->isVisible());
    uitest::savePicture(&f.window, QStringLiteral("medialist"), QStringLiteral("empty_prompt"));
    // Centred 430 x 215 block.
    EXPECT_EQ(prompt->containerView()->geometry().center(), prompt->rect().center());
    QTest::mouseClick(prompt->buttonTwo(), Qt::LeftButton);
    QTest::mouseClick(prompt->buttonThree(), Qt::LeftButton);
    QTest::mouseClick(prompt->buttonOne(), Qt::LeftButton);
    EXPECT_TRUE(f.delegate.requests.isEmpty()) << "asked on a later pass of the event loop";
    uitest::serve(50);
    EXPECT_EQ(f.delegate.requests, (QStringList{QStringLiteral("add dvd 2"), QStringLiteral("add dvd 3"),
                                                QStringLiteral("add dvd 1")}));

    f.table->addMovieNode(makeFile(QStringLiteral("/m/a.mp4")));
    EXPECT_FALSE(prompt->isVisible());
    f.table->cellRemove(f.row(0));
    EXPECT_TRUE(prompt->isVisible());
}

// A folder tree for drops: two DVD folders (each with VIDEO_TS inside) and a media file.
struct DropTree
{
    QTemporaryDir dir;
    QString dvdOne, dvdTwo, file;
    DropTree()
    {
        dvdOne = dir.filePath(QStringLiteral("one"));
        dvdTwo = dir.filePath(QStringLiteral("two"));
        QDir().mkpath(dvdOne + QStringLiteral("/VIDEO_TS"));
        QDir().mkpath(dvdTwo + QStringLiteral("/VIDEO_TS"));
        file = dir.filePath(QStringLiteral("clip.mp4"));
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write("x");
    }
};

QMimeData *filesMime(const QStringList &paths)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    mime->setUrls(urls);
    return mime;
}

TEST(MediaList, DropsTakeOnlyDVDFoldersIntoAnEmptyOrDVDList)
{
    DropTree tree;
    struct Case
    {
        const char *what;
        QStringList paths;
        const char *listHolds; // "", "files", "dvd"
        QString handedOn;      // empty: refused
    };
    const QList<Case> cases = {
        {"two DVD folders and a file", {tree.dvdOne, tree.dvdTwo, tree.file}, "",
         QStringLiteral("drop 2: %1|%2").arg(tree.dvdOne, tree.dvdTwo)},
        {"the VIDEO_TS folder itself", {tree.dvdOne + QStringLiteral("/VIDEO_TS")}, "", QString()},
        {"a file alone", {tree.file}, "", QString()},
        {"a DVD folder onto files", {tree.dvdOne}, "files", QString()},
        {"a DVD folder onto DVDs", {tree.dvdOne}, "dvd", QStringLiteral("drop 2: %1").arg(tree.dvdOne)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ListFixture f;
        if (QString::fromLatin1(c.listHolds) == QLatin1String("files"))
            f.table->addMovieNode(makeFile(QStringLiteral("/m/a.mp4")));
        else if (QString::fromLatin1(c.listHolds) == QLatin1String("dvd"))
            f.table->addMovieNode(makeDVD({5}));
        std::unique_ptr<QMimeData> mime(filesMime(c.paths));
        const QPoint at(100, 100);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.table->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.table->viewport(), &drop);
        EXPECT_EQ(drop.isAccepted(), !c.handedOn.isEmpty());
        EXPECT_EQ(f.delegate.requests, c.handedOn.isEmpty() ? QStringList() : QStringList{c.handedOn});
    }
}

// A DVD folder whose name is not UTF-8 text comes in a drop as its bytes, which the drop reads with
// U+FFFD: it is handed on all the same, so that its loading says why it cannot be read, instead
// of the drop doing nothing.
TEST(MediaList, ADroppedDVDFolderNamedNotTextIsHandedOnToSayWhy)
{
    testsupport::RawNameFolder tmp;
    ASSERT_TRUE(testsupport::makeRawFolder(tmp.bytesOf("Film\xff")));
    ASSERT_TRUE(testsupport::makeRawFolder(tmp.bytesOf("Film\xff/VIDEO_TS")));
    ListFixture f;
    QMimeData mime;
    mime.setData(QStringLiteral("text/uri-list"), "file://" + tmp.bytes() + "/Film%FF\r\n");
    const QPoint at(100, 100);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.table->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.table->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(f.delegate.requests, QStringList{QStringLiteral("drop 2: %1").arg(testsupport::lossyReading(tmp.bytesOf("Film\xff")))});
}

TEST(MediaList, DropsAreRefusedWhileASheetIsOpen)
{
    DropTree tree;
    ListFixture f;
    std::unique_ptr<QMimeData> mime(filesMime({tree.dvdOne}));
    NXDragDetectView *drop = f.table->dragDetectView();
    EXPECT_FALSE(drop->draggingEntered(mime.get(), true));
    EXPECT_FALSE(drop->prepareForDragOperation(mime.get(), true));
    ASSERT_TRUE(drop->prepareForDragOperation(mime.get(), false));
    EXPECT_FALSE(drop->performDragOperation(true));
    EXPECT_TRUE(f.delegate.requests.isEmpty());
}

} // namespace
