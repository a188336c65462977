#include "core/util/DNSystemActions.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DNWebPageAddress, SchemeAndCampaignQuery)
{
    const struct
    {
        const char *address;
        const char *language;
        const char *expected;
    } cases[] = {
        {"www.harnvale.com/a", "en", "http://www.harnvale.com/a?run.talvane"},
        {"www.harnvale.com/a", "de", "http://www.harnvale.com/a?run.talvanede"},
        {"www.harnvale.com/a", "zh-Hans", "http://www.harnvale.com/a?run.talvanezh-Hans"},
        {"www.harnvale.com/a", "pt-BR", "http://www.harnvale.com/a?run.talvane"},
        {"https://secure.example/x", "de", "https://secure.example/x"},
        {"http://x.example/?run.other", "de", "http://x.example/?run.other"},
        {" \thttp://x.example/p \t", "en", "http://x.example/p?run.talvane"},
        {"  ", "en", ""},
        {"", "en", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNWebPageAddress(c.address, c.language), c.expected) << c.address;
}

class SystemActionsTest : public ::testing::Test
{
protected:
    QStringList opened;
    QList<DNPowerRequest> requests;
    void SetUp() override
    {
        DNSetOpenHandler([this](const QString &t) {
            opened << t;
            return true;
        });
        DNSetPowerRequestHandler([this](DNPowerRequest r) {
            requests << r;
            return true;
        });
    }
    void TearDown() override
    {
        DNSetOpenHandler({});
        DNSetPowerRequestHandler({});
    }
};

TEST_F(SystemActionsTest, OpensOnlyWhatExists)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    DNOpenFolderInFinder(tmp.path());
    DNOpenFolderInFinder(tmp.filePath("missing"));
    DNOpenFolderInFinder(QString());
    EXPECT_EQ(opened, QStringList{tmp.path()});
}

TEST_F(SystemActionsTest, WebPagesGoThroughTheHandler)
{
    DNOpenWebPage("https://secure.example/a b");
    DNOpenWebPage("");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), "https://secure.example/a%20b");
    DNOpenHelpPage();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened.last().startsWith("http://")) << opened.last().toStdString();
}

TEST_F(SystemActionsTest, PowerRequestsReachTheHandler)
{
    EXPECT_TRUE(DNShutdownComputer());
    EXPECT_TRUE(DNRestartComputer());
    EXPECT_TRUE(DNLogOutComputer());
    EXPECT_EQ(requests, (QList<DNPowerRequest>{DNPowerRequest::Shutdown, DNPowerRequest::Restart,
                                               DNPowerRequest::LogOut}));
    DNSetPowerRequestHandler({});
    EXPECT_FALSE(DNShutdownComputer()); // nothing installed: refused, nothing happens
}
