#include "catalogue.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <system_error>

#include "core/cp1252.h"
#include "profile_rows.h"
#include "profiles/profile_codec.h"
#include "profiles/profile_file.h"

namespace kvop {
namespace fs = std::filesystem;
namespace L = profile_layout;

namespace {

constexpr std::size_t kMaxRecordLength = 1 << 20;
constexpr std::size_t kMaxProfiles = 10000;  // the lookup examines no more

constexpr const char* kOriginMeaning[6] = {
    "", "the system's own range", "supplier 2", "supplier 3", "supplier 4", "unknown supplier"};

// Rows whose values the checks divide by, and which must therefore be
// positive in every column in use.
constexpr int kPositiveRows[] = {1, 3, 5, 6, 9, 10, 13, 14, 23, 25};
constexpr int kPositiveGeneral[] = {2, 3, 12};

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

std::string real_text(float v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// True for the bytes of a record that the engine never reads.
bool unused_byte(std::size_t at, int thickness_count, int scaled_count) {
  if (at >= kProfileRecordBytes) return true;
  if (at >= L::spare_a && at < L::scale) return true;
  if (at >= L::spare_c) return true;
  const std::size_t columns_end = L::per_thickness + L::column_bytes * 10;
  if (at >= L::per_thickness + L::column_bytes * static_cast<std::size_t>(thickness_count) &&
      at < columns_end)
    return true;
  if (at >= L::scale + 4 * static_cast<std::size_t>(scaled_count) && at < L::spare_c) return true;
  return false;
}

// ---- reading the catalogue text -------------------------------------------

struct Token {
  std::string text;
  bool quoted = false;
};

// Splits one line into tokens; "#" outside quotes ends the line.  Quoted
// texts know the escapes \" \\ and \xHH (a byte of the record).
bool tokenize(std::string_view line, std::vector<Token>& out, std::string& why) {
  out.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      Token t;
      t.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char d = line[i];
        if (d == '"') {
          closed = true;
          ++i;
          break;
        }
        if (d == '\\') {
          if (i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
            t.text += line[i + 1];
            i += 2;
            continue;
          }
          unsigned v = 0;
          if (i + 3 < line.size() + 0 && line[i + 1] == 'x' &&
              std::from_chars(line.data() + i + 2, line.data() + i + 4, v, 16).ptr ==
                  line.data() + i + 4) {
            // Marked so that it is not taken for UTF-8 when converted.
            t.text += '\x01';
            t.text += static_cast<char>(v);
            i += 4;
            continue;
          }
          why = "unknown escape in quoted text (use \\\" \\\\ or \\xHH)";
          return false;
        }
        t.text += d;
        ++i;
      }
      if (!closed) {
        why = "quoted text not closed";
        return false;
      }
      out.push_back(std::move(t));
    } else {
      Token t;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
             line[i] != '#')
        t.text += line[i++];
      out.push_back(std::move(t));
    }
  }
  return true;
}

// The designation of a "profile" line as record bytes.
bool designation_bytes(const Token& t, std::string& bytes, std::string& why) {
  bytes.clear();
  std::string utf8;
  auto flush = [&]() -> bool {
    const std::string b = cp1252::from_utf8(utf8);
    if (cp1252::to_utf8(b) != utf8) {
      why = "designation holds a character outside the Windows-1252 set";
      return false;
    }
    bytes += b;
    utf8.clear();
    return true;
  };
  for (std::size_t i = 0; i < t.text.size(); ++i) {
    if (t.quoted && t.text[i] == '\x01' && i + 1 < t.text.size()) {
      if (!flush()) return false;
      bytes += t.text[++i];
    } else {
      utf8 += t.text[i];
    }
  }
  if (!flush()) return false;
  if (bytes.size() > 8) {
    why = "designation \"" + t.text + "\" is longer than 8 characters";
    return false;
  }
  return true;
}

bool parse_int(const std::string& s, long long& v) {
  const char* b = s.data();
  const char* e = b + s.size();
  if (b != e && *b == '+') ++b;
  auto r = std::from_chars(b, e, v);
  return b != e && r.ec == std::errc() && r.ptr == e;
}

bool parse_real(const std::string& s, float& v) {
  const char* b = s.data();
  const char* e = b + s.size();
  if (b != e && *b == '+') ++b;
  auto r = std::from_chars(b, e, v, std::chars_format::general);
  return b != e && r.ec == std::errc() && r.ptr == e;
}

