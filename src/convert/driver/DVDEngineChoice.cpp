#include "convert/driver/DVDEngineChoice.h"

#include "convert/driver/ConvertState.h"
#include "profiles/DNProfile.h"

namespace {
struct BackupEngineRow
{
    int globalID;
    int engineKind;
};
const BackupEngineRow backupEngines[] = {
    {1000003, ConvertEngineMPlayerDump},
    {1000002, ConvertEngineISOBackup},
    {1000005, ConvertEngineMKV},
};
} // namespace

bool isDVDBackupProfile(const DNProfile &profile)
{
    return profile.majorClassID() == 1;
}

int engineKindForDVDProfile(const DNProfile &profile)
{
    for (const BackupEngineRow &row : backupEngines)
        if (row.globalID == profile.GlobalID())
            return row.engineKind;
    return ConvertEngineMEncoder;
}

int passesForDVDProfile(const DNProfile &profile)
{
    return profile.userEnableTwopassCode() && !isDVDBackupProfile(profile) ? 2 : 1;
}
