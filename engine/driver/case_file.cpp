// Reading and writing a case file by walking the layout table of
// case_layout.cpp record by record: which records a case holds depends on
// values stored before (roof or wall, market, roof type, diaphragm action).
//
// Besides reading the fields, the reader refuses what the record cannot hold
// or the analysis cannot use (the ranges and rules of the table, a case name
// that is no plain file name, a file in another encoding or with overlong
// lines); the fault names the line, the record and its field.  The writer
// refuses, by the same ranges and rules, what the reader would refuse.
#include "driver/case_file.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/file_names.h"
#include "core/markets.h"
#include "driver/case_layout.h"
#include "driver/inkvop.h"
#include "driver/input_fields.h"

namespace kvop {
namespace {

// The longest line a case file may hold, line end not counted.  The editor's
// longest record has 126 columns; the limit keeps a damaged or hostile file
// from being read into memory whole.
constexpr std::size_t kMaxLine = 4096;

// Where a value comes from: its record in the file layout ("19", "22a",
// "44w", "D2") and the field it fills.
struct Rec {
  std::string_view record;
  std::string field;
};

// `where` tells where on the line a fixed field stands; empty for a free value.
std::string describe(infield::Fault f, std::string_view text, const std::string& where = {}) {
  const std::string q = "\"" + infield::quoted(text) + "\"" + (where.empty() ? "" : " in " + where);
  switch (f) {
    case infield::Fault::not_integer: return q + " is not a whole number";
    case infield::Fault::out_of_range: return q + " is out of range";
    case infield::Fault::decimal_comma: {
      std::string point(text);
      for (char& c : point)
        if (c == ',') c = '.';
      return q + " is written with a decimal comma; a decimal point is needed (\"" +
             infield::quoted(point) + "\")";
    }
    default: return q + " is not a number";
  }
}

std::string cols(int first, int width) {
  return "columns " + std::to_string(first) + "-" + std::to_string(first + width - 1);
}

// A fixed field of `line` as a message shows it: quoted, or named blank, or
// missing when the line ends before the field begins.
std::string shown_field(std::string_view line, int first, int width) {
  const std::string_view f = infield::columns(line, first, width);
  if (f.empty())
    return line.empty() ? "missing (the line is empty)"
                        : "missing (the line ends at column " + std::to_string(line.size()) +
                              ", before " + cols(first, width) + ")";
  if (f.find_first_not_of(" \t") == std::string_view::npos) return "blank in " + cols(first, width);
  return "\"" + infield::quoted(f) + "\" in " + cols(first, width);
}

// Reads the lines of a case in sequence.  Each read consumes one line; a
// free-format read skips lines that hold no value.  Every method returns
// false after it has recorded the fault.
class CaseReader {
 public:
  CaseReader(std::istream& in, CaseFileFault& fault) : in_(in), fault_(fault) {}

  int line_no() const { return line_no_; }

  bool fail_at(int line, const Rec& rec, std::string_view what) {
    fault_ = {line, std::string(rec.record), rec.field, std::string(what)};
    return false;
  }
  bool fail(const Rec& rec, std::string_view what) { return fail_at(line_no_, rec, what); }

  // The first bytes of the file: the case file is Windows-1252 text, one
  // byte per character.  A byte-order mark or the zero bytes of UTF-16 show a
  // file saved in another encoding, whose first record would otherwise become
  // part of the report's name.
  bool encoding(const Rec& rec) {
    char b[3] = {};
    in_.read(b, 3);
    const std::streamsize n = in_.gcount();
    in_.clear();
    in_.seekg(0);
    const auto at = [&](int i) { return static_cast<unsigned char>(b[i]); };
    std::string what;
    if (n >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF)
      what = "starts with a UTF-8 byte-order mark";
    else if (n >= 2 && ((at(0) == 0xFF && at(1) == 0xFE) || (at(0) == 0xFE && at(1) == 0xFF)))
      what = "is UTF-16 text (it starts with a byte-order mark)";
    else if (n >= 2 && (at(0) == 0) != (at(1) == 0))
      what = "is UTF-16 text (it holds zero bytes between the characters)";
    if (what.empty()) return true;
    return fail_at(
        1, rec,
        "the file " + what + "; a case file is Windows-1252 text: save it as Windows-1252 (ANSI)");
  }

