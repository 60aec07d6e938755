// inkvop: reads the calculation input file into the input case record.  The
// records and their fields are those of the case file layout (case_file),
// which the input editor writes through as well; after reading, the
// reader's corrections of the joint types, the snow pocket, the line loads
// and the profile designation give the record the engine works on.  Input
// the record cannot hold or the analysis cannot use is refused: a message
// names the file, the line, the record and its field, and the run stops
// before any report is written.
#include "driver/inkvop.h"

#include <string>

#include "core/file_names.h"
#include "driver/case_file.h"

namespace kvop {
namespace {

constexpr std::string_view kInputName = "~INDATA~.TMP";

// Every message about the input file names the program and the file first.
std::string label() { return "kvopwb: " + std::string(kInputName); }

}  // namespace

int inkvop(RunContext& ctx) {
  const auto path = find_file(ctx.dir, kInputName);
  if (!path) {
    ctx.console.error(label() + ": the calculation input file is missing in the working directory");
    return 1;
  }
  if (!ctx.channels.input.open_read(*path)) {
    ctx.console.error(label() + ": the calculation input file cannot be opened");
    return 1;
  }
  CaseFile cf;
  CaseFileFault fault;
  if (!read_case_file(*ctx.channels.input.stream(), cf, fault)) {
    ctx.console.error(fault.message(label()));
    return 1;
  }
  correct_case(cf);
  ctx.in = cf.in;
  return 0;
}

}  // namespace kvop
