// The engine's file channels and its console.  A run has one channel for each
// of its files - the calculation input file, the profile database, the report
// and the diaphragm exchange file - held by name in the run context.  A step
// opens the channel it needs; the main routine or the owning step closes it.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string_view>

namespace kvop {

class Channel {
 public:
  // Opens an existing file for reading (bytes, no translation).  A file that
  // was open on the channel is closed first.
  bool open_read(const std::filesystem::path& path);
  // Creates (or truncates) a file for writing.
  bool open_write(const std::filesystem::path& path);
  bool is_open() const { return file_ != nullptr; }
  // The stream of the open file, or nullptr.
  std::fstream* stream() { return file_.get(); }
  // Closes the file when one is open; nothing happens otherwise.
  void close() { file_.reset(); }
  // Writes one line (Windows-1252 bytes) and its LF line end to a file open
  // for writing; nothing is written when no file is open.
  void write_line(std::string_view bytes);

 private:
  std::unique_ptr<std::fstream> file_;
};

// The files of one run.
struct Channels {
  Channel input;     // "~INDATA~.TMP", open from the reader to the end of the run
  Channel database;  // "PROFILKV.BIN", open during one profile lookup
  Channel report;    // the report "<case>.RED"
  Channel exchange;  // the diaphragm exchange file "SKIVA.INS"
};

// The engine's console.  Engine texts are Windows-1252; the console gets them
// as UTF-8, the encoding of today's terminals.
struct Console {
  std::ostream* out;
  std::ostream* err;
  // A list-directed (free-format) line: one blank, then the text.
  void line(std::string_view cp1252_text) const;
  void empty_line() const;
  // A message on the error stream, written as it stands (Windows-1252).
  void error(std::string_view cp1252_text) const;
};

}  // namespace kvop