// One profile block while it is read.
struct Block {
  int line = 0;
  std::string designation;
  std::optional<long long> origin;
  int origin_line = 0;
  long long scaled_rows = 0;
  int scaled_line = 0;
  bool scaled_given = false;
  std::size_t length = kProfileRecordBytes;
  bool length_given = false;
  std::map<int, std::pair<float, int>> general;                               // k -> value, line
  std::map<int, std::pair<float, int>> scale;                                 // j -> value, line
  std::map<int, std::pair<std::vector<float>, int>> rows;                     // j -> values, line
  std::vector<std::tuple<std::size_t, std::vector<unsigned char>, int>> raw;  // offset, bytes, line
};

class Parser {
 public:
  Parser(const std::string& file, std::vector<CatalogueProfile>& out, CatalogueError& err)
      : file_(file), out_(out), err_(err) {}

  bool run(std::string_view text) {
    std::size_t pos = 0;
    int number = 0;
    std::vector<Token> tok;
    while (pos <= text.size()) {
      std::size_t nl = text.find('\n', pos);
      if (nl == std::string_view::npos) nl = text.size();
      const std::string_view line = text.substr(pos, nl - pos);
      ++number;
      std::string why;
      if (!tokenize(line, tok, why)) return fail(number, why);
      if (!tok.empty() && !statement(tok, number)) return false;
      if (nl == text.size()) break;
      pos = nl + 1;
    }
    if (block_) return fail(block_->line, "profile block not closed by \"end\"");
    return true;
  }

 private:
  bool fail(int line, const std::string& message) {
    err_.file = file_;
    err_.line = line;
    err_.message = message;
    return false;
  }

  bool want_args(const std::vector<Token>& t, std::size_t min, std::size_t max, int n) {
    if (t.size() - 1 < min || t.size() - 1 > max)
      return fail(n, "\"" + t[0].text + "\" takes " +
                         (min == max ? std::to_string(min) : std::to_string(min) + " or more") +
                         " value" + (max == 1 ? "" : "s"));
    return true;
  }

  bool integer(const Token& t, long long lo, long long hi, long long& v, int n, const char* what) {
    if (!parse_int(t.text, v))
      return fail(n, std::string(what) + " \"" + t.text + "\" is not an integer");
    if (v < lo || v > hi)
      return fail(n, std::string(what) + " " + t.text + " outside " + std::to_string(lo) + ".." +
                         std::to_string(hi));
    return true;
  }

  bool real(const Token& t, float& v, int n) {
    if (!parse_real(t.text, v)) return fail(n, "\"" + t.text + "\" is not a number");
    if (!std::isfinite(v)) return fail(n, "\"" + t.text + "\" is not a finite number");
    return true;
  }

