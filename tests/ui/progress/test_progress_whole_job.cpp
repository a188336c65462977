// What the progress sheet shows of a job of many passes, as a user runs it from the main window
// with the real engines: a join of clips and a merged disc show the whole group's frames and
// seconds, which rise from the first member to the last and never fall back between two; the
// disc image backup shows "--" for every figure it cannot know, and its remaining time does not
// count down while its engine is held.
#include "../mainwindow/convert_run_support.h"
#include "../../convert/driver/UnfinishedOutputSupport.h"

#include "convert/engine/DNISOBackUpCore.h"
#include "dvd/file/DNFileGroupNode.h"
#include "support/frames.h"

#include <QDateTime>
#include <QFileInfo>
#include <QProgressBar>

#include <csignal>
#include <thread>

namespace {

using namespace convertruntest;

// One poll of the sheet's video face.
struct Shown
{
    QString title, percent, frames, converted, fps, remaining;
    bool operator==(const Shown &) const = default;

    int frameCount() const { return frames.toInt(); }
    int seconds() const
    {
        const QTime time = QTime::fromString(converted, QStringLiteral("HH:mm:ss"));
        return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : -1;
    }
    std::string text() const
    {
        return QStringLiteral("[%1 %2 frames %3 converted %4 fps %5 left %6]")
            .arg(title, percent, frames, converted, fps, remaining)
            .toStdString();
    }
};

Shown shownBy(NXProgressController *sheet)
{
    return {sheet->currentTitle()->text(), sheet->progress()->text(),  sheet->totalFrams()->text(),
            sheet->converttime()->text(),  sheet->convertfps()->text(), sheet->timeRemaid()->text()};
}

// Every change of the sheet from the item's start report on, polled far more often than the
// sheet's own second.
struct FaceWatch
{
    QList<Shown> shown;
    QTimer timer;

    explicit FaceWatch(Batch &batch)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, &batch] {
            NXProgressController *sheet = batch.controller.progressController;
            if (!sheet || !sheet->isRunning() || !sheet->stopButton()->isEnabled())
                return;
            sheet->updateInfomation();
            const Shown now = shownBy(sheet);
            if (shown.isEmpty() || !(shown.last() == now))
                shown.append(now);
        });
        timer.start();
    }

    std::string all() const
    {
        std::string text;
        for (const Shown &s : shown)
            text += s.text() + "\n";
        return text;
    }
};

// The group's frames and seconds over its run: they never fall, a later member (named by the
// sheet, when it names members) shows from its start what the members before it made, the most
// shown is more than any one member's, and while frames are done the speed never shows a
// standstill (a member that has not measured its own yet shows the last one, or none is known).
void expectWholeGroupFigures(const FaceWatch &watch, const QString &laterMember, int mostSecondsAtLeast)
{
    SCOPED_TRACE(watch.all());
    ASSERT_GE(watch.shown.size(), 2);
    bool laterSeen = false;
    int mostSeconds = 0;
    for (qsizetype i = 0; i < watch.shown.size(); ++i) {
        const Shown &now = watch.shown.at(i);
        SCOPED_TRACE(now.text());
        if (i > 0) {
            EXPECT_GE(now.frameCount(), watch.shown.at(i - 1).frameCount());
            EXPECT_GE(now.seconds(), watch.shown.at(i - 1).seconds());
        }
        if (!laterMember.isEmpty() && now.title == laterMember) {
            laterSeen = true;
            EXPECT_GT(now.frameCount(), 0);
            EXPECT_GT(now.seconds(), 0);
        }
        if (now.frameCount() > 0) {
            EXPECT_NE(now.fps, QStringLiteral("0 "));
        }
        mostSeconds = std::max(mostSeconds, now.seconds());
    }
    EXPECT_TRUE(laterMember.isEmpty() || laterSeen) << laterMember.toStdString();
    EXPECT_GE(mostSeconds, mostSecondsAtLeast);
}

