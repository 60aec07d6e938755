// Stored reals are 32-bit: a value computed in double is rounded to float
// where the records and work values keep it.
#pragma once

namespace kvop {

inline float f32(double v) { return static_cast<float>(v); }

}  // namespace kvop
