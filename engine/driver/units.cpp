#include "driver/units.h"

#include "report/cp1252.h"

namespace kvop {

bool Units::open_read(int unit, const std::filesystem::path& path) {
  close(unit);
  auto f = std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
  if (!f->is_open()) return false;
  open_[unit] = std::move(f);
  return true;
}

bool Units::open_write(int unit, const std::filesystem::path& path) {
  close(unit);
  auto f = std::make_unique<std::fstream>(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!f->is_open()) return false;
  open_[unit] = std::move(f);
  return true;
}

bool Units::is_open(int unit) const { return open_.count(unit) != 0; }

std::fstream* Units::stream(int unit) {
  auto it = open_.find(unit);
  return it == open_.end() ? nullptr : it->second.get();
}

void Units::close(int unit) { open_.erase(unit); }

void Units::write_line(int unit, std::string_view bytes) {
  if (auto* f = stream(unit)) {
    f->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f->put('\n');
  }
}

void Console::line(std::string_view text) const { *out << ' ' << cp1252::to_utf8(text) << '\n'; }

void Console::empty_line() const { *out << '\n'; }

void Console::error(std::string_view text) const { *err << cp1252::to_utf8(text) << '\n'; }

}  // namespace kvop
