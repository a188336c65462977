// HVDVDISOBackup SOURCE OUTPUT iso
//
// Copies a DVD-Video disc, VIDEO_TS folder or ISO image into a new ISO image. Progress goes to
// standard output as "<percent% sectors-read total-sectors>" lines; the exit status is 0 only
// when the image was written whole. SIGTERM or SIGINT stops the copy and leaves nothing behind.

#include "DiscFileCopier.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/ISOBackupProgress.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::atomic<bool> cancelled{false};
std::atomic<pid_t> imageMaker{-1};

// The copy takes this share of the progress; writing the image takes the rest.
constexpr int kCopyShare = 95;

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

// The first image maker installed: genisoimage, else xorriso's mkisofs personality.
bool imageCommand(const std::string &label, const fs::path &folder, const fs::path &image, std::string &program,
                  std::vector<std::string> &args)
{
    const std::vector<std::string> common{"-dvd-video", "-udf", "-V", label, "-o", image.string(), folder.string()};
    if (::access("/usr/bin/genisoimage", X_OK) == 0) {
        program = "/usr/bin/genisoimage";
        args = {"genisoimage"};
    } else if (::access("/usr/bin/xorriso", X_OK) == 0) {
        program = "/usr/bin/xorriso";
        args = {"xorriso", "-as", "mkisofs"};
    } else {
        return false;
    }
    args.insert(args.end(), common.begin(), common.end());
    return true;
}

int fail(const std::string &why, const fs::path &staging, const fs::path &partial)
{
    std::fprintf(stderr, "HVDVDISOBackup: %s\n", why.c_str());
    std::error_code ec;
    fs::remove_all(staging, ec);
    fs::remove(partial, ec);
    return cancelled.load() ? 130 : 1;
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
    // Work under hidden names beside the output, so a stopped or failed backup never leaves a
    // half-written image under the name the user will look for.
    const std::string stem = "." + output.filename().string() + "." + std::to_string(::getpid());
    const fs::path staging = output.parent_path() / (stem + ".files");
    const fs::path partial = output.parent_path() / (stem + ".part");

    std::string why;
    if (!fs::is_directory(output.parent_path()))
        return fail("the output folder " + output.parent_path().string() + " does not exist", staging, partial);
    DiscFileCopier copier;
    if (!copier.open(source, why))
        return fail(why, staging, partial);
    const long long total = copier.totalSectors();
    if (total <= 0)
        return fail("the disc holds no video files", staging, partial);

    int lastPercent = -1;
    printProgress(0, 0, total);
    const bool copied = copier.copyTo(staging, cancelled, [&](long long read) {
        const int percent = int(read * kCopyShare / total);
        if (percent != lastPercent || read == total) {
            lastPercent = percent;
            printProgress(percent, read, total);
        }
    }, why);
    if (!copied)
        return fail(why, staging, partial);

    std::string program;
    std::vector<std::string> args;
    if (!imageCommand(copier.volumeLabel(source), staging, partial, program, args))
        return fail("neither genisoimage nor xorriso is installed", staging, partial);
    EngineProcess maker;
    if (!maker.start(program, args))
        return fail(maker.errorText(), staging, partial);
    imageMaker = maker.pid();
    if (cancelled.load())
        ::kill(maker.pid(), SIGTERM);
    std::string makerLog;
    OutputLineSplitter lines;
    const auto onLine = [&](std::string_view line) {
        // genisoimage: " 45.12% done, estimate finish ..."
        const size_t pos = line.find("% done");
        if (pos != std::string_view::npos) {
            const double p = std::atof(std::string(line.substr(0, pos)).c_str());
            printProgress(kCopyShare + int(p * (100 - kCopyShare) / 100.0), total, total);
        } else {
            makerLog.append(line).push_back('\n');
        }
    };
    const auto onChunk = [&](std::string_view chunk) { lines.feed(chunk, onLine); };
    const int rc = maker.wait(onChunk, onChunk);
    imageMaker = -1;
    if (cancelled.load())
        return fail("stopped", staging, partial);
    std::error_code ec;
    const auto size = fs::file_size(partial, ec);
    if (rc != 0 || ec || (long long)size < total * 2048) {
        std::fprintf(stderr, "%s", makerLog.c_str());
        return fail("the image maker failed (status " + std::to_string(rc) + ")", staging, partial);
    }
    fs::rename(partial, output, ec);
    if (ec)
        return fail("cannot move the image to " + output.string() + ": " + ec.message(), staging, partial);
    fs::remove_all(staging, ec);
    printProgress(100, total, total);
    return 0;
}
