// What the rows show of their entries and what their pop-ups and fields change: the DVD source
// row's title lines, merge switch and output name; the title row's track pop-ups, time range and
// edit button; the file row's track labels.
#include "medialist_test_support.h"

#include "core/model/file/DNTAudio.h"
#include "core/model/file/DNTSubtitle.h"
#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNCheckBox.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/NXSwitch.h"
#include "ui/medialist/DNCellWidgets.h"

#include <QLabel>
#include <QTest>

using namespace medialisttest;

namespace {

std::shared_ptr<DNProfile> profileWith(const char *suffix, int globalID)
{
    auto profile = std::make_shared<DNProfile>(QString());
    profile->setFileNameSuffix(QString::fromLatin1(suffix));
    profile->setGlobalID(globalID);
    return profile;
}

struct RowHost
{
    ListFixture f;
    DNDVDNodePtr dvd;
    explicit RowHost(DNDVDNodePtr node) : dvd(std::move(node)) { f.table->addMovieNode(dvd); }
    DNDVDRootCell *root() const { return qobject_cast<DNDVDRootCell *>(f.row(0)); }
    DNDVDTitleCell *title(int i) const { return qobject_cast<DNDVDTitleCell *>(f.row(0, i)); }
};

void choose(DNPopUpButton *popUp, int position)
{
    popUp->setCurrentIndex(position);
    Q_EMIT popUp->activated(position);
}

TEST(DVDSourceRow, TitleLinesNameMainAndReadyTitles)
{
    const struct
    {
        const char *what;
        QList<int> lengths;
        QList<int> mains;
        QList<int> selected;
        const char *mainLine;
        const char *readyLine;
        bool switchEnabled;
    } cases[] = {
        {"four main titles show three", {5, 5, 5, 5}, {0, 1, 2, 3}, {}, "Main title detected: 1,2,3",
         "Titles ready to rip: No Title", false},
        {"no marked title: the longest", {3, 9}, {}, {0}, "Main title detected: 2", "Titles ready to rip: 1", false},
        {"no title longer than 0 s", {0, 0}, {}, {0, 1}, "Main title detected: None", "Titles ready to rip: 1,2", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto dvd = makeDVD(c.lengths);
        for (int i : c.mains)
            dvd->titleAt(i)->setIsMainTitle(true);
        for (int i : c.selected)
            dvd->titleAt(i)->setIsSelected(true);
        RowHost host(dvd);
        EXPECT_EQ(host.root()->mainTitle()->text(), QString::fromLatin1(c.mainLine));
        EXPECT_EQ(host.root()->titlesSelected()->text(), QString::fromLatin1(c.readyLine));
        EXPECT_EQ(host.root()->titlesSelected()->toolTip().isEmpty(), c.selected.isEmpty());
        EXPECT_EQ(host.root()->mergeSwitch()->enable(), c.switchEnabled);
        EXPECT_EQ(host.root()->profileName()->toolTip(), QStringLiteral("Target format: No Profile"));
    }
}

TEST(DVDSourceRow, MergeSwitchIsOffForProfilesThatCannotJoin)
{
    const struct
    {
        int globalID;
        bool enabled;
    } cases[] = {{2000001, true}, {13000001, false}, {1000003, false}, {1000004, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.globalID);
        auto dvd = makeDVD({5, 6});
        dvd->titleAt(0)->setIsSelected(true);
        dvd->titleAt(1)->setIsSelected(true);
        dvd->setMergeIntoOne(true);
        dvd->setProfile(profileWith("mp4", c.globalID));
        RowHost host(dvd);
        EXPECT_EQ(host.root()->mergeSwitch()->enable(), c.enabled);
        EXPECT_EQ(dvd->mergeIntoOne(), c.enabled);
    }
}

TEST(DVDSourceRow, OutputNameTakesTheProfileSuffix)
{
    auto dvd = makeDVD({5});
    dvd->setProfile(profileWith("mp4", 2000001));
    RowHost host(dvd);
    EXPECT_EQ(host.root()->trackNameOutput()->text(), QStringLiteral("MOVIE.mp4"));
    for (auto [typed, stored] : {std::pair{"movie", "movie.mp4"}, std::pair{"movie.MP4", "movie.MP4"}}) {
        host.root()->trackNameOutput()->setText(QString::fromLatin1(typed));
        host.root()->onDVDOutputNameDidChanged();
        EXPECT_EQ(dvd->nodeInfo()->outputName(), QString::fromLatin1(stored));
    }
    dvd->setProfile(profileWith("mkv", 2000001));
    host.root()->updateCellContent();
    EXPECT_EQ(host.root()->trackNameOutput()->text(), QStringLiteral("movie.mkv"));
}

// The row follows its disc: a cover found after the row was made, the merge flag set elsewhere,
// and the playing state, which hides the play button under the pointer.
TEST(DVDSourceRow, ObservesItsDiscsCoverMergeFlagAndPlayingState)
{
    auto dvd = makeDVD({5, 9});
    for (const DNDVDTitlePtr &title : dvd->titles())
        title->setIsSelected(true);
    RowHost host(dvd);
    DNDVDRootCell *root = host.root();
    DNCellTrackImageView *thumbnail = root->thumbnailView();
    EXPECT_TRUE(thumbnail->isWaitingForImage()) << "a spinner while the cover is looked up";
    EXPECT_FALSE(thumbnail->hasImage());
    uitest::savePicture(&host.f.window, QStringLiteral("medialist"), QStringLiteral("dvd_row_cover_pending"));

    QImage cover(160, 120, QImage::Format_RGB32);
    cover.fill(QColor(200, 40, 40));
    dvd->setThumbnail(cover);
    EXPECT_TRUE(thumbnail->hasImage());
    EXPECT_FALSE(thumbnail->isWaitingForImage());
    const QColor middle = thumbnail->shownImage().pixelColor(thumbnail->width() / 2, thumbnail->height() - 10);
    EXPECT_GT(middle.red(), 150);
    EXPECT_LT(middle.green(), 80);

    dvd->setMergeIntoOne(true);
    EXPECT_TRUE(root->mergeSwitch()->isOn());
    dvd->setMergeIntoOne(false);
    EXPECT_FALSE(root->mergeSwitch()->isOn());

    root->onDNNotificationScrollWheel(root->mapToGlobal(QPoint(5, 5)));
    ASSERT_TRUE(root->isFocused());
    ASSERT_TRUE(thumbnail->playIcon());
    EXPECT_FALSE(thumbnail->playIcon()->isHidden());
    dvd->setIsPlaying(true);
    EXPECT_TRUE(thumbnail->playIcon()->isHidden());
    dvd->setIsPlaying(false);
    EXPECT_FALSE(thumbnail->playIcon()->isHidden());
    uitest::savePicture(&host.f.window, QStringLiteral("medialist"), QStringLiteral("dvd_row_cover_arrived"));
}

// The profile control's two buttons look like one split button: the frames show under the
// pointer, and holding one button shows the other in the matching pressed frame.
TEST(RowWidgets, ProfileControlHoverAndPressedLooks)
{
    uitest::app();
    QWidget window;
    window.resize(120, 80);
    auto *control = new DNCellProfileImageView(QRect(10, 10, 80, 60), &window);
    control->updateDisplayImage(QStringLiteral("profile_apple_ipad"));
    window.show();
    DNButton *left = control->leftButton();
    DNButton *right = control->rightButton();
    // A point of the frame that no icon covers tells which frame a button shows.
    auto framed = [](DNButton *button, const char *frame) {
        const QImage shown = button->currentImage().toImage();
        const QImage picture = DNImageNamed(QString::fromLatin1(frame)).toImage();
        return !shown.isNull() && shown.size() == picture.size()
               && shown.pixelColor(2, picture.height() / 2) == picture.pixelColor(2, picture.height() / 2);
    };
    EXPECT_EQ(left->currentImage().toImage(), DNImageNamed(QStringLiteral("profile_apple_ipad_nor.png")).toImage());
    EXPECT_EQ(right->currentImage().toImage(), DNImageNamed(QStringLiteral("setting_icon_nor.png")).toImage());

    control->setHoverLook(true);
    EXPECT_TRUE(framed(left, "left_frame_state1.png"));
    EXPECT_TRUE(framed(right, "right_frame_state1.png"));
    uitest::savePicture(&window, QStringLiteral("medialist"), QStringLiteral("profile_control_hover"));

    int chosen = 0;
    QObject::connect(control, &DNCellProfileImageView::changeCurProfileClicked, [&chosen] { ++chosen; });
    QTest::mousePress(left, Qt::LeftButton);
    EXPECT_TRUE(framed(left, "left_frame_state2.png"));
    EXPECT_TRUE(framed(right, "right_frame_state2.png"));
    uitest::savePicture(&window, QStringLiteral("medialist"), QStringLiteral("profile_control_left_pressed"));
    QTest::mouseRelease(left, Qt::LeftButton);
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(framed(left, "left_frame_state1.png")) << "back to the hover look after the click";

    QTest::mousePress(right, Qt::LeftButton);
    EXPECT_TRUE(framed(right, "right_frame_state3.png"));
    EXPECT_TRUE(framed(left, "left_frame_state3.png"));
    uitest::savePicture(&window, QStringLiteral("medialist"), QStringLiteral("profile_control_right_pressed"));
    QTest::mouseRelease(right, Qt::LeftButton);

    control->setHoverLook(false);
    EXPECT_EQ(left->currentImage().toImage(), DNImageNamed(QStringLiteral("profile_apple_ipad_nor.png")).toImage());
}

// The title row's check box draws the row's own pictures for its two states.
TEST(DVDTitleRow, CheckBoxShowsItsPictures)
{
    auto dvd = makeDVD({5, 9});
    dvd->titleAt(1)->setIsSelected(true);
    RowHost host(dvd);
    const QImage unchecked = DNImageNamed(QStringLiteral("title_cell_uncheck.png")).toImage();
    const QImage checked = DNImageNamed(QStringLiteral("title_cell_check.png")).toImage();
    ASSERT_FALSE(unchecked.isNull());
    ASSERT_FALSE(checked.isNull());
    for (int i = 0; i < 2; ++i) {
        DNCheckBox *box = host.title(i)->check();
        ASSERT_TRUE(box->drawsPictures());
        const QImage shown = box->grab().toImage();
        const QImage &picture = i == 1 ? checked : unchecked;
        const QPoint middle(picture.width() / 2, picture.height() / 2);
        const QPoint offset((shown.width() - picture.width()) / 2, (shown.height() - picture.height()) / 2);
        EXPECT_EQ(shown.pixelColor(middle + offset).rgb(), picture.pixelColor(middle).rgb()) << "title " << i + 1;
    }
    QTest::mouseClick(host.title(0)->check(), Qt::LeftButton);
    EXPECT_TRUE(dvd->titleAt(0)->isSelected());
    uitest::savePicture(&host.f.window, QStringLiteral("medialist"), QStringLiteral("title_rows_checked"));
}

TEST(DVDTitleRow, PopUpsListTracksAndTheExtraChoices)
{
    auto title = makeTitle(0, 60, {{"ac3", "English", 2}, {"ac3", "English", 2}}, {QStringLiteral("English")});
    auto bare = makeTitle(1, 30, {}, {});
    auto fileOnly = makeTitle(2, 30, {{"lpcm", "", 2}}, {});
    fileOnly->subtitleTracks() << DNDVDTExtSubtitle::dvdExtraSubtitleWithFile(QStringLiteral("/x/Movie.en.srt"));
    auto dvd = DNDVDNode::dvdNodeWithData({title, bare, fileOnly}, NXDVDSourceInfo::sourceInfoWithPath(QStringLiteral("/d/M")));
    dvd->setMediaType(NXMediaTypeDVD);
    RowHost host(dvd);

    EXPECT_EQ(host.title(0)->audioTracks()->itemTitles(),
              (QStringList{QStringLiteral("ac3 [English] 2ch"), QStringLiteral("ac3 [English] 2ch")}));
    EXPECT_EQ(host.title(0)->subtitleTracks()->itemTitles(),
              (QStringList{QStringLiteral("Track1 [English]"), QStringLiteral("-"), QStringLiteral("Forced Subtitle"),
                           QStringLiteral("Load Subtitle..."), QStringLiteral("Disabled Subtitle")}));
    EXPECT_EQ(host.title(1)->audioTracks()->itemTitles(), QStringList{QStringLiteral("No Audio")});
    EXPECT_EQ(host.title(1)->subtitleTracks()->itemTitles(),
              (QStringList{QStringLiteral("No Subtitle"), QStringLiteral("Load Subtitle...")}));
    // A title whose only subtitle is a file of the user's offers no forced subtitles.
    EXPECT_EQ(host.title(2)->audioTracks()->itemTitles(), QStringList{QStringLiteral("lpcm [] 2ch")});
    EXPECT_EQ(host.title(2)->subtitleTracks()->positionOfTag(DNDVDTitleCell::TagForced), -1);
    EXPECT_EQ(host.title(0)->titleResolution()->text(), QStringLiteral("720x480(4:3)"));
    EXPECT_EQ(host.title(0)->titleName()->text(), QStringLiteral("title 1"));

    // "No Audio" changes nothing.
    bare->setting()->setAudioIndex(0);
    choose(host.title(1)->audioTracks(), 0);
    EXPECT_EQ(bare->setting()->audioIndex(), 0);
}

TEST(DVDTitleRow, ChoicesSetTheTitleSetting)
{
    auto title = makeTitle(0, 60, {{"ac3", "English", 2}, {"ac3", "Francais", 2}}, {QStringLiteral("English")});
    auto dvd = DNDVDNode::dvdNodeWithData({title}, NXDVDSourceInfo::sourceInfoWithPath(QStringLiteral("/d/M")));
    dvd->setMediaType(NXMediaTypeDVD);
    RowHost host(dvd);
    DNDVDTitleCell *row = host.title(0);
    auto s = title->setting();

    choose(row->audioTracks(), 1);
    EXPECT_EQ(s->audioIndex(), 1);

    const struct
    {
        int tag;
        int subtitleIndex;
        bool enabled;
        bool forced;
    } cases[] = {
        {0, 0, true, false},
        {DNDVDTitleCell::TagForced, -1, true, true},
        {DNDVDTitleCell::TagDisabled, -1, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        choose(row->subtitleTracks(), row->subtitleTracks()->positionOfTag(c.tag));
        EXPECT_EQ(s->subtitleIndex(), c.subtitleIndex);
        EXPECT_EQ(s->subtitleEnable(), c.enabled);
        EXPECT_EQ(s->forceSubOnly(), c.forced);
    }
    // Loading a subtitle file is the main window's business.
    choose(row->subtitleTracks(), row->subtitleTracks()->positionOfTag(DNDVDTitleCell::TagLoad));
    EXPECT_EQ(host.f.delegate.requests, QStringList{QStringLiteral("subtitle 0,0")});

    // The shown choice follows the setting.
    s->setSubtitleIndex(-1);
    s->setForceSubOnly(true);
    row->updateCellContent();
    EXPECT_EQ(row->subtitleTracks()->selectedTag(), int(DNDVDTitleCell::TagForced));
    s->setForceSubOnly(false);
    row->updateCellContent();
    EXPECT_EQ(row->subtitleTracks()->selectedTag(), int(DNDVDTitleCell::TagDisabled));
}

TEST(DVDTitleRow, TimeRangeAndEditButtonShowTheEdits)
{
    auto title = makeTitle(0, 100);
    auto dvd = DNDVDNode::dvdNodeWithData({title}, NXDVDSourceInfo::sourceInfoWithPath(QStringLiteral("/d/M")));
    dvd->setMediaType(NXMediaTypeDVD);
    RowHost host(dvd);
    DNDVDTitleCell *row = host.title(0);
    EXPECT_EQ(row->titleDuration()->text(), DNTrimRangeString(0, 100, 100));
    EXPECT_FALSE(row->titleDuration()->text().contains(QStringLiteral("191")));
    EXPECT_FALSE(row->editShowsActive());

    title->setting()->setTrimEnable(true);
    title->setting()->setTrimStartPercent(0.1f);
    title->setting()->setTrimEndPercent(0.9f);
    row->updateCellContent();
    const QString range = row->titleDuration()->text();
    EXPECT_TRUE(range.contains(QStringLiteral("00:00:10")));
    EXPECT_TRUE(range.contains(QStringLiteral("00:01:30")));
    EXPECT_EQ(range.count(QStringLiteral("rgba(191,0,0,0.5)")), 2);
    EXPECT_TRUE(row->editShowsActive());

    title->setting()->setTrimEnable(false);
    title->setting()->setVolume(120);
    row->updateCellContent();
    EXPECT_TRUE(row->editShowsActive());
}

TEST(DVDTitleRow, BackupProfilesLockTheirPopUps)
{
    const struct
    {
        int globalID;
        bool audio;
        bool subtitle;
    } cases[] = {{1000003, false, false}, {1000004, true, false}, {1000005, false, false}, {2000004, true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.globalID);
        auto dvd = makeDVD({5});
        dvd->setProfile(profileWith("mpg", c.globalID));
        RowHost host(dvd);
        EXPECT_EQ(host.title(0)->audioTracks()->isEnabled(), c.audio);
        EXPECT_EQ(host.title(0)->subtitleTracks()->isEnabled(), c.subtitle);
    }
}

TEST(FileRow, AudioAndSubtitleLabels)
{
    ListFixture f;
    auto file = makeFile(QStringLiteral("/m/clip.mkv"));
    const struct
    {
        const char *language;
        int aid;
    } audio[] = {{"eng", 128}, {"", 128}, {"", -1}};
    for (const auto &a : audio) {
        auto track = std::make_shared<DNTAudio>();
        track->language = QString::fromLatin1(a.language);
        track->aid = a.aid;
        track->channel = 6;
        track->codec = QStringLiteral("AC-3");
        file->audioTracks() << track;
    }
    file->setting()->setSubtitleIndex(-1);
    f.table->addMovieNode(file);
    auto *row = qobject_cast<DNRootCell *>(f.row(0));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->audioTracks()->itemTitles(),
              (QStringList{QStringLiteral("[eng] 6ch AC-3"), QStringLiteral("[128] 6ch AC-3"), QStringLiteral("6ch AC-3")}));
    EXPECT_EQ(row->subtitleTracks()->itemTitles(), (QStringList{QStringLiteral("No Subtitle"), QStringLiteral("Load Subtitle...")}));
    EXPECT_EQ(row->trackNameOriginal()->text(), QStringLiteral("clip.mkv"));

    row->addExtSubtitlePath(QStringLiteral("/x/Movie.en.srt"));
    EXPECT_EQ(row->subtitleTracks()->itemText(0), QStringLiteral("Track1 [Movie.en]"));
    EXPECT_EQ(file->setting()->subtitleIndex(), 0);
    EXPECT_TRUE(file->setting()->subtitleEnable());
    EXPECT_EQ(row->subtitleTracks()->selectedTag(), 101);
    // Cancel changes nothing but refreshes.
    row->addExtSubtitlePath(QString());
    EXPECT_EQ(file->subtitleTracks().size(), 1);

    auto silent = makeFile(QStringLiteral("/m/silent.mp4"));
    f.table->addMovieNode(silent);
    auto *silentRow = qobject_cast<DNRootCell *>(f.row(1));
    EXPECT_EQ(silentRow->audioTracks()->itemTitles(), QStringList{QStringLiteral("No Audio")});
    silent->setting()->setAudioIndex(0);
    choose(silentRow->audioTracks(), 0);
    EXPECT_EQ(silent->setting()->audioIndex(), 0);
    uitest::savePicture(&f.window, QStringLiteral("medialist"), QStringLiteral("file_rows"));
}

// Files joined into a group take the member-row style the moment the group is made.
TEST(FileRow, GroupMembersTakeTheMemberStyle)
{
    ListFixture f;
    auto first = makeFile(QStringLiteral("/m/first.mp4"));
    auto second = makeFile(QStringLiteral("/m/second.mp4"));
    f.table->addMovieNode(first);
    f.table->addMovieNode(second);
    auto *firstRow = qobject_cast<DNRootCell *>(f.row(0));
    ASSERT_TRUE(firstRow);
    ASSERT_EQ(firstRow->type(), 0);
    ASSERT_FALSE(firstRow->profileName()->isHidden());
    const auto group = DNFileGroupNode::fileGroupNodeWithNodes({first, second});
    for (const auto &member : {first, second}) {
        auto *row = qobject_cast<DNRootCell *>(DNCell::cellOfNode(member.get()));
        ASSERT_TRUE(row);
        EXPECT_EQ(row->type(), 1);
        EXPECT_TRUE(row->profileName()->isHidden()) << "a member shows no profile of its own";
    }
}

// Every text of every row stays readable whatever the row's state: selected or not, under the
// pointer or not, a main title's own background, trimmed times in red.
TEST(RowLooks, TextsStayReadableInEveryState)
{
    auto dvd = makeDVD({100, 9});
    dvd->titleAt(0)->setIsMainTitle(true);
    dvd->titleAt(1)->setIsSelected(true);
    auto trimmed = dvd->titleAt(1)->setting();
    trimmed->setTrimEnable(true);
    trimmed->setTrimStartPercent(0.1f);
    trimmed->setTrimEndPercent(0.9f);
    RowHost host(dvd);
    auto file = makeFile(QStringLiteral("/m/holiday.mp4"));
    host.f.table->addMovieNode(file);
    QList<DNCell *> rows{host.root(), host.title(0), host.title(1), DNCell::cellOfNode(file.get())};
    for (int state : {DNCell::StateUnselected, DNCell::StateSelected}) {
        for (bool focused : {false, true}) {
            for (DNCell *row : rows) {
                row->setState(state);
                row->setIsFocused(focused);
                const QImage picture = row->grab().toImage();
                for (QLabel *label : row->findChildren<QLabel *>()) {
                    if (!label->isVisibleTo(row) || label->text().isEmpty() || !label->pixmap().isNull())
                        continue;
                    const QRect area(label->mapTo(row, QPoint(0, 0)), label->size());
                    EXPECT_GE(uitest::inkContrast(picture, area), 3.0)
                        << row->metaObject()->className() << " " << label->objectName().toStdString() << " \""
                        << label->text().left(40).toStdString() << "\" state " << state << " focused " << focused;
                }
            }
            uitest::savePicture(&host.f.window, QStringLiteral("medialist"),
                                QStringLiteral("rows_state%1%2").arg(state).arg(focused ? "_focused" : ""));
        }
    }
}

} // namespace
