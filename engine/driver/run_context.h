// The run context: everything one engine run shares between its steps.  The
// main routine owns it; every step receives it by reference.  There is no
// other state in the engine.
#pragma once

#include <filesystem>
#include <functional>
#include <iostream>

#include "analysis/analysis_results.h"
#include "checks/check_results.h"
#include "diaphragm/diaphragm_results.h"
#include "driver/input_case.h"
#include "driver/units.h"
#include "profiles/profile_record.h"

namespace kvop {

// Page control of the report: lines per page and lines used on this page.
struct PageCounters {
  int sidlangd = 68;
  int radnr = 0;
};

// Local date and time of the computer, as the report heading shows it.
struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, hundredths = 0;
};

struct RunContext {
  InputCase in;          // the input case record
  ProfileRecord prof;    // the profile found in the database
  AnalysisResults an;    // results of the multi-span analysis
  CheckResults chk;      // results of the section checks
  DiaphragmResults dia;  // sheet pieces of the sheeting
  PageCounters page;     // report page control
  Units units;           // open file channels

  Console console{&std::cout, &std::cerr};
  std::filesystem::path dir = ".";  // the engine's working directory
  std::function<LocalTime()> clock;  // local clock; empty = the computer's
  // Where the profile lookup's pause reads its line; only a keyboard at an
  // interactive terminal is waited for.
  std::istream* keyboard = nullptr;
};

}  // namespace kvop
