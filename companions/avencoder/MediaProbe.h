#pragma once

#include <string>

// What libavformat reads of a media file. Shared by the encoder and Matroska companions, which
// both check their outputs with it before they report success.
struct MediaProbeResult
{
    std::string formatName;
    double durationSeconds = 0;   // 0 when unknown
    long long bitRate = 0;
    int videoStreams = 0;
    int audioStreams = 0;
    int subtitleStreams = 0;
    int width = 0;
    int height = 0;
};

// Opens path and reads its streams; false with why set when libavformat cannot read it.
bool probeMedia(const std::string &path, MediaProbeResult &result, std::string &why);

// True when path is media a player can open: it exists, is not empty, libavformat reads at least
// one stream, and, when expectedSeconds is above 0 and the file tells its length, the length falls
// short of it by no more than the tolerance a stream's timing allows. why says what was wrong.
bool outputIsCompleteMedia(const std::string &path, double expectedSeconds, std::string &why);
