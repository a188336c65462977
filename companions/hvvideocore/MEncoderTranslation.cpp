#include "hvvideocore/MEncoderTranslation.h"
#include "hvvideocore/MEncoderRules.h"
#include "hvvideocore/MEncoderWords.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace mencoder_words;

// The lavc audio encoder names of the builders and what ffmpeg calls the encoder today.
std::string ffmpegAudioEncoder(const std::string &lavcName)
{
    if (lavcName == "aac" || lavcName == "libfaac" || lavcName == "libfdk_aac" || lavcName == "libvo_aacenc"
        || lavcName == "libaacplus" || lavcName == "faac")
        return "aac";
    if (lavcName == "ac3" || lavcName == "ac3_fixed")
        return "ac3";
    if (lavcName == "mp3" || lavcName == "libmp3lame")
        return "libmp3lame";
    if (lavcName == "vorbis")
        return "libvorbis";
    return lavcName;
}

// The ffmpeg muxer that writes what mencoder's output options asked for.
std::string ffmpegMuxer(const Words &w, const std::string &output, const std::string &audioEncoder)
{
    const std::string of = w.value("-of");
    if (of == "lavf") {
        const std::string format = itemValue(splitColons(w.value("-lavfopts")), "format");
        return format == "wmv" ? "asf" : format;   // empty: ffmpeg goes by the file name
    }
    if (of == "mpeg") {
        const std::string format = itemValue(splitColons(w.value("-mpegopts")), "format");
        if (format == "dvd")
            return "dvd";
        if (format == "svcd" || format == "xsvcd")
            return "svcd";
        if (format == "vcd" || format == "xvcd")
            return "vcd";
        if (format == "mpeg1")
            return "mpeg";
        return "vob";
    }
    if (of == "avi")
        return "avi";
    if (of == "rawaudio") {
        const std::string ext = lowerExtension(output);
        if (ext == "m4a" || ext == "mp4" || ext == "m4b" || ext == "m4r")
            return "ipod";
        if (audioEncoder == "ac3")
            return "ac3";
        if (audioEncoder == "libmp3lame")
            return "mp3";
        return "adts";
    }
    return {};
}

std::vector<std::string> ffmpegHead()
{
    return {"-nostdin", "-hide_banner", "-nostats", "-v", "error", "-progress", "pipe:1", "-y"};
}

// ---- the rules --------------------------------------------------------------------------------

// mplayer's -aid wants the DVD stream id (0x80 + n for AC-3 ...); the builders write the track's
// position in the title. Read from the title's audio control, since a disc's tracks need not be
// numbered in order of position (an MPEG track after an AC-3 track is MPEG stream 0).
std::string ruleDvdAudioStreamId(Context &c)
{
    if (!c.dvdInput)
        return {};
    std::string note;
    for (size_t i = 0; i + 1 < c.words.list.size(); ++i) {
        if (c.words.list[i] != "-aid")
            continue;
        char *end = nullptr;
        const long position = std::strtol(c.words.list[i + 1].c_str(), &end, 10);
        // Ids of 8 and above are stream ids already (no title has more than 8 tracks).
        if (end == c.words.list[i + 1].c_str() || *end != '\0' || position < 0 || position >= 8)
            continue;
        if (!c.dvd.known || size_t(position) >= c.dvd.audioStreamIds.size()) {
            note = "-aid " + c.words.list[i + 1] + " kept: the title's audio stream ids could not be read";
            continue;
        }
        const std::string id = std::to_string(c.dvd.audioStreamIds[size_t(position)]);
        note = "-aid " + c.words.list[i + 1] + " -> -aid " + id;
        c.words.list[i + 1] = id;
    }
    return note;
}

