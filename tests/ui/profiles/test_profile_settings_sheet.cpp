// The profile settings sheet: what it shows for an item, what a confirmed edit gives the item,
// the catalogue and the media list, and how it refuses or corrects bad input.
#include "ui/profiles/NXProfileController.h"

#include "dvd/DNDVDNode.h"
#include "profile_ui_support.h"
#include "ui/profiles/DNProfileApplyToAll.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace {

using profileui::shippedProfile;

// An item of any class, with the channel count and picture size a test needs.
struct FakeItem : DNProfileProtocol
{
    QString cls = QStringLiteral("DNFileNode");
    std::shared_ptr<DNProfile> profile;
    int channels = 2;
    QSizeF size {1280, 720};
    int sets = 0;

    QString className() const override { return cls; }
    bool isDVDSource() const override { return false; }
    std::shared_ptr<DNProfile> curProfileOfSelectTrack() const override { return profile; }
    void setCurProfileOfSelectTrack(const std::shared_ptr<DNProfile> &p) override
    {
        profile = p ? p->copy() : nullptr;
        ++sets;
    }
    int audioChannelOfSelectTrack() const override { return channels; }
    QSizeF resolutionOfSelectedVideoTrack() const override { return size; }
    float recommendBitrate(const DNProfile &p, QSizeF s) const override { return p.recommendBitrate(nullptr, s); }
    NXMediaNodePtr node() const override { return nullptr; }
};

struct NotificationCounter
{
    explicit NotificationCounter(const QString &name)
    {
        id = DNNotificationCenter::defaultCenter().addObserver(name, [this](const DNNotification &n) {
            ++count;
            last = n;
        });
    }
    ~NotificationCounter() { DNNotificationCenter::defaultCenter().removeObserver(id); }
    int count = 0;
    DNNotification last;
    DNNotificationCenter::ObserverId id;
};

class ProfileSettingsSheet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(900, 700);
        window.show();
        sheet.setProfileManager(env.manager.get());
    }

    std::shared_ptr<FakeItem> fakeItem(const QString &profileName, int kind = 1)
    {
        auto item = std::make_shared<FakeItem>();
        item->profile = shippedProfile(kind, profileName);
        return item;
    }

    static void choose(QComboBox *popup, const QString &value)
    {
        const int index = popup->findData(value);
        ASSERT_GE(index, 0) << value.toStdString();
        popup->setCurrentIndex(index);
    }

    static void retype(QLineEdit *edit, const QString &keys)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }

    profileui::Environment env;
    QWidget window;
    NXProfileController sheet;
};

