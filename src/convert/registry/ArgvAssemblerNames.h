#pragma once

#include <span>

// The names of the two lookup tables, in table order: the keys that profile files carry in
// "ArgvAssembler". They are kept exactly as profiles spell them ("_To_" beside "_to_",
// "MEncoder" beside "Mencoder", "MEPG4"); one DVD name stands twice, as in the profiles' table.
std::span<const char *const> DVDArgvAssemblerNames();   // 299 rows
std::span<const char *const> VideoArgvAssemblerNames(); // 42 rows
