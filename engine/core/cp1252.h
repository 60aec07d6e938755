// Windows-1252 is the character set of every file the programs read and
// write.  Texts live in the engine as Windows-1252 bytes; the Swedish texts
// of the source code are written readable (UTF-8) and converted here only.
#pragma once

#include <string>
#include <string_view>

namespace kvop::cp1252 {

// UTF-8 to Windows-1252; a character the set lacks becomes '?'.
std::string from_utf8(std::string_view utf8);
// Windows-1252 to UTF-8; the five unassigned bytes map to the C1 controls.
std::string to_utf8(std::string_view bytes);

}  // namespace kvop::cp1252

namespace kvop {
// Short form used where a Swedish literal becomes report or file text.
inline std::string enc(std::string_view utf8) { return cp1252::from_utf8(utf8); }
}  // namespace kvop
