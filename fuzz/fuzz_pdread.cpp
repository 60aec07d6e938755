// The profile lookup on an arbitrary database file: it finds a record whose
// counts fit the in-memory table, or fails with status 1.  The designation
// searched is that of the file's first record, so that found records and
// their scaling are reached as often as failures.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "profiles/profile_db.h"

using namespace kvop;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto db = fuzz::scratch() / "PROFILKV.BIN";
  fuzz::write_file(db, bytes);

  fuzz::QuietRun run(fuzz::scratch());
  if (!run.ctx.channels.database.open_read(db)) fuzz::fault("the database cannot be opened");
  const Text<8> designation(size >= 12 ? bytes.substr(4, 8) : std::string("R820"));
  const int istat = pdread(run.ctx, designation, ProfileScaling::scaled, NotFound::reported);
  if (istat == 0) {
    const ProfileRecord& p = run.ctx.prof;
    if (p.designation != designation) fuzz::fault("found another designation");
    if (p.thickness_count < 1 || p.thickness_count > 10)
      fuzz::fault("thickness_count outside 1..10");
    if (p.scaled_count < 0 || p.scaled_count > 30) fuzz::fault("scaled_count outside 0..30");
  } else if (istat != 1) {
    fuzz::fault("status " + std::to_string(istat));
  }
  return 0;
}
