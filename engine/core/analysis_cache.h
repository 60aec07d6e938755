// Terms of the multi-span analysis that do not depend on the relative span
// stiffnesses: per load case the simply supported span terms of the point
// loads and the cantilevers in closed form.  The first analysis pass of a
// profile computes them; the second pass, and every later call on the same
// input, takes them over instead of lumping and summing the loads again.
#pragma once

#include <array>
#include <cstring>
#include <type_traits>

#include "core/analysis_results.h"
#include "core/fixed_arrays.h"
#include "core/input_case.h"
#include "core/prepared_case.h"

namespace kvop {

// The simply supported spans of one load case: end rotations times stiffness,
// end shears, moments and deflections times stiffness at the sections.
struct SpanTerms {
  Arr<float, 1, 20> thA, thB, VA, VB;
  Arr2<float, 1, 20, 1, 11> mom, nedb;
};

// A cantilever fixed at its support: moment at the support, tip deflection
// times stiffness, and the sum of its loads.
struct CantileverTerms {
  float M = 0, t = 0, F = 0;
};

struct LoadCaseTerms {
  Belastning bel;  // the loads the terms are built from
  SpanTerms fack;
  CantileverTerms kv, kh;  // left and right cantilever
};

static_assert(std::is_trivially_copyable_v<InputCase>);

// What the terms are computed from: the input case and the prepared values
// the loads are built with (the self weight on the slope, the line-load
// positions), byte for byte.  Equal bytes mean equal loads and geometry;
// bytes that differ only where no value lies cost a recomputation, never a
// wrong reuse.
struct AnalysisInput {
  std::array<unsigned char, sizeof(InputCase)> in{};
  float egentyngd = 0;
  Arr<int, 1, 5> linjfack;
  Arr<float, 1, 5> linjavst;

  AnalysisInput() = default;
  AnalysisInput(const InputCase& c, const PreparedCase& prep)
      : egentyngd(prep.egentyngd), linjfack(prep.linjfack), linjavst(prep.linjavst) {
    std::memcpy(in.data(), &c, sizeof c);
  }
  bool operator==(const AnalysisInput& o) const {
    return in == o.in && std::memcmp(&egentyngd, &o.egentyngd, sizeof egentyngd) == 0 &&
           std::memcmp(&linjfack, &o.linjfack, sizeof linjfack) == 0 &&
           std::memcmp(&linjavst, &o.linjavst, sizeof linjavst) == 0;
  }
};

struct AnalysisCache {
  bool valid = false;
  AnalysisInput input;                    // what the terms belong to
  std::array<LoadCaseTerms, 4> lastfall;  // load case lc at lc - 1

  bool holds(const InputCase& in, const PreparedCase& prep) const {
    return valid && input == AnalysisInput(in, prep);
  }
  void keep(const InputCase& in, const PreparedCase& prep) {
    input = AnalysisInput(in, prep);
    valid = true;
  }
};

}  // namespace kvop
