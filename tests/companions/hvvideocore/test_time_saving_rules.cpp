// The rules that only save mencoder time, run for real: the picture of a DVD title converted with
// the planned words is the picture the builder's words give, frame for frame.
#include "hvvideocore/MEncoderTranslation.h"

#include "support/paths.h"
#include "support/process.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

namespace {
QStringList toQt(const std::vector<std::string> &words)
{
    QStringList list;
    for (const std::string &w : words)
        list << QString::fromStdString(w);
    return list;
}

// The MD5 of every decoded picture of the file's video, as one text.
QByteArray pictureDigest(const QString &file)
{
    const testsupport::ProcessResult r = testsupport::runProcess(
        QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file,
                                   QStringLiteral("-map"), QStringLiteral("0:v"), QStringLiteral("-f"),
                                   QStringLiteral("framemd5"), QStringLiteral("-")});
    EXPECT_EQ(r.exitCode, 0) << r.output.constData();
    return r.output;
}
} // namespace

TEST(MEncoderTimeSavingRules, LeaveEveryPictureAsTheBuildersWordsMakeIt)
{
    QTemporaryDir folder;
    const std::string disc = testsupport::fixturePath(QStringLiteral("dvd/pal")).toStdString();
    const std::string planned = folder.filePath(QStringLiteral("planned.avi")).toStdString();
    // A DVD builder's picture words; the sound is left out, the picture is what the rules touch.
    const std::vector<std::string> builder{"encoder", "dvd://1", "-dvd-device", disc, "-endpos", "3", "-sws", "2",
                                           "-vf", "pp,scale=480:-2,eq2=1:1:0:1,harddup,fixpts", "-ovc", "lavc",
                                           "-lavcopts", "vcodec=mpeg4:vbitrate=1200", "-nosound", "-of", "avi",
                                           "-o", planned};
    MEncoderEnvironment environment;
    environment.processors = 4;
    const MEncoderPlan plan = planMEncoderPass(builder, environment);
    ASSERT_EQ(plan.error, "");
    const QStringList words = toQt(plan.mencoder);
    ASSERT_FALSE(words.join(QLatin1Char(' ')).contains(QLatin1String("eq2")));
    ASSERT_TRUE(words.contains(QStringLiteral("threads=4")));

    std::vector<std::string> asWritten(builder.begin() + 1, builder.end());
    const std::string written = folder.filePath(QStringLiteral("written.avi")).toStdString();
    std::replace(asWritten.begin(), asWritten.end(), planned, written);

    for (const QStringList &run : {words, toQt(asWritten)}) {
        const testsupport::ProcessResult r = testsupport::runProcess(QStringLiteral("mencoder"), run);
        ASSERT_EQ(r.exitCode, 0) << r.output.right(2000).constData();
    }
    const QByteArray fromPlan = pictureDigest(QString::fromStdString(planned));
    EXPECT_GT(fromPlan.count('\n'), 60);   // three seconds of PAL pictures, and the header
    EXPECT_EQ(fromPlan, pictureDigest(QString::fromStdString(written)));
}
