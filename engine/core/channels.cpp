#include "core/channels.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_names.h"

namespace kvop {
namespace fs = std::filesystem;
namespace {

std::string reason(int error) { return std::strerror(error); }

// Writes all of `bytes` to `fd`; the error number of a failed write, else 0.
int write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// What stands under a name that an exclusive creation found taken.
// `path` is the entry found; its name is told when its letter case differs
// from the name to be created.
std::string in_the_way(const fs::path& path, const fs::path& wanted) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(path, ec);
  const std::string name = path.filename() == wanted.filename()
                               ? std::string("of that name")
                               : "named " + path.filename().string();
  if (fs::is_symlink(st))
    return "a symbolic link " + name + " is in the way (links are not followed)";
  if (fs::is_directory(st)) return "a directory " + name + " is in the way";
  if (fs::exists(st) && !fs::is_regular_file(st))
    return "a special file " + name + " is in the way";
  return "a file of that name appeared while the old one was removed";
}

}  // namespace

Channel::Channel(Channel&& other) noexcept { *this = std::move(other); }

Channel& Channel::operator=(Channel&& other) noexcept {
  if (this != &other) {
    close();
    file_ = std::move(other.file_);
    fd_ = other.fd_;
    other.fd_ = -1;
    buffer_ = std::move(other.buffer_);
    other.buffer_.clear();
    path_ = std::move(other.path_);
    failure_ = std::move(other.failure_);
    created_ = other.created_;
  }
  return *this;
}

Channel::~Channel() { close(); }

bool Channel::open_read(const fs::path& path) {
  close();
  path_ = path;
  failure_.clear();
  created_ = false;
  auto f = std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
  if (!f->is_open()) {
    fail("cannot open", errno);
    return false;
  }
  file_ = std::move(f);
  return true;
}

bool Channel::open_write(const fs::path& path) {
  close();
  path_ = path;
  failure_.clear();
  created_ = false;
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  // The old file goes in whatever letter case it was written.  A link or a
  // directory under the name, in any letter case, is left alone and the
  // creation fails: one name stands for one file, and no link is followed.
  const auto same = same_name_ignoring_case(dir, path.filename().string());
  for (const fs::path& old : same) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(old, ec))) {
      failure_ = "cannot create: " + in_the_way(old, path);
      return false;
    }
  }
  for (const fs::path& old : same) {
    if (::unlink(old.c_str()) != 0) {
      fail("cannot remove the old file " + old.filename().string() + ":", errno);
      return false;
    }
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = errno;
    if (error == EEXIST || error == ELOOP)
      failure_ = "cannot create: " + in_the_way(path, path);
    else
      fail("cannot create:", error);
    return false;
  }
  fd_ = fd;
  created_ = true;
  return true;
}

void Channel::write_line(std::string_view bytes) {
  if (fd_ < 0) return;
  buffer_.append(bytes);
  buffer_ += '\n';
  if (buffer_.size() >= kWritePiece) flush();
}

void Channel::flush() {
  if (fd_ < 0 || buffer_.empty()) return;
  if (failure_.empty()) {
    if (const int error = write_all(fd_, buffer_)) fail("cannot write:", error);
  }
  buffer_.clear();
}

void Channel::close() {
  file_.reset();
  if (fd_ < 0) return;
  flush();
  if (::close(fd_) != 0 && failure_.empty()) fail("cannot close:", errno);
  fd_ = -1;
  buffer_.clear();
}

void Channel::fail(const std::string& what, int error) {
  if (failure_.empty()) failure_ = what + " " + reason(error);
}

std::string Channel::failure_message() const {
  return "kvopwb: " + shown_path(path_) + ": " + cp1252::from_utf8(failure_);
}

std::string write_whole_file(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return "cannot create: " + reason(errno);
  std::string failure;
  if (const int error = write_all(fd, bytes)) failure = "cannot write: " + reason(error);
  if (::close(fd) != 0 && failure.empty()) failure = "cannot close: " + reason(errno);
  return failure;
}

void Console::line(std::string_view text) const { *out << ' ' << cp1252::to_utf8(text) << '\n'; }

void Console::empty_line() const { *out << '\n'; }

void Console::error(std::string_view text) const { *err << cp1252::to_utf8(text) << '\n'; }

}  // namespace kvop
