#include "NXVideoDownloadSetting.h"

#include "DNSettingFolders.h"

NXVideoDownloadSetting::NXVideoDownloadSetting()
    : favFormat_(QStringLiteral("mp4")),
      favResolution_(QStringLiteral("480P")),
      downloadTarget_(DNSettingFolders::defaultMoviesFolder()),
      proxyAddress_(QLatin1String("")),
      proxyPort_(QStringLiteral("8080"))
{
    DNSettingFolders::ensureDefaultMoviesFolder();
}

const std::vector<NXVideoDownloadSetting::Field> &NXVideoDownloadSetting::fields()
{
    using S = NXVideoDownloadSetting;
    static const std::vector<Field> table = {
        {"NXV_favFormat", &S::favFormat_},
        {"NXV_favResolution", &S::favResolution_},
        {"NXV_downloadTarget", &S::downloadTarget_},
        {"NXV_proxyAddress", &S::proxyAddress_},
        {"NXV_proxyPort", &S::proxyPort_},
        {"NXV_youtubeDownloadVolume", &S::youtubeDownloadVolume_},
        {"NXV_isFinishedOpenTarget", &S::isFinishedOpenTarget_},
        {"NXV_isFinishedShutdown", &S::isFinishedShutdown_},
        {"NXV_isSpeedLimited", &S::isSpeedLimited_},
        {"NXV_isProxyEnabled", &S::isProxyEnabled_},
        {"NXV_isAdd2ListOrCopy2iTunes", &S::isAdd2ListOrCopy2iTunes_},
        {"donotShowQuitWarningAgain", &S::donotShowQuitWarningAgain_},
    };
    return table;
}
