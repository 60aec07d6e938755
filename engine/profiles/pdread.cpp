// The profile lookup: the database is searched from its first record for the
// designation, and the record found becomes the run's profile record.
#include <optional>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/file_names.h"
#include "profiles/profile_codec.h"
#include "profiles/profile_db.h"
#include "profiles/profile_file.h"

namespace kvop {
namespace {

// Only the first 10000 records of the database are ever examined.
constexpr int kMaxRecords = 10000;

// The database searched, for the messages (its path when it is open).
std::string database(const RunContext& ctx) {
  const auto& path = ctx.channels.database.path();
  return path.empty() ? std::string() : " " + shown_path(path);
}

void not_present(const RunContext& ctx, const Text<8>& designation) {
  ctx.console.error(" PROFILBETECKNING " + std::string(designation.view()) + " FINNS EJ INLAGD");
}

// After the messages of a failed search: which database was searched.
void searched(const RunContext& ctx) {
  ctx.console.error(enc(" SÖKT I PROFILDATABASEN") + database(ctx));
}

// The failure path of a record that cannot be read: the message, the request
// for a key and, at an interactive terminal only, the wait for one line.
void read_failure(RunContext& ctx, const Text<8>& designation) {
  not_present(ctx, designation);
  ctx.console.error(enc(" TRYCK VALFRI TANGENT FÖR ATT FORTSÄTTA"));
  searched(ctx);
  if (ctx.keyboard) {
    std::string line;
    std::getline(*ctx.keyboard, line);
  }
}

// Why a record read in full cannot serve as a profile record, or nothing.
// The in-memory table has 10 columns and 30 rows: counts beyond them make
// the record unusable.
std::optional<std::string> unusable(const std::vector<unsigned char>& bytes,
                                    const std::optional<ProfileRecord>& rec) {
  if (!rec)
    return enc("POSTEN HAR ") + std::to_string(bytes.size()) + enc(" BYTE, MINST ") +
           std::to_string(kProfileRecordBytes) + enc(" KRÄVS");
  if (rec->thickness_count < 1 || rec->thickness_count > 10)
    return enc("ANTAL TJOCKLEKAR ") + std::to_string(rec->thickness_count) + enc(" UTANFÖR 1..10");
  if (rec->scaled_count < 0 || rec->scaled_count > 30)
    return enc("ANTAL SKALADE RADER ") + std::to_string(rec->scaled_count) + enc(" UTANFÖR 0..30");
  return std::nullopt;
}

// Walks the open database's records from the first, each checked as the
// lookup checks it, until `visit` returns true (found: 0) or the records
// end (1).  A record that cannot be read ends the walk with its message
// (-1).  Only the first kMaxRecords are examined.
template <class Visit>
int walk_records(RunContext& ctx, Visit visit) {
  std::fstream* db = ctx.channels.database.stream();
  if (db == nullptr) return 1;
  db->clear();
  db->seekg(0);
  std::vector<unsigned char> bytes;
  std::string why;
  auto refuse = [&](int position, const std::string& fault) {
    ctx.console.error(enc(" PROFILDATABASEN") + database(ctx) + enc(": POST NR ") +
                      std::to_string(position) + enc(" KAN EJ LÄSAS (") + fault + ")");
    return -1;
  };
  for (int position = 1; position <= kMaxRecords; ++position) {
    const RecordRead r = read_record(*db, bytes, kProfileRecordBytes, why);
    if (r == RecordRead::end) return 1;
    if (r == RecordRead::unreadable) return refuse(position, why);
    const std::optional<ProfileRecord> rec = decode_profile_record(bytes);
    if (const auto fault = unusable(bytes, rec)) return refuse(position, *fault);
    if (visit(*rec)) return 0;
  }
  return 2;
}

}  // namespace

int pdread(RunContext& ctx, const Text<8>& designation, ProfileScaling scaling,
           NotFound not_found) {
  const int found = walk_records(ctx, [&](const ProfileRecord& rec) {
    if (rec.designation != designation) return false;
    ctx.prof = rec;
    return true;
  });
  if (found == 0) {
    if (scaling == ProfileScaling::scaled) {
      ProfileRecord& p = ctx.prof;
      for (int i = 1; i <= p.thickness_count; ++i)
        for (int j = 1; j <= p.scaled_count; ++j) p.per_thickness(j, i) *= p.scale(j);
    }
    return 0;
  }
  // A failed search leaves no profile behind that a later step could take
  // for the one asked for.
  ctx.prof = ProfileRecord{};
  if (found == 2) {
    // Beyond the records examined: reported only when asked.
    if (not_found == NotFound::reported) {
      not_present(ctx, designation);
      searched(ctx);
    }
  } else {
    // The database ends, cannot be read or is not open: the message and
    // the pause.
    read_failure(ctx, designation);
  }
  return 1;
}

int database_designations(RunContext& ctx, std::vector<Text<8>>& designations) {
  designations.clear();
  const int r = walk_records(ctx, [&](const ProfileRecord& rec) {
    designations.push_back(rec.designation);
    return false;
  });
  return r < 0 ? 1 : 0;
}

}  // namespace kvop