  // The next line, without its line end (LF, or CR LF from Windows).  A line
  // longer than kMaxLine bytes is refused without being read whole.
  bool next(const Rec& rec, std::string& line) {
    // Room for kMaxLine bytes, a CR and one byte more, which tells a line
    // that is too long.
    char buf[kMaxLine + 3];
    in_.getline(buf, sizeof buf);
    const std::size_t got = static_cast<std::size_t>(in_.gcount());
    if (in_.bad()) return fail_at(line_no_ + 1, rec, "the file cannot be read");
    if (in_.fail()) {
      if (got == 0 && in_.eof())
        return fail_at(line_no_ + 1, rec, "the file ends before this record");
      return fail_at(line_no_ + 1, rec, too_long());
    }
    ++line_no_;
    // gcount counts the LF that ended the line.
    std::size_t len = got - (in_.eof() ? 0 : 1);
    if (len > 0 && buf[len - 1] == '\r') --len;
    if (len > kMaxLine) return fail(rec, too_long());
    line.assign(buf, len);
    return true;
  }

  template <std::size_t N>
  bool text(const Rec& rec, Text<N>& t) {
    std::string line;
    if (!next(rec, line)) return false;
    t.set(line);
    return true;
  }

  // An integer field Iw at `first` of the line just read.
  bool int_at(const Rec& rec, std::string_view line, int first, int width, int& v) {
    const std::string_view f = infield::columns(line, first, width);
    const auto r = infield::integer_field(f);
    if (!r) return fail(rec, describe(r.fault, f, cols(first, width)));
    v = r.value;
    return true;
  }

  // A real field Fw.d at `first` of the line just read.
  bool real_at(const Rec& rec, std::string_view line, int first, int width, int decimals,
               float& v) {
    const std::string_view f = infield::columns(line, first, width);
    const auto r = infield::real_field(f, decimals);
    if (!r) return fail(rec, describe(r.fault, f, cols(first, width)));
    v = r.value;
    return true;
  }

  // A line holding one I2 field.
  bool i2(const Rec& rec, int& v) {
    std::string line;
    return next(rec, line) && int_at(rec, line, 1, 2, v);
  }

  // A code in I2 whose values form a closed list lo..hi.  An empty field of
  // a code that cannot be 0 is named as missing, not as the code 0.
  bool code(const Rec& rec, int lo, int hi, int& v) {
    std::string line;
    int c = 0;
    if (!next(rec, line) || !int_at(rec, line, 1, 2, c)) return false;
    if (c < lo || c > hi) {
      if (infield::columns(line, 1, 2).find_first_not_of(" \t") == std::string_view::npos)
        return fail(rec, rec.field + " is " + shown_field(line, 1, 2) + "; it must be " +
                             std::to_string(lo) + ".." + std::to_string(hi));
      return fail(rec, outside(rec.field, c, lo, hi));
    }
    v = c;
    return true;
  }

  // The line of the next free-format value and the value's text.
  bool free_value(const Rec& rec, std::string& line, std::string_view& value) {
    for (;;) {
      if (!next(rec, line)) return false;
      if (auto v = infield::first_value(line)) {
        value = *v;
        return true;
      }
    }
  }

  bool free_real(const Rec& rec, float& v) {
    std::string line;
    std::string_view text;
    if (!free_value(rec, line, text) || !no_decimal_comma(rec, line, text)) return false;
    const auto r = infield::free_real(text);
    if (!r) return fail(rec, describe(r.fault, text));
    v = r.value;
    return true;
  }

  // A free-format whole number; "1.0" is refused, as the field is a count,
  // a span number or a flag.
  bool free_int(const Rec& rec, int& v) {
    std::string line;
    std::string_view text;
    if (!free_value(rec, line, text) || !no_decimal_comma(rec, line, text)) return false;
    const auto r = infield::free_integer(text);
    if (!r) return fail(rec, describe(r.fault, text));
    v = r.value;
    return true;
  }

 private:
  std::string too_long() const {
    return "the line is longer than " + std::to_string(kMaxLine) +
           " bytes; a case file holds short text lines";
  }

