// One whole engine run on a mutated case, in its own working directory with
// the delivered profile database.  A refused input leaves the directory as it
// was (an old report of the case stays untouched); no run creates anything
// but the report and the diaphragm exchange file, and nothing outside its
// working directory.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_names.h"
#include "driver/kvopwb.h"
#include "fuzz_support.h"

using namespace kvop;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOldReport = "OLD REPORT OF THE CASE\n";

// The report name the first line of the case would give, when it is one the
// engine may write (an old report is placed under it beforehand).
std::string report_name(std::string_view bytes) {
  std::string_view first = bytes.substr(0, bytes.find('\n'));
  if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
  first = first.substr(0, 8);
  first = first.substr(0, first.find(' '));
  if (first.empty() || !is_bare_file_name(first) || first.find("..") != std::string_view::npos)
    return {};
  for (char c : first)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return {};
  return cp1252::to_utf8(std::string(first) + ".RED");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const fs::path dir = fuzz::scratch() / "run";
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir);
  fuzz::write_file(dir / "~INDATA~.TMP", bytes);
  fuzz::write_file(dir / "BRASKO.INI", std::string(KVOP_PROFILE_DIR) + "\n");
  const std::string old = report_name(bytes);
  if (!old.empty()) fuzz::write_file(dir / old, kOldReport);
  const std::string before = fuzz::entries(dir);

  int rc = 0;
  std::string report;
  {
    fuzz::QuietRun run(dir);
    rc = kvopwb(run.ctx);
    if (rc == kExitInput && run.err.str().empty()) fuzz::fault("a refusal without a message");
    report = cp1252::to_utf8(run.ctx.in.rednamn.trimmed());
    if (rc == kExitOk && !fs::is_regular_file(dir / report, ec))
      fuzz::fault("a finished run without its report " + report);
  }

  if (fuzz::entries(fuzz::scratch()) != "[run]")
    fuzz::fault("a file beside the working directory: " + fuzz::entries(fuzz::scratch()));
  if (rc == kExitInput) {
    if (fuzz::entries(dir) != before) fuzz::fault("a refused input changed the directory");
    if (!old.empty()) {
      std::ifstream f(dir / old, std::ios::binary);
      const std::string kept{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
      if (kept != kOldReport) fuzz::fault("a refused input replaced the old report " + old);
    }
  }
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name != "~INDATA~.TMP" && name != "BRASKO.INI" && name != "SKIVA.INS" && name != old &&
        name != report)
      fuzz::fault("the run created " + name);
  }
  return 0;
}
