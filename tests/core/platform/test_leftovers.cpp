// What a start removes of runs that ended: folders that carry the program's marker and outputs on
// its record, each naming a process that has ended. A user's folders and files named like the
// program's, and the work of a process that still runs, stay.

#include "core/platform/DNLeftovers.h"
#include "core/platform/DNOwnedOutputs.h"
#include "enginekit/ProcessIdentity.h"
#include "core/platform/DNTemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

#include <unistd.h>

namespace {

// Everything in folder, hidden entries and links included, as one line.
QString entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name).join(QLatin1Char('|'));
}

void writeFile(const QString &path, const QByteArray &text = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

// This process's identity in its three words.
struct Words
{
    std::string pid, ticks, boot;
};

Words currentWords()
{
    Words words;
    std::istringstream in(ProcessIdentity::current());
    in >> words.pid >> words.ticks >> words.boot;
    return words;
}

// A process that has ended, as a killed run's marker or note names it: no process has the id.
std::string endedRun()
{
    const Words now = currentWords();
    return "999999999 " + now.ticks + ' ' + now.boot;
}

// An environment variable set for one scope.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QString &value) : m_name(name), m_saved(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedVariable()
    {
        if (m_had)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_saved;
    bool m_had;
};

} // namespace

TEST(ProcessIdentity, TellsEndedProcessesFromLivingOnes)
{
    const std::string self = ProcessIdentity::current();
    ASSERT_TRUE(ProcessIdentity::isIdentity(self)) << self;
    EXPECT_FALSE(ProcessIdentity::isGone(self));
    const Words now = currentWords();
    const struct
    {
        const char *what;
        std::string identity;
    } ended[] = {
        {"no process has the id", endedRun()},
        {"the id was given again to a later process", now.pid + " 1 " + now.boot},
        {"another boot", now.pid + ' ' + now.ticks + " 00000000-0000-0000-0000-000000000000"},
    };
    for (const auto &c : ended)
        EXPECT_TRUE(ProcessIdentity::isGone(c.identity)) << c.what;
    // Nothing is known of a text that is no identity: it never counts as ended.
    for (const char *text : {"", "12", "x 1 boot", "12 34 boot extra", "-5 1 boot"}) {
        EXPECT_FALSE(ProcessIdentity::isIdentity(text)) << text;
        EXPECT_FALSE(ProcessIdentity::isGone(text)) << text;
    }
}

TEST(Leftovers, OnlyMarkedFoldersOfEndedRunsGo)
{
    QTemporaryDir temporary;
    QTemporaryDir elsewhere;
    const ScopedVariable tmpdir("TMPDIR", temporary.path());
    const auto folder = [&](const QString &name) {
        const QString path = temporary.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));
        return path;
    };
    const auto mark = [](const QString &path, const std::string &owner) {
        EXPECT_TRUE(ProcessIdentity::markFolder(QFile::encodeName(path).toStdString(), owner));
    };
    mark(folder(QStringLiteral("talvane-999999999-AbCdEf")), endedRun());
    mark(folder(QStringLiteral("dvd2mkv-999999999-x1")), endedRun());
    // The marker is the proof, not the name.
    mark(folder(QStringLiteral("renamed by hand")), endedRun());
    mark(folder(QStringLiteral("talvane-%1-living").arg(::getpid())), ProcessIdentity::current());
    // A user's folders named like the program's, one with a file of the marker's name that is not
    // a marker.
    folder(QStringLiteral("talvane-2024-notes"));
    folder(QStringLiteral("hvvideocore-999999999-x1"));
    writeFile(folder(QStringLiteral("talvane-999999999-notes")) + QStringLiteral("/.talvane-owner"), "my notes\n");
    // A link to a marked folder of an ended run, and a marker that is a link: neither is followed.
    const QString outside = elsewhere.filePath(QStringLiteral("talvane-999999999-away"));
    ASSERT_TRUE(QDir().mkpath(outside));
    mark(outside, endedRun());
    ASSERT_TRUE(QFile::link(outside, temporary.filePath(QStringLiteral("talvane-999999999-link"))));
    const QString linkedMarker = folder(QStringLiteral("talvane-999999999-linkedmarker"));
    ASSERT_TRUE(QFile::link(outside + QStringLiteral("/.talvane-owner"), linkedMarker + QStringLiteral("/.talvane-owner")));

    DNTemporaryFolder::removeStale();

    QStringList kept{QStringLiteral("hvvideocore-999999999-x1"), QStringLiteral("talvane-%1-living").arg(::getpid()),
                     QStringLiteral("talvane-2024-notes"), QStringLiteral("talvane-999999999-link"),
                     QStringLiteral("talvane-999999999-linkedmarker"), QStringLiteral("talvane-999999999-notes")};
    kept.sort();
    EXPECT_EQ(entriesIn(temporary.path()), kept.join(QLatin1Char('|')));
    EXPECT_TRUE(QFileInfo(outside).isDir());
    // The program's own folder is marked as this process's.
    const QString own = DNTemporaryFolder::path();
    EXPECT_EQ(ProcessIdentity::folderOwner(QFile::encodeName(own).toStdString()), ProcessIdentity::current());
    DNTemporaryFolder::remove();
}

