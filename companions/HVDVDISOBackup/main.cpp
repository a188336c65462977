// HVDVDISOBackup SOURCE OUTPUT iso
//
// Copies a DVD-Video disc, VIDEO_TS folder or ISO image into a new ISO image. Progress goes to
// standard output as "<percent% sectors-read total-sectors>" lines; the exit status is 0 only
// when the image was written whole. SIGTERM or SIGINT stops the copy and leaves nothing behind.
//
// The image needs the room of the image and no more: the image maker is given the disc's IFO
// files and VOBs of the right length that hold nothing, and the disc's data takes the place of
// that nothing as the image streams out of the maker.

#include "DiscFileReader.h"
#include "ImageStreamWriter.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/FileNameLimit.h"
#include "enginekit/LineSplitter.h"
#include "enginekit/ISOBackupProgress.h"
#include "enginekit/ProcessIdentity.h"
#include "enginekit/SignalEnd.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char *kImageMaker = "/usr/bin/genisoimage";
// The image maker's last lines are kept for its failure: it says why at its end.
constexpr size_t kKeptMakerLines = 64;

std::atomic<bool> cancelled{false};
std::atomic<pid_t> imageMaker{-1};

void onStopSignal(int)
{
    cancelled = true;
    const pid_t child = imageMaker.load();
    if (child > 0)
        ::kill(child, SIGTERM);
}

