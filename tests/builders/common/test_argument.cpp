#include "builders/common/Argument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

TEST(Argument, FreshVectorIsEmptyWithDistinctZeroedSlots)
{
    ArgumentPtr argument(CreateArgument());
    ASSERT_TRUE(argument);
    EXPECT_EQ(argument->argc, 0);
    EXPECT_EQ(argument->endpos, 0);
    EXPECT_EQ(argument->overflowed, 0);
    std::set<char *> buffers;
    for (char *slot : argument->argv) {
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot[0], '\0');
        EXPECT_EQ(slot[MaxCharLength - 1], '\0');
        buffers.insert(slot);
    }
    EXPECT_EQ(buffers.size(), size_t(MaxArguNumber));
    EXPECT_TRUE(ArgumentIsUsable(argument.get()));
}

TEST(Argument, AppendsKeepOrderAndFormat)
{
    ArgumentPtr argument(CreateArgument());
    EXPECT_TRUE(AppendArgument(argument.get(), "encoder"));
    EXPECT_TRUE(AppendArgument(argument.get(), QStringLiteral("/tmp/Überführung/clip_T1.mp4")));
    EXPECT_TRUE(AppendArgumentFormat(argument.get(), "dvd://%d", 3));
    EXPECT_TRUE(AppendArguments(argument.get(), {"-lavfopts", "format=ipod"}));
    EXPECT_EQ(ArgumentList(argument.get()),
              (QStringList{"encoder", "/tmp/Überführung/clip_T1.mp4", "dvd://3", "-lavfopts", "format=ipod"}));
    EXPECT_EQ(ArgumentText(argument.get()), QStringLiteral("encoder /tmp/Überführung/clip_T1.mp4 dvd://3 -lavfopts format=ipod "));
    EXPECT_STREQ(argument->argv[5], "");
}

// An append that would break the limits fails without ending the process, marks the vector and
// leaves what was written intact.
TEST(Argument, OverrunMarksTheVectorInsteadOfAborting)
{
    struct Case
    {
        const char *name;
        int fill;              // arguments appended first
        size_t lastLength;     // length of the argument appended then
        bool accepted;
    };
    const Case cases[] = {
        {"127th argument fits", MaxArguNumber - 2, 4, true},
        {"128th argument would reach the slot count", MaxArguNumber - 1, 4, false},
        {"2047 characters fit a slot", 0, size_t(MaxCharLength - 1), true},
        {"2048 characters do not", 0, size_t(MaxCharLength), false},
        {"a long text fails whole", 3, 10000, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ArgumentPtr argument(CreateArgument());
        for (int i = 0; i < c.fill; ++i)
            ASSERT_TRUE(AppendArgumentFormat(argument.get(), "w%d", i));
        const std::string text(c.lastLength, 'x');
        EXPECT_EQ(AppendArgument(argument.get(), text.c_str()), c.accepted);
        EXPECT_EQ(argument->argc, c.fill + (c.accepted ? 1 : 0));
        EXPECT_LT(argument->argc, MaxArguNumber);
        EXPECT_EQ(ArgumentIsUsable(argument.get()), c.accepted);
        EXPECT_EQ(CheckArgumentForPass(argument.get()), c.accepted);
        if (!c.accepted) {
            EXPECT_STREQ(argument->argv[argument->argc], "");
            // Once marked, the vector stays unusable even when later appends fit.
            if (argument->argc < MaxArguNumber - 1) {
                EXPECT_TRUE(AppendArgument(argument.get(), "-o"));
                EXPECT_FALSE(ArgumentIsUsable(argument.get()));
            }
        }
    }
}

TEST(Argument, MissingVectorIsNotUsable)
{
    EXPECT_FALSE(AppendArgument(nullptr, "x"));
    EXPECT_FALSE(ArgumentIsUsable(nullptr));
    EXPECT_FALSE(CheckArgumentForPass(nullptr));
    EXPECT_EQ(FreeArgument(nullptr), 0);
}

TEST(VideoConvertOptions, StringFieldsRefuseTextsThatDoNotFit)
{
    VideoConvertOptions options = MakeVideoConvertOptions();
    EXPECT_EQ(options.useDVDNav, 0);
    EXPECT_EQ(options.cpuCore, 0);
    EXPECT_TRUE(SetOptionText(options.outputDirectory, QStringLiteral("/home/ü/Videos")));
    EXPECT_EQ(OptionText(options.outputDirectory), QStringLiteral("/home/ü/Videos"));
    // 2047 bytes fit; 2048 do not, and the field is left empty rather than cut.
    EXPECT_TRUE(SetOptionText(options.passLogFile, QString(MaxCharLength - 1, QLatin1Char('a'))));
    EXPECT_EQ(std::strlen(options.passLogFile), size_t(MaxCharLength - 1));
    EXPECT_FALSE(SetOptionText(options.passLogFile, QString(MaxCharLength, QLatin1Char('a'))));
    EXPECT_EQ(OptionText(options.passLogFile), QString());
    // A record copied whole carries its texts.
    const VideoConvertOptions copy = options;
    EXPECT_EQ(OptionText(copy.outputDirectory), QStringLiteral("/home/ü/Videos"));
}