// The same for -sid: the builders write the subtitle track's position, mplayer selects the
// sub-picture stream number, and a disc need not number its streams without gaps.
std::string ruleDvdSubtitleStream(Context &c)
{
    if (!c.dvdInput)
        return {};
    std::string note;
    for (size_t i = 0; i + 1 < c.words.list.size(); ++i) {
        if (c.words.list[i] != "-sid")
            continue;
        char *end = nullptr;
        const long position = std::strtol(c.words.list[i + 1].c_str(), &end, 10);
        if (end == c.words.list[i + 1].c_str() || *end != '\0' || position < 0 || position >= 32)
            continue;
        if (!c.dvd.known || size_t(position) >= c.dvd.subtitleStreams.size()) {
            note = "-sid " + c.words.list[i + 1] + " kept: the title's subtitle streams could not be read";
            continue;
        }
        const std::string id = std::to_string(c.dvd.subtitleStreams[size_t(position)]);
        if (id == c.words.list[i + 1])
            continue;
        note = "-sid " + c.words.list[i + 1] + " -> -sid " + id;
        c.words.list[i + 1] = id;
    }
    return note;
}

// mencoder's FFmpeg AC-3 decoder gives up for the rest of the title after one damaged block (a
// title that starts on a cut writes a second of audio and then none, exit 0); liba52 carries on.
// The trailing comma lets other formats fall back to the usual decoders.
std::string ruleDvdAc3Decoder(Context &c)
{
    const std::string oac = c.words.value("-oac");
    if (!c.dvdInput || c.words.has("-nosound") || oac.empty() || oac == "copy" || c.words.has("-ac"))
        return {};
    c.words.list.push_back("-ac");
    c.words.list.push_back("a52,");
    return "(default audio decoder) -> -ac a52,";
}

// mencoder sets up "-vf scale=...:-2" before it has read the title's sequence header, so the
// side it computes follows the stored frame (720x480 is 3:2) instead of the picture the disc
// shows (4:3 or 16:9), and every picture comes out stretched. The title's display aspect from
// the IFO lets it prescale from the start.
std::string ruleDvdDisplayAspect(Context &c)
{
    if (!c.dvdInput || c.words.list.empty() || c.words.has("-aspect") || c.dvd.displayAspect.empty())
        return {};
    c.words.list.emplace_back("-aspect");
    c.words.list.push_back(c.dvd.displayAspect);
    return "(no -aspect) -> -aspect " + c.dvd.displayAspect;
}

std::string secondsWord(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", seconds);
    std::string word = text;
    while (word.back() == '0')
        word.pop_back();
    if (word.back() == '.')
        word.pop_back();
    return word;
}

// A pass that runs to the end of a title. dvdnav:// does not end there: it goes on with whatever
// the disc plays next (the title again, a menu, a still picture) and mencoder either writes
// without end or waits for data that never comes and never exits. dvd:// reads the title's own
// cells and stops after the last. The title's length (with a margin, so an IFO time a frame
// short cuts nothing) bounds the run all the same.
std::string ruleDvdTitleEnd(Context &c)
{
    if (!c.dvdInput || c.words.list.empty() || !c.dvd.known || c.dvd.seconds <= 0)
        return {};
    const double rest = c.dvd.seconds - c.plan.startSeconds;
    if (rest <= 0 || (c.plan.endposSeconds > 0 && c.plan.endposSeconds < rest - 0.5))
        return {};
    std::string before, after;
    for (std::string &word : c.words.list) {
        if (word.rfind("dvdnav://", 0) == 0) {
            before = word;
            word = "dvd://" + word.substr(9);
            after = word;
            break;
        }
    }
    if (!c.words.has("-endpos")) {
        const std::string bound = secondsWord(rest + 1);
        c.words.list.emplace_back("-endpos");
        c.words.list.push_back(bound);
        before += (before.empty() ? "" : " ") + std::string("(no -endpos)");
        after += (after.empty() ? "" : " ") + std::string("-endpos ") + bound;
    }
    return before.empty() ? std::string() : before + " -> " + after;
}

// mencoder has no "wmv" muxer; "asf" is the same container.
std::string ruleLavfFormatWmv(Context &c)
{
    std::string note;
    for (size_t i = 0; i + 1 < c.words.list.size(); ++i) {
        if (c.words.list[i] != "-lavfopts")
            continue;
        std::vector<std::string> items = splitColons(c.words.list[i + 1]);
        bool changed = false;
        for (std::string &item : items) {
            if (item == "format=wmv") {
                item = "format=asf";
                changed = true;
            }
        }
        if (changed) {
            note = "-lavfopts " + c.words.list[i + 1] + " -> -lavfopts " + joinColons(items);
            c.words.list[i + 1] = joinColons(items);
        }
    }
    return note;
}

