#pragma once

#include "DNSettingRecord.h"

// Options of the online-video download.
class NXVideoDownloadSetting : public DNSettingRecordOf<NXVideoDownloadSetting>
{
public:
    NXVideoDownloadSetting();
    QString className() const override { return QStringLiteral("NXVideoDownloadSetting"); }

    QString favFormat() const { return get(favFormat_); }
    void setFavFormat(const QString &v) { assign(favFormat_, v); }
    QString favResolution() const { return get(favResolution_); }
    void setFavResolution(const QString &v) { assign(favResolution_, v); }
    QString downloadTarget() const { return get(downloadTarget_); }
    void setDownloadTarget(const QString &v) { assign(downloadTarget_, v); }
    QString proxyAddress() const { return get(proxyAddress_); }
    void setProxyAddress(const QString &v) { assign(proxyAddress_, v); }
    QString proxyPort() const { return get(proxyPort_); }
    void setProxyPort(const QString &v) { assign(proxyPort_, v); }
    float volume() const { return get(youtubeDownloadVolume_); }
    void setVolume(float v) { assign(youtubeDownloadVolume_, v); }
    bool isFinishedOpenTarget() const { return get(isFinishedOpenTarget_); }
    void setIsFinishedOpenTarget(bool v) { assign(isFinishedOpenTarget_, v); }
    bool isFinishedShutdown() const { return get(isFinishedShutdown_); }
    void setIsFinishedShutdown(bool v) { assign(isFinishedShutdown_, v); }
    bool isSpeedLimited() const { return get(isSpeedLimited_); }
    void setIsSpeedLimited(bool v) { assign(isSpeedLimited_, v); }
    bool isProxyEnabled() const { return get(isProxyEnabled_); }
    void setIsProxyEnabled(bool v) { assign(isProxyEnabled_, v); }
    bool isAdd2ListOrCopy2iTunes() const { return get(isAdd2ListOrCopy2iTunes_); }
    void setIsAdd2ListOrCopy2iTunes(bool v) { assign(isAdd2ListOrCopy2iTunes_, v); }
    bool donotShowQuitWarningAgain() const { return get(donotShowQuitWarningAgain_); }
    void setDonotShowQuitWarningAgain(bool v) { assign(donotShowQuitWarningAgain_, v); }

private:
    friend class DNSettingRecordOf<NXVideoDownloadSetting>;
    static const std::vector<Field> &fields();
    void fixDecodedValues() {}

    QString favFormat_;
    QString favResolution_;
    QString downloadTarget_;
    QString proxyAddress_;
    QString proxyPort_;
    float youtubeDownloadVolume_ = 20.0f;
    bool isFinishedOpenTarget_ = true;
    bool isFinishedShutdown_ = false;
    bool isSpeedLimited_ = false;
    bool isProxyEnabled_ = false;
    bool isAdd2ListOrCopy2iTunes_ = false;
    bool donotShowQuitWarningAgain_ = false;
};
