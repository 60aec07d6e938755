// Access to the binary profile database "PROFILKV.BIN" in the program
// directory named by the first line of "BRASKO.INI".
#pragma once

#include "driver/run_context.h"

namespace kvop {

// The database name built from the first line of "BRASKO.INI": the part of
// the line before its first blank (its first 40 characters when it has no
// blank), then "\PROFILKV.BIN", blank padded or cut to 80 characters.
Text<80> profile_db_name(const Text<80>& first_line);

// Reads "BRASKO.INI", builds the database name and opens the database on
// `unit`.  istat = 0 when the database is open; when the settings file or the
// database cannot be found or opened, a message naming the file goes to the
// console and istat is non-zero.
void opdbas(RunContext& ctx, int& unit, int& istat);

// Searches `designation` from the first record and loads it into ctx.prof.
// lookup_mode 1 also scales the leading rows; show_message enables the
// not-present message after 10000 records.  istat = 0 found, 1 not found or
// not readable.
void pdread(RunContext& ctx, const Text<8>& designation, int& unit, int lookup_mode,
            int show_message, int& istat);

// Closes the database unit.
void clfile(RunContext& ctx, int& unit);

}  // namespace kvop
