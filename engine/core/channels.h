// The engine's file channels and its console.  A run has one channel for each
// of its files - the calculation input file, the profile database, the report
// and the diaphragm exchange file - held by name in the run context.  A step
// opens the channel it needs; the main routine or the owning step closes it.
//
// A channel open for writing checks every write and its close: the first
// failure (a full disk, a file-size limit, a file that could not be created)
// is kept with the system's reason, later lines are dropped, and the main
// routine reports it when it closes the channel, so that a cut-off file never
// passes for a finished one.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace kvop {

class Channel {
 public:
  Channel() = default;
  Channel(const Channel&) = delete;
  Channel& operator=(const Channel&) = delete;
  // A moved channel hands its open file over; the one moved from is closed.
  Channel(Channel&& other) noexcept;
  Channel& operator=(Channel&& other) noexcept;
  ~Channel();

  // Opens an existing file for reading (bytes, no translation).  A file that
  // was open on the channel is closed first.
  bool open_read(const std::filesystem::path& path);
  // Creates the file `path` anew for writing.  Every file of its directory
  // whose name equals the name of `path` without regard to letter case is
  // removed first (names are matched like that when files are looked up), and
  // the file is created under exactly that name.  A name that still exists
  // then - a symbolic link, a directory, a file made meanwhile - makes the
  // creation fail: nothing is ever written through a link.  On failure
  // failure() tells why.
  bool open_write(const std::filesystem::path& path);
  bool is_open() const { return file_ != nullptr || fd_ >= 0; }
  // The stream of a file open for reading, or nullptr.
  std::fstream* stream() { return file_.get(); }
  // Closes the file when one is open; nothing happens otherwise.  A file
  // open for writing is written out first; a failure of that or of the close
  // is kept like a failed write.
  void close();
  // Writes one line (Windows-1252 bytes) and its LF line end to a file open
  // for writing; nothing is written when no file is open or a write failed.
  void write_line(std::string_view bytes);
  // Writes lines composed in place: `compose(buffer)` appends whole lines,
  // each with its LF line end, to the channel's std::string of lines not yet
  // written, and they go out like lines given to write_line.  `compose` is
  // not called when no file is open for writing.  It must leave the buffer
  // as it found it when it throws.
  template <class Compose>
  void write_lines(Compose&& compose) {
    if (fd_ < 0) return;
    compose(buffer_);
    if (buffer_.size() >= kWritePiece) flush();
  }

  // The file last opened or created on the channel (empty before).
  const std::filesystem::path& path() const { return path_; }
  // True when opening, creating, writing or closing the file failed.
  bool failed() const { return !failure_.empty(); }
  // True when a file was created and a write or the close then failed: the
  // file on disk is incomplete.
  bool write_failed() const { return created_ && failed(); }
  // What failed and the system's reason ("cannot write: No space left on
  // device"); empty when nothing failed.
  const std::string& failure() const { return failure_; }
  // The console message of the failure: the program, the file (absolute
  // path) and what failed with the system's reason (Windows-1252).
  std::string failure_message() const;

 private:
  // Lines are collected and written in pieces of this size.
  static constexpr std::size_t kWritePiece = 1 << 16;

  void flush();
  void fail(const std::string& what, int error);

  std::unique_ptr<std::fstream> file_;  // open for reading
  int fd_ = -1;                         // open for writing
  std::string buffer_;                  // lines not yet written to fd_
  std::filesystem::path path_;
  std::string failure_;
  bool created_ = false;
};

// The files of one run.
struct Channels {
  Channel input;     // "~INDATA~.TMP", open from the reader to the end of the run
  Channel database;  // "PROFILKV.BIN", open during one profile lookup
  Channel report;    // the report "<case>.RED"
  Channel exchange;  // the diaphragm exchange file "SKIVA.INS"
};

// Writes `bytes` as the whole file `path` (created or truncated; a link is
// followed, as the user named the file); every write and the close are
// checked.  Returns the failure with the system's reason, empty on success.
std::string write_whole_file(const std::filesystem::path& path, std::string_view bytes);

// The engine's console.  Engine texts are Windows-1252; the console gets them
// as UTF-8, the encoding of today's terminals.
struct Console {
  std::ostream* out;
  std::ostream* err;
  // A list-directed (free-format) line: one blank, then the text.
  void line(std::string_view cp1252_text) const;
  void empty_line() const;
  // Passes what was written on to the terminal, file or pipe at once.
  void flush() const;
  // A message on the error stream, written as it stands (Windows-1252).
  void error(std::string_view cp1252_text) const;
};

// Makes the standard output and error streams pass line ends as they are
// written, so the console text is the same bytes on every system (Windows
// would otherwise put a carriage return before each line end).
void console_writes_bytes_as_given();

}  // namespace kvop