// Edits every -lavcopts list with edit; the note shows each changed list.
template <typename F>
std::string editLavcopts(Context &c, F &&edit)
{
    std::string note;
    for (size_t i = 0; i + 1 < c.words.list.size(); ++i) {
        if (c.words.list[i] != "-lavcopts")
            continue;
        std::vector<std::string> items = splitColons(c.words.list[i + 1]);
        if (!edit(items))
            continue;
        const std::string after = joinColons(items);
        note = "-lavcopts " + c.words.list[i + 1] + " -> -lavcopts " + after;
        c.words.list[i + 1] = after;
    }
    return note;
}

// "mv0" and "cbp" left lavc's option list: with them mencoder writes nothing and exits 0.
// They live on as flags of the MPEG video encoders.
std::string ruleLavcMv0Cbp(Context &c)
{
    return editLavcopts(c, [](std::vector<std::string> &items) {
        std::string flags;
        for (const std::string &item : items) {
            if (item == "mv0")
                flags += "+mv0";
            else if (item == "cbp")
                flags += "+cbp_rd";
        }
        if (flags.empty())
            return false;
        removeItems(items, {"mv0", "cbp"});
        for (std::string &item : items) {
            if (item.rfind("o=", 0) == 0) {
                item += ",mpv_flags=" + flags;
                return true;
            }
        }
        items.push_back("o=mpv_flags=" + flags);
        return true;
    });
}

// "coder" is an option of H.264-family encoders; the MPEG-4 part 2 family refuses the whole list.
std::string ruleLavcCoderMpeg4(Context &c)
{
    return editLavcopts(c, [](std::vector<std::string> &items) {
        static const std::array<std::string_view, 11> partTwo{"mpeg4", "msmpeg4", "msmpeg4v2", "msmpeg4v3",
                                                              "h263", "h263p", "flv", "wmv1", "wmv2",
                                                              "mpeg1video", "mpeg2video"};
        const std::string vcodec = itemValue(items, "vcodec");
        if (std::find(partTwo.begin(), partTwo.end(), vcodec) == partTwo.end())
            return false;
        return removeItems(items, {"coder"});
    });
}

// ".mp4" of "/tmp/Disc 1.mp4"; empty when the name has no extension.
std::string extensionOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    return dot == std::string::npos || (slash != std::string::npos && dot < slash) ? std::string() : path.substr(dot);
}

// Joins of lavf files with copied streams: mencoder no longer reads back what its lavf muxer
// wrote ("moov atom not found"). ffmpeg's concat reader joins them with the streams copied.
std::string ruleLavfCopyJoin(Context &c)
{
    if (c.dvdInput || c.fileInputs.size() < 2 || c.words.value("-ovc") != "copy" || c.words.value("-of") != "lavf")
        return {};
    const std::string listPath = c.environment.temporaryPath ? c.environment.temporaryPath(".txt") : std::string();
    if (listPath.empty()) {
        c.plan.error = "no temporary folder for the join list";
        return {};
    }
    std::string list = "ffconcat version 1.0\n";
    for (std::string input : c.fileInputs) {
        if (input.find_first_of("\r\n") != std::string::npos) {
            const std::string link = c.environment.temporaryPath(extensionOf(input));
            if (link.empty()) {
                c.plan.error = "no temporary folder for the join list";
                return {};
            }
            c.plan.links.emplace_back(link, input);
            c.plan.temporaries.push_back(link);
            input = link;
        }
        std::string quoted;
        for (char ch : input) {
            if (ch == '\'')
                quoted += "'\\''";
            else
                quoted += ch;
        }
        list += "file '" + quoted + "'\n";
    }
    const std::string before = joined(c.words.list);
    std::vector<std::string> args = ffmpegHead();
    for (const char *w : {"-f", "concat", "-safe", "0", "-i"})
        args.emplace_back(w);
    args.push_back(listPath);
    for (const char *w : {"-map", "0", "-c", "copy"})
        args.emplace_back(w);
    const std::string aspect = c.words.value("-aspect");
    if (!aspect.empty()) {
        args.emplace_back("-aspect");
        args.push_back(aspect);
    }
    const std::string muxer = ffmpegMuxer(c.words, c.plan.output, {});
    if (!muxer.empty()) {
        args.emplace_back("-f");
        args.push_back(muxer);
    }
    args.push_back(c.plan.output);
    c.plan.ffmpeg = args;
    c.plan.concatList = list;
    c.plan.concatListPath = listPath;
    c.plan.temporaries.push_back(listPath);
    c.words.list.clear();
    return before + " -> ffmpeg " + joined(args);
}