  // A comma directly between digits is a decimal comma, not the end of the
  // value: "0,30" would otherwise read as 0.
  bool no_decimal_comma(const Rec& rec, std::string_view line, std::string_view text) {
    if (!infield::decimal_comma(line, text)) return true;
    return fail(rec, describe(infield::Fault::decimal_comma, infield::comma_number(line, text)));
  }

  std::istream& in_;
  CaseFileFault& fault_;
  int line_no_ = 0;
};

// Record 1: the case name and the file names formed from it.  The report and
// the diaphragm exchange file are written in the working directory under
// these names, so a case name that leads elsewhere is refused.
bool read_case_name(CaseReader& rd, InputCase& in) {
  const Rec rec{"1", "indatafil"};
  Text<8> name;
  if (!rd.text(rec, name)) return false;
  const std::string_view all = name.view();
  const std::size_t blank = all.find(' ');
  const std::string_view base = all.substr(0, blank == std::string_view::npos ? 8 : blank);
  if (base.empty())
    return rd.fail(rec,
                   "the case name is blank; the report is named after the case, so the "
                   "name must begin in column 1");
  for (char c : all) {
    // C0 controls, DEL, and the five bytes Windows-1252 leaves unassigned,
    // which stand for C1 controls in a file name.
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7f || b == 0x81 || b == 0x8d || b == 0x8f || b == 0x90 || b == 0x9d)
      return rd.fail(rec, "the case name \"" + infield::quoted(all) +
                              "\" holds a control character (shown as ?); the report is named "
                              "after the case");
  }
  if (!is_bare_file_name(base) || base.find("..") != std::string_view::npos)
    return rd.fail(rec, "the case name \"" + infield::quoted(base) +
                            "\" is not a plain file name; the report must stay in the "
                            "working directory");
  in.indatafil = name;
  in.rednamn.set(std::string(base) + ".RED");
  in.indnamn.set(std::string(base) + ".IND");
  in.skivnamn.set("SKIVA.INS");
  return true;
}

// The message's name of entry `i` of the field of `r`.
Rec rec_of(const CaseRecord& r, int i) { return {r.record, entry_name(case_field(r.field), i)}; }

// Reads the fields of one record into `cf`.
class RecordReader {
 public:
  RecordReader(CaseReader& rd, CaseFile& cf) : rd_(rd), cf_(cf) {}

