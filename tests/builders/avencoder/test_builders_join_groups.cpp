// Every file builder hands a file group whole to the join and returns the join's vector.

#include "AVBuilderRun.h"

#include "builders/avencoder/DNAVVideoArgv_DV.h"
#include "builders/avencoder/DNAVVideoArgv_FLV.h"
#include "builders/avencoder/DNAVVideoArgv_ProRes.h"
#include "builders/avencoder/DNAVVideoArgv_RM.h"
#include "builders/avencoder/DNAVVideoArgv_SWF.h"
#include "builders/avencoder/DNAVVideoArgvPublic.h"

using namespace avbuildertest;

namespace {

struct GroupRow
{
    const char *name;
    ArgvAssemblerFunction builder;
    const char *profile;
};

void PrintTo(const GroupRow &row, std::ostream *out)
{
    *out << row.name;
}

const GroupRow groupRows[] = {
    {"FLV", Video_To_FLV_With_AVEncoder, "Video_FLV.plist"},
    {"F4V", Video_To_F4V_With_AVEncoder, "Video_F4V.plist"},
    {"DV", Video_To_DV_With_AVEncoder, "Video_DV.plist"},
    {"SWF", Video_To_SWF_With_AVEncoder, "Video_SWF.plist"},
    {"RM", Video_To_RM_With_AVEncoder, "Video_RM.plist"},
    {"ProRes4444", Video_To_ProRes4444_With_AVEncoder, "Video_ProRes_4444.plist"},
    {"ProRes422HQ", Video_To_ProRes422HQ_With_AVEncoder, "Video_ProRes_422HQ.plist"},
    {"ProRes422", Video_To_ProRes422_With_AVEncoder, "Video_ProRes_422.plist"},
    {"ProRes422LT", Video_To_ProRes422LT_With_AVEncoder, "Video_ProRes_422LT.plist"},
    {"ProRes422Proxy", Video_To_ProRes422Poxy_With_AVEncoder, "Video_ProRes_422Proxy.plist"},
};

class FileBuilderWithGroup : public ::testing::TestWithParam<GroupRow>
{
};

} // namespace

TEST_P(FileBuilderWithGroup, ReturnsTheJoinsVector)
{
    const GroupRow &row = GetParam();
    QTemporaryDir out;
    QList<DNFileNodePtr> members{makeItem({.duration = 10.6f}), makeItem({.path = QStringLiteral("/media/b.mp4"), .duration = 20.7f})};
    members[0]->setOutputName(out.filePath(QStringLiteral("part1")));
    members[1]->setOutputName(out.filePath(QStringLiteral("part2")));
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    group->setProfile(videoProfile(QString::fromLatin1(row.profile)));
    const ArgumentPtr built(row.builder(group.get(), -1, passOptions(out.path(), 2)));
    ASSERT_TRUE(built);
    const QStringList w = words(built.get());
    EXPECT_EQ(w.mid(0, 6), (QStringList{"encoder", "-d", "-y", "-f", "concat", "-i"}));
    EXPECT_EQ(w.mid(7, 2), (QStringList{"-c", "copy"}));
    EXPECT_EQ(w.last(), group->outputName());
    EXPECT_EQ(QFileInfo(w.last()).suffix(), group->profile()->fileNameSuffix());
    EXPECT_EQ(built->endpos, 30);
}

INSTANTIATE_TEST_SUITE_P(Table, FileBuilderWithGroup, ::testing::ValuesIn(groupRows),
                         [](const ::testing::TestParamInfo<GroupRow> &info) { return std::string(info.param.name); });