TEST(Leftovers, OnlyNotedOutputsOfEndedRunsGo)
{
    QTemporaryDir data;
    QTemporaryDir out;
    const ScopedVariable dataHome("XDG_DATA_HOME", data.path());
    const auto claim = [&](const QString &name, const std::string &owner, const QString &helperPrefix = {}) {
        const QString path = out.filePath(name);
        writeFile(path);
        EXPECT_TRUE(DNOwnedOutputs::claim(path, helperPrefix, owner));
    };
    // An output of an ended run with the helpers an engine made beside it.
    claim(QStringLiteral(".Film_T2.talvane-999999999-4.iso"), endedRun(), QStringLiteral("..Film_T2.talvane-999999999-4."));
    ASSERT_TRUE(QDir().mkpath(out.filePath(QStringLiteral("..Film_T2.talvane-999999999-4.iso.77.files/VIDEO_TS"))));
    writeFile(out.filePath(QStringLiteral("..Film_T2.talvane-999999999-4.rendering.mov")));
    // A name with a line break: only the whole name is the output's, not the part before the break.
    claim(QStringLiteral(".line\nbreak.talvane-999999999-6.mp4"), endedRun());
    writeFile(out.filePath(QStringLiteral(".line")));
    // Work of this process, which still runs.
    claim(QStringLiteral(".Film_T1.talvane-%1-1.mp4").arg(::getpid()), ProcessIdentity::current());
    // A user's files named like the program's hidden outputs, never noted.
    for (const QString &name : {QStringLiteral(".backup.talvane-99999-1.tar"), QStringLiteral(".Film_T3.talvane-999999999-5.mp4"),
                                QStringLiteral("Film_T3.mp4")})
        writeFile(out.filePath(name));
    // A note that does not read is dropped, and touches nothing.
    writeFile(DNOwnedOutputs::recordFolder() + QStringLiteral("/damaged"), "owner nobody\npath " + QFile::encodeName(out.filePath(QStringLiteral("Film_T3.mp4"))));

    DNRemoveLeftoversOfKilledRuns();

    QStringList kept{QStringLiteral(".Film_T1.talvane-%1-1.mp4").arg(::getpid()), QStringLiteral(".Film_T3.talvane-999999999-5.mp4"),
                     QStringLiteral(".backup.talvane-99999-1.tar"), QStringLiteral(".line"), QStringLiteral("Film_T3.mp4")};
    kept.sort();
    EXPECT_EQ(entriesIn(out.path()), kept.join(QLatin1Char('|')));
    // Only the living process's note is left; settling its output takes that too.
    EXPECT_EQ(QDir(DNOwnedOutputs::recordFolder()).entryList(QDir::Files).size(), 1);
    DNOwnedOutputs::release(out.filePath(QStringLiteral(".Film_T1.talvane-%1-1.mp4").arg(::getpid())));
    EXPECT_EQ(entriesIn(DNOwnedOutputs::recordFolder()), QString());
}