TEST_F(ProfileSettingsSheet, ConfirmedEditsReachTheItemTheCatalogueAndTheMediaList)
{
    auto node = std::make_shared<DNDVDNode>();
    node->setProfile(shippedProfile(1, QStringLiteral("iPhone4S_MPEG4")));
    ASSERT_TRUE(node->profile()->isTwoPassEncode());
    NotificationCounter refresh(kNXMediaTableViewRefreshAllCells);

    sheet.setChooserShowType(1);
    sheet.setMediaNode(NXMediaNodePtr(node));
    ASSERT_TRUE(sheet.isDVD());
    sheet.beginSheetAtWindow(&window);
    ASSERT_TRUE(sheet.settingPanel()->isVisible());
    EXPECT_FALSE(sheet.bitrateModelPopup()->isVisible()); // a DVD source never shows the model
    EXPECT_EQ(sheet.profileButton()->text(), node->profile()->title());

    choose(sheet.framePopup(), QStringLiteral("25"));
    choose(sheet.aspectPopup(), QStringLiteral("16x9"));
    choose(sheet.audioBitratePopup(), QStringLiteral("160"));
    choose(sheet.channelPopup(), QStringLiteral("1"));
    QTest::mouseClick(sheet.twoPassCheck(), Qt::LeftButton, {}, QPoint(8, sheet.twoPassCheck()->height() / 2));
    ASSERT_TRUE(sheet.enableTwopassEncode());

    QTest::mouseClick(sheet.makeCstmButton(), Qt::LeftButton);
    EXPECT_EQ(sheet.makeCstmButton()->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(sheet.resolutionContainer()->isVisible());
    EXPECT_FALSE(sheet.popupResolution()->isVisible());
    EXPECT_EQ(sheet.inputWidth()->text(), QStringLiteral("640"));
    retype(sheet.inputWidth(), QStringLiteral("abc1280"));
    retype(sheet.inputHeight(), QStringLiteral("7200x"));
    EXPECT_EQ(sheet.inputWidth()->text(), QStringLiteral("1280"));
    EXPECT_EQ(sheet.inputHeight()->text(), QStringLiteral("7200"));
    retype(sheet.inputHeight(), QStringLiteral("720"));

    // CBR after the size: a new size proposes its own bitrate, then the typed one replaces it.
    sheet.setBitrateModelIndex(1);
    ASSERT_TRUE(sheet.bitrateEdit()->isEnabled());
    retype(sheet.bitrateEdit()->lineEdit(), QStringLiteral("900"));
    QTest::keyClick(sheet.bitrateEdit()->lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(sheet.settingPanel()->isVisible()); // Return ends the edit, not the sheet

    ASSERT_TRUE(sheet.settingPanel()->grab().save(
        profileui::outputDir(QStringLiteral("ui_profiles_profile_settings_sheet")) + QStringLiteral("/settings_custom_size.png")));

    QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet.settingPanel()->isVisible());
    EXPECT_FALSE(sheet.mediaNode());

    const auto stored = node->profile();
    EXPECT_EQ(stored->videoResolution()->currentValue(), QStringLiteral("1280x720"));
    EXPECT_EQ(stored->videoFrameRate()->currentValue(), QStringLiteral("25"));
    EXPECT_EQ(stored->videoAspect()->currentValue(), QStringLiteral("16x9"));
    EXPECT_EQ(stored->audioQuality()->currentValue(), QStringLiteral("160"));
    EXPECT_EQ(stored->audioChannel()->currentValue(), QStringLiteral("1"));
    EXPECT_EQ(stored->videoQuality()->curBitrateModel(), 1);
    EXPECT_EQ(stored->videoQuality()->currentValue(), QStringLiteral("900"));
    EXPECT_TRUE(stored->userEnableTwopassCode());

    // The catalogue's copy was taken before the custom size was written.
    const auto last = env.manager->lastProfileOfType(1);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->GlobalID(), stored->GlobalID());
    EXPECT_EQ(last->videoResolution()->currentValue(), QStringLiteral("640x480"));
    EXPECT_EQ(last->videoFrameRate()->currentValue(), QStringLiteral("25"));

    // The media list redraws a quarter second later, not at once.
    EXPECT_EQ(refresh.count, 0);
    QTRY_COMPARE(refresh.count, 1);
    EXPECT_FALSE(refresh.last.object.isValid());
}

TEST_F(ProfileSettingsSheet, CustomSizesOutsideOneTo9999AreNotWritten)
{
    struct Case
    {
        const char *width;
        const char *height;
        const char *expected;
    };
    const Case cases[] = {
        {"0", "480", "1136x640"},     // zero is refused
        {"", "480", "1136x640"},      // an empty field is no size
        {"640", "0000", "1136x640"},
        {"12345", "480", "1234x480"}, // the fifth digit never gets into the field
        {"9999", "1", "9999x1"},
        {"1", "9999", "1x9999"},
    };
    for (const Case &c : cases) {
        auto item = fakeItem(QStringLiteral("iPhone5_H264"));
        sheet.setMediaNode(item);
        sheet.beginSheetAtWindow(&window);
        QTest::mouseClick(sheet.makeCstmButton(), Qt::LeftButton);
        ASSERT_TRUE(sheet.isCustomed());
        retype(sheet.inputWidth(), QString::fromLatin1(c.width));
        retype(sheet.inputHeight(), QString::fromLatin1(c.height));
        QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
        ASSERT_EQ(item->sets, 1) << c.width << "x" << c.height;
        EXPECT_EQ(item->profile->videoResolution()->currentValue(), QString::fromLatin1(c.expected))
            << c.width << "x" << c.height;
    }
}

