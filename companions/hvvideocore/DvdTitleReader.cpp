#include "DvdTitleReader.h"

#include "dvd_layout.h"
#include "isolated_child.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include <sys/stat.h>

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>

namespace {

constexpr int kReadTimeoutMs = 60000;
// How far a program chain's stated time may stray from its cells' data (frames rounded at the
// ends of cells) before the data's span stands for it.
constexpr double kStatedTimeSlackSeconds = 1.0;

int fromBcd(uint8_t value)
{
    return (value >> 4) * 10 + (value & 0x0f);
}

double playbackSeconds(const dvd_time_t &time)
{
    const int frameRateCode = (time.frame_u & 0xc0) >> 6;
    const double fps = frameRateCode == 1 ? 25.0 : (frameRateCode == 3 ? 30000.0 / 1001.0 : 0);
    const double frames = fps > 0 ? fromBcd(time.frame_u & 0x3f) / fps : 0;
    return fromBcd(time.hour) * 3600.0 + fromBcd(time.minute) * 60.0 + fromBcd(time.second) + frames;
}

// The stream id mplayer selects with -aid for an audio stream of a given format.
int audioStreamId(int format, int stream)
{
    switch (format) {
    case 0: return 0x80 + stream;   // AC-3
    case 6: return 0x88 + stream;   // DTS
    case 4: return 0xA0 + stream;   // LPCM
    case 2:
    case 3: return stream;          // MPEG audio
    default: return 0x80 + stream;
    }
}

// The reading process's answer, one line each: "log <text>", then the title's facts.
void sendLine(int fd, const std::string &line)
{
    const std::string text = line + "\n";
    isolatedWriteAll(fd, text.data(), text.size());
}

// libdvdread's messages (it would print them on standard output) go back as log lines.
void dvdreadMessage(void *fd, dvd_logger_level_t level, const char *format, va_list arguments)
{
    if (level == DVD_LOGGER_LEVEL_DEBUG)
        return;
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    std::string line = "log libdvdread: ";
    for (const char *c = text; *c; ++c)
        line.push_back(*c == '\n' ? ' ' : *c);
    sendLine(*static_cast<int *>(fd), line);
}

MEncoderDvdTitle readInThisProcess(const std::string &device, int titleNumber, int fd)
{
    MEncoderDvdTitle result;
    const dvd_logger_cb logger{dvdreadMessage};
    dvd_reader_t *dvd = DVDOpen2(&fd, &logger, device.c_str());
    if (!dvd)
        return result;
    ifo_handle_t *vmg = ifoOpen(dvd, 0);
    if (vmg && vmg->tt_srpt && titleNumber >= 1 && titleNumber <= vmg->tt_srpt->nr_of_srpts) {
        const title_info_t &info = vmg->tt_srpt->title[titleNumber - 1];
        ifo_handle_t *vts = ifoOpen(dvd, info.title_set_nr);
        if (vts && vts->vtsi_mat && vts->vts_ptt_srpt && vts->vts_pgcit && info.vts_ttn >= 1
            && info.vts_ttn <= vts->vts_ptt_srpt->nr_of_srpts) {
            const ttu_t &ttu = vts->vts_ptt_srpt->title[info.vts_ttn - 1];
            const int pgcn = (ttu.nr_of_ptts >= 1 && ttu.ptt) ? ttu.ptt[0].pgcn : 0;
            if (pgcn >= 1 && pgcn <= vts->vts_pgcit->nr_of_pgci_srp && vts->vts_pgcit->pgci_srp[pgcn - 1].pgc) {
                const pgc_t *pgc = vts->vts_pgcit->pgci_srp[pgcn - 1].pgc;
                const vtsi_mat_t *mat = vts->vtsi_mat;
                for (int i = 0; i < mat->nr_of_vts_audio_streams && i < 8; ++i) {
                    const uint16_t control = pgc->audio_control[i];
                    if (!(control & 0x8000))
                        continue;   // the title does not carry this stream
                    result.audioStreamIds.push_back(audioStreamId(mat->vts_audio_attr[i].audio_format,
                                                                  (control >> 8) & 0x07));
                }
                // A sub-picture track holds one stream per picture shape; a wide picture takes the wide one.
                const int shift = mat->vts_video_attr.display_aspect_ratio == 0 ? 24 : 16;
                for (int i = 0; i < mat->nr_of_vts_subp_streams && i < 32; ++i) {
                    const uint32_t control = pgc->subp_control[i];
                    if (control & 0x80000000u)
                        result.subtitleStreams.push_back(int((control >> shift) & 0x1f));
                }
                result.seconds = playbackSeconds(pgc->playback_time);
                // A program chain whose stated time its cells' own data do not bear out (a damaged
                // IFO): mencoder reads the data, so its span is the title's length. A drive, which
                // would seek for each cell, keeps the stated time.
                struct stat source {};
                const bool drive = ::stat(device.c_str(), &source) == 0 && S_ISBLK(source.st_mode);
                DVDLayoutReport layout;
                dvdLayoutCheck(dvd, titleNumber, !drive, &layout);
                if (layout.dataSeconds > 0 && std::abs(layout.dataSeconds - result.seconds) > kStatedTimeSlackSeconds)
                    result.seconds = layout.dataSeconds;
                switch (mat->vts_video_attr.display_aspect_ratio) {
                case 0: result.displayAspect = "4:3"; break;
                case 3: result.displayAspect = "16:9"; break;
                default: break;   // reserved values: leave the picture shape to mencoder
                }
                result.known = true;
            }
        }
        if (vts)
            ifoClose(vts);
    }
    if (vmg)
        ifoClose(vmg);
    DVDClose(dvd);
    return result;
}

struct ReadRequest
{
    std::string device;
    int titleNumber;
};

void readInChild(int fd, void *argument)
{
    const auto *request = static_cast<const ReadRequest *>(argument);
    const MEncoderDvdTitle title = readInThisProcess(request->device, request->titleNumber, fd);
    if (!title.known)
        return;
    // Plain formatting only: in a child of a threaded process, stream and locale locks another
    // thread held at the fork would never be released.
    char seconds[64];
    std::snprintf(seconds, sizeof seconds, "seconds %.17g", title.seconds);
    sendLine(fd, seconds);
    sendLine(fd, "aspect " + title.displayAspect);
    for (int id : title.audioStreamIds)
        sendLine(fd, "audio " + std::to_string(id));
    for (int stream : title.subtitleStreams)
        sendLine(fd, "subtitle " + std::to_string(stream));
    sendLine(fd, "known");
}

} // namespace

