// The case file: the calculation input file "~INDATA~.TMP" and the saved
// cases "*.IND" share one layout.  This module is the only place that knows
// that layout, record by record: the engine reads its input through it and
// the input editor reads and writes cases through it, so the two can never
// disagree about which record holds which field.
//
// Reading gives the values as the file stores them.  The engine then applies
// the reader's corrections (`correct_case`); the editor keeps the stored
// values, so that a case opens as it was saved.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "core/input_case.h"

namespace kvop {

// A case as its file stores it: the input case record holding the stored
// values (joint types as the joint lines name them, the designation as
// written, the pocket span and the line-load count before their corrections)
// and the few stored values the record itself does not keep.
struct CaseFile {
  InputCase in;
  int locked = 0;             // record 8: 1 = the locked thicknesses of record 9 follow
  bool snow_on_next = false;  // Swedish roof: record 22 is 0 and record 22a holds snolast
  int vex_code = 0;           // record 40 of a VEX roof (read, not used by the engine)
  float d5 = 0;               // diaphragm value D5 (read, not used by the engine)
};

// Where a read stopped: the line (0 = the file as a whole), the record
// ("19", "22a", "44w", "D2") and its field, and what was wrong.
struct CaseFileFault {
  int line = 0;
  std::string record;
  std::string field;
  std::string what;
  // "<file> line N (record R, field): what"
  std::string message(std::string_view file_label) const;
};

// Reads one case from `is`, LF or CR LF line ends.  Fields of branches the
// case does not hold keep the defaults of blkdat.  Returns false at the first
// record that is missing, no number (a decimal comma included), or holds a
// value the record cannot hold or the analysis cannot use: counts, codes and
// support numbers outside their lists, a span of no length, a negative
// support width, a placed snow pocket outside the spans, before its span or
// beyond it, a case name that is blank, holds a control character or is not
// a plain file name.  A file in another encoding (a byte-order mark, UTF-16)
// or with a line longer than 4096 bytes is refused too.  `fault` tells where.
bool read_case_file(std::istream& is, CaseFile& cf, CaseFileFault& fault);

// The reader's corrections, applied by the engine after reading: short
// overlaps act as hinges, the cantilevers decide the end joints, a pocket no
// higher than the plain snow is dropped, line loads without a first span are
// dropped, the R820 designations follow the micro-rib flag, and the fields
// a case does not read get their fixed values (kvottak, iskiv, nprof).
void correct_case(CaseFile& cf);

// The line end the editor writes: CR LF, as the case files in circulation.
inline constexpr std::string_view kCaseLineEnd = "\r\n";

// Writes the case in the file layout (Windows-1252 bytes as the texts hold
// them).  Every real is written so that the reader gets back the same 32-bit
// value.  Returns false, with `fault` naming the field, when a value cannot
// be written in its field (a count or code outside its list, a number too
// wide for its columns); nothing is appended to `out` then.
bool write_case_file(const CaseFile& cf, std::string& out, std::string& fault,
                     std::string_view line_end = kCaseLineEnd);

}  // namespace kvop
