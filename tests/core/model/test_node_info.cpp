#include "core/model/DNNodeInfoApplyToAll.h"

#include <gtest/gtest.h>

namespace {

class TaggedItem : public DNNodeInfoProtocol
{
public:
    explicit TaggedItem(const QString &outputName) : info(std::make_shared<DNNodeInfo>())
    {
        info->setOutputName(outputName);
        info->setArtist(QStringLiteral("old artist"));
    }
    DNNodeInfoPtr nodeInfoOfSelectTrack() const override { return info; }
    void setNodeInfoOfSelectTrack(const DNNodeInfo &other) override { info->applyTagsFrom(other); }
    DNNodeInfoPtr info;
};

TEST(NodeInfo, NewRecordHasNullFieldsAndCopiesAreIndependent)
{
    DNNodeInfo info;
    EXPECT_TRUE(info.outputName().isNull());
    EXPECT_TRUE(info.genre().isNull());
    info.setDisplayName(QStringLiteral("Trip"));
    DNNodeInfo copy = info;
    info.setDisplayName(QStringLiteral("Other"));
    EXPECT_EQ(copy.displayName(), QStringLiteral("Trip"));
}

TEST(NodeInfo, ApplyToAllSetsTagsOnEveryItemAndKeepsTheirOutputNames)
{
    TaggedItem a(QStringLiteral("a")), b(QStringLiteral("b")), c(QStringLiteral("c"));
    const QList<DNNodeInfoProtocol *> items{&a, nullptr, &b, &c};
    const auto id = DNNotificationCenter::defaultCenter().addObserver(
        kDNNotificationApplytoAllNodeInfo, [&](const DNNotification &n) {
            const auto posted = DNNodeInfoFromNotification(n);
            ASSERT_TRUE(posted.has_value());
            DNApplyNodeInfoToItems(*posted, items);
        });

    DNNodeInfo edited;
    edited.setOutputName(QStringLiteral("edited.mp4"));
    edited.setDisplayName(QStringLiteral("Trip"));
    edited.setArtist(QString(QLatin1String(""))); // a cleared field stays an empty text
    edited.setGenre(QStringLiteral("Video"));
    edited.setComments(QStringLiteral("note"));
    DNPostApplyToAllNodeInfo(edited);
    DNNotificationCenter::defaultCenter().removeObserver(id);

    for (const TaggedItem *item : {&a, &b, &c}) {
        EXPECT_EQ(item->info->displayName(), QStringLiteral("Trip"));
        EXPECT_EQ(item->info->genre(), QStringLiteral("Video"));
        EXPECT_EQ(item->info->comments(), QStringLiteral("note"));
        EXPECT_TRUE(item->info->artist().isEmpty());
        EXPECT_FALSE(item->info->artist().isNull());
    }
    EXPECT_EQ(a.info->outputName(), QStringLiteral("a"));
    EXPECT_EQ(c.info->outputName(), QStringLiteral("c"));
}

TEST(NodeInfo, ANotificationWithoutARecordCarriesNone)
{
    EXPECT_FALSE(DNNodeInfoFromNotification({kDNNotificationApplytoAllNodeInfo, QVariant(), {}}).has_value());
    EXPECT_FALSE(DNNodeInfoFromNotification({kDNNotificationApplytoAllNodeInfo, QStringLiteral("x"), {}}).has_value());
}

} // namespace