TEST_F(ProfileSettingsSheet, AProfileWithASizeOutsideItsListOpensOnTheSizeInputs)
{
    auto item = fakeItem(QStringLiteral("iPhone5_H264"));
    item->profile->videoResolution()->setCurrentValue(QStringLiteral("1000x500"));
    sheet.setMediaNode(item);
    sheet.beginSheetAtWindow(&window);
    EXPECT_TRUE(sheet.isCustomed());
    EXPECT_EQ(sheet.makeCstmButton()->state(), 0);
    EXPECT_EQ(sheet.makeCstmButton()->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(sheet.resolutionContainer()->isVisible());
    EXPECT_FALSE(sheet.popupResolution()->isVisible());
    EXPECT_FALSE(sheet.wainning()->isVisible());
    EXPECT_EQ(sheet.inputWidth()->text(), QStringLiteral("1000"));
    EXPECT_EQ(sheet.inputHeight()->text(), QStringLiteral("500"));

    // Restore default leaves the custom size and the profile's own values come back.
    choose(sheet.framePopup(), QStringLiteral("29.97"));
    QTest::mouseClick(sheet.restoreDefaultButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet.isCustomed());
    EXPECT_EQ(sheet.makeCstmButton()->text(), QStringLiteral("Customize"));
    EXPECT_TRUE(sheet.popupResolution()->isVisible());
    EXPECT_EQ(sheet.valueOfVideoFR(), QStringLiteral("keep origin"));
    EXPECT_EQ(sheet.valueOfVideoRsltion(), QStringLiteral("1136x640"));
    // A file item may switch between VBR and CBR.
    EXPECT_TRUE(sheet.bitrateModelPopup()->isVisible());
    ASSERT_TRUE(sheet.settingPanel()->grab().save(
        profileui::outputDir(QStringLiteral("ui_profiles_profile_settings_sheet")) + QStringLiteral("/settings_file_item.png")));

    // Cancel leaves the item as it was.
    QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(item->sets, 0);
    EXPECT_EQ(item->profile->videoResolution()->currentValue(), QStringLiteral("1000x500"));
    EXPECT_FALSE(sheet.mediaNode());
}

TEST_F(ProfileSettingsSheet, BitrateListModelAndTypedBitrates)
{
    auto node = std::make_shared<DNDVDNode>();
    auto profile = shippedProfile(1, QStringLiteral("iPhone5_H264"));
    auto quality = profile->videoQuality()->copy();
    quality->setVideoBitratePhases({QStringLiteral("1000"), QStringLiteral("1500"), QStringLiteral("2000")});
    quality->setMinVideoBitrate(600);
    quality->setMaxVideoBitrate(2000);
    quality->setCurBitrateModel(1);
    quality->setCurrentValue(QStringLiteral("1700"));
    profile->setVideoQuality(quality);
    node->setProfile(profile);

    sheet.setMediaNode(NXMediaNodePtr(node));
    sheet.beginSheetAtWindow(&window);
    // The DVD's recommendation is the middle phase; the extra entry lies half a step above the top.
    EXPECT_EQ(sheet.bitrateLists(), (QStringList {QStringLiteral("1000K"), QStringLiteral("1500K"),
                                                  QStringLiteral("2000K"), QStringLiteral("2250K")}));
    // The bitrate the item already had survives the list's rebuild.
    EXPECT_EQ(sheet.bitrateValue(), QStringLiteral("1700K"));

    struct Typed
    {
        const char *text;
        const char *shown;
        const char *stored;
    };
    const Typed typed[] = {
        {"5000", "2000K", "2000"}, {"100", "600K", "600"}, {"abc", "1500K", "1500"},
        {"1800", "1800", "1800"},  {"1200K", "1200K", "1200"},
    };
    QLineEdit *edit = sheet.bitrateEdit()->lineEdit();
    for (const Typed &t : typed) {
        retype(edit, QString::fromLatin1(t.text));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(sheet.bitrateEdit()->currentText(), QString::fromLatin1(t.shown)) << t.text;
        EXPECT_EQ(sheet.parser()->videoQuality()->currentValue(), QString::fromLatin1(t.stored)) << t.text;
    }
    EXPECT_EQ(NXNumberComboBox::completedString(QStringLiteral("900")), QStringLiteral("900K"));
    EXPECT_EQ(NXNumberComboBox::completedString(QStringLiteral("900K")), QStringLiteral("900K"));

    sheet.setBitrateModelIndex(0);
    EXPECT_EQ(sheet.bitrateValue(), QStringLiteral("Smart Match"));
    EXPECT_EQ(sheet.bitrateEdit()->currentText(), QStringLiteral("Smart Match"));
    EXPECT_FALSE(sheet.bitrateEdit()->isEnabled());
    sheet.setBitrateModelIndex(1);
    EXPECT_EQ(sheet.bitrateValue(), QStringLiteral("1500K"));
}

TEST_F(ProfileSettingsSheet, ChannelChoicesFollowTheItemsAudio)
{
    struct Case
    {
        int channels;
        QStringList offered;
    };
    const Case cases[] = {
        {4, {"1", "2", "4"}},
        {1, {"1"}},
        {100, {"1", "2", "4", "6"}}, // an item without audio limits nothing
    };
    for (const Case &c : cases) {
        auto item = fakeItem(QStringLiteral("iPhone5_H264"));
        auto channels = item->profile->audioChannel()->copy();
        channels->setValues({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("6")});
        item->profile->setAudioChannel(channels);
        item->channels = c.channels;
        sheet.setMediaNode(item);
        EXPECT_EQ(sheet.audioChannel(), c.offered) << c.channels;
        QStringList shown;
        for (int i = 0; i < sheet.channelPopup()->count(); ++i)
            shown << sheet.channelPopup()->itemData(i).toString();
        EXPECT_TRUE(shown.startsWith(c.offered.first())) << c.channels;
        EXPECT_FALSE(shown.contains(QStringLiteral("6")) && c.channels < 6) << c.channels;
    }
}

TEST_F(ProfileSettingsSheet, VideoStatusTellsCopyAndMissingVideo)
{
    auto item = fakeItem(QStringLiteral("DVDMainBackup"));
    sheet.setMediaNode(item);
    EXPECT_EQ(sheet.videoStatusString(), QStringLiteral("Video Codec: Keep original video"));
    auto audioOnly = fakeItem(QStringLiteral("iPhone5_H264"));
    audioOnly->profile->setVideoCodec(nullptr);
    sheet.setMediaNode(audioOnly);
    EXPECT_EQ(sheet.videoStatusString(), QStringLiteral("Disable Video Track"));
    sheet.setMediaNode(fakeItem(QStringLiteral("iPhone5_H264")));
    EXPECT_EQ(sheet.videoStatusString(), QString());
}

TEST_F(ProfileSettingsSheet, ApplyToAllPostsTheEditedProfileAndKeepsTheSheetOpen)
{
    NotificationCounter applied(kDNNotificationApplytoAllProfileSetting);
    auto item = fakeItem(QStringLiteral("iPhone5_H264"));
    sheet.setMediaNode(item);
    sheet.beginSheetAtWindow(&window);
    choose(sheet.framePopup(), QStringLiteral("23.976"));
    QTest::mouseClick(sheet.applyToAllButton(), Qt::LeftButton);
    ASSERT_EQ(applied.count, 1);
    const auto posted = DNProfileFromNotification(applied.last);
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->videoFrameRate()->currentValue(), QStringLiteral("23.976"));
    EXPECT_TRUE(sheet.settingPanel()->isVisible());
    EXPECT_EQ(item->sets, 0);
    QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
}