TEST(ProgressWholeJob, AJoinShowsItsMembersTogether)
{
    Batch batch;
    const DNFileNodePtr a = batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist");
    const DNFileNodePtr b = batch.addFile("fileroad/fps50.mp4", "Video_MP4_H264.plist");
    const DNFileNodePtr c = batch.addFile("fileroad/quadrants.mp4", "Video_MP4_H264.plist");
    ASSERT_TRUE(a && b && c);
    // Members of 3 s, 1 s and 3 s.
    b->setEnableTrimming(true);
    b->setTrimEndTime(1);
    batch.controller.mediaFiles->clear();
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes({a, b, c});
    group->setProfile(a->profile());
    group->nodeInfo()->setOutputName(QStringLiteral("three clips"));
    batch.controller.mediaFiles->append(group);

    FaceWatch watch(batch);
    ASSERT_TRUE(batch.run([&] {
        // The sheet while the third member converts, for the eye.
        NXProgressController *sheet = batch.controller.progressController;
        const auto third = [&] {
            return sheet->currentTitle()->text() == QStringLiteral("quadrants.mp4") && sheet->stopButton()->isEnabled()
                && sheet->totalFrams()->text().toInt() > 0;
        };
        if (QTest::qWaitFor([&] { return third() || !sheet->isRunning(); }, kRunTimeoutMs) && third())
            shelltest::saveWindowPicture(sheet->progressPanel(), QStringLiteral("ui_progress_whole_job"),
                                         QStringLiteral("join_third_member"));
    }));
    EXPECT_FALSE(batch.controller.progressController->startConvertFailed());
    const QString output = group->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();
    EXPECT_NEAR(durationOf(testsupport::ffprobe(output)), 7.0, 0.5);

    // More than the 3 s of any one member: the join's 7 s, less what a poll may miss.
    expectWholeGroupFigures(watch, QStringLiteral("quadrants.mp4"), 5);
}

TEST(ProgressWholeJob, AMergedDiscShowsItsTitlesTogether)
{
    Batch batch;
    DNDVDNodePtr dvd = batch.addDisc("MacGen_MP4_H264.plist", {0, 2}, 0);
    ASSERT_TRUE(dvd);
    // Parts of 3 s and 2 s.
    trimTitle(dvd->titleAt(0), 0, 3);
    trimTitle(dvd->titleAt(2), 0, 2);
    dvd->setMergeIntoOne(true);

    FaceWatch watch(batch);
    ASSERT_TRUE(batch.run());
    EXPECT_FALSE(batch.controller.progressController->startConvertFailed());
    const QStringList files = filesIn(batch.out.path());
    ASSERT_EQ(files.size(), 1);
    EXPECT_NEAR(durationOf(testsupport::ffprobe(batch.out.filePath(files.first()))), 5.0, 0.8);
    // The titles' parts shared the bar by their lengths.
    EXPECT_NEAR(DNVideoConverterState().totalWork, 5.0, 0.1);

    // The group is named by its titles all along, not by the title under way: more seconds than
    // the first title's 3 show that the second's came on top of them.
    SCOPED_TRACE(watch.all());
    ASSERT_FALSE(watch.shown.isEmpty());
    EXPECT_EQ(watch.shown.first().title, QStringLiteral("ntsc(1,3)"));
    expectWholeGroupFigures(watch, QString(), 4);
}

