#include "convert/driver/ConvertEngines.h"

#include "convert/driver/ConvertState.h"
#include "convert/engine/DNAVEncoder.h"
#include "convert/engine/DNDVD2MKV.h"
#include "convert/engine/DNISOBackUpCore.h"
#include "convert/engine/DNMEncoder.h"
#include "convert/engine/DNMPlayer.h"

// Only speeds an engine measures are shown: the dump and the ISO backup measure none, so theirs
// is shown as unknown rather than as a made-up figure or a standstill.

namespace {

int noScanSteps()
{
    return 0;
}

const ConvertEngine engines[] = {
    {"MEncoder",
     [](EngineStateCallback callback, EngineLogCallback log, unsigned char safeMode) {
         if (Encoder_SetCallback(callback, nullptr) != 0)
             return -1;
         Encoder_SetLogCallback(log);
         Encoder_Config(safeMode);
         return 0;
     },
     Encoder_Start, Encoder_Unload, Encoder_Stop,
     [](ConvertProgressInfo *info) {
         Encoder_Progress(info);
         return float(info->percent);
     },
     false, true, noScanSteps},
    {"player dump",
     [](EngineStateCallback callback, EngineLogCallback log, unsigned char) {
         MPlayerDump_SetCallback(callback, nullptr);
         MPlayerDump_SetLogCallback(log);
         return 0;
     },
     MPlayerDump_Start, MPlayerDump_ClearCallback, MPlayerDump_Stop,
     [](ConvertProgressInfo *info) {
         info->time = MPlayerDump_Time();
         return float(MPlayerDump_Progress());
     },
     true, false, noScanSteps},
    {"ISO backup",
     [](EngineStateCallback callback, EngineLogCallback log, unsigned char) {
         ISOBackup_SetCallback(callback, nullptr);
         ISOBackup_SetLogCallback(log);
         return 0;
     },
     ISOBackup_Start, ISOBackup_ClearCallback, ISOBackup_Stop,
     [](ConvertProgressInfo *info) {
         info->time = ISOBackup_Time();
         return float(ISOBackup_Progress());
     },
     false, false, noScanSteps},
    {"MKV backup",
     [](EngineStateCallback callback, EngineLogCallback log, unsigned char) {
         if (DVD2MKV_Load(callback, nullptr) != 0)
             return -1;
         DVD2MKV_SetLogCallback(log);
         return 0;
     },
     DVD2MKV_Start, [] { DVD2MKV_Unload(); }, [] { DVD2MKV_Stop(); },
     [](ConvertProgressInfo *info) {
         info->time = DVD2MKV_Time();
         info->speed = DVD2MKV_FPS();
         return float(DVD2MKV_Progress());
     },
     true, true, DVD2MKV_ScanSteps},
    {"AV encoder",
     [](EngineStateCallback callback, EngineLogCallback log, unsigned char) {
         if (AVEncoderInit(callback, nullptr) != 0)
             return -1;
         AVEncoderSetLogCallback(log);
         return 0;
     },
     AVEncoderEncode, [] { AVEncoderRelease(); }, AVEncoderStop,
     [](ConvertProgressInfo *info) {
         info->time = AVEncoderTime();
         info->speed = AVEncoderFPS();
         info->frame = AVEncoderFrame();
         return float(AVEncoderProgress());
     },
     false, true, noScanSteps},
};

static_assert(sizeof(engines) / sizeof(engines[0]) == ConvertEngineAVEncoder + 1, "one row per engine kind");

} // namespace

const ConvertEngine *convertEngineForKind(int engineKind)
{
    if (engineKind < 0 || engineKind > ConvertEngineAVEncoder)
        return nullptr;
    return &engines[engineKind];
}