TEST_F(ProfileSettingsSheet, ChoosingAnotherProfileFromTheSheetKeepsItOpen)
{
    auto node = std::make_shared<DNDVDNode>();
    node->setProfile(shippedProfile(1, QStringLiteral("iPhone5_H264")));
    sheet.setMediaNode(NXMediaNodePtr(node));
    sheet.beginSheetAtWindow(&window);
    QTest::mouseClick(sheet.makeCstmButton(), Qt::LeftButton);
    ASSERT_TRUE(sheet.isCustomed());

    QTest::mouseClick(sheet.profileButton(), Qt::LeftButton);
    NXProfileChooserController *chooser = sheet.profileChooseController();
    ASSERT_TRUE(chooser->choosePanel()->isVisible());
    EXPECT_EQ(chooser->profileType(), 1);
    EXPECT_TRUE(chooser->cancelButton()->isVisible());
    EXPECT_TRUE(chooser->apply2AllButton()->isVisible());
    EXPECT_FALSE(sheet.onlyPresentChooser());

    // Popular list, first card: the main-title backup.
    ASSERT_TRUE(chooser->detaileProfileTableController()->selectedProfile());
    const auto chosen = chooser->detaileProfileTableController()->selectedProfile();
    QTest::mouseClick(chooser->doneButton(), Qt::LeftButton);
    EXPECT_FALSE(chooser->choosePanel()->isVisible());
    EXPECT_TRUE(sheet.settingPanel()->isVisible());
    EXPECT_EQ(sheet.parser()->GlobalID(), chosen->GlobalID());
    EXPECT_EQ(sheet.profileButton()->text(), chosen->title());
    EXPECT_FALSE(sheet.isCustomed());
    EXPECT_EQ(node->profile()->GlobalID(), 2001005); // nothing reaches the item before OK

    QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
    EXPECT_EQ(node->profile()->GlobalID(), chosen->GlobalID());
}

