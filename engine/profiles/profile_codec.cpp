#include "profiles/profile_codec.h"

#include <cstring>

#include "core/little_endian.h"

namespace kvop {
namespace {

namespace L = profile_layout;
constexpr std::size_t kOffDesignation = L::designation;
constexpr std::size_t kOffThicknessCount = L::thickness_count;
constexpr std::size_t kOffOrigin = L::origin_code;
constexpr std::size_t kOffGeneral = L::general;
constexpr std::size_t kOffPerThickness = L::per_thickness;
constexpr std::size_t kOffScaledCount = L::scaled_count;
constexpr std::size_t kOffSpareA = L::spare_a;
constexpr std::size_t kOffSpareB = L::spare_b;
constexpr std::size_t kOffScale = L::scale;
constexpr std::size_t kOffSpareC = L::spare_c;

std::int32_t get_i32(std::span<const unsigned char> b, std::size_t at) {
  return le::get_i32(&b[at]);
}
float get_f32(std::span<const unsigned char> b, std::size_t at) { return le::get_f32(&b[at]); }
void put_i32(std::vector<unsigned char>& b, std::size_t at, std::int32_t v) {
  le::put_i32(&b[at], v);
}
void put_f32(std::vector<unsigned char>& b, std::size_t at, float v) { le::put_f32(&b[at], v); }

}  // namespace

std::size_t per_thickness_offset(int row, int column) {
  return kOffPerThickness + 4 * static_cast<std::size_t>(row - 1) +
         L::column_bytes * static_cast<std::size_t>(column - 1);
}

std::optional<ProfileRecord> decode_profile_record(std::span<const unsigned char> b) {
  if (b.size() < kProfileRecordBytes) return std::nullopt;
  ProfileRecord p;
  std::memcpy(p.designation.c.data(), b.data() + kOffDesignation, 8);
  p.thickness_count = get_i32(b, kOffThicknessCount);
  p.origin_code = get_i32(b, kOffOrigin);
  for (int k = 1; k <= 12; ++k)
    p.general(k) = get_f32(b, kOffGeneral + 4 * static_cast<std::size_t>(k - 1));
  for (int i = 1; i <= 10; ++i)
    for (int j = 1; j <= 30; ++j) p.per_thickness(j, i) = get_f32(b, per_thickness_offset(j, i));
  p.scaled_count = get_i32(b, kOffScaledCount);
  for (std::size_t k = 0; k < p.spare_a.size(); ++k) p.spare_a[k] = get_f32(b, kOffSpareA + 4 * k);
  for (std::size_t k = 0; k < p.spare_b.size(); ++k) p.spare_b[k] = get_f32(b, kOffSpareB + 4 * k);
  for (int j = 1; j <= 30; ++j)
    p.scale(j) = get_f32(b, kOffScale + 4 * static_cast<std::size_t>(j - 1));
  for (std::size_t k = 0; k < p.spare_c.size(); ++k) p.spare_c[k] = get_f32(b, kOffSpareC + 4 * k);
  return p;
}

std::vector<unsigned char> encode_profile_record(const ProfileRecord& p) {
  std::vector<unsigned char> b(kProfileRecordBytes, 0);
  std::memcpy(b.data() + kOffDesignation, p.designation.c.data(), 8);
  put_i32(b, kOffThicknessCount, p.thickness_count);
  put_i32(b, kOffOrigin, p.origin_code);
  for (int k = 1; k <= 12; ++k)
    put_f32(b, kOffGeneral + 4 * static_cast<std::size_t>(k - 1), p.general(k));
  for (int i = 1; i <= 10; ++i)
    for (int j = 1; j <= 30; ++j) put_f32(b, per_thickness_offset(j, i), p.per_thickness(j, i));
  put_i32(b, kOffScaledCount, p.scaled_count);
  for (std::size_t k = 0; k < p.spare_a.size(); ++k) put_f32(b, kOffSpareA + 4 * k, p.spare_a[k]);
  for (std::size_t k = 0; k < p.spare_b.size(); ++k) put_f32(b, kOffSpareB + 4 * k, p.spare_b[k]);
  for (int j = 1; j <= 30; ++j)
    put_f32(b, kOffScale + 4 * static_cast<std::size_t>(j - 1), p.scale(j));
  for (std::size_t k = 0; k < p.spare_c.size(); ++k) put_f32(b, kOffSpareC + 4 * k, p.spare_c[k]);
  return b;
}

}  // namespace kvop