// The disc image tool, caught as it starts and let go a little at a time. Its process is the one
// the backup runs, as the backup knows it.
class HeldBackup
{
public:
    HeldBackup()
        : m_thread([this] {
              while (!m_done) {
                  const pid_t pid = DNISOBackUpCore::shareBackupCore().processId();
                  if (pid > 0 && drivertest::holdProcess(pid)) {
                      m_pid = pid;
                      return;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
          })
    {
    }
    ~HeldBackup()
    {
        m_done = true;
        if (m_thread.joinable())
            m_thread.join();
        release();
    }

    pid_t pid() const { return m_pid; }
    // Lets the tool run for a moment and holds it again; false when it ended meanwhile.
    bool step()
    {
        ::kill(m_pid, SIGCONT);
        return drivertest::holdProcess(m_pid);
    }
    void release()
    {
        if (m_pid > 0)
            ::kill(m_pid, SIGCONT);
    }

private:
    std::atomic<bool> m_done{false};
    std::atomic<pid_t> m_pid{-1};
    std::thread m_thread;
};

TEST(ProgressWholeJob, ADiscImageShowsWhatItCannotKnowAsUnknownAndWaitsWhileHeld)
{
    Batch batch;
    DNDVDNodePtr dvd = batch.addDisc("DVDBackupISO.plist", {1}, 0);
    ASSERT_TRUE(dvd);

    FaceWatch watch(batch);
    QList<Shown> held;
    // The sheet's clock is the test's while the tool is held.
    const auto clock = std::make_shared<qint64>(QDateTime::currentSecsSinceEpoch());
    ASSERT_TRUE(batch.run([&] {
        NXProgressController *sheet = batch.controller.progressController;
        HeldBackup tool;
        ASSERT_TRUE(QTest::qWaitFor([&] { return tool.pid() > 0; }, kRunTimeoutMs)) << "the backup ended too soon";
        *clock = QDateTime::currentSecsSinceEpoch();
        sheet->setClock([clock] { return *clock; });
        // A little at a time until the tool has reported its start (its first sector read)...
        while (!sheet->stopButton()->isEnabled()) {
            ASSERT_TRUE(tool.step()) << "the backup ended before it started";
            QCoreApplication::processEvents();
        }
        // ... and, 200 s later by the sheet's clock, a further percent (past the 1 that stands
        // for 0).
        *clock += 200;
        const auto percent = [&] { return sheet->progress()->text().trimmed().chopped(1).trimmed().toInt(); };
        sheet->updateInfomation();
        const int before = percent();
        while (percent() == before || percent() < 2) {
            ASSERT_TRUE(tool.step()) << "the backup ended before its first percent";
            QCoreApplication::processEvents();
            sheet->updateInfomation();
        }
        // Held: poll after poll, a second apart by the sheet's clock.
        for (int poll = 0; poll < 5; ++poll) {
            ++*clock;
            QCoreApplication::processEvents();
            sheet->updateInfomation();
            held.append(shownBy(sheet));
        }
        tool.release();
        sheet->setClock({});
    }));
    EXPECT_FALSE(batch.controller.progressController->startConvertFailed());
    const QString output = dvd->titleAt(1)->outputName();
    EXPECT_TRUE(isReadableISOImage(output)) << output.toStdString();

    // While held, the time left stays where it was; a percent the tool had written before it was
    // held may still come in, and is the only thing that moves it.
    std::string polls;
    for (const Shown &s : held)
        polls += s.text() + "\n";
    SCOPED_TRACE(polls);
    ASSERT_EQ(held.size(), 5);
    EXPECT_NE(held.last().remaining, QStringLiteral("00:00:00"));
    int unchanged = 0;
    for (qsizetype i = 1; i < held.size(); ++i) {
        if (held.at(i).percent != held.at(i - 1).percent)
            continue;
        ++unchanged;
        EXPECT_EQ(held.at(i).remaining, held.at(i - 1).remaining);
    }
    EXPECT_GE(unchanged, 3);

    // The image has no frames, times or speed to show: each says it is not known.
    SCOPED_TRACE(watch.all());
    ASSERT_FALSE(watch.shown.isEmpty());
    for (const Shown &s : watch.shown + held) {
        EXPECT_EQ(s.frames, QStringLiteral("--")) << s.text();
        EXPECT_EQ(s.converted, QStringLiteral("--:--:--")) << s.text();
        EXPECT_EQ(s.fps, QStringLiteral("--")) << s.text();
    }
}

} // namespace
