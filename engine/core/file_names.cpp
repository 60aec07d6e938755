#include "core/file_names.h"

#include <string>
#include <system_error>

#include "core/cp1252.h"

namespace kvop {
namespace fs = std::filesystem;
namespace {

char fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Looks `utf8name` up among the entries of `dir`.
std::optional<fs::path> find_entry(const fs::path& dir, const std::string& utf8name,
                                   bool want_directory) {
  std::error_code ec;
  const fs::path exact = dir / utf8name;
  auto fits = [&](const fs::path& p) {
    return want_directory ? fs::is_directory(p, ec) : fs::is_regular_file(p, ec);
  };
  if (fits(exact)) return exact;
  for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (same_ignoring_case(it->path().filename().string(), utf8name) && fits(it->path()))
      return it->path();
  }
  return std::nullopt;
}

}  // namespace

bool same_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

std::vector<fs::path> same_name_ignoring_case(const fs::path& dir, const std::string& utf8name) {
  std::vector<fs::path> found;
  std::error_code ec;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) {
    if (fs::exists(fs::symlink_status(dir / utf8name, ec))) found.push_back(dir / utf8name);
    return found;
  }
  for (fs::directory_iterator end; !ec && it != end; it.increment(ec))
    if (same_ignoring_case(it->path().filename().string(), utf8name)) found.push_back(it->path());
  return found;
}

std::string shown_path(const fs::path& p) {
  std::error_code ec;
  const fs::path a = fs::absolute(p, ec);
  return cp1252::from_utf8((ec ? p : a.lexically_normal()).string());
}

std::optional<fs::path> find_file(const fs::path& dir, std::string_view name) {
  if (!is_bare_file_name(name)) return std::nullopt;
  return find_entry(dir, cp1252::to_utf8(name), false);
}

fs::path file_for_writing(const fs::path& dir, std::string_view name) {
  return dir / cp1252::to_utf8(name);
}

std::optional<fs::path> find_windows_path(const fs::path& dir, std::string_view name) {
  fs::path at = dir;
  std::size_t pos = 0;
  if (!name.empty() && name[0] == '\\') {
    at = dir.root_path().empty() ? fs::current_path().root_path() : dir.root_path();
    pos = 1;
  }
#ifdef _WIN32
  // A drive letter: "C:\KVOP" from the root of drive C, "C:KVOP" from the
  // current directory of drive C.
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (name.size() >= 2 && letter(name[0]) && name[1] == ':') {
    const bool rooted = name.size() > 2 && (name[2] == '\\' || name[2] == '/');
    at = fs::path(std::string(name.substr(0, 2)) + (rooted ? "\\" : ""));
    pos = rooted ? 3 : 2;
  }
#endif
  // The usual case first: every component stands as written, and one look-up
  // finds the file instead of one per directory.
  {
    std::string rest = cp1252::to_utf8(name.substr(pos));
    for (char& c : rest)
      if (c == '\\') c = '/';
    std::error_code ec;
    fs::path exact = at / rest;
    if (!rest.empty() && rest.back() != '/' && fs::is_regular_file(exact, ec)) return exact;
  }
  while (pos <= name.size()) {
    std::size_t next = name.find_first_of("\\/", pos);
    if (next == std::string_view::npos) next = name.size();
    std::string part = cp1252::to_utf8(name.substr(pos, next - pos));
    const bool last = next == name.size();
    if (part.empty() || part == ".") {
      if (last) return std::nullopt;
    } else if (part == "..") {
      at = at / "..";
    } else {
      auto found = find_entry(at, part, !last);
      if (!found) return std::nullopt;
      at = *found;
    }
    if (last) break;
    pos = next + 1;
  }
  return at;
}

std::string shown(const fs::path& p) {
  std::error_code ec;
  const fs::path a = fs::absolute(p, ec);
  return cp1252::from_utf8((ec ? p : a.lexically_normal()).string());
}

bool is_bare_file_name(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("/\\:") == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

}  // namespace kvop