// mencoder's MPEG program stream muxer leaves out the end of a part: the last group of pictures
// of a DVD-format stream (15 frames of the MPEG-2 builders) and the sound beside it, of a plain
// one the last frames of both. Its outputs go through ffmpeg's muxer instead (below).
bool mencoderMpegMuxerWrites(const Words &w)
{
    return w.value("-of") == "mpeg" && !w.has("-nosound") && !w.value("-oac").empty();
}

// The output has a picture, encoded or copied: mencoder may double and drop its frames.
bool writesPicture(const Words &w)
{
    const std::string ovc = w.value("-ovc");
    return !ovc.empty() && ovc != "frameno" && !w.has("-novideo");
}

// The picture is encoded, not copied.
bool encodesPicture(const Words &w)
{
    return writesPicture(w) && w.value("-ovc") != "copy";
}

// The DVD stream id of the sound a vector copies: its -aid (a stream id once dvd-audio-stream-id
// has run), else the title's first track; -1 when not known.
int copiedDvdStreamId(const Context &c)
{
    const std::string aid = c.words.value("-aid");
    if (!aid.empty()) {
        char *end = nullptr;
        const long id = std::strtol(aid.c_str(), &end, 10);
        return end != aid.c_str() && *end == '\0' ? int(id) : -1;
    }
    return c.dvd.known && !c.dvd.audioStreamIds.empty() ? c.dvd.audioStreamIds.front() : -1;
}

// With copied DVD sound mencoder's A-V correction goes astray: it doubles and drops pictures all
// through the title, encoded or copied (an AVI of a 30 s title held 70 doubled and 43 missing
// pictures and lasted 31.04 s; the main title backup kept 677 of 750). Without the correction
// every picture is written once, beside all of the sound (the MPEG-2 copy builder asks for this
// itself).
std::string ruleCopiedSoundSync(Context &c)
{
    if (!c.dvdInput || c.words.value("-oac") != "copy" || c.words.has("-nosound") || !writesPicture(c.words)
        || c.words.has("-mc"))
        return {};
    c.words.list.emplace_back("-mc");
    c.words.list.emplace_back("0");
    return "(no -mc) -> -mc 0";
}

// Copied sound into an MPEG program stream: mencoder writes the picture and the copied sound into
// an AVI (its AVI muxer keeps every byte) streamed through a FIFO, and ffmpeg copies both into the
// program stream the builder asked for. Not NUT, as for encoded sound: mencoder hands copied sound
// on in blocks of half a second, which ffmpeg's AVI reader cuts back into the frames a program
// stream's packets must count. AVI keeps no presentation times, so ffmpeg makes them. DVD LPCM is
// left to mencoder's own muxer: neither the AVI nor ffmpeg's muxer carry it as the disc has it.
std::string ruleMpegCopiedSound(Context &c)
{
    if (c.words.list.empty() || !mencoderMpegMuxerWrites(c.words) || c.words.value("-oac") != "copy"
        || !encodesPicture(c.words) || c.plan.output == "/dev/null")
        return {};
    const int stream = c.dvdInput ? copiedDvdStreamId(c) : -1;
    if (c.dvdInput && (stream < 0 || (stream >= 0xA0 && stream < 0xA8)))
        return {};
    const std::string muxer = ffmpegMuxer(c.words, c.plan.output, {});
    const std::string intermediate = c.environment.temporaryPath ? c.environment.temporaryPath(".avi") : std::string();
    if (intermediate.empty()) {
        c.plan.error = "no temporary folder for the intermediate file";
        return {};
    }
    const std::string before = "-of mpeg -mpegopts " + c.words.value("-mpegopts") + " -o " + c.plan.output;
    c.words.set("-of", "avi");
    c.words.remove("-mpegopts");
    c.words.set("-o", intermediate);
    c.plan.temporaries.push_back(intermediate);
    c.plan.streamPath = intermediate;

    std::vector<std::string> args = ffmpegHead();
    for (const char *w : {"-fflags", "+genpts", "-i"})
        args.emplace_back(w);
    args.push_back(intermediate);
    for (const char *w : {"-map", "0:v?", "-map", "0:a?", "-c", "copy", "-f"})
        args.emplace_back(w);
    args.push_back(muxer);
    args.push_back(c.plan.output);
    c.plan.ffmpeg = args;
    return before + " -> -of avi -o " + intermediate + " (a FIFO), with ffmpeg reading it meanwhile: " + joined(args);
}

