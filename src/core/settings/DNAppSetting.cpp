#include "DNAppSetting.h"

#include "DNSettingFolders.h"

#include <QFileInfo>

namespace {
const QString kDefaultAudioLanguage = QStringLiteral("English");
}

DNAppSetting::DNAppSetting()
    : audioLanguage_(kDefaultAudioLanguage),
      snapshotDirectory_(DNSettingFolders::defaultPicturesFolder()),
      videoOutputDirectory_(DNSettingFolders::defaultMoviesFolder())
{
}

const std::vector<DNAppSetting::Field> &DNAppSetting::fields()
{
    using S = DNAppSetting;
    static const std::vector<Field> table = {
        {"audioLanguage", &S::audioLanguage_},
        {"snapshotDirectory", &S::snapshotDirectory_},
        {"video_output_folder", &S::videoOutputDirectory_},
        {"shutdown_when_done", &S::isShutdowWhenDone_},
        {"open_folder_when_done", &S::isOpenFolderWhenDone_},
        {"add_2_itunes_lib", &S::isAdd2iTunesLib_},
        {"update_check_mode", &S::updateCheckMode_},
    };
    return table;
}

void DNAppSetting::fixDecodedValues()
{
    if (audioLanguage_.isNull())
        audioLanguage_ = kDefaultAudioLanguage;
    // A snapshot folder removed since it was chosen would make every snapshot fail.
    if (!snapshotDirectory_.isNull() && !QFileInfo::exists(snapshotDirectory_))
        snapshotDirectory_.clear();
    if (snapshotDirectory_.isNull())
        snapshotDirectory_ = DNSettingFolders::defaultPicturesFolder();
}
