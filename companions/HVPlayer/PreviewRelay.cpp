#include "PreviewRelay.h"

#include "ReceiverLink.h"

#include "enginekit/ChildEnd.h"
#include "enginekit/ChildStart.h"
#include "playerchannel/HVPlayerChannel.h"
#include "playerchannel/PlayerStartFailure.h"
#include "playerchannel/Y4MStreamReader.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// Large pipe reads: a 1080p frame is 3 MB.
constexpr std::size_t kVideoReadSize = 1 << 20;
constexpr int kPipeSize = 1 << 20;
constexpr int kKillGraceMs = 1500;

int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = write(signalPipe[1], &byte, 1);
    errno = saved;
}

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // nobody reads our output any more: mplayer's still goes on
        data += n;
        size -= std::size_t(n);
    }
}

void installSignalHandlers()
{
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        sigaction(s, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    // The program that started the player may die without ending it.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
}

// mplayer with its output on the relay's pipe and the video pipe's writing end, which it opens
// again through /dev/fd, passed on to it; its standard input (the slave commands) and error are
// the player's own. -1, with why, when it could not be started.
pid_t startMplayer(const std::string &path, const std::vector<std::string> &arguments, int videoWriteEnd,
                   int outputWriteEnd, std::string &why)
{
    ChildStartPlan plan;
    plan.program = path;
    plan.args = arguments;
    plan.args.insert(plan.args.begin(), "mplayer");
    plan.output = outputWriteEnd;
    plan.passedOn = {videoWriteEnd};
    return startChild(plan, why);
}

} // namespace

int runPreview(const std::vector<std::string> &arguments, const std::string &mplayerPath)
{
    installSignalHandlers();
    int video[2];
    int output[2];
    if (pipe2(video, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) {
        std::fprintf(stderr, "[HVPlayer]: cannot make pipes: %s\n", std::strerror(errno));
        return 127;
    }
    fcntl(video[0], F_SETPIPE_SZ, kPipeSize);
    fcntl(video[0], F_SETFL, O_NONBLOCK);
    const std::string videoPath = "/dev/fd/" + std::to_string(video[1]);
    const auto run = HVPlayerTranslation::translatePreview(arguments, videoPath);
    if (!run)
        return 127;
    for (const auto &[given, passed] : run->changes)
        std::fprintf(stderr, "[HVPlayer]: %s -> %s\n", given.c_str(), passed.c_str());

    std::string why;
    const pid_t child = startMplayer(mplayerPath, run->arguments, video[1], output[1], why);
    close(output[1]);
    if (child < 0) {
        const std::string line = PlayerStartFailure::line(why);
        writeAll(STDERR_FILENO, line.data(), line.size());
        return PlayerStartFailure::kExitStatus;
    }
    // The player keeps the writing end too, so mplayer may close and open its output again
    // without the reader ever seeing an end of stream.

    ReceiverLink link(HVPlayerChannel::directoryFromEnvironment(), run->bufferName);
    Y4MStreamReader reader([&](const Y4MStreamReader::Format &f) { link.onHeader(f); },
                           [&](const Y4MStreamReader::Format &f, const std::uint8_t *planes) {
                               link.onFrame(f, planes);
                           });
    bool readerFailureTold = false;
    std::vector<std::uint8_t> chunk(kVideoReadSize);
    auto drainVideo = [&] {
        for (;;) {
            const ssize_t n = read(video[0], chunk.data(), chunk.size());
            if (n <= 0)
                return;
            reader.feed(chunk.data(), std::size_t(n));
            if (reader.failed() && !readerFailureTold) {
                std::fprintf(stderr, "[HVPlayer]: video stream unreadable: %s\n", reader.error().c_str());
                readerFailureTold = true;
            }
        }
    };

    int outputFd = output[0];
    ChildEnd end;
    long long killAt = 0;
    char text[65536];
    while (end.state == ChildEnd::Running || outputFd >= 0) {
        pollfd fds[3] = {{video[0], POLLIN, 0}, {outputFd, POLLIN, 0}, {signalPipe[0], POLLIN, 0}};
        const bool exited = end.state != ChildEnd::Running;
        const int ready = poll(fds, 3, exited ? 50 : 200);
        if (ready < 0 && errno != EINTR)
            break;
        if (fds[2].revents & POLLIN) {
            unsigned char drained[16];
            while (read(signalPipe[0], drained, sizeof drained) > 0) {
            }
            if (!killAt) {
                kill(child, SIGTERM);
                killAt = nowMs() + kKillGraceMs;
            }
        }
        if (killAt && !exited && nowMs() > killAt)
            kill(child, SIGKILL);
        if (fds[0].revents & POLLIN)
            drainVideo();
        if (outputFd >= 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t n = read(outputFd, text, sizeof text);
            if (n > 0) {
                writeAll(STDOUT_FILENO, text, std::size_t(n));
            } else if (n == 0 || errno != EINTR) {
                close(outputFd);
                outputFd = -1;
            }
        }
        if (end.state == ChildEnd::Running)
            end = waitForChild(child, false);
        // A child of mplayer may keep its output open: once mplayer is gone, stop waiting soon.
        if (end.state != ChildEnd::Running && outputFd >= 0 && ready == 0) {
            close(outputFd);
            outputFd = -1;
        }
    }
    // The stop signals interrupt this wait (their handler does not restart it): it is made again.
    if (end.state == ChildEnd::Running)
        end = waitForChild(child, true);
    drainVideo();
    link.stopStream();
    if (end.state != ChildEnd::Ended) {
        std::fprintf(stderr, "[HVPlayer]: mplayer: %s\n", end.problem().c_str());
        return 1;
    }
    return end.status;
}
