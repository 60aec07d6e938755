// The case file layout, record by record, for reading and for writing.  The
// records follow one another in a fixed order; which of them a case holds
// depends on values stored before (roof or wall, market, roof type,
// diaphragm action).  The reader and the writer below walk the same order.
//
// Besides reading the fields, the reader refuses what the record cannot hold
// or the analysis cannot use (counts, codes and support numbers outside their
// lists, a span of no length, a negative support width, a snow pocket outside
// its span, a case name that is no plain file name, a file in another
// encoding or with overlong lines); the fault names the line, the record and
// its field.
#include "driver/case_file.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "analysis/lastford.h"
#include "core/file_names.h"
#include "driver/inkvop.h"
#include "driver/input_fields.h"

namespace kvop {
namespace {

// The longest line a case file may hold, line end not counted.  The editor's
// longest record has 126 columns; the limit keeps a damaged or hostile file
// from being read into memory whole.
constexpr std::size_t kMaxLine = 4096;

std::string indexed(std::string_view name, int i) {
  return std::string(name) + "(" + std::to_string(i) + ")";
}

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

// A length for a message, in metres with three decimals.
std::string metres(float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f m", static_cast<double>(v));
  return buf;
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

std::string outside(std::string_view what, long v, long lo, long hi) {
  return std::string(what) + " " + std::to_string(v) + " is outside " + std::to_string(lo) + ".." +
         std::to_string(hi);
}

// The span a snow pocket is placed in: none when its maximum does not exceed
// the plain snow, as it adds nothing then.
int placed_pocket_span(const InputCase& in) { return in.snoform >= in.fickform ? 0 : in.fickfack; }

// The slots of a span end with its overflow slot 41: a pocket whose maximum
// starts further out does not lie in its span, and placing only what fits
// would lose part of its load; it is to be given in the span where it lies.
// Only a pocket placed on a span of the sheet counts.  Empty when the pocket
// is sound.
std::string pocket_fault(const InputCase& in) {
  const int span = placed_pocket_span(in);
  if (span < 1 || span > in.nfack) return {};
  const float L = in.spv(span);
  if (fickslot(in.fickavst, L) <= 41.0) return {};
  return "the snow pocket's distance " + metres(in.fickavst) + " lies beyond span " +
         std::to_string(span) + " of length " + metres(L) + "; the pocket belongs in a later span";
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

// Records 2 to 20: title, market, use, spans, locked thicknesses, joints,
// cantilevers, joint extents and support widths.
bool read_geometry(CaseReader& rd, CaseFile& cf) {
  InputCase& in = cf.in;
  if (!rd.text({"2", "rubrik"}, in.rubrik)) return false;
  if (!rd.code({"3", "marknadskod"}, 1, 5, in.marknadskod)) return false;
  if (!rd.code({"4", "sakkl"}, 0, 3, in.sakkl)) return false;
  if (!rd.code({"5", "vagg"}, 0, 1, in.vagg)) return false;
  if (!rd.code({"6", "nfack"}, 1, 20, in.nfack)) return false;
  const int n = in.nfack;

  std::string line;
  if (!rd.next({"7", "spv"}, line)) return false;
  for (int i = 1; i <= n; ++i) {
    const Rec rec{"7", indexed("spv", i)};
    if (!rd.real_at(rec, line, 7 * i - 6, 7, 3, in.spv(i))) return false;
    // A span of no length would divide by zero in the analysis.
    if (!(in.spv(i) > 0.0f))
      return rd.fail(
          rec, "span length " + shown_field(line, 7 * i - 6, 7) + ": it must be greater than 0");
  }

  if (!rd.i2({"8", "locked-thickness flag"}, cf.locked)) return false;
  if (cf.locked == 1) {
    if (!rd.next({"9", "tjlk"}, line)) return false;
    for (int i = 1; i <= n; ++i)
      if (!rd.real_at({"9", indexed("tjlk", i)}, line, 7 * i - 6, 7, 3, in.tjlk(i))) return false;
  }

  // Joint line t names the supports whose joint type is t; a later line
  // overrides an earlier one, unnamed supports stay continuous.
  for (int t = 1; t <= 5; ++t) {
    const std::string record = std::to_string(9 + t);
    const Rec rec{record, "skarvtyp"};
    if (!rd.next(rec, line)) return false;
    for (int f = 1; f <= n + 1; ++f) {
      int s = 0;
      if (!rd.int_at(rec, line, 3 * f - 2, 3, s)) return false;
      if (s < 0 || s > n + 1)
        return rd.fail(rec, outside("support", s, 0, n + 1) + " (" + cols(3 * f - 2, 3) + ", " +
                                std::to_string(n) + " spans)");
      if (s > 0) in.skarvtyp(s) = t;
    }
  }

  if (!rd.free_real({"15", "konsv"}, in.konsv)) return false;
  if (!rd.free_int({"16", "mbkonsv"}, in.mbkonsv)) return false;
  if (!rd.free_real({"17", "konsh"}, in.konsh)) return false;
  if (!rd.free_int({"18", "mbkonsh"}, in.mbkonsh)) return false;

  if (!rd.next({"19", "skarvprc"}, line)) return false;
  for (int j = 1; j <= n + 1; ++j)
    if (!rd.real_at({"19", indexed("skarvprc", j)}, line, 6 * j - 5, 5, 2, in.skarvprc(j)))
      return false;

  if (!rd.next({"20", "upplbredd"}, line)) return false;
  for (int j = 1; j <= n + 1; ++j) {
    const Rec rec{"20", indexed("upplbredd", j)};
    if (!rd.real_at(rec, line, 6 * j - 5, 5, 2, in.upplbredd(j))) return false;
    // A negative width would give negative cantilever pieces and bearing
    // lengths.
    if (in.upplbredd(j) < 0.0f)
      return rd.fail(rec, "support width " + metres(in.upplbredd(j)) + " (" + cols(6 * j - 5, 5) +
                              ") must not be negative");
  }
  return true;
}

// Records 21 to 48 of a roof: self weight, snow, drifts, snow pocket, line
// loads, roof type, slope, top flange and roof wind.
bool read_roof(CaseReader& rd, CaseFile& cf) {
  InputCase& in = cf.in;
  if (!rd.free_real({"21", "egentyngd"}, in.egentyngd)) return false;
  if (in.marknadskod == 1) {
    // A Swedish case gives the snow value directly, or 0 and the value on
    // the next line.
    float v = 0;
    if (!rd.free_real({"22", "snolast"}, v)) return false;
    cf.snow_on_next = !(v > 0.001f);
    if (!cf.snow_on_next) {
      in.snolast = v;
    } else if (!rd.free_real({"22a", "snolast"}, in.snolast)) {
      return false;
    }
  } else if (!rd.free_real({"22b", "snolast"}, in.snolast)) {
    return false;
  }
  if (!rd.free_real({"23", "snoform"}, in.snoform)) return false;
  if (!rd.free_real({"24", "trivform"}, in.trivform)) return false;
  if (!rd.free_real({"25", "trivlgd"}, in.trivlgd)) return false;
  if (!rd.free_real({"26", "trihform"}, in.trihform)) return false;
  if (!rd.free_real({"27", "trihlgd"}, in.trihlgd)) return false;
  const Rec fickfack_rec{"28", "fickfack"};
  if (!rd.free_int(fickfack_rec, in.fickfack)) return false;
  const int fickfack_line = rd.line_no();
  if (!rd.free_real({"29", "fickform"}, in.fickform)) return false;
  // A pocket that is placed lies in one of the spans: the echo would show a
  // pocket that the analysis never loads.
  const int pocket = placed_pocket_span(in);
  if (pocket < 0 || pocket > in.nfack)
    return rd.fail_at(fickfack_line, fickfack_rec,
                      outside("span", pocket, 0, in.nfack) + " (0 = no snow pocket)");
  if (!rd.free_real({"30", "fickmaxlgd"}, in.fickmaxlgd)) return false;
  if (!rd.free_real({"31", "ficklgd"}, in.ficklgd)) return false;
  const Rec fickavst_rec{"32", "fickavst"};
  if (!rd.free_real(fickavst_rec, in.fickavst)) return false;
  // The distance is measured into the span from its left support; a negative
  // one would put the pocket before its span and give its rising ramp a
  // negative length.
  if (pocket >= 1 && in.fickavst < 0.0f)
    return rd.fail(fickavst_rec, "the snow pocket's distance " + metres(in.fickavst) +
                                     " is negative; it is measured from the left support of "
                                     "span " +
                                     std::to_string(pocket));
  if (const std::string why = pocket_fault(in); !why.empty()) return rd.fail(fickavst_rec, why);

  const Rec nlinj_rec{"33", "nlinj"};
  if (!rd.free_int(nlinj_rec, in.nlinj)) return false;
  if (in.nlinj < 0 || in.nlinj > 5) return rd.fail(nlinj_rec, outside("nlinj", in.nlinj, 0, 5));

  // Always five line-load lines: span, distance, ultimate down,
  // serviceability down, ultimate up.
  std::array<int, 6> at_line{};
  for (int k = 1; k <= 5; ++k) {
    const std::string record = std::to_string(33 + k);
    std::string line;
    if (!rd.next({record, "linjlast"}, line)) return false;
    at_line[static_cast<std::size_t>(k)] = rd.line_no();
    Linjlast& l = in.linjlast(k);
    if (!rd.int_at({record, indexed("linjfack", k)}, line, 1, 3, in.linjfack(k)) ||
        !rd.real_at({record, indexed("linjavst", k)}, line, 4, 7, 3, l.linjavst) ||
        !rd.real_at({record, indexed("brottned", k)}, line, 11, 7, 3, l.brottned) ||
        !rd.real_at({record, indexed("bruksned", k)}, line, 18, 7, 3, l.bruksned) ||
        !rd.real_at({record, indexed("brottupp", k)}, line, 25, 7, 3, l.brottupp))
      return false;
  }
  // The loads that count must stand on a span of the sheet; without a first
  // span the engine drops them all.
  const int loads = in.linjfack(1) == 0 ? 0 : in.nlinj;
  for (int k = 1; k <= loads; ++k) {
    const int f = in.linjfack(k);
    if (f < 1 || f > in.nfack)
      return rd.fail_at(at_line[static_cast<std::size_t>(k)],
                        {std::to_string(33 + k), indexed("linjfack", k)},
                        outside("span", f, 1, in.nfack) + " (line load " + std::to_string(k) +
                            " of " + std::to_string(loads) + ")");
  }

  if (!rd.code({"39", "taktyp"}, 0, 2, in.taktyp)) return false;
  if (in.taktyp == 2) {
    in.vextak = 1;
    if (!rd.i2({"40", "unused code"}, cf.vex_code)) return false;
    if (!rd.free_real({"41", "kvottak"}, in.kvottak)) return false;
  }
  if (!rd.free_real({"42", "taklutn"}, in.taklutn)) return false;
  if (!rd.code({"43", "oflans"}, 0, 2, in.oflans)) return false;
  if (!rd.free_real({"44", "vind(1)"}, in.vind(1))) return false;
  if (!rd.free_real({"45", "vind(2)"}, in.vind(2))) return false;
  if (!rd.free_real({"46", "vind(3)"}, in.vind(3))) return false;
  if (in.taktyp == 0) {
    // The edge zone of wind suction is given for non-insulated roofs only.
    if (!rd.free_real({"47", "vind(4)"}, in.vind(4))) return false;
    if (!rd.free_real({"48", "vind(5)"}, in.vind(5))) return false;
  }
  return true;
}

// The wind of a wall, towards the sheet first: the entries of vind in the
// order of records 44w to 50w.
constexpr struct {
  std::string_view record;
  int entry;
} kWallWind[] = {{"44w", 1}, {"45w", 3}, {"46w", 6}, {"47w", 7},
                 {"48w", 2}, {"49w", 4}, {"50w", 5}};

bool read_wall(CaseReader& rd, InputCase& in) {
  for (const auto& r : kWallWind)
    if (!rd.free_real({r.record, indexed("vind", r.entry)}, in.vind(r.entry))) return false;
  return true;
}

bool has_perfo_and_iskiv(const InputCase& in) { return in.vagg == 0 && in.taktyp > 0; }

// Diaphragm value d (1..13): D5 is not kept, the others fill skivdata in
// order; D2, D3, D4, D6 and D7 are whole numbers.
int skivdata_index(int d) { return d < 5 ? d : d - 1; }
bool diaphragm_integer(int d) { return d >= 2 && d <= 7 && d != 5; }

// Records 51 to 63 and the diaphragm records: deflection, combination
// factors, profile, report layout and diaphragm action.
bool read_tail(CaseReader& rd, CaseFile& cf) {
  InputCase& in = cf.in;
  if (!rd.free_real({"51", "nedbkvot"}, in.nedbkvot)) return false;
  if (!rd.code({"52", "nedbkrav"}, 0, 2, in.nedbkrav)) return false;
  if (!rd.free_real({"53", "psi0sno"}, in.psi0sno)) return false;
  if (!rd.free_real({"54", "psi1sno"}, in.psi1sno)) return false;
  if (!rd.free_real({"55", "psi0vind"}, in.psi0vind)) return false;
  if (!rd.free_real({"56", "psi1vind"}, in.psi1vind)) return false;

  if (!rd.text({"57", "pnamn"}, in.pnamn(1))) return false;
  if (!rd.free_int({"58", "mikroband"}, in.mikroband)) return false;
  if (!rd.free_real({"59", "sidoverl(1)"}, in.sidoverl(1))) return false;
  if (!rd.code({"60", "vandr(1)"}, 1, 2, in.vandr(1))) return false;
  if (has_perfo_and_iskiv(in) && !rd.code({"61", "perfo(1)"}, 0, 2, in.perfo(1))) return false;
  if (!rd.i2({"62", "utskr"}, in.utskr)) return false;
  if (!has_perfo_and_iskiv(in)) {
    in.iskiv = 2;
    return true;
  }
  if (!rd.i2({"63", "iskiv"}, in.iskiv)) return false;
  if (in.iskiv >= 2) return true;

  // Thirteen diaphragm values.  The integers are held in a real and must
  // stay exact there.
  for (int d = 1; d <= 13; ++d) {
    const std::string record = "D" + std::to_string(d);
    if (d == 5) {
      if (!rd.free_real({record, "unused value"}, cf.d5)) return false;
      continue;
    }
    const int k = skivdata_index(d);
    const Rec rec{record, indexed("skivdata", k)};
    if (diaphragm_integer(d)) {
      int v = 0;
      if (!rd.free_int(rec, v)) return false;
      if (std::llabs(static_cast<long long>(v)) > 16777216)
        return rd.fail(rec, outside("value", v, -16777216, 16777216));
      in.skivdata(k) = static_cast<float>(v);
    } else if (!rd.free_real(rec, in.skivdata(k))) {
      return false;
    }
  }
  for (int t = 1; t <= 5; ++t)
    if (!rd.text({"T" + std::to_string(t), indexed("skivtext", t)}, in.skivtext(t))) return false;
  return true;
}

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

  // A code in I2 from a closed list.
  void code(std::string_view field, int v, int lo, int hi) {
    if (v < lo || v > hi) bad(field, outside("code", v, lo, hi));
    i2(field, v);
  }

  // A text line: a line end inside it would shift every later record.
  template <std::size_t N>
  void text(std::string_view field, const Text<N>& t) {
    if (t.view().find_first_of("\r\n") != std::string_view::npos) bad(field, "holds a line end");
    line(t.trimmed());
  }

 private:
  std::string_view eol_;
  std::string out_;
  std::string fault_;
};

void write_geometry(CaseWriter& w, const CaseFile& cf) {
  const InputCase& in = cf.in;
  const int n = in.nfack;
  w.text("rubrik", in.rubrik);
  w.code("marknadskod", in.marknadskod, 1, 5);
  w.code("sakkl", in.sakkl, 0, 3);
  w.code("vagg", in.vagg, 0, 1);
  w.code("nfack", n, 1, 20);
  if (n < 1 || n > 20) return;

  std::string s;
  for (int i = 1; i <= n; ++i) {
    if (!(in.spv(i) > 0.0f)) w.bad(indexed("spv", i), "span length must be greater than 0");
    s += w.fw(indexed("spv", i), in.spv(i), 7, 3);
  }
  w.line(s);
  w.i2("locked-thickness flag", cf.locked);
  if (cf.locked == 1) {
    s.clear();
    for (int i = 1; i <= n; ++i) s += w.fw(indexed("tjlk", i), in.tjlk(i), 7, 3);
    w.line(s);
  }
  // Joint line t lists the supports of type t, then zeros.
  for (int t = 1; t <= 5; ++t) {
    s.clear();
    int fields = 0;
    for (int j = 1; j <= n + 1; ++j)
      if (in.skarvtyp(j) == t) {
        s += w.iw("skarvtyp", j, 3);
        ++fields;
      }
    for (; fields < n + 1; ++fields) s += "  0";
    w.line(s);
  }
  for (int j = 1; j <= n + 1; ++j)
    if (in.skarvtyp(j) < 0 || in.skarvtyp(j) > 5)
      w.bad(indexed("skarvtyp", j), outside("joint type", in.skarvtyp(j), 0, 5));

  w.free_real("konsv", in.konsv);
  w.free_int(in.mbkonsv);
  w.free_real("konsh", in.konsh);
  w.free_int(in.mbkonsh);

  // (F5.2,1X) fields: five columns each, one blank between.
  s.clear();
  for (int j = 1; j <= n + 1; ++j) {
    if (j > 1) s += ' ';
    s += w.fw(indexed("skarvprc", j), in.skarvprc(j), 5, 2);
  }
  w.line(s);
  s.clear();
  for (int j = 1; j <= n + 1; ++j) {
    if (j > 1) s += ' ';
    s += w.fw(indexed("upplbredd", j), in.upplbredd(j), 5, 2);
  }
  w.line(s);
}

void write_roof(CaseWriter& w, const CaseFile& cf) {
  const InputCase& in = cf.in;
  w.free_real("egentyngd", in.egentyngd);
  if (in.marknadskod == 1) {
    // A value of 0.001 or less cannot stand in record 22 itself.
    if (cf.snow_on_next || !(in.snolast > 0.001f)) {
      w.free_int(0);
      w.free_real("snolast", in.snolast);
    } else {
      w.free_real("snolast", in.snolast);
    }
  } else {
    w.free_real("snolast", in.snolast);
  }
  w.free_real("snoform", in.snoform);
  w.free_real("trivform", in.trivform);
  w.free_real("trivlgd", in.trivlgd);
  w.free_real("trihform", in.trihform);
  w.free_real("trihlgd", in.trihlgd);
  w.free_int(in.fickfack);
  w.free_real("fickform", in.fickform);
  w.free_real("fickmaxlgd", in.fickmaxlgd);
  w.free_real("ficklgd", in.ficklgd);
  w.free_real("fickavst", in.fickavst);
  if (const std::string why = pocket_fault(in); !why.empty()) w.bad("fickavst", why);
  if (in.nlinj < 0 || in.nlinj > 5) w.bad("nlinj", outside("count", in.nlinj, 0, 5));
  w.free_int(in.nlinj);
  // The loads that count must stand on a span; without a first span there are none.
  const int loads = in.linjfack(1) == 0 ? 0 : in.nlinj;
  for (int k = 1; k <= 5; ++k) {
    const Linjlast& l = in.linjlast(k);
    if (k <= loads && (in.linjfack(k) < 1 || in.linjfack(k) > in.nfack))
      w.bad(indexed("linjfack", k), outside("span", in.linjfack(k), 1, in.nfack));
    w.line(w.iw(indexed("linjfack", k), in.linjfack(k), 3) +
           w.fw(indexed("linjavst", k), l.linjavst, 7, 3) +
           w.fw(indexed("brottned", k), l.brottned, 7, 3) +
           w.fw(indexed("bruksned", k), l.bruksned, 7, 3) +
           w.fw(indexed("brottupp", k), l.brottupp, 7, 3));
  }
  w.code("taktyp", in.taktyp, 0, 2);
  if (in.taktyp == 2) {
    w.i2("VEX code", cf.vex_code);
    w.free_real("kvottak", in.kvottak);
  }
  w.free_real("taklutn", in.taklutn);
  w.code("oflans", in.oflans, 0, 2);
  w.free_real("vind(1)", in.vind(1));
  w.free_real("vind(2)", in.vind(2));
  w.free_real("vind(3)", in.vind(3));
  if (in.taktyp == 0) {
    w.free_real("vind(4)", in.vind(4));
    w.free_real("vind(5)", in.vind(5));
  }
}

void write_tail(CaseWriter& w, const CaseFile& cf) {
  const InputCase& in = cf.in;
  w.free_real("nedbkvot", in.nedbkvot);
  w.code("nedbkrav", in.nedbkrav, 0, 2);
  w.free_real("psi0sno", in.psi0sno);
  w.free_real("psi1sno", in.psi1sno);
  w.free_real("psi0vind", in.psi0vind);
  w.free_real("psi1vind", in.psi1vind);
  w.text("pnamn", in.pnamn(1));
  w.free_int(in.mikroband);
  w.free_real("sidoverl(1)", in.sidoverl(1));
  w.code("vandr(1)", in.vandr(1), 1, 2);
  if (has_perfo_and_iskiv(in)) w.code("perfo(1)", in.perfo(1), 0, 2);
  w.i2("utskr", in.utskr);
  if (!has_perfo_and_iskiv(in)) return;
  w.i2("iskiv", in.iskiv);
  if (in.iskiv >= 2) return;
  for (int d = 1; d <= 13; ++d) {
    if (d == 5) {
      w.free_real("D5", cf.d5);
      continue;
    }
    const float v = in.skivdata(skivdata_index(d));
    if (diaphragm_integer(d)) {
      if (v != std::trunc(v) || std::fabs(v) > 16777216.0f)
        w.bad(indexed("skivdata", skivdata_index(d)), "not a whole number");
      w.free_int(static_cast<int>(std::fabs(v) > 16777216.0f ? 0.0f : v));
    } else {
      w.free_real(indexed("skivdata", skivdata_index(d)), v);
    }
  }
  for (int t = 1; t <= 5; ++t) w.text(indexed("skivtext", t), in.skivtext(t));
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
  if (!rd.encoding({"1", "indatafil"}) || !read_case_name(rd, in)) return false;
  blkdat(in);
  if (!read_geometry(rd, cf)) return false;
  if (in.vagg == 0) {
    if (!read_roof(rd, cf)) return false;
  } else if (!read_wall(rd, in)) {
    return false;
  }
  return read_tail(rd, cf);
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
  const InputCase& in = cf.in;
  w.text("indatafil", in.indatafil);
  write_geometry(w, cf);
  if (w.ok()) {
    if (in.vagg == 0)
      write_roof(w, cf);
    else {
      for (const auto& r : kWallWind) w.free_real(indexed("vind", r.entry), in.vind(r.entry));
    }
    write_tail(w, cf);
  }
  if (!w.ok()) {
    fault = w.fault();
    return false;
  }
  out += w.text();
  return true;
}

}  // namespace kvop
