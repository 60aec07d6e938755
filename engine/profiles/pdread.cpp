// The profile lookup: the database is searched from its first record for the
// designation, and the record found becomes the run's profile record.
#include <string>

#include "profiles/profile_db.h"
#include "profiles/profile_file.h"
#include "report/cp1252.h"

namespace kvop {
namespace {

// Only the first 10000 records of the database are ever examined.
constexpr int kMaxRecords = 10000;

void not_present(const RunContext& ctx, const Text<8>& designation) {
  ctx.console.error(" PROFILBETECKNING " + std::string(designation.view()) + " FINNS EJ INLAGD");
}

// The failure path of a record that cannot be read: the message, the request
// for a key and, at an interactive terminal only, the wait for one line.
void read_failure(RunContext& ctx, const Text<8>& designation) {
  not_present(ctx, designation);
  ctx.console.error(enc(" TRYCK VALFRI TANGENT FÖR ATT FORTSÄTTA"));
  if (ctx.keyboard) {
    std::string line;
    std::getline(*ctx.keyboard, line);
  }
}

void unreadable_record(RunContext& ctx, int position, const std::string& why) {
  ctx.console.error(enc(" PROFILDATABASEN: POST NR ") + std::to_string(position) +
                    enc(" KAN EJ LÄSAS (") + why + ")");
}

}  // namespace

void pdread(RunContext& ctx, const Text<8>& designation, int& unit, int lookup_mode,
            int show_message, int& istat) {
  istat = 0;
  std::fstream* db = ctx.units.stream(unit);
  // A failed search leaves no profile behind that a later step could take
  // for the one asked for.
  auto fail = [&] {
    ctx.prof = ProfileRecord{};
    istat = 1;
  };
  if (db == nullptr) {
    read_failure(ctx, designation);
    fail();
    return;
  }
  db->clear();
  db->seekg(0);

  std::vector<unsigned char> bytes;
  std::string why;
  for (int position = 1; position <= kMaxRecords; ++position) {
    const RecordRead r = read_record(*db, bytes, kProfileRecordBytes, why);
    if (r == RecordRead::ok && bytes.size() < kProfileRecordBytes)
      why = enc("POSTEN HAR ") + std::to_string(bytes.size()) + enc(" BYTE, MINST ") +
            std::to_string(kProfileRecordBytes) + enc(" KRÄVS");
    if (r == RecordRead::unreadable || (r == RecordRead::ok && bytes.size() < kProfileRecordBytes)) {
      unreadable_record(ctx, position, why);
      read_failure(ctx, designation);
      fail();
      return;
    }
    if (r == RecordRead::end) {
      read_failure(ctx, designation);
      fail();
      return;
    }
    const std::optional<ProfileRecord> rec = decode_profile_record(bytes);
    // The in-memory table has 10 columns and 30 rows: counts beyond them
    // make the record unusable.
    if (rec->thickness_count < 1 || rec->thickness_count > 10) {
      unreadable_record(ctx, position, enc("ANTAL TJOCKLEKAR ") + std::to_string(rec->thickness_count) +
                                           enc(" UTANFÖR 1..10"));
      read_failure(ctx, designation);
      fail();
      return;
    }
    if (rec->scaled_count < 0 || rec->scaled_count > 30) {
      unreadable_record(ctx, position, enc("ANTAL SKALADE RADER ") + std::to_string(rec->scaled_count) +
                                           enc(" UTANFÖR 0..30"));
      read_failure(ctx, designation);
      fail();
      return;
    }
    if (rec->designation != designation) continue;

    ctx.prof = *rec;
    if (lookup_mode == 1) {
      ProfileRecord& p = ctx.prof;
      for (int i = 1; i <= p.thickness_count; ++i)
        for (int j = 1; j <= p.scaled_count; ++j) p.per_thickness(j, i) *= p.scale(j);
    }
    return;
  }
  if (show_message != 0) not_present(ctx, designation);
  fail();
}

}  // namespace kvop
