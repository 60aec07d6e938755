// The input reader on arbitrary bytes: it either reads a case whose counts
// and span numbers the record can hold, or refuses with one console line.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "driver/inkvop.h"
#include "fuzz_support.h"

using namespace kvop;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  const Console console{&out, &err};
  InputCase in;
  blkdat(in);
  if (!read_input_case(file, console, in)) {
    const std::string m = err.str();
    if (m.empty() || m.find('\n') != m.size() - 1)
      fuzz::fault("a refusal without its one message: " + m);
    return 0;
  }
  if (!err.str().empty()) fuzz::fault("a case read with a message: " + err.str());
  // What later steps index by must lie within the record.
  if (in.nfack < 1 || in.nfack > 20) fuzz::fault("nfack outside 1..20");
  if (in.nlinj < 0 || in.nlinj > 5) fuzz::fault("nlinj outside 0..5");
  if (in.fickfack < 0 || in.fickfack > in.nfack) fuzz::fault("fickfack outside 0..nfack");
  for (int k = 1; k <= in.nlinj; ++k)
    if (in.linjfack(k) < 1 || in.linjfack(k) > in.nfack) fuzz::fault("linjfack outside 1..nfack");
  for (int j = 1; j <= in.nfack; ++j)
    if (!(in.spv(j) > 0.0f)) fuzz::fault("a span not longer than 0");
  for (int j = 1; j <= in.nfack + 1; ++j)
    if (in.upplbredd(j) < 0.0f) fuzz::fault("a negative support width");
  const std::string_view red = in.rednamn.trimmed();
  if (red.size() <= 4 || red.find_first_of("/\\") != std::string_view::npos)
    fuzz::fault("report name " + std::string(red));
  return 0;
}