  bool read(const CaseRecord& r) {
    const CaseFieldDef& def = case_field(r.field);
    InputCase& in = cf_.in;
    std::string line;
    switch (r.form) {
      case Form::a8:
      case Form::a80: {
        if (r.rule == CaseRule::case_name) {
          if (!read_case_name(rd_, in)) return false;
          // The defaults, after the name: a case overwrites them record by record.
          blkdat(in);
          return true;
        }
        if (!rd_.next(rec_of(r, r.entry), line)) return false;
        def.slot(cf_, r.entry).set_text(line);
        return true;
      }
      case Form::i2: {
        const Rec rec = rec_of(r, r.entry);
        int& v = *def.slot(cf_, r.entry).i;
        if (r.range == Range::list) return rd_.code(rec, r.lo, r.hi, v);
        return rd_.i2(rec, v);
      }
      case Form::f7_3:
      case Form::f5_2: {
        if (!rd_.next(rec_of(r, 0), line)) return false;
        const bool f7 = r.form == Form::f7_3;
        const int width = f7 ? 7 : 5;
        for (int i = 1; i <= used_entries(def, in); ++i) {
          const Rec rec = rec_of(r, i);
          const int first = f7 ? 7 * i - 6 : 6 * i - 5;
          float& v = *def.slot(cf_, i).f;
          if (!rd_.real_at(rec, line, first, width, f7 ? 3 : 2, v)) return false;
          // A span of no length would divide by zero in the analysis.
          if (r.range == Range::positive && !(v > 0.0f))
            return rd_.fail(rec, "span length " + shown_field(line, first, width) +
                                     ": it must be greater than 0");
          // A negative width would give negative cantilever pieces and
          // bearing lengths.
          if (r.range == Range::not_negative && v < 0.0f)
            return rd_.fail(rec, "support width " + metres(v) + " (" + cols(first, width) +
                                     ") must not be negative");
        }
        return true;
      }
      case Form::i3_joints: {
        // Joint line t names the supports whose joint type is t; a later
        // line overrides an earlier one, unnamed supports stay continuous.
        const Rec rec = rec_of(r, 0);
        if (!rd_.next(rec, line)) return false;
        for (int f = 1; f <= in.nfack + 1; ++f) {
          int s = 0;
          if (!rd_.int_at(rec, line, 3 * f - 2, 3, s)) return false;
          if (const std::string why = range_fault(r, in, s); !why.empty())
            return rd_.fail(
                rec, why + " (" + cols(3 * f - 2, 3) + ", " + std::to_string(in.nfack) + " spans)");
          if (s > 0) *def.slot(cf_, s).i = r.entry;
        }
        return true;
      }
      case Form::i3_4f7_3: {
        const int k = r.entry;
        if (!rd_.next({r.record, "linjlast"}, line)) return false;
        if (!rd_.int_at(rec_of(r, k), line, 1, 3, *def.slot(cf_, k).i)) return false;
        int first = 4;
        for (CaseField f :
             {CaseField::linjavst, CaseField::brottned, CaseField::bruksned, CaseField::brottupp}) {
          const CaseFieldDef& d = case_field(f);
          if (!rd_.real_at({r.record, entry_name(d, k)}, line, first, 7, 3, *d.slot(cf_, k).f))
            return false;
          first += 7;
        }
        return true;
      }
      case Form::free_real: {
        const Rec rec = rec_of(r, r.entry);
        if (r.field != CaseField::snow_value) return rd_.free_real(rec, *def.slot(cf_, r.entry).f);
        // The snow value, or 0 and the value on the next line.
        float v = 0;
        if (!rd_.free_real(rec, v)) return false;
        cf_.snow_on_next = !(v > 0.001f);
        if (!cf_.snow_on_next) in.snolast = v;
        return true;
      }
      case Form::free_int: {
        const Rec rec = rec_of(r, r.entry);
        int v = 0;
        if (!rd_.free_int(rec, v)) return false;
        if (const std::string why = range_fault(r, in, v); !why.empty()) return rd_.fail(rec, why);
        const FieldSlot slot = def.slot(cf_, r.entry);
        if (slot.f)
          *slot.f = static_cast<float>(v);
        else
          *slot.i = v;
        return true;
      }
    }
    return false;
  }

 private:
  CaseReader& rd_;
  CaseFile& cf_;
};

// ---- writing ----------------------------------------------------------------

// Collects the lines of a case; the first value that does not fit its field
// is remembered and ends the writing.
class CaseWriter {
 public:
  explicit CaseWriter(std::string_view eol) : eol_(eol) {}

  bool ok() const { return fault_.empty(); }
  const std::string& fault() const { return fault_; }
  const std::string& text() const { return out_; }

  void line(std::string_view s) {
    out_ += s;
    out_ += eol_;
  }

  void bad(std::string_view field, std::string_view why) {
    if (fault_.empty()) fault_ = std::string(field) + ": " + std::string(why);
  }

  // An integer in Iw.
  std::string iw(std::string_view field, int v, int w) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*d", w, v);
    if (static_cast<int>(std::string_view(buf).size()) > w) bad(field, "too wide for its columns");
    return buf;
  }

  // A real in Fw.d: d decimals when they give back the same value, more when
  // the value needs them and the columns allow.
  std::string fw(std::string_view field, float v, int w, int d) {
    std::string first;
    for (int dec = d; dec <= w - 2; ++dec) {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%*.*f", w, dec, static_cast<double>(v));
      const std::string s = buf;
      if (static_cast<int>(s.size()) > w) break;
      if (first.empty()) first = s;
      const auto r = infield::real_field(s, d);
      if (r && r.value == v) return s;
    }
    bad(field, first.empty() ? "too wide for its columns" : "cannot be held in its columns");
    return first.empty() ? std::string(static_cast<std::size_t>(w), ' ') : first;
  }

  // A free-format real: the shortest fixed-point text with at least `d`
  // decimals that reads back as the same value.
  void free_real(std::string_view field, float v, int d = 2) {
    if (!std::isfinite(v)) {
      bad(field, "not a number");
      return;
    }
    for (int dec = d; dec <= 60; ++dec) {
      char buf[128];
      std::snprintf(buf, sizeof buf, "%.*f", dec, static_cast<double>(v));
      const auto r = infield::free_real(buf);
      if (r && r.value == v) {
        line(buf);
        return;
      }
    }
    bad(field, "cannot be written exactly");
  }

