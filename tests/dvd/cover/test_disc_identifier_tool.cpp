// The disc-identifier tool as the cover lookup runs it: only what a tool that ended well printed
// is a disc identifier; a tool that crashed, failed or could not start gives the placeholder, with
// its reason in the log. The tool holds none of the program's descriptors but the standard ones.
#include "dvd/cover/NXDVDInfoCapture.h"

#include "core/log/DNLogger.h"
#include "discrecords/MovieInfoLibrary.h"
#include "support/descriptors.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <mutex>

namespace {

// The log and the settings go to folders of this test's own.
class OwnFolders : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(data_.isValid() && config_.isValid());
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        ASSERT_TRUE(QDir().mkpath(data_.filePath(QStringLiteral("Harnvale/Talvane"))));
    }

private:
    QTemporaryDir data_;
    QTemporaryDir config_;
};
::testing::Environment *const ownFolders = ::testing::AddGlobalTestEnvironment(new OwnFolders);

QByteArray logText()
{
    QFile file(DNCurrentRoughLogPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kService = QStringLiteral("http://127.0.0.1:9/disc");

// The lookup with tool as the disc-identifier tool; the addresses it asked for.
QStringList lookUpWith(const QString &tool)
{
    {
        QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
        settings.setValue(movieInfoServiceAddressKey(), kService);
    }
    static std::mutex lock;
    static QStringList asked;
    {
        std::lock_guard guard(lock);
        asked.clear();
    }
    NXDVDInfoCapture::setURLFetcher([](const QUrl &url) -> std::optional<QByteArray> {
        std::lock_guard guard(lock);
        asked.append(url.toString());
        return std::nullopt;
    });
    NXDVDInfoCapture capture;
    capture.setCompanionPaths(testsupport::buildDir() + QStringLiteral("/lib/talvane/fws/libMovieInfo.so"), tool);
    auto source = NXDVDSourceInfo::sourceInfo();
    source->setSourceType(NXDVDSourceInfo::SourceDisc);
    source->setPath(testsupport::fixturePath(QStringLiteral("dvd/ntsc")));
    const NXDVDInfoCapture::Cover cover = capture.lookUpCover(source);
    EXPECT_FALSE(cover.isCover);
    std::lock_guard guard(lock);
    return asked;
}

QString standIn(const QTemporaryDir &folder, const QString &body)
{
    const QString path = folder.filePath(QStringLiteral("HVDVDID"));
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + body.toUtf8() + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

struct End
{
    const char *name;
    const char *script;   // empty: no tool at all
    bool identified;
    const char *logged;   // what the log says of a tool that did not end well
};

void PrintTo(const End &end, std::ostream *os)
{
    *os << end.name;
}

class DiscIdentifierTool : public ::testing::TestWithParam<End>
{
};

TEST_P(DiscIdentifierTool, OnlyAToolThatEndedWellNamesTheDisc)
{
    const End &c = GetParam();
    QTemporaryDir folder;
    const QString tool = *c.script ? standIn(folder, QString::fromUtf8(c.script))
                                   : folder.filePath(QStringLiteral("missing/HVDVDID"));
    const qsizetype logBefore = logText().size();
    const QStringList asked = lookUpWith(tool);
    if (c.identified)
        EXPECT_EQ(asked, QStringList{kService + QStringLiteral("/D1SC")});
    else
        EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char(' ')).toStdString();
    const QByteArray logged = logText().mid(logBefore);
    EXPECT_EQ(logged.contains("Get DVDID Sucessfully..."), c.identified) << logged.constData();
    if (*c.logged)
        EXPECT_TRUE(logged.contains(c.logged)) << logged.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Ends, DiscIdentifierTool,
    ::testing::Values(
        End{"EndedWell", "printf D1SC", true, ""},
        End{"FailedStatus", "printf D1SC; echo 'HVDVDID: cannot read the disc id of /media/dvd' >&2; exit 3", false,
            "ended with status 3: HVDVDID: cannot read the disc id of /media/dvd"},
        End{"Crashed", "printf D1SC; kill -SEGV $$", false, "was ended by signal 11"},
        End{"NotThere", "", false, "cannot be started"}),
    [](const ::testing::TestParamInfo<End> &info) { return std::string(info.param.name); });

TEST(DiscIdentifierToolRun, TheToolHoldsOnlyTheStandardDescriptors)
{
    const testsupport::DescriptorWatch watch(QStringLiteral("HVDVDID"));
    ASSERT_TRUE(watch.isReady());
    lookUpWith(watch.standIn);
    const QMap<int, QString> listed = watch.listed();
    EXPECT_EQ(listed.keys(), (QList<int>{0, 1, 2})) << testsupport::describeDescriptors(listed).toStdString();
}

} // namespace
