#include "profiles/profile_record.h"

namespace kvop {

// Placeholder until the database access lands.
std::optional<ProfileRecord> decode_profile_record(std::span<const unsigned char>) { return std::nullopt; }
std::vector<unsigned char> encode_profile_record(const ProfileRecord&) { return {}; }

}  // namespace kvop