// MP2 through lavc fails on this FFmpeg ("channel layout not supported"); twolame writes MP2.
// Into an MPEG program stream ffmpeg encodes it (audio-through-ffmpeg), since mencoder's muxer
// would cut the end.
std::string ruleLavcAudioMp2(Context &c)
{
    if (c.words.list.empty() || c.words.value("-oac") != "lavc" || mencoderMpegMuxerWrites(c.words))
        return {};
    std::vector<std::string> items = splitColons(c.words.value("-lavcopts"));
    const std::string acodec = itemValue(items, "acodec");
    if (!acodec.empty() && acodec != "mp2" && acodec != "libtwolame")
        return {};
    const std::string bitrate = itemValue(items, "abitrate");
    const std::string before = "-oac lavc -lavcopts " + c.words.value("-lavcopts");
    removeItems(items, {"acodec", "abitrate", "aglobal", "atag"});
    setLavcopts(c.words, items);
    c.words.set("-oac", "twolame");
    c.words.set("-twolameopts", "br=" + (bitrate.empty() ? std::string("192") : bitrate));
    return before + " -> -oac twolame -twolameopts " + c.words.value("-twolameopts")
        + (c.words.has("-lavcopts") ? " -lavcopts " + c.words.value("-lavcopts") : std::string());
}

