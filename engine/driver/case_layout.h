// The case file layout as one table: every field a case file stores, and
// every record in file order with the condition for its presence, its number
// form, its range and the name its messages give the field.  The reader and
// the writer of case_file.cpp walk the records, the run account walks the
// fields, and the input editor checks its values by the same rules.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/input_case.h"

namespace kvop {

struct CaseFile;

// The fields a case file stores: those of the input case record, and the
// four stored values the record does not keep.
enum class CaseField : unsigned char {
  indatafil,
  rubrik,
  marknadskod,
  sakkl,
  vagg,
  nfack,
  spv,
  locked,
  tjlk,
  skarvtyp,
  konsv,
  mbkonsv,
  konsh,
  mbkonsh,
  skarvprc,
  upplbredd,
  egentyngd,
  snow_value,
  snolast,
  snoform,
  trivform,
  trivlgd,
  trihform,
  trihlgd,
  fickfack,
  fickform,
  fickmaxlgd,
  ficklgd,
  fickavst,
  nlinj,
  linjfack,
  linjavst,
  brottned,
  bruksned,
  brottupp,
  taktyp,
  vex_code,
  kvottak,
  taklutn,
  oflans,
  vind,
  nedbkvot,
  nedbkrav,
  psi0sno,
  psi1sno,
  psi0vind,
  psi1vind,
  pnamn,
  mikroband,
  sidoverl,
  vandr,
  perfo,
  utskr,
  iskiv,
  skivdata,
  d5,
  skivtext,
};

// What kind of value a field holds.
enum class FieldKind : unsigned char {
  integer,
  real,
  text,
};

// How many entries of an array field a case uses.
enum class Extent : unsigned char {
  one,         // a single value
  spans,       // 1..nfack
  supports,    // 1..nfack+1
  line_loads,  // 1..nlinj
  fixed,       // 1..`entries`
};

// A place in the record: exactly one of the pointers is set.
struct FieldSlot {
  int* i = nullptr;
  float* f = nullptr;
  char* text = nullptr;
  std::size_t text_len = 0;
  // Stores the first text_len bytes of s, blank padded.
  void set_text(std::string_view s) const;
  std::string_view text_view() const { return {text, text_len}; }
};

struct CaseFieldDef {
  CaseField id;
  std::string_view name;  // the field's name in the record, the account and messages
  FieldKind kind;
  Extent extent;
  int entries;     // array entries in the record (1 for a single value)
  bool in_record;  // false: a stored value the input case record does not keep
  FieldSlot (*slot)(CaseFile& cf, int entry);
};

// Whether a record stands in a case: the condition uses values stored before.
enum class Presence : unsigned char {
  always,
  locked,            // record 8 holds 1
  roof,              // vagg = 0
  roof_snow_value,   // roof of a market whose snow record may defer to the next line
  roof_snow_next,    // ... and that record held no value above 0.001
  roof_snow_direct,  // roof of another market: the snow value itself
  roof_vex,          // roof type code 2
  roof_uninsulated,  // roof type code 0: the edge zone of wind suction
  wall,              // vagg != 0
  roof_insulated,    // roof with taktyp > 0: perforation and diaphragm action
  diaphragm,         // record 63 present and iskiv < 2
};

// The number form of a record.
enum class Form : unsigned char {
  a8,         // the first 8 characters of the line
  a80,        // the first 80 characters
  i2,         // an integer in columns 1-2
  f7_3,       // n real fields F7.3, n by the field's extent
  f5_2,       // n fields (F5.2,1X), n by the field's extent
  i3_joints,  // nfack+1 fields I3 naming the supports of one joint type
  i3_4f7_3,   // one line load: I3 then four F7.3 (linjfack .. brottupp)
  free_real,  // one number anywhere on the line
  free_int,   // one whole number anywhere on the line
};

// The range a value must keep.  A closed list lo..hi, or bounds that follow
// the number of spans of the case.
enum class Range : unsigned char {
  any,
  list,           // lo..hi
  positive,       // greater than 0 (span lengths)
  not_negative,   // 0 or more (support widths)
  supports_or_0,  // 0..nfack+1 (a joint line: 0 fills unused fields)
  exact_whole,    // a whole number of at most 2^24 in magnitude
};

// Rules that tie a record to values stored elsewhere.  The reader checks a
// rule after the record it names, the writer before it writes the case, and
// the editor before it accepts a form.
enum class CaseRule : unsigned char {
  none,
  case_name,        // record 1: a plain file name that begins in column 1
  pocket_span,      // a placed snow pocket lies on a span of the sheet
  pocket_distance,  // a placed pocket starts within its span, not before it
  line_load_spans,  // the line loads that count stand on spans of the sheet
};

struct CaseRecord {
  std::string_view record;  // "19", "22a", "44w", "D2"
  Presence when;
  Form form;
  CaseField field;
  int entry;  // the entry of an array field the record holds (0: by the form)
  Range range = Range::any;
  int lo = 0, hi = 0;
  CaseRule rule = CaseRule::none;
};

// The fields, in record order of first appearance.
std::span<const CaseFieldDef> case_fields();
const CaseFieldDef& case_field(CaseField id);

// The records of a case file, in file order.
std::span<const CaseRecord> case_records();

// Whether `rec` stands in the case `cf`, whose earlier records are stored.
bool record_present(const CaseRecord& rec, const CaseFile& cf);

// The number of entries of `def` the case uses.
int used_entries(const CaseFieldDef& def, const InputCase& in);

// The name of one entry for a message: "spv(3)", or the bare name of a
// single value.
std::string entry_name(const CaseFieldDef& def, int entry);

// The span a snow pocket is placed in: none when its maximum does not exceed
// the plain snow, as it adds nothing then.
int placed_pocket_span(const InputCase& in);

// What breaks a rule, and the entry of the field it is charged to.
struct RuleFault {
  std::string what;  // empty when the rule holds
  CaseField field = CaseField::indatafil;
  int entry = 0;
};

// Checks one rule on the case.
RuleFault rule_fault(CaseRule rule, const CaseFile& cf);

// Whether the value `v` of record `rec` keeps the record's range of whole
// numbers (a code list, a support number, an exact whole number); empty when
// it does, else what is wrong.
std::string range_fault(const CaseRecord& rec, const InputCase& in, long v);

// The record that stores `field` (entry 0: the first that does).
const CaseRecord* record_of(CaseField field, int entry = 0);

// A message piece: "<what> <v> is outside <lo>..<hi>".
std::string outside(std::string_view what, long v, long lo, long hi);

// A length for a message, in metres with three decimals.
std::string metres(float v);

}  // namespace kvop