void printProgress(int percent, long long read, long long total)
{
    char buffer[96];
    const ISOBackupProgressLine line{percent, int(read), int(total)};
    const std::string_view text = formatISOBackupProgress(line, buffer, sizeof buffer);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

// What is left of a run that did not finish: the staged folder and the unfinished image.
struct Leftovers
{
    fs::path staging;
    fs::path partial;

    ~Leftovers()
    {
        std::error_code ec;
        if (!staging.empty())
            fs::remove_all(staging, ec);
    }
};

int fail(const std::string &why, const Leftovers &leftovers)
{
    std::error_code ec;
    fs::remove(leftovers.partial, ec);
    std::fprintf(stderr, "HVDVDISOBackup: %s\n", why.c_str());
    return cancelled.load() ? 130 : 1;
}

// After the partial image is gone, so that the free space told is what the disk has.
int failForRoom(long long neededBytes, const Leftovers &leftovers)
{
    std::error_code ec;
    fs::remove(leftovers.partial, ec);
    return fail(imageRoomProblem(leftovers.partial.parent_path(), neededBytes), leftovers);
}

// The maker's own account of its failure, each line under this tool's name so that the program
// logs it, then failure with what ended it: a signal's meaning when one did, else the maker's
// last line, which is what it says last of why ("VIDEO_TS has invalid contents") and all there is
// to tell the user; its exit status only when it said nothing.
int failForMaker(int status, const std::string &endUnread, const std::vector<std::string> &makerLines,
                 const Leftovers &leftovers)
{
    std::string last;
    for (const std::string &line : makerLines) {
        std::fprintf(stderr, "HVDVDISOBackup: image maker: %s\n", line.c_str());
        std::string_view words(line);
        // "genisoimage: Unable to ...", "  - VIDEO_TS has invalid contents"
        if (words.starts_with("genisoimage:"))
            words.remove_prefix(12);
        const size_t first = words.find_first_not_of(" \t-");
        if (first != std::string_view::npos)
            last = words.substr(first);
    }
    if (!endUnread.empty())
        return fail(last.empty() ? endUnread : endUnread + ": " + last, leftovers);
    if (const std::string bySignal = signalEndLine("genisoimage", status); !bySignal.empty())
        return fail(bySignal, leftovers);
    return fail(last.empty() ? "the image maker failed (status " + std::to_string(status) + ")"
                             : "the image maker said: " + last,
                leftovers);
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3 || (argc > 3 && std::string(argv[3]) != "iso")) {
        std::fprintf(stderr, "usage: HVDVDISOBackup SOURCE OUTPUT [iso]\n");
        return 2;
    }
    struct sigaction sa {};
    sa.sa_handler = onStopSignal;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);

    const std::string source = argv[1];
    const fs::path output = fs::absolute(argv[2]);
    // The image is written under a hidden name beside the output, so a stopped or failed backup
    // never leaves a half-written image under the name the user will look for. The output's name
    // is cut (at a character boundary) where the hidden name would pass what the folder's file
    // system takes; the image still gets the output's whole name at its end.
    Leftovers leftovers;
    const std::string partialName = fitFileName(".", output.filename().string(),
                                                "." + std::to_string(::getpid()) + ".part",
                                                longestFileNameIn(output.parent_path().string()));
    if (partialName.empty())
        return fail("the output folder takes no file name long enough for the image's hidden name", leftovers);
    leftovers.partial = output.parent_path() / partialName;

    std::string why;
    if (!fs::is_directory(output.parent_path()))
        return fail("the output folder " + output.parent_path().string() + " does not exist", leftovers);
    DiscFileReader disc;
    if (!disc.open(source, why))
        return fail(why, leftovers);
    const long long total = disc.totalSectors();
    if (total <= 0)
        return fail("the disc holds no video files", leftovers);
    if (::access(kImageMaker, X_OK) != 0)
        return fail("genisoimage, which makes the image, is not installed", leftovers);

    leftovers.staging = ProcessIdentity::makeMarkedTemporaryFolder("HVDVDISOBackup");
    if (leftovers.staging.empty())
        return fail("cannot make a temporary folder", leftovers);
    printProgress(0, 0, total);
    if (!disc.stageTo(leftovers.staging, why))
        return fail(why, leftovers);

    // No "-o": the image comes on the maker's standard output.
    const std::vector<std::string> args{"genisoimage", "-dvd-video", "-udf", "-V", disc.volumeLabel(source),
                                        leftovers.staging.string()};
    EngineProcess maker;
    if (!maker.start(kImageMaker, args))
        return fail(maker.errorText(), leftovers);
    imageMaker = maker.pid();
    if (cancelled.load())
        ::kill(maker.pid(), SIGTERM);

    int lastPercent = 0;
    ImageStreamWriter writer(leftovers.partial, disc, cancelled,
                             [&](long long written, long long volume, long long discSectors) {
                                 // 100 only once the image has its name.
                                 const int percent = volume > 0 ? int(std::min(99LL, written * 100 / volume)) : 0;
                                 if (percent != lastPercent) {
                                     lastPercent = percent;
                                     printProgress(percent, discSectors, total);
                                 }
                             });
    std::vector<std::string> makerLines;
    OutputLineSplitter lines;
    const auto keepMakerLine = [&](std::string_view line) {
        // genisoimage's own progress (" 45.12% done, estimate finish ...") says nothing new.
        if (line.find("% done") != std::string_view::npos)
            return;
        if (makerLines.size() == kKeptMakerLines)
            makerLines.erase(makerLines.begin());
        makerLines.emplace_back(line);
    };
    const int rc = maker.wait(
        [&](std::string_view chunk) {
            if (!writer.feed(chunk))
                maker.requestStop({"", SIGTERM, 800});
        },
        [&](std::string_view chunk) { lines.feed(chunk, keepMakerLine); });
    lines.finish(keepMakerLine);
    imageMaker = -1;
    if (cancelled.load())
        return fail("stopped", leftovers);
    if (rc == 0)
        writer.finish();
    if (writer.lackedRoom())
        return failForRoom(writer.imageBytes(), leftovers);
    if (!writer.why().empty())
        return fail(writer.why(), leftovers);
    if (rc != 0) {
        return failForMaker(rc, rc < 0 ? maker.errorText() : std::string(), makerLines, leftovers);
    }
    std::error_code ec;
    fs::rename(leftovers.partial, output, ec);
    if (ec)
        return fail("cannot move the image to " + output.string() + ": " + ec.message(), leftovers);
    printProgress(100, total, total);
    return 0;
}