  bool statement(const std::vector<Token>& t, int n) {
    const std::string& key = t[0].text;
    if (key == "profile") {
      if (block_)
        return fail(n, "\"profile\" inside the block of line " + std::to_string(block_->line) +
                           " (missing \"end\")");
      if (!want_args(t, 1, 1, n)) return false;
      block_.emplace();
      block_->line = n;
      std::string why;
      if (!designation_bytes(t[1], block_->designation, why)) return fail(n, why);
      return true;
    }
    if (!block_) return fail(n, "\"" + key + "\" outside a profile block");
    Block& b = *block_;
    if (key == "end") {
      if (!want_args(t, 0, 0, n)) return false;
      return finish(n);
    }
    if (key == "origin") {
      long long v = 0;
      if (b.origin) return fail(n, "origin given twice");
      if (!want_args(t, 1, 1, n) || !integer(t[1], 1, 5, v, n, "origin")) return false;
      b.origin = v;
      b.origin_line = n;
      return true;
    }
    if (key == "scaled_rows") {
      if (b.scaled_given) return fail(n, "scaled_rows given twice");
      if (!want_args(t, 1, 1, n) || !integer(t[1], 0, 30, b.scaled_rows, n, "scaled_rows"))
        return false;
      b.scaled_given = true;
      b.scaled_line = n;
      return true;
    }
    if (key == "length") {
      long long v = 0;
      if (b.length_given) return fail(n, "length given twice");
      if (!want_args(t, 1, 1, n) ||
          !integer(t[1], static_cast<long long>(kProfileRecordBytes),
                   static_cast<long long>(kMaxRecordLength), v, n, "length"))
        return false;
      b.length = static_cast<std::size_t>(v);
      b.length_given = true;
      return true;
    }
    if (key == "general" || key == "scale") {
      long long k = 0;
      float v = 0;
      const bool gen = key == "general";
      if (!want_args(t, 2, 2, n) ||
          !integer(t[1], 1, gen ? 12 : 30, k, n, gen ? "general index" : "row") ||
          !real(t[2], v, n))
        return false;
      auto& m = gen ? b.general : b.scale;
      if (m.count(static_cast<int>(k)))
        return fail(n, key + " " + t[1].text + " given twice (first on line " +
                           std::to_string(m[static_cast<int>(k)].second) + ")");
      m[static_cast<int>(k)] = {v, n};
      return true;
    }
    if (key == "row") {
      long long j = 0;
      if (!want_args(t, 2, 11, n) || !integer(t[1], 1, 30, j, n, "row")) return false;
      if (b.rows.count(static_cast<int>(j)))
        return fail(n, "row " + t[1].text + " given twice (first on line " +
                           std::to_string(b.rows[static_cast<int>(j)].second) + ")");
      std::vector<float> values;
      for (std::size_t k = 2; k < t.size(); ++k) {
        float v = 0;
        if (!real(t[k], v, n)) return false;
        values.push_back(v);
      }
      if (values.size() > 10) return fail(n, "more than 10 thickness columns");
      b.rows[static_cast<int>(j)] = {values, n};
      return true;
    }
    if (key == "raw") {
      long long at = 0;
      if (!want_args(t, 2, 1000, n) ||
          !integer(t[1], 0, static_cast<long long>(kMaxRecordLength) - 1, at, n, "offset"))
        return false;
      std::vector<unsigned char> bytes;
      for (std::size_t k = 2; k < t.size(); ++k) {
        const std::string& h = t[k].text;
        if (h.size() % 2 != 0)
          return fail(n, "raw bytes \"" + h + "\" are not pairs of hex digits");
        for (std::size_t q = 0; q < h.size(); q += 2) {
          unsigned v = 0;
          auto r = std::from_chars(h.data() + q, h.data() + q + 2, v, 16);
          if (r.ec != std::errc() || r.ptr != h.data() + q + 2)
            return fail(n, "raw bytes \"" + h + "\" are not pairs of hex digits");
          bytes.push_back(static_cast<unsigned char>(v));
        }
      }
      b.raw.emplace_back(static_cast<std::size_t>(at), std::move(bytes), n);
      return true;
    }
    return fail(n, "unknown keyword \"" + key + "\"");
  }

  // Checks the block as a whole and compiles its record.
  bool finish(int end_line) {
    Block& b = *block_;
    if (!b.origin) return fail(b.line, "profile without origin");
    auto first = b.rows.find(1);
    if (first == b.rows.end())
      return fail(b.line, "profile without row 1 (the nominal thicknesses)");
    const std::vector<float>& t = first->second.first;
    const int nt = static_cast<int>(t.size());
    for (int i = 1; i < nt; ++i)
      if (!(t[static_cast<std::size_t>(i)] > t[static_cast<std::size_t>(i - 1)]))
        return fail(first->second.second, "nominal thicknesses must ascend from column to column");
    for (const auto& [j, r] : b.rows)
      if (static_cast<int>(r.first.size()) != nt)
        return fail(r.second, "row " + std::to_string(j) + " has " +
                                  std::to_string(r.first.size()) + " values, row 1 has " +
                                  std::to_string(nt) + " thickness columns");
    for (const auto& [j, s] : b.scale)
      if (j > b.scaled_rows)
        return fail(s.second, "scale " + std::to_string(j) + " lies beyond scaled_rows " +
                                  std::to_string(b.scaled_rows) + " and would not be applied");

    ProfileRecord p;
    p.designation.set(b.designation);
    p.thickness_count = nt;
    p.origin_code = static_cast<std::int32_t>(*b.origin);
    p.scaled_count = static_cast<std::int32_t>(b.scaled_rows);
    for (const auto& [k, g] : b.general) p.general(k) = g.first;
    for (int j = 1; j <= p.scaled_count; ++j) p.scale(j) = 1.0f;
    for (const auto& [j, s] : b.scale) p.scale(j) = s.first;
    for (const auto& [j, r] : b.rows)
      for (int i = 1; i <= nt; ++i)
        p.per_thickness(j, i) = r.first[static_cast<std::size_t>(i - 1)];

    // The values as the engine sees them after the lookup's scaling.
    for (int j : kPositiveRows) {
      auto it = b.rows.find(j);
      const int line = it == b.rows.end() ? b.line : it->second.second;
      for (int i = 1; i <= nt; ++i) {
        const float v =
            j <= p.scaled_count ? p.per_thickness(j, i) * p.scale(j) : p.per_thickness(j, i);
        if (!(v > 0) || !std::isfinite(v))
          return fail(line, "row " + std::to_string(j) + " (" + kRowMeaning[j] +
                                ") must be positive in every column; column " + std::to_string(i) +
                                " is " + real_text(v));
      }
    }
    for (int k : kPositiveGeneral)
      if (!(p.general(k) > 0)) {
        auto it = b.general.find(k);
        return fail(
            it == b.general.end() ? b.line : it->second.second,
            "general " + std::to_string(k) + " (" + kGeneralMeaning[k] + ") must be positive");
      }

    RecordBytes bytes = encode_profile_record(p);
    bytes.resize(b.length, 0);
    for (const auto& [at, raw, line] : b.raw) {
      for (std::size_t q = 0; q < raw.size(); ++q) {
        const std::size_t o = at + q;
        if (o >= b.length)
          return fail(line, "raw byte at offset " + std::to_string(o) +
                                " lies beyond the record length " + std::to_string(b.length));
        if (!unused_byte(o, nt, p.scaled_count))
          return fail(line, "raw byte at offset " + std::to_string(o) +
                                " would overwrite a value the engine reads");
        bytes[o] = raw[q];
      }
    }
    out_.push_back({std::move(bytes), file_, b.line});
    block_.reset();
    (void)end_line;
    return true;
  }

