// The byte layout of one profile record.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "profile_test_support.h"

namespace kvop {
namespace {

std::uint32_t u32_at(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
float f32_at(const std::vector<unsigned char>& b, std::size_t at) {
  return std::bit_cast<float>(u32_at(b, at));
}

TEST(ProfileRecordLayout, FieldsStandAtTheirOffsetsLittleEndian) {
  ProfileRecord p = test::sample_profile("R820M   ", 7, 4);
  p.origin_code = -2;
  p.spare_a[0] = 11.0f;
  p.spare_a[119] = 12.0f;
  p.spare_b[0] = 13.0f;
  p.spare_b[59] = 14.0f;
  p.spare_c[0] = 15.0f;
  p.spare_c[29] = 16.0f;
  const std::vector<unsigned char> b = encode_profile_record(p);
  ASSERT_EQ(b.size(), 2228u);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 8), "R820M   ");
  EXPECT_EQ(b[8], 7);  // least significant byte first
  EXPECT_EQ(u32_at(b, 8), 7u);
  EXPECT_EQ(u32_at(b, 12), 0xFFFFFFFEu);
  EXPECT_EQ(f32_at(b, 16), p.general(1));
  EXPECT_EQ(f32_at(b, 16 + 44), p.general(12));
  // per_thickness(j,i) at 64 + 4(j-1) + 120(i-1): column after column
  EXPECT_EQ(f32_at(b, 64), p.per_thickness(1, 1));
  EXPECT_EQ(f32_at(b, 64 + 4 * 1), p.per_thickness(2, 1));
  EXPECT_EQ(f32_at(b, 64 + 120 * 1), p.per_thickness(1, 2));
  EXPECT_EQ(f32_at(b, 64 + 4 * 29 + 120 * 9), p.per_thickness(30, 10));
  EXPECT_EQ(f32_at(b, 64 + 4 * 12 + 120 * 4), 1305.0f);
  EXPECT_EQ(u32_at(b, 1264), 4u);
  EXPECT_EQ(f32_at(b, 1268), 11.0f);
  EXPECT_EQ(f32_at(b, 1268 + 4 * 119), 12.0f);
  EXPECT_EQ(f32_at(b, 1748), 13.0f);
  EXPECT_EQ(f32_at(b, 1748 + 4 * 59), 14.0f);
  EXPECT_EQ(f32_at(b, 1988), 1.5f);
  EXPECT_EQ(f32_at(b, 1988 + 4 * 29), 30.5f);
  EXPECT_EQ(f32_at(b, 2108), 15.0f);
  EXPECT_EQ(f32_at(b, 2108 + 4 * 29), 16.0f);
}

TEST(ProfileRecordLayout, DecodeReadsBackEveryFieldAndIgnoresExtraBytes) {
  ProfileRecord p = test::sample_profile("R46FA   ", 10, 30);
  p.spare_b[17] = -0.0f;
  std::vector<unsigned char> b = encode_profile_record(p);
  b.resize(3000, 0xAB);  // bytes beyond the 2228th are ignored
  const auto q = decode_profile_record(b);
  ASSERT_TRUE(q);
  EXPECT_EQ(encode_profile_record(*q), encode_profile_record(p));
  EXPECT_EQ(q->designation, p.designation);
  EXPECT_EQ(q->per_thickness(30, 10), p.per_thickness(30, 10));
}

TEST(ProfileRecordLayout, ShorterThanTheRecordIsNotDecoded) {
  const std::vector<unsigned char> b = encode_profile_record(test::sample_profile("R820    "));
  EXPECT_FALSE(decode_profile_record(std::span(b.data(), 2227)));
  EXPECT_TRUE(decode_profile_record(std::span(b.data(), 2228)));
}

}  // namespace
}  // namespace kvop
