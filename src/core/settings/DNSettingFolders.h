#pragma once

#include <QString>

// The default folders of the settings records.
namespace DNSettingFolders {
// The default output and download folder: "Der Adido Rivuvov" in the user's videos folder.
QString defaultMoviesFolder();
// The default snapshot folder: the user's pictures folder.
QString defaultPicturesFolder();
// Makes defaultMoviesFolder() once per process when nothing is there (the download and
// recorder records rely on it); failures are ignored, the user can pick another folder.
void ensureDefaultMoviesFolder();
} // namespace DNSettingFolders
