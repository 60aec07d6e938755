// Access to the binary profile database "PROFILKV.BIN" in the program
// directory named by the first line of "BRASKO.INI".
#pragma once

#include <vector>

#include "core/run_context.h"

namespace kvop {

// The database name built from the first line of "BRASKO.INI": the part of
// the line before its first blank (its first 40 characters when it has no
// blank), then "\PROFILKV.BIN", blank padded or cut to 80 characters.
Text<80> profile_db_name(const Text<80>& first_line);

// Reads "BRASKO.INI", builds the database name and opens the database on the
// database channel.  Returns 0 when the database is open; when the settings
// file or the database cannot be found or opened, a message naming the file
// goes to the console and the status is non-zero.
[[nodiscard]] int opdbas(RunContext& ctx);

// Whether the lookup multiplies the leading rows of the table by their scale
// factors (the values the checks use) or keeps them as stored.
enum class ProfileScaling { as_stored, scaled };
// Whether a designation missing from the first 10000 records is reported on
// the console.  A database that ends before the designation is always
// reported.
enum class NotFound { silent, reported };

// Searches `designation` from the first record of the open database and
// loads it into ctx.prof.  Returns 0 when found, 1 when not found or not
// readable (ctx.prof is then cleared).
[[nodiscard]] int pdread(RunContext& ctx, const Text<8>& designation, ProfileScaling scaling,
                         NotFound not_found);

// The designations of the open database's records, in their order.
// Returns 0, or 1 with the message when a record cannot be read.
[[nodiscard]] int database_designations(RunContext& ctx, std::vector<Text<8>>& designations);

// Closes the database channel.
void clfile(RunContext& ctx);

}  // namespace kvop
