// The tag sheet: the output name shown and stored with the profile's extension, Done, Cancel,
// and Apply to all across the list.
#include "ui/tags/DNNodeTagController.h"

#include "ui/ui_test_support.h"

#include "core/model/DNNodeInfoApplyToAll.h"
#include "core/notify/DNNotificationCenter.h"
#include "dvd/DNDVDNode.h"
#include "profiles/DNProfile.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kTest = QStringLiteral("ui_tags_tag_sheet");

DNDVDNodePtr makeItem(const QString &outputName, const QString &suffix)
{
    auto source = NXDVDSourceInfo::sourceInfo();
    source->setName(QStringLiteral("Disc"));
    auto node = DNDVDNode::dvdNodeWithData({}, source);
    auto profile = std::make_shared<DNProfile>(QString());
    profile->setFileNameSuffix(suffix);
    node->setProfile(profile);
    node->nodeInfo()->setOutputName(outputName);
    node->nodeInfo()->setDisplayName(QStringLiteral("Old title"));
    node->nodeInfo()->setArtist(QStringLiteral("Old artist"));
    node->nodeInfo()->setComments(QStringLiteral("Old comments"));
    node->nodeInfo()->setGenre(QStringLiteral("Movie"));
    return node;
}

void typeInto(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

TEST(TagSheet, OutputNameCarriesTheProfilesExtension)
{
    uitest::app();
    QWidget window;
    window.resize(600, 400);
    window.show();
    struct Case
    {
        QString stored;
        QString suffix;
        QString shown;
        QString typed;    // null: leave the field as shown
        QString result;
    };
    const Case cases[] = {
        {QStringLiteral("clip"), QStringLiteral("mp4"), QStringLiteral("clip.mp4"), QString(), QStringLiteral("clip.mp4")},
        {QStringLiteral("clip.avi"), QStringLiteral("mp4"), QStringLiteral("clip.mp4"), QString(), QStringLiteral("clip.mp4")},
        {QStringLiteral("clip"), QStringLiteral("m4v"), QStringLiteral("clip.m4v"), QStringLiteral("holiday"),
         QStringLiteral("holiday.m4v")},
        {QStringLiteral("clip"), QStringLiteral("m4v"), QStringLiteral("clip.m4v"), QStringLiteral("holiday.M4V"),
         QStringLiteral("holiday.M4V")},
        // A '/' is no part of a file's name: kept and shown as the '_' the file is written with.
        {QStringLiteral("clip"), QStringLiteral("mp4"), QStringLiteral("clip.mp4"), QStringLiteral("AC/DC live"),
         QStringLiteral("AC_DC live.mp4")},
        {QStringLiteral("AC/DC"), QStringLiteral("mp4"), QStringLiteral("AC_DC.mp4"), QString(), QStringLiteral("AC_DC.mp4")},
    };
    for (const Case &c : cases) {
        auto item = makeItem(c.stored, c.suffix);
        DNNodeTagController tags;
        tags.setMediaNode(item);
        tags.displayTagEditorOnWindow(&window);
        ASSERT_TRUE(tags.panel()->isVisible());
        EXPECT_EQ(tags.outputname()->text(), c.shown);
        EXPECT_EQ(tags.name()->text(), QStringLiteral("Old title"));
        if (!c.typed.isNull())
            typeInto(tags.outputname(), c.typed);
        QTest::mouseClick(tags.doneButton(), Qt::LeftButton);
        EXPECT_FALSE(tags.panel()->isVisible());
        EXPECT_EQ(item->nodeInfo()->outputName(), c.result) << c.typed.toStdString();
    }
}

TEST(TagSheet, DoneStoresTheFieldsCancelKeepsTheRecord)
{
    uitest::app();
    QWidget window;
    window.resize(600, 400);
    window.show();
    int refreshes = 0;
    const auto observer = DNNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("NXMediaTableViewRefreshAllCells 0.0"), [&](const DNNotification &) { ++refreshes; });

    auto item = makeItem(QStringLiteral("clip"), QStringLiteral("mp4"));
    const DNNodeInfo before = *item->nodeInfo();
    DNNodeTagController tags;
    tags.setMediaNode(item);
    tags.displayTagEditorOnWindow(&window);
    typeInto(tags.name(), QStringLiteral("Trip"));
    typeInto(tags.artist(), QStringLiteral("Ann"));
    QTest::mouseClick(tags.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(tags.panel()->isVisible());
    EXPECT_EQ(*item->nodeInfo(), before);
    EXPECT_EQ(refreshes, 0);

    tags.displayTagEditorOnWindow(&window);
    EXPECT_EQ(tags.name()->text(), QStringLiteral("Old title"));
    typeInto(tags.name(), QStringLiteral("Trip"));
    typeInto(tags.comments(), QStringLiteral("Summer 2026"));
    tags.artist()->clear();
    uitest::savePicture(tags.panel(), kTest, QStringLiteral("tag_sheet"));
    QTest::mouseClick(tags.doneButton(), Qt::LeftButton);
    EXPECT_EQ(item->nodeInfo()->displayName(), QStringLiteral("Trip"));
    EXPECT_EQ(item->nodeInfo()->comments(), QStringLiteral("Summer 2026"));
    EXPECT_EQ(item->nodeInfo()->genre(), QStringLiteral("Movie"));
    // An emptied field is an empty text, not a missing one.
    EXPECT_FALSE(item->nodeInfo()->artist().isNull());
    EXPECT_TRUE(item->nodeInfo()->artist().isEmpty());
    EXPECT_EQ(refreshes, 1);
    DNNotificationCenter::defaultCenter().removeObserver(observer);
}

TEST(TagSheet, ApplyToAllSetsTheTagsOnEveryItemAndKeepsTheirNames)
{
    uitest::app();
    QWidget window;
    window.show();
    QList<DNDVDNodePtr> list = {makeItem(QStringLiteral("one"), QStringLiteral("mp4")),
                                makeItem(QStringLiteral("two"), QStringLiteral("mp4")),
                                makeItem(QStringLiteral("three"), QStringLiteral("mp4"))};
    // The main window's side: every top-level item takes the posted record.
    const auto observer = DNNotificationCenter::defaultCenter().addObserver(
        kDNNotificationApplytoAllNodeInfo, [&](const DNNotification &n) {
            const auto info = DNNodeInfoFromNotification(n);
            ASSERT_TRUE(info);
            QList<DNNodeInfoProtocol *> items;
            for (const auto &item : list)
                items.append(item.get());
            DNApplyNodeInfoToItems(*info, items);
        });

    DNNodeTagController tags;
    tags.setMediaNode(list[1]);
    tags.displayTagEditorOnWindow(&window);
    typeInto(tags.name(), QStringLiteral("Trip"));
    typeInto(tags.artist(), QStringLiteral("Ann"));
    QTest::mouseClick(tags.applyToAllButton(), Qt::LeftButton);
    EXPECT_TRUE(tags.panel()->isVisible());

    const QString names[] = {QStringLiteral("one"), QStringLiteral("two.mp4"), QStringLiteral("three")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list[i]->nodeInfo()->displayName(), QStringLiteral("Trip"));
        EXPECT_EQ(list[i]->nodeInfo()->artist(), QStringLiteral("Ann"));
        EXPECT_EQ(list[i]->nodeInfo()->outputName(), names[i]);
    }
    tags.onCancel();
    DNNotificationCenter::defaultCenter().removeObserver(observer);
}
