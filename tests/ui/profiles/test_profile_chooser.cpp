// The profile chooser over the shipped catalogue: what it opens on, browsing major and secondary
// categories with the mouse, Done, Cancel, Apply to all and the cards' quality sliders.
#include "ui/profiles/NXProfileChooserController.h"

#include "profile_ui_support.h"
#include "profiles/NXProfileValue.h"
#include "ui/profiles/DNProfileApplyToAll.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

using profileui::shippedProfile;

struct RecordingDelegate : NXProfileDelegate
{
    QList<std::shared_ptr<DNProfile>> chosen;
    void medioProfileDidChooseAndExit(const std::shared_ptr<DNProfile> &profile) override { chosen << profile; }
};

class ProfileChooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(900, 700);
        window.show();
        chooser.setProfileManager(env.manager.get());
        chooser.setDelegate(&delegate);
    }

    void open(int kind = 1)
    {
        chooser.setProfileType(kind);
        chooser.showProfileChooseListAtWindow(&window);
        chooser.resetDefault();
        settle();
    }

    // Waits for the slides (a quarter second) to end.
    void settle()
    {
        QTRY_VERIFY(chooser.isPushedEnd() && !chooser.navigationBar()->isAnimating());
        QTRY_COMPARE(chooser.leftContainerView()->x(), chooser.leftContainerX());
    }

    int rowOf(NXCategoryTableController *list, const QString &id)
    {
        for (int row = 0; row < list->rows().size(); ++row) {
            if (list->rows().at(row).item && list->rows().at(row).item->ID() == id)
                return row;
        }
        return -1;
    }

    void clickRow(NXCategoryTableController *list, int row)
    {
        QTableView *table = list->tableView();
        table->scrollTo(list->index(row, 0));
        QCoreApplication::processEvents();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(list->index(row, 0)).center());
    }

    void clickCard(int index)
    {
        NXDetailProfileScrollView *cards = chooser.detaileProfileTableController()->tableView();
        cards->scroll2Index(index);
        QCoreApplication::processEvents();
        QTest::mouseClick(cards->dataCells().at(index), Qt::LeftButton, {}, QPoint(5, 5));
    }

    QStringList cardTitles() const
    {
        QStringList titles;
        for (NXProfilePreviewCell *cell : chooser.detaileProfileTableController()->tableView()->dataCells())
            titles << cell->profileTitle()->text();
        return titles;
    }

    profileui::Environment env;
    QWidget window;
    NXProfileChooserController chooser;
    RecordingDelegate delegate;
};

TEST_F(ProfileChooser, OpensOnTheRecentProfilesOrElseTheSecondCategory)
{
    open(1);
    // No recent profile yet: row 2, the first category after the recent list.
    EXPECT_EQ(chooser.majorTableController()->selectedRow(), 2);
    EXPECT_EQ(chooser.detailNavigationBar()->currentTitle(), QStringLiteral("Popular Profiles"));
    EXPECT_EQ(cardTitles().value(0), QStringLiteral("Main Title Backup (MPEG-2)"));
    EXPECT_EQ(chooser.detaileProfileTableController()->tableView()->selectedCellIndex(), 0);
    EXPECT_TRUE(chooser.doneButton()->isEnabled());
    EXPECT_EQ(chooser.footbarMessage()->text(), QStringLiteral("Main Title Backup (MPEG-2) Profile Selected"));
    ASSERT_TRUE(chooser.choosePanel()->grab().save(
        profileui::outputDir(QStringLiteral("ui_profiles_profile_chooser")) + QStringLiteral("/chooser_opened.png")));
    chooser.cancelClick();

    env.manager->addRecentUseProfile(shippedProfile(1, QStringLiteral("iPad3_H264")).get(), 1);
    env.manager->addRecentUseProfile(shippedProfile(1, QStringLiteral("iPhone5_H264")).get(), 1);
    open(1);
    EXPECT_EQ(chooser.majorTableController()->selectedRow(), DNMajorTableViewController::kRecentRow);
    EXPECT_EQ(chooser.detailNavigationBar()->currentTitle(), QStringLiteral("Recently Used Profile"));
    EXPECT_EQ(cardTitles(), (QStringList {shippedProfile(1, QStringLiteral("iPhone5_H264"))->title(),
                                          shippedProfile(1, QStringLiteral("iPad3_H264"))->title()}));
    EXPECT_EQ(chooser.detaileProfileTableController()->tableView()->selectedCellIndex(), 0);

    // Video files have a catalogue of their own, with an empty recent list.
    chooser.cancelClick();
    open(2);
    EXPECT_EQ(chooser.majorTableController()->selectedRow(), 2);
    EXPECT_EQ(chooser.majorTableController()->rows().at(0).header, QStringLiteral("Frequently Used Profile"));
    EXPECT_FALSE(cardTitles().isEmpty());
    // Every group header stands over at least one category: the file catalogue has no backups.
    const auto &rows = chooser.majorTableController()->rows();
    for (int i = 0; i < rows.size(); ++i)
        if (!rows.at(i).item) {
            EXPECT_TRUE(i + 1 < rows.size() && rows.at(i + 1).item) << rows.at(i).header.toStdString();
        }
    for (const auto &row : rows)
        EXPECT_NE(row.header, QStringLiteral("DVD Backup Profile"));
}

