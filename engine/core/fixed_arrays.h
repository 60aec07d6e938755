// Fixed-size records of the engine: arrays indexed the way the engineering
// documentation indexes them (spans 1..20, supports 1..21, members 0..21) and
// blank-padded texts of a declared length.  Every index is checked: a wrong
// index is a programming fault and stops the process before memory is touched.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kvop {

[[noreturn]] inline void index_fault(long i, long lo, long hi) {
  std::fprintf(stderr, "kvopwb: internal index fault: %ld outside %ld..%ld\n", i, lo, hi);
  std::abort();
}

// One-dimensional array with index range Lo..Hi.
template <class T, int Lo, int Hi>
struct Arr {
  static_assert(Hi >= Lo);
  static constexpr int lo = Lo;
  static constexpr int hi = Hi;
  std::array<T, Hi - Lo + 1> v{};

  T& operator()(int i) {
    if (i < Lo || i > Hi) [[unlikely]]
      index_fault(i, Lo, Hi);
    return v[static_cast<std::size_t>(i - Lo)];
  }
  const T& operator()(int i) const {
    if (i < Lo || i > Hi) [[unlikely]]
      index_fault(i, Lo, Hi);
    return v[static_cast<std::size_t>(i - Lo)];
  }
  void fill(const T& x) { v.fill(x); }
};

// Two-dimensional array with index ranges Lo1..Hi1 and Lo2..Hi2.
template <class T, int Lo1, int Hi1, int Lo2, int Hi2>
struct Arr2 {
  static_assert(Hi1 >= Lo1 && Hi2 >= Lo2);
  static constexpr int n1 = Hi1 - Lo1 + 1;
  static constexpr int n2 = Hi2 - Lo2 + 1;
  std::array<T, static_cast<std::size_t>(n1* n2)> v{};

  T& operator()(int i, int j) { return v[at(i, j)]; }
  const T& operator()(int i, int j) const { return v[at(i, j)]; }
  void fill(const T& x) { v.fill(x); }

 private:
  static std::size_t at(int i, int j) {
    if (i < Lo1 || i > Hi1) [[unlikely]]
      index_fault(i, Lo1, Hi1);
    if (j < Lo2 || j > Hi2) [[unlikely]]
      index_fault(j, Lo2, Hi2);
    return static_cast<std::size_t>((i - Lo1) * n2 + (j - Lo2));
  }
};

// A text of exactly N characters (Windows-1252 bytes), blank padded.
template <std::size_t N>
struct Text {
  std::array<char, N> c;

  Text() { c.fill(' '); }
  Text(std::string_view s) { set(s); }  // NOLINT: texts are assigned from literals
  // Stores the first N characters of s, padding with blanks.
  void set(std::string_view s) {
    c.fill(' ');
    std::copy_n(s.begin(), std::min(N, s.size()), c.begin());
  }
  std::string_view view() const { return {c.data(), N}; }
  // The text without its trailing blanks.
  std::string_view trimmed() const {
    std::size_t n = N;
    while (n > 0 && c[n - 1] == ' ') --n;
    return {c.data(), n};
  }
  bool operator==(const Text&) const = default;
  bool operator==(std::string_view s) const { return view() == s; }
};

}  // namespace kvop