TEST_F(ProfileSettingsSheet, TheChooserAloneGivesTheItemTheProfileAtOnce)
{
    NotificationCounter refresh(kNXMediaTableViewRefreshAllCells);
    auto item = fakeItem(QStringLiteral("Video_MP4_H264"), 2);
    ASSERT_NE(item->profile->GlobalID(), 0) << "the video catalogue has no such profile";
    // A size typed for the old profile is no part of the new one.
    item->profile->videoResolution()->setCurrentValue(QStringLiteral("1000x500"));
    sheet.setMediaNode(item);
    sheet.setCancelButtonHidden(true);
    sheet.presentProfileChooseAttectToWindow(&window);
    NXProfileChooserController *chooser = sheet.profileChooseController();
    EXPECT_EQ(chooser->profileType(), 2);
    EXPECT_TRUE(sheet.onlyPresentChooser());
    EXPECT_FALSE(chooser->cancelButton()->isVisible());
    const auto chosen = chooser->detaileProfileTableController()->selectedProfile();
    ASSERT_TRUE(chosen);
    QTest::mouseClick(chooser->doneButton(), Qt::LeftButton);

    ASSERT_EQ(item->sets, 1);
    EXPECT_EQ(item->profile->GlobalID(), chosen->GlobalID());
    if (chosen->videoResolution()) {
        EXPECT_EQ(item->profile->videoResolution()->currentValue(), chosen->videoResolution()->currentValue());
    }
    ASSERT_TRUE(env.manager->lastProfileOfType(2));
    EXPECT_EQ(env.manager->lastProfileOfType(2)->GlobalID(), chosen->GlobalID());
    EXPECT_FALSE(sheet.mediaNode());
    QTRY_COMPARE(refresh.count, 1);
}

} // namespace
