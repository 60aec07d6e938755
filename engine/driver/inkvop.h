// The calculation input file reader.
#pragma once

#include <istream>

#include "core/run_context.h"

namespace kvop {

// Reads "~INDATA~.TMP" from the working directory into the input case record
// and leaves the file open on the input channel.  Returns 0 after a complete
// read; on a missing file, a file that ends early, a field that is no number,
// or a value the record cannot hold, a message naming the file, the record,
// the field and the line goes to the console, the status is non-zero and no
// report file has been touched.
[[nodiscard]] int inkvop(RunContext& ctx);

// Reads the bytes of a case file from `in` into `rec` and applies the
// reader's corrections, as inkvop does with the calculation input file;
// false after a refusal, whose message went to `console`, with `rec` left as
// it was.
bool read_input_case(std::istream& in, const Console& console, InputCase& rec);

// Stores the defaults of every field of the input case record; the case name
// and the file names formed from it (record 1) are kept.
void blkdat(InputCase& in);

}  // namespace kvop
