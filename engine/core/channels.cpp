#include "core/channels.h"

#include "core/cp1252.h"

namespace kvop {

bool Channel::open_read(const std::filesystem::path& path) {
  close();
  auto f = std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
  if (!f->is_open()) return false;
  file_ = std::move(f);
  return true;
}

bool Channel::open_write(const std::filesystem::path& path) {
  close();
  auto f = std::make_unique<std::fstream>(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!f->is_open()) return false;
  file_ = std::move(f);
  return true;
}

void Channel::write_line(std::string_view bytes) {
  if (file_) {
    file_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file_->put('\n');
  }
}

void Console::line(std::string_view text) const { *out << ' ' << cp1252::to_utf8(text) << '\n'; }

void Console::empty_line() const { *out << '\n'; }

void Console::error(std::string_view text) const { *err << cp1252::to_utf8(text) << '\n'; }

}  // namespace kvop