  const std::string& file_;
  std::vector<CatalogueProfile>& out_;
  CatalogueError& err_;
  std::optional<Block> block_;
};

// ---- printing ---------------------------------------------------------------

std::string quoted_designation(std::string_view d) {
  while (!d.empty() && d.back() == ' ') d.remove_suffix(1);
  bool bare = !d.empty();
  for (char c : d) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F || c == '"' || c == '#' || c == '\\') bare = false;
  }
  if (bare) return std::string(d);
  std::string s = "\"";
  for (char c : d) {
    const auto u = static_cast<unsigned char>(c);
    const bool unassigned = u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
    if (c == '"' || c == '\\') {
      s += '\\';
      s += c;
    } else if (u < 0x20 || u == 0x7F || unassigned) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", u);
      s += buf;
    } else {
      s += cp1252::to_utf8(std::string_view(&c, 1));
    }
  }
  return s + "\"";
}

std::string pad(std::string s, std::size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

void print_profile(const RecordBytes& bytes, const ProfileRecord& p, std::ostringstream& o) {
  const int nt = p.thickness_count;
  o << "\nprofile " << quoted_designation(p.designation.view()) << '\n';
  o << pad("  origin " + std::to_string(p.origin_code), 34) << "# " << kOriginMeaning[p.origin_code]
    << '\n';
  o << pad("  scaled_rows " + std::to_string(p.scaled_count), 34) << "# rows 1.." << p.scaled_count
    << " are multiplied by their scale\n";
  for (int k = 1; k <= 12; ++k)
    o << pad("  general " + pad(std::to_string(k), 3) + real_text(p.general(k)), 34) << "# "
      << kGeneralMeaning[k] << '\n';
  for (int j = 1; j <= p.scaled_count; ++j)
    if (bits(p.scale(j)) != bits(1.0f))
      o << pad("  scale " + pad(std::to_string(j), 3) + real_text(p.scale(j)), 34) << "# row " << j
        << " is stored as engine value / " << real_text(p.scale(j)) << '\n';
  for (int j = 1; j <= 30; ++j) {
    bool any = j == 1;
    for (int i = 1; i <= nt; ++i) any = any || bits(p.per_thickness(j, i)) != 0;
    if (!any) continue;
    std::string line = "  row " + pad(std::to_string(j), 3);
    for (int i = 1; i <= nt; ++i) line += " " + pad(real_text(p.per_thickness(j, i)), 10);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    o << line << "   # " << kRowMeaning[j];
    if (j <= p.scaled_count && bits(p.scale(j)) != bits(1.0f)) o << ", after the scale";
    o << '\n';
  }
  if (bytes.size() != kProfileRecordBytes) o << "  length " << bytes.size() << '\n';
  // Bytes the engine does not read, where they are not zero.
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (bytes[at] == 0 || !unused_byte(at, nt, p.scaled_count)) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < bytes.size() && end - at < 32 && bytes[end] != 0 &&
           unused_byte(end, nt, p.scaled_count))
      ++end;
    o << "  raw " << at << ' ';
    for (std::size_t q = at; q < end; ++q) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%02X", bytes[q]);
      o << buf;
    }
    o << '\n';
    at = end;
  }
  o << "end\n";
}

}  // namespace