// AAC, AC-3 and (into an MPEG program stream) MP2 audio: mencoder has no faac and its lavc audio
// encoders fail (or write nothing and exit 0). mencoder writes the video with PCM audio into an
// intermediate; ffmpeg encodes the audio and writes the container the builder asked for, at the
// builder's path. The intermediate of a picture is a NUT stream in a FIFO, written in one go,
// which ffmpeg reads while mencoder writes it: the audio is encoded beside the picture instead of
// after it. An AVI intermediate (of sound alone, or for an AVI) is patched at its end, so it stays
// a file, read after mencoder.
std::string ruleAudioThroughFFmpeg(Context &c)
{
    if (c.words.list.empty() || c.words.has("-nosound"))
        return {};
    const std::string oac = c.words.value("-oac");
    std::vector<std::string> lavc = splitColons(c.words.value("-lavcopts"));
    std::string encoder;
    std::string bitrate;
    if (oac == "faac") {
        encoder = "aac";
        bitrate = itemValue(splitColons(c.words.value("-faacopts")), "br");
    } else if (oac == "lavc") {
        encoder = ffmpegAudioEncoder(itemValue(lavc, "acodec"));
        bitrate = itemValue(lavc, "abitrate");
    } else {
        return {};
    }
    if (bitrate.empty() || std::strtol(bitrate.c_str(), nullptr, 10) <= 0)
        bitrate = encoder == "ac3" ? "192" : "128";

    const std::string before = "-oac " + oac
        + (oac == "faac" ? " -faacopts " + c.words.value("-faacopts") : " -lavcopts " + c.words.value("-lavcopts"))
        + " -of " + c.words.value("-of") + " -o " + c.plan.output;
    c.words.set("-oac", "pcm");
    c.words.remove("-faacopts");
    removeItems(lavc, {"acodec", "abitrate", "aglobal", "atag"});
    setLavcopts(c.words, lavc);

    const std::string of = c.words.value("-of");
    const std::string muxer = ffmpegMuxer(c.words, c.plan.output, encoder);
    const bool audioOnly = of == "rawaudio";
    const bool streamed = of != "avi" && !audioOnly;
    const std::string extension = streamed ? ".nut" : ".avi";
    // The muxer of the intermediate takes PCM; the one the builder named may not (ipod, 3gp).
    if (streamed) {
        c.words.set("-of", "lavf");
        c.words.set("-lavfopts", "format=nut");
        c.words.remove("-mpegopts");
    } else {
        c.words.set("-of", "avi");
    }
    // A first pass of two writes no file: the same run as the second, its output thrown away.
    if (c.plan.output == "/dev/null")
        return before + " -> -oac pcm -of " + c.words.value("-of") + " (first pass, no output file)";

    const std::string intermediate =
        c.environment.temporaryPath ? c.environment.temporaryPath(extension) : std::string();
    if (intermediate.empty()) {
        c.plan.error = "no temporary folder for the intermediate file";
        return {};
    }
    c.words.set("-o", intermediate);
    c.plan.temporaries.push_back(intermediate);
    if (streamed)
        c.plan.streamPath = intermediate;

    std::vector<std::string> args = ffmpegHead();
    args.emplace_back("-i");
    args.push_back(intermediate);
    if (audioOnly) {
        for (const char *w : {"-map", "0:a:0", "-vn"})
            args.emplace_back(w);
    } else {
        for (const char *w : {"-map", "0:v?", "-map", "0:a?", "-c:v", "copy"})
            args.emplace_back(w);
    }
    args.emplace_back("-c:a");
    args.push_back(encoder);
    args.emplace_back("-b:a");
    args.push_back(bitrate + "k");
    if (encoder == "dca" || encoder == "dts") {
        args.emplace_back("-strict");
        args.emplace_back("-2");
    }
    if (!muxer.empty()) {
        args.emplace_back("-f");
        args.push_back(muxer);
    }
    args.push_back(c.plan.output);
    c.plan.ffmpeg = args;
    return before + " -> -oac pcm -of " + c.words.value("-of") + " -o " + intermediate
        + (streamed ? " (a FIFO), with ffmpeg reading it meanwhile: " : ", then ffmpeg ") + joined(args);
}

struct NamedRule
{
    const char *name;
    Rule apply;
};

// In the order they apply: the join replaces the whole mencoder run, so it comes before the
// audio rules, which only touch a run that is left; the rules that only save time come last.
constexpr std::array<NamedRule, 15> kRules{{
    {"dvd-audio-stream-id", ruleDvdAudioStreamId},
    {"dvd-display-aspect", ruleDvdDisplayAspect},
    {"dvd-title-end", ruleDvdTitleEnd},
    {"dvd-subtitle-stream", ruleDvdSubtitleStream},
    {"dvd-ac3-decoder", ruleDvdAc3Decoder},
    {"copied-sound-sync", ruleCopiedSoundSync},
    {"lavf-format-wmv", ruleLavfFormatWmv},
    {"lavc-mv0-cbp", ruleLavcMv0Cbp},
    {"lavc-coder-mpeg4", ruleLavcCoderMpeg4},
    {"lavf-copy-join", ruleLavfCopyJoin},
    {"mpeg-copied-sound", ruleMpegCopiedSound},
    {"lavc-audio-mp2", ruleLavcAudioMp2},
    {"audio-through-ffmpeg", ruleAudioThroughFFmpeg},
    {"identity-eq2", ruleIdentityEq2},
    {"dvd-decoder-threads", ruleDvdDecoderThreads},
}};

} // namespace

std::string mencoderOptionValue(const std::vector<std::string> &words, const std::string &option)
{
    return Words{words}.value(option);
}

