#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvBackup.h"
#include "builders/mencoder/DNMEDVDArgvDiscBackup.h"

// The title backups; the "DVD_To_DVDMainBackup_..." and "DVD_To_DVDFullBackup_..." table rows
// forward to them, and the disc backups that "DVD_Backup_To_ISO" and "DVD_Backup_To_MKV" reach.
std::span<const ArgvAssemblerRow> BackupArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_DVD_MainBackup_MPEG2_With_MEncoder", DVD_To_DVD_MainBackup_MPEG2_With_MEncoder),
        BuilderRow("DVD_To_DVD_FullBackup_MPEG2_With_MEncoder", DVD_To_DVD_FullBackup_MPEG2_With_MEncoder),
        BuilderRow("DVD_To_DVD_MainBackup_ISO", DVD_To_DVD_MainBackup_ISO),
        BuilderRow("DVD_To_DVD_MainBackup_MKV", DVD_To_DVD_MainBackup_MKV),
    };
    return rows;
}
