// Profile records and database files for the lookup and catalogue tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "profiles/profile_codec.h"
#include "profiles/profile_file.h"

namespace kvop::test {

// A valid record: `columns` thickness columns 0.5, 0.6, ... mm, row j of
// column i holding 100*j + i, scale(j) = j + 0.5.
inline ProfileRecord sample_profile(const std::string& designation, int columns = 3,
                                    int scaled = 0) {
  ProfileRecord p;
  p.designation.set(designation);
  p.thickness_count = columns;
  p.origin_code = 1;
  for (int k = 1; k <= 12; ++k) p.general(k) = 0.1f * static_cast<float>(k);
  for (int i = 1; i <= 10; ++i)
    for (int j = 1; j <= 30; ++j) p.per_thickness(j, i) = static_cast<float>(100 * j + i);
  for (int i = 1; i <= 10; ++i) p.per_thickness(1, i) = 0.4f + 0.1f * static_cast<float>(i);
  p.scaled_count = scaled;
  for (int j = 1; j <= 30; ++j) p.scale(j) = static_cast<float>(j) + 0.5f;
  return p;
}

// The database file bytes of the given records.
inline std::string db_bytes(const std::vector<ProfileRecord>& profiles) {
  std::ostringstream s;
  for (const ProfileRecord& p : profiles) write_record(s, encode_profile_record(p));
  return s.str();
}

}  // namespace kvop::test
