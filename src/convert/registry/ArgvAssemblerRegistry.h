#pragma once

#include "convert/registry/ArgvAssemblerRow.h"

#include <QString>

#include <cstdio>

// The two lookup tables from a profile's "ArgvAssembler" name to its builder. They hold the
// names of ArgvAssemblerNames in that order; a name appears once its builder, or the end of its
// forward chain, is offered by a family (ArgvAssemblerFamilies.h). Built at first use, then
// read-only; safe to use from any thread.
std::span<const ArgvAssemblerTableRow> DVDArgvAssemblerTable();
std::span<const ArgvAssemblerTableRow> VideoArgvAssemblerTable();

// Byte-wise lookups, first equal row wins; nullptr when no row has the name.
ArgvAssemblerFunction DVDArgvAssemblerForName(const char *name);
ArgvAssemblerFunction VideoArgvAssemblerForName(const char *name);
// The DVD table first, then the file table.
ArgvAssemblerFunction ArgvAssemblerForName(const char *name);

// Any entry a family offers, table row or not (merge builders, container choices, wrappers),
// with forwards followed. Builders reach each other's families through this.
ArgvAssemblerFunction RegisteredArgvAssemblerForName(const char *name);

// True for a name whose row stands in for a builder that is not built yet (PendingRow): the
// lookups find it, and calling it makes no vector.
bool IsPendingArgvAssembler(const char *name);

// Developer aid: the vector between two lines of 82 '*', with its count.
void PrintArgument(const Argument *argument, std::FILE *out = stdout);

// Developer self-checks over a folder of DVD or file profiles (default: the shipped catalogue):
// every profile must name a builder its table holds (for the file table: one that is built, not
// a pending row). Print one line per fault and a summary line to out; true when every profile
// passed.
bool CheckDVDArgvAssemblers();
bool CheckDVDArgvAssemblers(const QString &profileFolder, std::FILE *out);
bool CheckVideoArgvAssemblers();
bool CheckVideoArgvAssemblers(const QString &profileFolder, std::FILE *out);
// Developer self-check of the file builder table itself: every one of its rows is found and
// built. One line per row that is not, and a summary line; true when all are.
bool CheckVideoArgvAssemblerTable(std::FILE *out = stdout);
