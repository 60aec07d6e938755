#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <system_error>

namespace kvop::fuzz {
namespace fs = std::filesystem;

namespace {

struct Scratch {
  fs::path path;
  Scratch() {
    std::error_code ec;
    const fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    path = base / ("kvop-fuzz-" + std::to_string(getpid()));
    fs::remove_all(path, ec);
    fs::create_directories(path);
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

}  // namespace

const fs::path& scratch() {
  static const Scratch s;
  return s.path;
}

void write_file(const fs::path& path, std::string_view bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!f) fault("cannot write the fuzz input to " + path.string());
}

std::string entries(const fs::path& dir) {
  std::set<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    names.insert(it->path().filename().string());
  std::string s;
  for (const auto& n : names) s += "[" + n + "]";
  return s;
}

void fault(const std::string& what) {
  std::fprintf(stderr, "kvop fuzz check failed: %s\n", what.c_str());
  std::abort();
}

QuietRun::QuietRun(const fs::path& dir) {
  ctx.dir = dir;
  ctx.console = Console{&out, &err};
  ctx.clock = [] { return LocalTime{2026, 3, 5, 14, 7, 9, 42}; };
}

}  // namespace kvop::fuzz
