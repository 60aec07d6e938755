// The engine's file channels.  Every file of a run is opened on a fixed unit
// number (3 the input file, 2 the profile database, 7 the report, 8 the
// diaphragm exchange file) and addressed through that number afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <string_view>

namespace kvop {

class Units {
 public:
  // Opens an existing file for reading (bytes, no translation).
  bool open_read(int unit, const std::filesystem::path& path);
  // Creates (or truncates) a file for writing.
  bool open_write(int unit, const std::filesystem::path& path);
  bool is_open(int unit) const;
  // The stream of an open unit, or nullptr.
  std::fstream* stream(int unit);
  // Closes the unit when it is open; nothing happens otherwise.
  void close(int unit);
  // Writes one line (Windows-1252 bytes) and its LF line end to a unit open
  // for writing; nothing is written to a unit that is not open.
  void write_line(int unit, std::string_view bytes);

 private:
  std::map<int, std::unique_ptr<std::fstream>> open_;
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
