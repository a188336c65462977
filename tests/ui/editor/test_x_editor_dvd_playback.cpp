// The video editor opened from the main window on a DVD title, on a real X display, with the real
// player: both previews play the title past its fifth second (the position label counts on and
// the pictures move) and start it again at its end; a title trimmed to start later plays from
// its trim start and comes back to it; the player's error output is in the log.
#include "video_editor_support.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include "core/log/DNLogger.h"
#include "dvd/DNDVDNode.h"
#include "player/HVPlayerProcess.h"
#include "player/HVPlayerStatus.h"
#include "ui/editor/player/NXViewRenderControl.h"
#include "ui/editor/preview/NXEditMovieView.h"

#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

using namespace editortest;

namespace {

// Title 2 of the fixture discs: 10 s of a moving test picture.
constexpr int kTitle = 1;
constexpr int kTimeoutMs = 90000;

// What the editor shows, sampled while it plays.
struct Sample
{
    float playerSeconds = 0;   // the player's last reported time
    int labelSeconds = -1;     // the position label
    qint64 pid = 0;            // the player process
};

int labelSeconds(const DNVideoEditorController &editor)
{
    const QTime shown = QTime::fromString(editor.editPlayTime()->text(), QStringLiteral("hh:mm:ss"));
    return shown.isValid() ? shown.msecsSinceStartOfDay() / 1000 : -1;
}

// The sound's and the picture's times of one status line of the player.
struct StatusTimes
{
    double audio = 0;
    double video = 0;
};

struct Watch
{
    explicit Watch(DNVideoEditorController &editor) : editor(editor)
    {
        timer.setInterval(40);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            HVPlayerProcess *process = this->editor.renderControl()->playerProcess();
            samples.push_back({this->editor.renderControl()->currentPlaybackTime(), labelSeconds(this->editor),
                               process && process->isRunning() ? process->processId() : 0});
            if (process != heard)
                listenTo(process);
        });
        timer.start();
    }

    void listenTo(HVPlayerProcess *process)
    {
        heard = process;
        if (!process)
            return;
        QObject::connect(process, &HVPlayerProcess::outputLines, &timer, [this](const QStringList &lines) {
            for (const QString &line : lines) {
                const HVPlayerStatus::Line status = HVPlayerStatus::classifyLine(line, true);
                if (status.kind == HVPlayerStatus::LineKind::Status && line.startsWith(QLatin1String("A:")))
                    statusLines.push_back({status.components.value(1).toDouble(), status.components.value(2).toDouble()});
            }
        });
    }

    // The longest stretch of sound, before the sound reaches untilAudio, during which the picture
    // stood on one frame: how long the previews showed a still picture while the title played on.
    double longestStillPicture(double untilAudio) const
    {
        double longest = 0;
        std::size_t from = 0;
        for (std::size_t i = 0; i < statusLines.size() && statusLines[i].audio < untilAudio; ++i) {
            if (statusLines[i].video != statusLines[from].video)
                from = i;
            longest = std::max(longest, statusLines[i].audio - statusLines[from].audio);
        }
        return longest;
    }

    // Waits until a sample taken from now on satisfies done.
    bool waitForSample(const std::function<bool(const Sample &)> &done, int timeoutMs = kTimeoutMs)
    {
        const std::size_t from = samples.size();
        return waitFor([&] {
            for (std::size_t i = from; i < samples.size(); ++i)
                if (done(samples[i]))
                    return true;
            return false;
        }, timeoutMs);
    }

    // Where the player's time went back by more than a frame's worth of slack before it first
    // reached until: the picture stood still while the position read 0 (or less than before).
    std::string fallBack(float until) const
    {
        float reached = 0;
        for (const Sample &s : samples) {
            if (s.playerSeconds >= until)
                break;
            if (s.playerSeconds < reached - 0.5f)
                return std::to_string(s.playerSeconds) + " s after " + std::to_string(reached) + " s";
            reached = std::max(reached, s.playerSeconds);
        }
        return {};
    }

    DNVideoEditorController &editor;
    QTimer timer;
    std::vector<Sample> samples;
    QPointer<HVPlayerProcess> heard;
    std::vector<StatusTimes> statusLines;
};

// The disc in the main window's list with the 10-second title selected; its row, then Edit.
struct EditedTitle
{
    explicit EditedTitle(const QString &disc, int trimStart = 0)
    {
        QDir().mkpath(logs.path());
        DNLogger::shareRoughLog().redirect(logs.path());
        dvd = dvdbuildertest::loadDisc(disc, QStringLiteral("MacGen_MP4_H264.plist"));
        if (!dvd)
            return;
        for (const DNDVDTitlePtr &title : dvd->titles())
            title->setIsSelected(title->index() == kTitle);
        batch.controller.actionForDVDScaner(dvd);
        const DNDVDTitlePtr title = dvd->titleAt(kTitle);
        clickRow(batch.controller, title);
        if (trimStart > 0) {
            dvd->setEnableTrimming(true);
            dvd->setTrimStartTime(quint32(trimStart));
            dvd->setTrimEndTime(quint32(title->length()));
        }
        QTest::mouseClick(batch.controller.editButton, Qt::LeftButton);
        editor = shownEditor(batch.controller);
    }
    ~EditedTitle()
    {
        if (editor && editor->panel()->isVisible())
            pressDone(*editor);
    }

