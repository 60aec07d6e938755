// Load-span tables: for one profile and every thickness of it, the largest
// load a sheet of equal spans carries, span by span, found with the engine's
// own analysis and section checks with the thickness locked and the load
// placed directly as the design (or characteristic) load of its load case.
#pragma once

#include <string_view>
#include <vector>

#include "core/input_case.h"
#include "core/profile_record.h"
#include "core/run_context.h"

namespace kvop::tab {

// The check that limits a load.
enum class Governs {
  none,                 // no check limits the load (no value)
  span_moment,          // field moment of a span
  support_interaction,  // moment and reaction at an inner support
  end_web_crippling,    // web crippling (with the end anchorage) at a sheet end
  support_moment,       // bending alone over a support the sheet lifts from
  deflection,           // deflection limit of a span
};

// The fixed English word of the CSV and JSON output.
[[nodiscard]] std::string_view governs_word(Governs g);
// The one-letter code of the text table.
[[nodiscard]] char governs_code(Governs g);

struct Options {
  int marknadskod = 1;
  int sakkl = 2;
  bool wall = false;
  int vandr = 1;                   // 1 narrow flange on the purlin, 2 broad flange
  float end_support_m = 0.1f;      // width of the two end supports
  float inner_support_m = 0.1f;    // width of the inner supports
  float deflection_ratio = 0;      // L/ratio; 0: the engine's default for roof or wall
  double from = 1.0, to = 12.0, step = 0.25;
  std::vector<int> layouts{1, 2, 3};
};

// The spans from, from + step, ... up to `to` (a last span within a
// thousandth of a step of `to` counts).
[[nodiscard]] std::vector<double> spans(const Options& opt);

// One tabulated load (kN/m2) and the check that limits it.
struct Value {
  bool has = false;
  double q = 0;
  Governs governs = Governs::none;
};

struct Cell {
  int layout = 1;    // number of equal spans
  double span = 0;   // m
  int column = 1;    // thickness column of the profile
  float t_mm = 0;    // nominal thickness
  Value uls;         // design load towards the sheet
  Value sls;         // characteristic load at the deflection limit
  Value uplift;      // design load away from the sheet
};

struct Table {
  ProfileRecord prof;
  Options opt;
  std::vector<int> columns;  // thickness columns tabulated
  std::vector<double> spans;
  std::vector<Cell> cells;   // by layout, then span, then column
  int evaluations = 0;       // analyses with their checks that the search ran
};

// The case behind a table cell: `layout` equal spans of length `span` with
// the sheet ending on the two end supports, the thickness of `column`
// locked in every span, the market, class, roof or wall, orientation,
// support widths and deflection limit of the options; prepared by the engine
// (end supports, default deflection limit).  No loads of its own: the table
// gives them.
[[nodiscard]] InputCase cell_case(const ProfileRecord& prof, const Options& opt, int layout,
                                  double span, int column);

// The load cases in which the three values act: the design load towards the
// sheet in load case 1, the characteristic load in load case 2 (roof) or
// in load case 1 (wall: its deflection rule acts on the wind towards the
// sheet), the uplift in load case 3.
[[nodiscard]] int sls_load_case(const Options& opt);

// The whole table of the profile.
[[nodiscard]] Table load_span_table(const ProfileRecord& prof, const Options& opt);

// The grid a tabulated load is rounded down to: 0.01 from 1 kN/m2, 0.001
// below.
[[nodiscard]] double load_grid(double q);

}  // namespace kvop::tab
