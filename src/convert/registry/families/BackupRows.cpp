#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvBackup.h"

// The title backups; the "DVD_To_DVDMainBackup_..." and "DVD_To_DVDFullBackup_..." table rows
// forward to them.
std::span<const ArgvAssemblerRow> BackupArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_DVD_MainBackup_MPEG2_With_MEncoder", DVD_To_DVD_MainBackup_MPEG2_With_MEncoder),
        BuilderRow("DVD_To_DVD_FullBackup_MPEG2_With_MEncoder", DVD_To_DVD_FullBackup_MPEG2_With_MEncoder),
    };
    return rows;
}
