// Values of the machine-readable run account (--json), shared by the parts
// of the account that each subsystem writes about its own records.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

namespace kvop {

// A 32-bit real as a JSON number that reads back as the same 32-bit value.
nlohmann::json json_real(float v);
// A Windows-1252 text as JSON text, without its trailing blanks.
nlohmann::json json_text(std::string_view cp1252_text);

}  // namespace kvop
