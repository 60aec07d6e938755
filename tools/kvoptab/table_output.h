// The load-span table as text (fixed columns, Swedish), CSV and JSON, each
// as the bytes of a whole file (UTF-8).
#pragma once

#include <string>

#include "load_span.h"

namespace kvop::tab {

// The value as tabulated: two decimals from 1 kN/m2, three below.
[[nodiscard]] std::string load_text(double q);

[[nodiscard]] std::string text_table(const Table& tab);
[[nodiscard]] std::string csv_table(const Table& tab);
[[nodiscard]] std::string json_table(const Table& tab);

// Texts of the options as the outputs name them.
[[nodiscard]] std::string market_name(int marknadskod);
[[nodiscard]] std::string orientation_text(int vandr);

}  // namespace kvop::tab