  void free_int(int v) { line(std::to_string(v)); }

  void i2(std::string_view field, int v) { line(iw(field, v, 2)); }

 private:
  std::string_view eol_;
  std::string out_;
  std::string fault_;
};

// Writes one record of `cf` (which the writer does not change; the slots
// are only read).
void write_record(CaseWriter& w, const CaseRecord& r, CaseFile& cf) {
  const CaseFieldDef& def = case_field(r.field);
  const InputCase& in = cf.in;
  const std::string name = entry_name(def, r.entry);
  switch (r.form) {
    case Form::a8:
    case Form::a80: {
      const FieldSlot slot = def.slot(cf, r.entry);
      // A text line: a line end inside it would shift every later record.
      if (slot.text_view().find_first_of("\r\n") != std::string_view::npos)
        w.bad(name, "holds a line end");
      std::string_view t = slot.text_view();
      while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
      w.line(t);
      return;
    }
    case Form::i2: {
      const int v = *def.slot(cf, r.entry).i;
      if (const std::string why = range_fault(r, in, v); !why.empty())
        w.bad(name, outside("code", v, r.lo, r.hi));
      w.i2(name, v);
      return;
    }
    case Form::f7_3:
    case Form::f5_2: {
      const bool f7 = r.form == Form::f7_3;
      std::string s;
      for (int i = 1; i <= used_entries(def, in); ++i) {
        const float v = *def.slot(cf, i).f;
        const std::string entry = entry_name(def, i);
        if (r.range == Range::positive && !(v > 0.0f))
          w.bad(entry, "span length must be greater than 0");
        if (r.range == Range::not_negative && v < 0.0f)
          w.bad(entry, "support width must not be negative");
        // (F5.2,1X) fields: five columns each, one blank between.
        if (!f7 && i > 1) s += ' ';
        s += f7 ? w.fw(entry, v, 7, 3) : w.fw(entry, v, 5, 2);
      }
      w.line(s);
      return;
    }
    case Form::i3_joints: {
      // Joint line t lists the supports of type t, then zeros.
      const int n = in.nfack;
      std::string s;
      int fields = 0;
      for (int j = 1; j <= n + 1; ++j) {
        const int t = *def.slot(cf, j).i;
        if (t < 0 || t > 5) w.bad(entry_name(def, j), outside("joint type", t, 0, 5));
        if (t == r.entry) {
          s += w.iw(name, j, 3);
          ++fields;
        }
      }
      for (; fields < n + 1; ++fields) s += "  0";
      w.line(s);
      return;
    }
    case Form::i3_4f7_3: {
      const int k = r.entry;
      std::string s = w.iw(entry_name(def, k), *def.slot(cf, k).i, 3);
      for (CaseField f :
           {CaseField::linjavst, CaseField::brottned, CaseField::bruksned, CaseField::brottupp}) {
        const CaseFieldDef& d = case_field(f);
        s += w.fw(entry_name(d, k), *d.slot(cf, k).f, 7, 3);
      }
      w.line(s);
      return;
    }
    case Form::free_real:
      // The snow value of record 22 is 0 when record 22a holds it.
      if (r.field == CaseField::snow_value && cf.snow_on_next)
        w.free_int(0);
      else
        w.free_real(name, *def.slot(cf, r.entry).f);
      return;
    case Form::free_int: {
      const FieldSlot slot = def.slot(cf, r.entry);
      if (!slot.f) {
        if (const std::string why = range_fault(r, in, *slot.i); !why.empty()) w.bad(name, why);
        w.free_int(*slot.i);
        return;
      }
      // A whole number held in a real.
      const float v = *slot.f;
      const bool whole = v == std::trunc(v) && std::fabs(v) <= 16777216.0f;
      if (!whole) w.bad(name, "not a whole number");
      w.free_int(whole ? static_cast<int>(v) : 0);
      return;
    }
  }
}

}  // namespace

std::string CaseFileFault::message(std::string_view file_label) const {
  std::string m(file_label);
  if (line > 0) m += " line " + std::to_string(line);
  if (!record.empty()) m += " (record " + record + ", " + field + ")";
  return m + ": " + what;
}

