// The stored form of a profile record: 2228 bytes, little-endian, in the
// field order of the record.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/profile_record.h"

namespace kvop {

// Bytes of one record in the database file (without the length markers).
inline constexpr std::size_t kProfileRecordBytes = 2228;

// Byte offsets of the fields inside one record.
namespace profile_layout {
inline constexpr std::size_t designation = 0;
inline constexpr std::size_t thickness_count = 8;
inline constexpr std::size_t origin_code = 12;
inline constexpr std::size_t general = 16;        // 12 reals
inline constexpr std::size_t per_thickness = 64;  // 10 columns of 30 reals
inline constexpr std::size_t column_bytes = 120;
inline constexpr std::size_t scaled_count = 1264;
inline constexpr std::size_t spare_a = 1268;  // 120 reals
inline constexpr std::size_t spare_b = 1748;  // 60 reals
inline constexpr std::size_t scale = 1988;    // 30 reals
inline constexpr std::size_t spare_c = 2108;  // 30 reals
}  // namespace profile_layout

// Offset of per_thickness(row, column), row 1..30, column 1..10.
std::size_t per_thickness_offset(int row, int column);

// Decodes the first kProfileRecordBytes bytes of a record (little-endian).
// Returns nothing when fewer bytes are given.
std::optional<ProfileRecord> decode_profile_record(std::span<const unsigned char> bytes);
// Encodes a record as exactly kProfileRecordBytes bytes (little-endian).
std::vector<unsigned char> encode_profile_record(const ProfileRecord& p);

}  // namespace kvop
