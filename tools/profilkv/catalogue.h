// The profile catalogue: the human-readable text from which the binary
// profile database is compiled, and into which a database is printed back.
//
// A catalogue holds one block per profile:
//
//   profile R820              # designation, 8 characters, blank padded
//     origin 1                # 1 own range, 2..4 other suppliers, 5 unknown
//     scaled_rows 19          # rows 1..19 are multiplied by their scale
//     general 1 0.130         # general(1) .. general(12)
//     scale 5 1e-8            # scale(j) for j <= scaled_rows, default 1
//     row 1 0.70 0.80 0.90    # nominal thicknesses: one value per column
//     row 5 312 367 421       # row j: one value per thickness column
//   end
//
// Rows that are not given are 0.  "length N" keeps a record longer than the
// 2228 bytes the engine reads, and "raw OFFSET HEX..." keeps bytes at places
// the engine never reads (the spare areas, unused columns and scale factors,
// the tail of a long record), so that every database prints and compiles
// back to the same bytes.  "#" starts a comment.
#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace kvop {

// One record of the database, as stored (the two counts not included).
using RecordBytes = std::vector<unsigned char>;

// Where a catalogue is wrong.
struct CatalogueError {
  std::string file;
  int line = 0;  // 0 when the fault has no line (a file that cannot be read)
  std::string message;
  std::string text() const;  // "file:line: message"
};

// A compiled profile with the place of its block.
struct CatalogueProfile {
  RecordBytes bytes;
  std::string file;
  int line = 0;
};

// Compiles the catalogue text `text` (UTF-8) of file `file` and appends its
// profiles to `out`.  Returns false at the first fault.
bool parse_catalogue(std::string_view text, const std::string& file,
                     std::vector<CatalogueProfile>& out, CatalogueError& err);

// Compiles catalogue files in order into the records of one database.  A
// designation given twice and more profiles than the lookup examines are
// refused.
bool compile_catalogues(const std::vector<std::filesystem::path>& files,
                        std::vector<RecordBytes>& records, CatalogueError& err);

// The database file's bytes for the records.
std::string database_bytes(const std::vector<RecordBytes>& records);

// Reads every record of a database.  False, with `why`, when a record cannot
// be read.
bool read_database(std::istream& in, std::vector<RecordBytes>& records, std::string& why);

// Prints records as a catalogue that compiles back to the same bytes.  False,
// with `why`, for a record that the lookup could not read either (shorter
// than 2228 bytes, counts out of range).
bool print_catalogue(const std::vector<RecordBytes>& records, std::string& text, std::string& why);

// Writes `bytes` to `path` through a temporary file in the same directory
// that is renamed at the end, so that a failed write leaves no partial file.
bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes,
                           std::string& why);

}  // namespace kvop
