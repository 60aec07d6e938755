#include "core/channels.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_names.h"

namespace kvop {
namespace fs = std::filesystem;
namespace {

std::string reason(int error) { return std::strerror(error); }

#ifdef _WIN32
// Windows: descriptors in binary mode (no CR added before a line end), names
// in UTF-16.  The file system matches names without regard to letter case.
constexpr int kTruncateFlags = O_WRONLY | O_CREAT | O_TRUNC | O_BINARY;

int open_truncated(const fs::path& path) { return ::_wopen(path.c_str(), kTruncateFlags, 0666); }

int remove_file(const fs::path& path) { return ::_wunlink(path.c_str()) == 0 ? 0 : errno; }

// Creates `path` only when nothing stands under its name.  An existing link
// or junction counts as standing there and is never followed.
int create_new(const fs::path& path) {
  const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    std::error_code ec;
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
        fs::exists(fs::symlink_status(path, ec)))
      errno = EEXIST;
    else if (error == ERROR_ACCESS_DENIED)
      errno = EACCES;
    else if (error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND)
      errno = ENOENT;
    else if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
      errno = ENOSPC;
    else
      errno = EIO;
    return -1;
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
  if (fd < 0) CloseHandle(h);
  return fd;
}

int write_some(int fd, std::string_view bytes) {
  constexpr std::size_t kMost = 1u << 30;
  return ::_write(fd, bytes.data(), static_cast<unsigned>(std::min(bytes.size(), kMost)));
}
#else
constexpr int kTruncateFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;

int open_truncated(const fs::path& path) { return ::open(path.c_str(), kTruncateFlags, 0666); }

int remove_file(const fs::path& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

// Creates `path` only when nothing stands under its name; a symbolic link
// there is never followed.
int create_new(const fs::path& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

ssize_t write_some(int fd, std::string_view bytes) {
  return ::write(fd, bytes.data(), bytes.size());
}
#endif

// Writes all of `bytes` to `fd`; the error number of a failed write, else 0.
int write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto n = write_some(fd, bytes);
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
    if (const int error = remove_file(old)) {
      fail("cannot remove the old file " + old.filename().string() + ":", error);
      return false;
    }
  }
  const int fd = create_new(path);
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
  const int fd = open_truncated(path);
  if (fd < 0) return "cannot create: " + reason(errno);
  std::string failure;
  if (const int error = write_all(fd, bytes)) failure = "cannot write: " + reason(error);
  if (::close(fd) != 0 && failure.empty()) failure = "cannot close: " + reason(errno);
  return failure;
}

void console_writes_bytes_as_given() {
#ifdef _WIN32
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
#endif
}

void Console::line(std::string_view text) const { *out << ' ' << cp1252::to_utf8(text) << '\n'; }

void Console::empty_line() const { *out << '\n'; }

void Console::flush() const { out->flush(); }

void Console::error(std::string_view text) const { *err << cp1252::to_utf8(text) << '\n'; }

}  // namespace kvop