TEST_F(ProfileChooser, BrowsingThreeLevelsAndDoneHandsOverTheChosenProfile)
{
    open(1);
    QVariant actionArgument;
    chooser.setDoneAction(NXAction::actionWithTarget(&window, [&](const QVariant &a, const QVariant &) { actionArgument = a; }));

    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("Apple")));
    settle();
    EXPECT_EQ(chooser.leftContainerX(), -NXProfileChooserController::kSlideDistance);
    EXPECT_EQ(chooser.navigationBar()->currentTitle(), QStringLiteral("Apple"));
    EXPECT_EQ(chooser.secondaryTableController()->rows().size(), 5);
    EXPECT_TRUE(cardTitles().isEmpty());
    EXPECT_FALSE(chooser.doneButton()->isEnabled());
    EXPECT_EQ(chooser.footbarMessage()->text(), QStringLiteral("Apple Category, please choose the output profile"));

    clickRow(chooser.secondaryTableController(), rowOf(chooser.secondaryTableController(), QStringLiteral("Apple_iPhone")));
    EXPECT_EQ(chooser.detailNavigationBar()->currentTitle(), QStringLiteral("iPhone"));
    ASSERT_GE(cardTitles().size(), 3);
    clickCard(2);
    EXPECT_EQ(chooser.detaileProfileTableController()->tableView()->selectedCellIndex(), 2);
    const QString chosenTitle = cardTitles().at(2);
    EXPECT_EQ(chooser.footbarMessage()->text(), chosenTitle + QStringLiteral(" Profile Selected"));
    EXPECT_TRUE(chooser.doneButton()->isEnabled());

    const QString png = profileui::outputDir(QStringLiteral("ui_profiles_profile_chooser")) + QStringLiteral("/chooser_apple_iphone.png");
    ASSERT_TRUE(chooser.choosePanel()->grab().save(png));

    QTest::mouseClick(chooser.doneButton(), Qt::LeftButton);
    ASSERT_EQ(delegate.chosen.size(), 1);
    ASSERT_TRUE(delegate.chosen.first());
    EXPECT_EQ(delegate.chosen.first()->title(), chosenTitle);
    ASSERT_TRUE(actionArgument.canConvert<std::shared_ptr<DNProfile>>());
    EXPECT_EQ(actionArgument.value<std::shared_ptr<DNProfile>>()->title(), chosenTitle);
    EXPECT_FALSE(chooser.choosePanel()->isVisible());
    EXPECT_TRUE(env.log().contains(QStringLiteral("-->profile:") + chosenTitle + QStringLiteral(" Profile Selected")));
}

TEST_F(ProfileChooser, BackButtonAndCancelReturnToTheMajorList)
{
    open(1);
    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("Samsung")));
    settle();
    clickRow(chooser.secondaryTableController(), 0);
    ASSERT_FALSE(cardTitles().isEmpty());

    QPushButton *back = chooser.navigationBar()->button();
    ASSERT_TRUE(back && back->isVisible());
    QTest::mouseClick(back, Qt::LeftButton);
    settle();
    EXPECT_EQ(chooser.leftContainerX(), 0);
    EXPECT_TRUE(chooser.secondaryTableController()->rows().isEmpty());
    EXPECT_TRUE(cardTitles().isEmpty());
    EXPECT_EQ(chooser.majorTableController()->selectedRow(), -1);
    EXPECT_EQ(chooser.navigationBar()->currentTitle(), QStringLiteral("Output Profile Category"));

    // Cancel in the middle of a category: the next opening starts on the major list again.
    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("HTC")));
    settle();
    ASSERT_EQ(chooser.leftContainerX(), -NXProfileChooserController::kSlideDistance);
    QTest::mouseClick(chooser.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(chooser.choosePanel()->isVisible());
    EXPECT_TRUE(delegate.chosen.isEmpty());
    open(1);
    EXPECT_EQ(chooser.leftContainerX(), 0);
    EXPECT_EQ(chooser.navigationBar()->currentTitle(), QStringLiteral("Output Profile Category"));
    EXPECT_EQ(chooser.majorTableController()->selectedRow(), 2);
}

TEST_F(ProfileChooser, SelectionsDuringASlideAreIgnored)
{
    open(1);
    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("Apple")));
    ASSERT_FALSE(chooser.isPushedEnd());
    chooser.majorTableController()->selectRow(rowOf(chooser.majorTableController(), QStringLiteral("Backup")));
    settle();
    EXPECT_EQ(chooser.secondaryTableController()->rows().size(), 5);
    EXPECT_TRUE(cardTitles().isEmpty());
}

