// inkvop: reads the calculation input file into the input case record.  The
// record walk and its refusals belong to the case file module, which the
// input editor reads through too; here the file is found and opened, the
// reader's corrections are applied, and a refusal goes to the console naming
// the file, the line, the record and its field.  The run stops before any
// report is written.
#include "driver/inkvop.h"

#include <istream>
#include <string>
#include <system_error>

#include "core/file_names.h"
#include "driver/case_file.h"

namespace kvop {
namespace {

constexpr std::string_view kInputName = "~INDATA~.TMP";

// A message about the input file as a whole.
std::string file_message(std::string_view what) {
  return "kvopwb: " + std::string(kInputName) + ": " + std::string(what);
}

}  // namespace

bool read_input_case(std::istream& in, const Console& console, InputCase& rec) {
  CaseFile cf;
  CaseFileFault fault;
  if (!read_case_file(in, cf, fault)) {
    console.error(fault.message("kvopwb: " + std::string(kInputName)));
    return false;
  }
  correct_case(cf);
  rec = cf.in;
  return true;
}

int inkvop(RunContext& ctx) {
  const auto path = find_file(ctx.dir, kInputName);
  if (!path) {
    // Something else of the name - a directory, a dangling link - is not a
    // missing file, and the message says what stands there.
    const auto other = same_name_ignoring_case(ctx.dir, std::string(kInputName));
    std::error_code ec;
    if (!other.empty()) {
      const bool dir = std::filesystem::is_directory(other.front(), ec);
      ctx.console.error(
          file_message(shown_path(other.front()) +
                       (dir ? " is a directory, not the calculation input file"
                            : " is not a readable file (a dangling link or a special file)")));
      return 1;
    }
    ctx.console.error(
        file_message("the calculation input file is missing in the working directory"));
    return 1;
  }
  if (!ctx.channels.input.open_read(*path)) {
    ctx.console.error(file_message("the calculation input file " + shown_path(*path) +
                                   " cannot be opened: " + ctx.channels.input.failure()));
    return 1;
  }
  return read_input_case(*ctx.channels.input.stream(), ctx.console, ctx.in) ? 0 : 1;
}

}  // namespace kvop