double mencoderTimeValue(const std::string &value)
{
    if (value.empty())
        return -1;
    double total = 0;
    size_t start = 0;
    for (;;) {
        const size_t colon = value.find(':', start);
        const std::string part = value.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        char *end = nullptr;
        const double v = std::strtod(part.c_str(), &end);
        if (part.empty() || end == part.c_str() || *end != '\0' || v < 0)
            return -1;
        total = total * 60 + v;
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return total;
}

MEncoderPlan planMEncoderPass(const std::vector<std::string> &argv, const MEncoderEnvironment &environment,
                              int endpos)
{
    MEncoderPlan plan;
    Context c(Words{argv.size() > 1 ? std::vector<std::string>(argv.begin() + 1, argv.end())
                                     : std::vector<std::string>()},
              environment, plan);
    if (c.words.list.empty()) {
        plan.error = "empty argument vector";
        return plan;
    }
    plan.output = c.words.value("-o");
    if (plan.output.empty()) {
        plan.error = "the vector names no output (-o)";
        return plan;
    }
    plan.passLogFile = c.words.value("-passlogfile");
    // The record's length is where the engine stops; the builders usually write it as -endpos too.
    if (endpos > 0 && !c.words.has("-endpos")) {
        c.words.list.push_back("-endpos");
        c.words.list.push_back(std::to_string(endpos));
        plan.notes.push_back("record-endpos: (no -endpos) -> -endpos " + std::to_string(endpos));
    }

    for (const std::string &input : c.words.inputs()) {
        if (isDvdUrl(input)) {
            c.dvdInput = true;
            const std::string number = input.substr(input.find("://") + 3);
            c.dvdTitleNumber = number.empty() ? 1 : std::atoi(number.c_str());
        } else {
            c.fileInputs.push_back(input);
        }
    }
    if (c.dvdInput) {
        c.dvdDevice = c.words.value("-dvd-device");
        if (c.dvdDevice.empty())
            c.dvdDevice = "/dev/dvd";
        if (environment.dvdTitle)
            c.dvd = environment.dvdTitle(c.dvdDevice, c.dvdTitleNumber);
        // mencoder would read the same damaged structure, with no better outcome.
        if (!c.dvd.unreadable.empty()) {
            plan.error = "the DVD cannot be read: " + c.dvd.unreadable;
            return plan;
        }
    } else if (environment.inputFacts) {
        for (const std::string &input : c.fileInputs)
            c.fileFacts.push_back(environment.inputFacts(input));
    }

    // What the output must hold, read before the rules change the words.
    const double ss = mencoderTimeValue(c.words.value("-ss"));
    const double endSeconds = mencoderTimeValue(c.words.value("-endpos"));
    plan.startSeconds = ss > 0 ? ss : 0;
    plan.endposSeconds = endSeconds > 0 ? endSeconds : 0;
    double inputSeconds = 0;
    bool inputsHaveAudio = false, inputsHaveVideo = false;
    if (c.dvdInput) {
        inputSeconds = c.dvd.seconds;
        inputsHaveVideo = true;
        inputsHaveAudio = c.words.has("-aid") || !c.dvd.audioStreamIds.empty();
    } else {
        bool allKnown = !c.fileFacts.empty();
        for (const MEncoderInputFacts &f : c.fileFacts) {
            allKnown = allKnown && f.readable && f.seconds > 0;
            inputSeconds += f.seconds;
            inputsHaveAudio = inputsHaveAudio || f.hasAudio;
            inputsHaveVideo = inputsHaveVideo || f.hasVideo;
        }
        if (!allKnown)
            inputSeconds = 0;
    }
    const double rest = inputSeconds > 0 ? std::max(0.0, inputSeconds - plan.startSeconds) : 0;
    plan.partSeconds = plan.endposSeconds > 0 ? (rest > 0 ? std::min(rest, plan.endposSeconds) : plan.endposSeconds)
                                              : rest;
    const std::string ovc = c.words.value("-ovc");
    const std::string of = c.words.value("-of");
    const bool firstPass = plan.output == "/dev/null";
    plan.expectVideo = !firstPass && inputsHaveVideo && !ovc.empty() && ovc != "frameno" && of != "rawaudio"
        && !c.words.has("-novideo");
    plan.expectAudio = !firstPass && inputsHaveAudio && !c.words.has("-nosound") && !c.words.value("-oac").empty();

    for (const NamedRule &rule : kRules) {
        const std::string note = rule.apply(c);
        if (!plan.error.empty())
            return plan;
        if (!note.empty())
            plan.notes.push_back(std::string(rule.name) + ": " + note);
    }
    plan.mencoder = c.words.list;
    return plan;
}
