// Finding and opening the profile database: the program directory is the
// first word of the first line of "BRASKO.INI" in the working directory.
#include <fstream>
#include <string>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_names.h"
#include "profiles/profile_db.h"

namespace kvop {
namespace {

constexpr std::string_view kSuffix = "\\PROFILKV.BIN";

// True when the bytes form UTF-8 text with at least one non-ASCII character.
bool is_utf8_text(std::string_view s) {
  bool wide = false;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t len = b < 0x80           ? 1
                      : (b >> 5) == 0x6  ? 2
                      : (b >> 4) == 0xE  ? 3
                      : (b >> 3) == 0x1E ? 4
                                         : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    wide = wide || len > 1;
    i += len;
  }
  return wide;
}

// Reads the first line of the settings file as 80 characters.  The editor
// writes the file in Windows-1252 with CR LF line ends; a line typed on this
// system is UTF-8 and is taken over character by character.
bool read_first_line(const std::filesystem::path& path, Text<80>& line, bool& empty_file) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  std::string s;
  if (!std::getline(f, s)) {
    empty_file = true;
    return false;
  }
  if (!s.empty() && s.back() == '\r') s.pop_back();
  if (is_utf8_text(s)) s = cp1252::from_utf8(s);
  line.set(s);
  return true;
}

// Resolves the built database name.  A directory written as an absolute path
// of this system ("/opt/kvop/bin") starts at the root; any other name is
// resolved from the working directory, backslashes separating directories.
std::optional<std::filesystem::path> resolve(const std::filesystem::path& dir,
                                             std::string_view name) {
  if (!name.empty() && name[0] == '/') return find_windows_path("/", name.substr(1));
  return find_windows_path(dir, name);
}

}  // namespace

Text<80> profile_db_name(const Text<80>& first_line) {
  const std::string_view line = first_line.view();
  std::size_t length = line.find(' ');
  if (length == std::string_view::npos) length = 40;
  std::string name(line.substr(0, length));
  name += kSuffix;
  return Text<80>(name);
}

int opdbas(RunContext& ctx) {
  const auto ini = find_file(ctx.dir, "BRASKO.INI");
  Text<80> first_line;
  bool empty_file = false;
  if (!ini) {
    ctx.console.error(enc(" *** FEL VID ÖPPNING AV FIL ***"));
    ctx.console.error(enc(" INSTÄLLNINGSFILEN BRASKO.INI FINNS EJ I ARBETSKATALOGEN ") +
                      shown_path(ctx.dir));
    return 2;
  }
  if (!read_first_line(*ini, first_line, empty_file)) {
    ctx.console.error(enc(" *** FEL VID ÖPPNING AV FIL ***"));
    if (empty_file)
      ctx.console.error(enc(" INSTÄLLNINGSFILEN ") + shown_path(*ini) +
                        enc(" ÄR TOM; FÖRSTA RADEN SKA ANGE PROGRAMKATALOGEN"));
    else
      ctx.console.error(enc(" INSTÄLLNINGSFILEN ") + shown_path(*ini) + enc(" KAN EJ LÄSAS"));
    return 2;
  }

  const Text<80> name = profile_db_name(first_line);
  const std::string_view wanted = name.trimmed();
  const auto db = resolve(ctx.dir, wanted);
  if (!db || !ctx.channels.database.open_read(*db)) {
    ctx.console.error(enc(" *** FEL VID ÖPPNING AV FIL ***"));
    if (db)
      ctx.console.error(enc(" PROFILDATABASEN KAN EJ ÖPPNAS: ") + shown_path(*db) + " (" +
                        cp1252::from_utf8(ctx.channels.database.failure()) + ")");
    else
      ctx.console.error(enc(" PROFILDATABASEN FINNS EJ: ") + std::string(wanted));
    ctx.console.error(enc(" NAMNET ÄR BILDAT AV FÖRSTA RADEN I ") + shown_path(*ini) +
                      enc(", SÖKT FRÅN ") + shown_path(ctx.dir));
    return 2;
  }
  return 0;
}

}  // namespace kvop
