// The rows of a profile's thickness table and its general values by name.
// data/profile_rows.tsv documents them (meaning and units); a test holds
// these names to that list.  `no(...)` gives the 1-based number under which
// ProfileRecord (and the checks' working copy of the table) stores them.
#pragma once

#include <string_view>

namespace kvop {

// Rows of per_thickness(row, column) that the engine reads.
enum class Row : int {
  nominal_thickness = 1,
  core_thickness = 3,
  self_weight = 4,
  // Group of the broad flange in compression: stiffness, moment resistance,
  // the two interaction coefficients, in this order; the narrow flange's
  // group follows the same order.
  stiffness_broad = 5,
  moment_broad = 6,
  c7_broad = 7,
  c8_broad = 8,
  stiffness_narrow = 9,
  moment_narrow = 10,
  c7_narrow = 11,
  c8_narrow = 12,
  web_crippling = 13,
  bearing_length = 14,
  walk_limit_single = 16,          // walkable span, no continuous end
  walk_limit_one_continuous = 19,  // walkable span, one continuous end
  seam_shear = 22,
  fastening_along_slope = 23,
  shear_buckling = 24,
  end_fastening = 25,
};

// General values general(k), independent of the thickness.
enum class General : int {
  height = 1,
  module_width = 2,
  cover_width = 3,
  anchorage_free = 4,
  anchorage_locked = 5,
  perforation_moment = 6,  // on the stiffness and moment rows
  perforation_web = 7,     // on the web crippling row
  overlap_c8 = 8,
  overlap_c9 = 9,
  threshold_broad = 10,
  threshold_narrow = 11,
  elastic_modulus = 12,
};

constexpr int no(Row r) { return static_cast<int>(r); }
constexpr int no(General g) { return static_cast<int>(g); }

// Every name with the meaning data/profile_rows.tsv gives its number.
struct NamedRow {
  Row row;
  std::string_view meaning;
};
struct NamedGeneral {
  General value;
  std::string_view meaning;
};

inline constexpr NamedRow kNamedRows[] = {
    {Row::nominal_thickness, "nominal thickness"},
    {Row::core_thickness, "core thickness"},
    {Row::self_weight, "self weight of the sheet"},
    {Row::stiffness_broad, "effective second moment, broad flange in compression"},
    {Row::moment_broad, "moment resistance Mc,Rk, broad flange in compression"},
    {Row::c7_broad, "interaction coefficient C7 on R/Rw, broad flange in compression"},
    {Row::c8_broad, "interaction divisor C8, broad flange in compression"},
    {Row::stiffness_narrow, "effective second moment, narrow flange in compression"},
    {Row::moment_narrow, "moment resistance Mc,Rk, narrow flange in compression"},
    {Row::c7_narrow, "interaction coefficient C7 on R/Rw, narrow flange in compression"},
    {Row::c8_narrow, "interaction divisor C8, narrow flange in compression"},
    {Row::web_crippling, "web crippling resistance Rw,Rk at the reference bearing length"},
    {Row::bearing_length, "reference bearing length la"},
    {Row::walk_limit_single, "walkable span, no continuous end"},
    {Row::walk_limit_one_continuous, "walkable span, one continuous end"},
    {Row::seam_shear, "seam shear capacity P22"},
    {Row::fastening_along_slope, "fastening capacity A along the slope"},
    {Row::shear_buckling, "global shear buckling term P24 (divided by the span squared)"},
    {Row::end_fastening, "end fastening capacity D"},
};

inline constexpr NamedGeneral kNamedGenerals[] = {
    {General::height, "h, profile height"},
    {General::module_width, "b, module width"},
    {General::cover_width, "B, cover width"},
    {General::anchorage_free, "K0, end anchorage factor, top flange free"},
    {General::anchorage_locked, "K1, end anchorage factor, top flange locked"},
    {General::perforation_moment, "perforation factor on rows 5, 6, 9, 10"},
    {General::perforation_web, "perforation factor on row 13"},
    {General::overlap_c8, "c8, overlap flexibility"},
    {General::overlap_c9, "c9, overlap flexibility"},
    {General::threshold_broad, "g, interaction threshold, broad flange on the purlin"},
    {General::threshold_narrow, "g, interaction threshold, narrow flange on the purlin"},
    {General::elastic_modulus, "E, elastic modulus"},
};

}  // namespace kvop
