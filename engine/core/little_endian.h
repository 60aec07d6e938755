// 32-bit values in little-endian byte order, the order of every binary file
// the engine and its tools read or write.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace kvop::le {

inline std::uint32_t get_u32(const unsigned char* b) {
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}
inline std::int32_t get_i32(const unsigned char* b) {
  return static_cast<std::int32_t>(get_u32(b));
}
inline float get_f32(const unsigned char* b) { return std::bit_cast<float>(get_u32(b)); }

inline void put_u32(unsigned char* b, std::uint32_t v) {
  for (std::size_t k = 0; k < 4; ++k) b[k] = static_cast<unsigned char>(v >> (8 * k));
}
inline void put_i32(unsigned char* b, std::int32_t v) { put_u32(b, static_cast<std::uint32_t>(v)); }
inline void put_f32(unsigned char* b, float v) { put_u32(b, std::bit_cast<std::uint32_t>(v)); }

}  // namespace kvop::le