MEncoderDvdTitle readDvdTitle(const std::string &device, int titleNumber,
                              const std::function<void(const std::string &)> &log)
{
    MEncoderDvdTitle result;
    ReadRequest request{device, titleNumber};
    IsolatedResult run;
    if (!isolatedRun(readInChild, &request, kReadTimeoutMs, &run)) {
        result.unreadable = "the reading process cannot be started";
        return result;
    }
    std::istringstream lines(std::string(run.data ? run.data : "", run.size));
    isolatedResultFree(&run);
    for (std::string line; std::getline(lines, line);) {
        const size_t blank = line.find(' ');
        const std::string key = line.substr(0, blank);
        const std::string value = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (key == "log" && log)
            log(value);
        else if (key == "seconds")
            result.seconds = std::strtod(value.c_str(), nullptr);
        else if (key == "aspect")
            result.displayAspect = value;
        else if (key == "audio")
            result.audioStreamIds.push_back(std::atoi(value.c_str()));
        else if (key == "subtitle")
            result.subtitleStreams.push_back(std::atoi(value.c_str()));
        else if (key == "known")
            result.known = run.complete && run.signal == 0;
    }
    if (run.waitError != 0)
        result.unreadable = std::string("the end of the process reading it cannot be read: ") + std::strerror(run.waitError);
    else if (!run.complete)
        result.unreadable = "reading its structure took too long and was stopped";
    else if (run.signal != 0)
        result.unreadable = "its structure is damaged (the reader stopped with signal " + std::to_string(run.signal) + ")";
    if (!result.known) {
        result.audioStreamIds.clear();
        result.subtitleStreams.clear();
    }
    return result;
}
