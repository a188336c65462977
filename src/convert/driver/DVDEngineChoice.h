#pragma once

#include <memory>

class DNProfile;

// What a DVD profile asks of the driver: which engine converts its titles and how many passes
// each title takes.

// The backup profiles (major class 1) copy streams: a second pass would only repeat the copy,
// so they run once whatever the two-pass switch says.
bool isDVDBackupProfile(const DNProfile &profile);

// ConvertEngineMPlayerDump for the title-stream dump (1000003), ConvertEngineISOBackup for the
// ISO backup (1000002), ConvertEngineMKV for the Matroska backup (1000005), else
// ConvertEngineMEncoder.
int engineKindForDVDProfile(const DNProfile &profile);

// 2 when the user asked for two passes and the profile encodes, else 1.
int passesForDVDProfile(const DNProfile &profile);