std::string CatalogueError::text() const {
  return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

bool parse_catalogue(std::string_view text, const std::string& file,
                     std::vector<CatalogueProfile>& out, CatalogueError& err) {
  Parser parser(file, out, err);
  return parser.run(text);
}

bool compile_catalogues(const std::vector<fs::path>& files, std::vector<RecordBytes>& records,
                        CatalogueError& err) {
  std::vector<CatalogueProfile> all;
  for (const fs::path& f : files) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
      err = {f.string(), 0, "cannot be read"};
      return false;
    }
    if (!parse_catalogue(text.str(), f.string(), all, err)) return false;
  }
  std::map<std::string, const CatalogueProfile*> seen;
  for (const CatalogueProfile& p : all) {
    const std::string d(p.bytes.begin(), p.bytes.begin() + 8);
    auto [it, fresh] = seen.emplace(d, &p);
    if (!fresh) {
      err = {p.file, p.line,
             "profile " + quoted_designation(d) + " is already defined at " + it->second->file +
                 ":" + std::to_string(it->second->line) + " (the lookup takes the first one only)"};
      return false;
    }
  }
  if (all.size() > kMaxProfiles) {
    const CatalogueProfile& p = all[kMaxProfiles];
    err = {p.file, p.line, "more than 10000 profiles: the lookup never examines this one"};
    return false;
  }
  records.clear();
  for (CatalogueProfile& p : all) records.push_back(std::move(p.bytes));
  return true;
}

std::string database_bytes(const std::vector<RecordBytes>& records) {
  std::ostringstream out;
  for (const RecordBytes& r : records) write_record(out, r);
  return out.str();
}

bool read_database(std::istream& in, std::vector<RecordBytes>& records, std::string& why) {
  records.clear();
  RecordBytes bytes;
  for (;;) {
    std::string fault;
    const RecordRead r = read_record(in, bytes, 0, fault);
    if (r == RecordRead::end) return true;
    if (r == RecordRead::unreadable) {
      why = "record " + std::to_string(records.size() + 1) + ": " + cp1252::to_utf8(fault);
      return false;
    }
    records.push_back(bytes);
  }
}

bool print_catalogue(const std::vector<RecordBytes>& records, std::string& text, std::string& why) {
  std::ostringstream o;
  o << "# Profile catalogue, printed from a profile database.\n"
       "# One block per profile; \"row J\" gives row J of the thickness table with one\n"
       "# value per thickness column, as stored.  The engine multiplies rows\n"
       "# 1..scaled_rows by their scale factor; the comments name the meaning and unit\n"
       "# of each value after that scaling.\n";
  for (std::size_t k = 0; k < records.size(); ++k) {
    const RecordBytes& r = records[k];
    const auto p = decode_profile_record(r);
    const std::string at = "record " + std::to_string(k + 1) + ": ";
    if (!p) {
      why = at + "only " + std::to_string(r.size()) + " bytes, at least 2228 are needed";
      return false;
    }
    if (p->thickness_count < 1 || p->thickness_count > 10) {
      why = at + "thickness count " + std::to_string(p->thickness_count) + " outside 1..10";
      return false;
    }
    if (p->scaled_count < 0 || p->scaled_count > 30) {
      why = at + "scaled row count " + std::to_string(p->scaled_count) + " outside 0..30";
      return false;
    }
    if (p->origin_code < 1 || p->origin_code > 5) {
      why = at + "origin " + std::to_string(p->origin_code) + " outside 1..5";
      return false;
    }
    print_profile(r, *p, o);
  }
  text = o.str();
  return true;
}

bool write_file_atomically(const fs::path& path, const std::string& bytes, std::string& why) {
  std::random_device rd;
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const fs::path tmp = dir / ("." + path.filename().string() + ".tmp" + std::to_string(rd()));
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ec;
      fs::remove(tmp, ec);
      why = "cannot write " + tmp.string();
      return false;
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    fs::remove(tmp, ec);
    why = "cannot replace " + path.string() + ": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace kvop
