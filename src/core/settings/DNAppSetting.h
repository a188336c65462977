#pragma once

#include "DNSettingRecord.h"

// Application options: folders, preferred audio language, what to do when a conversion is
// done, update-check mode.
class DNAppSetting : public DNSettingRecordOf<DNAppSetting>
{
public:
    DNAppSetting();
    QString className() const override { return QStringLiteral("DNAppSetting"); }

    // A language display name ("English"), compared with the tracks' language names.
    QString audioLanguage() const { return get(audioLanguage_); }
    void setAudioLanguage(const QString &v) { assign(audioLanguage_, v); }
    QString snapshotDirectory() const { return get(snapshotDirectory_); }
    void setSnapshotDirectory(const QString &v) { assign(snapshotDirectory_, v); }
    // May be null after decoding an archive without it; readers fall back themselves.
    QString videoOutputDirectory() const { return get(videoOutputDirectory_); }
    void setVideoOutputDirectory(const QString &v) { assign(videoOutputDirectory_, v); }
    bool isShutdowWhenDone() const { return get(isShutdowWhenDone_); }
    void setIsShutdowWhenDone(bool v) { assign(isShutdowWhenDone_, v); }
    bool isOpenFolderWhenDone() const { return get(isOpenFolderWhenDone_); }
    void setIsOpenFolderWhenDone(bool v) { assign(isOpenFolderWhenDone_, v); }
    bool isAdd2iTunesLib() const { return get(isAdd2iTunesLib_); }
    void setIsAdd2iTunesLib(bool v) { assign(isAdd2iTunesLib_, v); }
    // 1 daily, 2 weekly, 3 monthly, 4 never; anything else checks at each launch.
    int updateCheckMode() const { return get(updateCheckMode_); }
    void setUpdateCheckMode(int v) { assign(updateCheckMode_, v); }

private:
    friend class DNSettingRecordOf<DNAppSetting>;
    static const std::vector<Field> &fields();
    void fixDecodedValues();

    QString audioLanguage_;
    QString snapshotDirectory_;
    QString videoOutputDirectory_;
    bool isShutdowWhenDone_ = false;
    bool isOpenFolderWhenDone_ = true;
    bool isAdd2iTunesLib_ = false;
    int updateCheckMode_ = 0;
};