TEST_F(ProfileChooser, ApplyToAllPostsTheSelectedProfileOnly)
{
    QList<std::shared_ptr<DNProfile>> posted;
    int posts = 0;
    const auto id = DNNotificationCenter::defaultCenter().addObserver(
        kDNNotificationApplytoAllProfileSetting, [&](const DNNotification &n) {
            ++posts;
            posted << DNProfileFromNotification(n);
        });
    open(1);
    chooser.setCancelButtonHidden(false);
    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("Apple")));
    settle();
    QTest::mouseClick(chooser.apply2AllButton(), Qt::LeftButton);
    EXPECT_EQ(posts, 0);

    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("Backup")));
    QTest::mouseClick(chooser.navigationBar()->button(), Qt::LeftButton);
    settle();
    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("Backup")));
    ASSERT_EQ(chooser.detaileProfileTableController()->tableView()->selectedCellIndex(), 0);
    QTest::mouseClick(chooser.apply2AllButton(), Qt::LeftButton);
    ASSERT_EQ(posts, 1);
    ASSERT_TRUE(posted.first());
    EXPECT_EQ(posted.first()->GlobalID(), 1000001);
    EXPECT_TRUE(chooser.choosePanel()->isVisible());
    DNNotificationCenter::defaultCenter().removeObserver(id);
}

TEST_F(ProfileChooser, QualitySliderSetsThePhaseAndBitrateOfItsProfile)
{
    open(1); // the popular list: card 3 is an H.264 tablet profile with phases 4000/6000/8000
    DNProfilePreviewTableViewController *list = chooser.detaileProfileTableController();
    ASSERT_GE(list->dataSource().size(), 4);
    const auto profile = list->dataSource().at(3);
    ASSERT_TRUE(profile->videoQuality() && profile->videoQuality()->videoBitratePhases().size() == 3);
    ASSERT_EQ(profile->qualityPhase(), 1);

    QSlider *slider = list->tableView()->dataCells().at(3)->levelSlider();
    ASSERT_TRUE(slider);
    slider->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(profile->qualityPhase(), 0);
    EXPECT_EQ(profile->videoQuality()->currentValue(), profile->videoQuality()->videoBitratePhases().at(0));
    // Only that profile changed.
    EXPECT_EQ(list->dataSource().at(2)->qualityPhase(), 1);

    // The backup cards have no slider and audio cards no slider either.
    EXPECT_EQ(list->tableView()->dataCells().at(0)->levelSlider(), nullptr);
}

TEST_F(ProfileChooser, AClickBelowTheLastCardChangesNothing)
{
    open(1);
    clickRow(chooser.majorTableController(), rowOf(chooser.majorTableController(), QStringLiteral("Backup")));
    NXDetailProfileScrollView *cards = chooser.detaileProfileTableController()->tableView();
    ASSERT_EQ(cards->dataCells().size(), 4);
    clickCard(1);
    ASSERT_EQ(cards->selectedCellIndex(), 1);
    QTest::mouseClick(cards->widget(), Qt::LeftButton, {}, QPoint(20, 4 * NXProfilePreviewCell::kHeight + 30));
    EXPECT_EQ(cards->selectedCellIndex(), 1);
    EXPECT_TRUE(cards->dataCells().at(1)->isSelected());
}

TEST_F(ProfileChooser, HidingCancelMovesDoneToTheRightEdge)
{
    open(1);
    const int width = chooser.choosePanel()->width();
    chooser.setCancelButtonHidden(true);
    EXPECT_FALSE(chooser.cancelButton()->isVisible());
    EXPECT_FALSE(chooser.apply2AllButton()->isVisible());
    EXPECT_EQ(chooser.doneButton()->x(), width - chooser.doneButton()->width() - 20);
    chooser.setCancelButtonHidden(false);
    EXPECT_TRUE(chooser.apply2AllButton()->isVisible());
    EXPECT_EQ(chooser.doneButton()->x(),
              width - chooser.doneButton()->width() - chooser.apply2AllButton()->width() - 20);
    EXPECT_LE(chooser.cancelButton()->geometry().right(), chooser.doneButton()->x());
}

} // namespace

// The recommended mark and every other text of a card stay readable on a selected card's blue.
TEST(ProfileCards, TextsStayReadableSelectedOrNot)
{
    profileui::app();
    NXProfilePreviewCell card(nullptr);
    card.setProfileTitle(QStringLiteral("iPad 2 H.264"));
    card.setDescribe(QStringLiteral("H.264 video with AAC audio in MP4, 1024x768"));
    card.setBottomOtherInfomationText(QStringLiteral("1024x768, 1800 kbps"));
    card.setRecommend(true);
    card.show();
    for (bool selected : {false, true}) {
        card.setSelected(selected);
        const QImage picture = card.grab().toImage();
        for (QLabel *label : card.findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            EXPECT_GE(uitest::inkContrast(picture, label->geometry()), 3.0)
                << label->text().toStdString() << (selected ? " on a selected card" : "");
        }
        uitest::savePicture(&card, QStringLiteral("profiles"), selected ? QStringLiteral("card_selected")
                                                                        : QStringLiteral("card"));
    }
}