bool read_case_file(std::istream& is, CaseFile& cf, CaseFileFault& fault) {
  cf = CaseFile{};
  CaseReader rd(is, fault);
  InputCase& in = cf.in;
  if (!rd.encoding({"1", "indatafil"})) return false;
  RecordReader reader(rd, cf);
  // The line each record was read from, for a rule that names an earlier one.
  std::vector<int> at_line(case_records().size(), 0);
  for (std::size_t k = 0; k < case_records().size(); ++k) {
    const CaseRecord& r = case_records()[k];
    if (!record_present(r, cf)) continue;
    if (!reader.read(r)) return false;
    at_line[k] = rd.line_no();
    if (r.field == CaseField::taktyp && in.taktyp == 2) in.vextak = 1;
    if (r.rule == CaseRule::none || r.rule == CaseRule::case_name) continue;
    const RuleFault why = rule_fault(r.rule, cf);
    if (why.what.empty()) continue;
    const CaseRecord* named = record_of(why.field, why.entry);
    const int line = at_line[static_cast<std::size_t>(named - case_records().data())];
    return rd.fail_at(line, {named->record, entry_name(case_field(why.field), why.entry)},
                      why.what);
  }
  // A case without record 63 has no diaphragm action.
  if (!record_present(*record_of(CaseField::iskiv), cf)) in.iskiv = 2;
  return true;
}

void correct_case(CaseFile& cf) {
  InputCase& in = cf.in;
  const int n = in.nfack;
  if (cf.locked != 1) in.tjlk(1) = 0.0f;
  // An overlap reaching less than 6 % into the right span acts as a hinge.
  // The packed value is compared, so 5.99 is short and 6.0 is not.
  for (int j = 1; j <= n + 1; ++j) {
    const int t = in.skarvtyp(j);
    if (in.skarvprc(j) < 6.0f && (t == 2 || t == 3 || t == 5)) in.skarvtyp(j) = 1;
  }
  // The end supports follow the cantilevers: one of at least 0.11 m makes
  // the end continuous, a shorter one a hinge.
  in.skarvtyp(1) = in.konsv < 0.11f ? 1 : 0;
  in.skarvtyp(n + 1) = in.konsh < 0.11f ? 1 : 0;
  if (in.vagg == 0) {
    // A pocket whose maximum does not exceed the plain snow adds nothing.
    if (in.snoform >= in.fickform) in.fickfack = 0;
    if (in.linjfack(1) == 0) in.nlinj = 0;
    if (in.taktyp != 2) in.kvottak = 1.0f;
  }
  // The designation follows the micro-rib flag: the R820 range has separate
  // designations with and without micro-ribs.  Byte for byte over all eight
  // characters; entry 2 keeps the designation as read.
  in.pnamn(2) = in.pnamn(1);
  in.nprof = 1;
  Text<8>& p = in.pnamn(1);
  if (p == "R820    " && in.mikroband == 1) {
    p.set("R820P   ");
  } else if (p == "R820M   " && in.mikroband == 0) {
    p.set("R820U   ");
  } else if (p == "R820MSTD" && in.mikroband == 0) {
    p.set("R820USTD");
  }
}

bool write_case_file(const CaseFile& cf, std::string& out, std::string& fault,
                     std::string_view line_end) {
  CaseWriter w(line_end);
  CaseFile c = cf;
  // A snow value of 0.001 or less cannot stand in record 22 itself.
  if (market_rules(c.in.marknadskod).snow_in_two_steps && !(c.in.snolast > 0.001f))
    c.snow_on_next = true;
  for (const CaseRecord& r : case_records()) {
    if (!record_present(r, c)) continue;
    write_record(w, r, c);
    // The ranges of the counts decide how much of the arrays the next
    // records hold: stop at the first fault.
    if (!w.ok()) break;
    if (r.rule == CaseRule::none || r.rule == CaseRule::case_name) continue;
    const RuleFault why = rule_fault(r.rule, c);
    if (!why.what.empty()) {
      w.bad(entry_name(case_field(why.field), why.entry), why.what);
      break;
    }
  }
  if (!w.ok()) {
    fault = w.fault();
    return false;
  }
  out += w.text();
  return true;
}

}  // namespace kvop