    QString log() const
    {
        QFile file(DNLogger::shareRoughLog().roughLogFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir logs;
    Batch batch;
    DNDVDNodePtr dvd;
    DNVideoEditorController *editor = nullptr;
};

QImage shownFrame(DNVideoEditorController &editor)
{
    return editor.originalView()->currentVideoFrame();
}

QString pictureName(const QString &disc, const char *moment)
{
    return QStringLiteral("dvd_title_") + QString(disc).replace(QLatin1Char('/'), QLatin1Char('_'))
        .replace(QLatin1Char('.'), QLatin1Char('_')) + QLatin1Char('_') + QString::fromLatin1(moment);
}

class EditorDVDPlayback : public ::testing::TestWithParam<const char *>
{
};

} // namespace

// The title plays in both previews to its end, the position label following it, and starts
// again from its beginning in the same player.
TEST_P(EditorDVDPlayback, BothPreviewsPlayTheTitlePastItsFifthSecondAndAgainFromItsStart)
{
    const QString disc = QString::fromLatin1(GetParam());
    EditedTitle t(disc);
    ASSERT_TRUE(t.editor);
    DNVideoEditorController &editor = *t.editor;
    Watch watch(editor);
    ASSERT_TRUE(playing(editor));

    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.labelSeconds >= 1; }));
    const QImage early = shownFrame(editor);
    const QImage earlyProcessed = editor.effectPreview()->currentVideoFrame();
    saveEditorPicture(editor, pictureName(disc, "early"));

    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.labelSeconds >= 6; }))
        << "position label: " << editor.editPlayTime()->text().toStdString() << ", player at "
        << editor.renderControl()->currentPlaybackTime();
    const QImage late = shownFrame(editor);
    saveEditorPicture(editor, pictureName(disc, "late"));
    EXPECT_FALSE(late.isNull());
    EXPECT_NE(late, early) << "the source preview stands still";
    EXPECT_NE(editor.effectPreview()->currentVideoFrame(), earlyProcessed) << "the processed preview stands still";
    EXPECT_EQ(late.size(), early.size());
    const qint64 pid = watch.samples.back().pid;
    EXPECT_NE(pid, 0);

    // The end of the title: the same player starts it again from its beginning, and it plays on.
    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.playerSeconds >= 9.0f; }));
    EXPECT_EQ(watch.fallBack(9.0f), "") << "the position fell back before the title's end";
    EXPECT_LT(watch.longestStillPicture(9.0), 2.0) << "the picture stood still while the sound played on";
    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.playerSeconds > 0 && s.playerSeconds < 2.0f; }));
    const QImage again = shownFrame(editor);
    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.playerSeconds >= 3.0f && s.playerSeconds < 9.0f; }));
    EXPECT_NE(shownFrame(editor), again);
    EXPECT_EQ(watch.samples.back().pid, pid);
    EXPECT_EQ(editor.flags().tryPlaybackCount, 1) << "the player was started again";
    saveEditorPicture(editor, pictureName(disc, "again"));
}

INSTANTIATE_TEST_SUITE_P(FolderAndImage, EditorDVDPlayback, ::testing::Values("dvd/ntsc", "dvd/pal.iso"));

// Trimmed to start at 3 s: the player starts there, plays past the fifth second to the title's
// end and comes back to the trim start, not to the title's.
TEST(EditorDVDPlaybackTrimmed, ATitleTrimmedToStartLaterPlaysFromTheTrimStartAndComesBackToIt)
{
    const QString disc = QStringLiteral("dvd/ntsc.iso");
    EditedTitle t(disc, 3);
    ASSERT_TRUE(t.editor);
    DNVideoEditorController &editor = *t.editor;
    Watch watch(editor);
    ASSERT_TRUE(playing(editor));
    EXPECT_EQ(t.dvd->trimStartTime(), 3u);
    EXPECT_EQ(editor.startTrimTime()->integerValue(), 3);

    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.playerSeconds > 0; }));
    EXPECT_GE(watch.samples.back().playerSeconds, 2.5f);
    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.labelSeconds >= 6; }))
        << "position label: " << editor.editPlayTime()->text().toStdString();
    saveEditorPicture(editor, pictureName(disc, "trimmed"));
    const qint64 pid = watch.samples.back().pid;

    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.playerSeconds >= 9.0f; }));
    EXPECT_EQ(watch.fallBack(9.0f), "") << "the position fell back before the title's end";
    EXPECT_LT(watch.longestStillPicture(9.0), 2.0) << "the picture stood still while the sound played on";
    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.playerSeconds > 0 && s.playerSeconds < 8.0f; }));
    const float back = watch.samples.back().playerSeconds;
    EXPECT_GE(back, 2.5f);
    EXPECT_LT(back, 5.0f);
    ASSERT_TRUE(watch.waitForSample([](const Sample &s) { return s.labelSeconds >= 3 && s.labelSeconds < 6; }));
    EXPECT_EQ(watch.samples.back().pid, pid);
    saveEditorPicture(editor, pictureName(disc, "trimmed_again"));
}

// What the player writes on its standard error reaches the log, one indented line each, under
// the line that started it: here the player executable's own account of what it changed for the
// installed mplayer.
TEST(EditorDVDPlaybackLog, ThePlayersErrorLinesAreInTheLog)
{
    EditedTitle t(QStringLiteral("dvd/pal"));
    ASSERT_TRUE(t.editor);
    ASSERT_TRUE(playing(*t.editor));
    ASSERT_TRUE(waitFor([&] { return t.log().contains(QStringLiteral("\t[HVPlayer]: dvdnav://2 -> dvd://2\n")); },
                        kTimeoutMs))
        << t.log().toStdString();
    const QString log = t.log();
    const qsizetype started = log.indexOf(QStringLiteral("editor player: "));
    ASSERT_GE(started, 0);
    EXPECT_GT(log.indexOf(QStringLiteral("\t[HVPlayer]: -ss 0 -> (no -ss)\n")), started);
    EXPECT_GT(log.indexOf(QStringLiteral("\t[HVPlayer]: -ao coreaudio -> -ao pulse,alsa,null,\n")), started);
}
