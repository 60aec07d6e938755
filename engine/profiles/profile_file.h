// The record framing of the profile database file: every record is stored as
// a 4-byte little-endian byte count, the record's bytes and the same count
// again.  The lookup and the catalogue tool read and write it through here.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kvop {

enum class RecordRead {
  ok,          // a whole record was read
  end,         // the file ends before the record's leading count
  unreadable,  // a count or the record's bytes are cut off, or the counts differ
};

// Reads the next record.  With `keep` bytes the record's first `keep` bytes go
// to `bytes` and the rest is skipped; keep 0 keeps the whole record.  `why`
// says what is wrong when the record is unreadable (Windows-1252 text).
RecordRead read_record(std::istream& in, std::vector<unsigned char>& bytes, std::size_t keep,
                       std::string& why);

// Writes one record with its two counts.
void write_record(std::ostream& out, const std::vector<unsigned char>& bytes);

}  // namespace kvop
