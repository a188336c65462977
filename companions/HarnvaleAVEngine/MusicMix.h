#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The slideshow's music as ffmpeg hears it: the files one after the other, looped when together
// they are shorter than the movie, and cut at the movie's end.
struct MusicTrack
{
    QString path;
    double seconds = 0;
};

// The tracks of paths that hold audio, with their lengths; each file that does not is named on
// standard error and left out.
std::vector<MusicTrack> readableMusic(const QStringList &paths);

struct MusicMix
{
    std::vector<std::string> inputs; // "-i" words, one input per track
    std::string graph;               // filter graph ending in the label "[music]"; empty: no music
};

// The music of tracks over seconds; the tracks are inputs firstInput, firstInput + 1, ...
MusicMix musicMix(const std::vector<MusicTrack> &tracks, double seconds, int firstInput);
