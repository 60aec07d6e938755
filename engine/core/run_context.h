// The run context: everything one engine run shares between its steps.  The
// main routine owns it; every step receives it by reference.  There is no
// other state in the engine.
#pragma once

#include <filesystem>
#include <functional>
#include <iostream>

#include "core/analysis_cache.h"
#include "core/analysis_results.h"
#include "core/channels.h"
#include "core/check_results.h"
#include "core/comparison_results.h"
#include "core/diaphragm_results.h"
#include "core/input_case.h"
#include "core/prepared_case.h"
#include "core/profile_record.h"
#include "core/summary_results.h"

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
  InputCase in;            // the input case record
  PreparedCase prep;       // the values the calculation uses in place of the case's
  ProfileRecord prof;      // the profile found in the database
  AnalysisResults an;      // results of the multi-span analysis
  AnalysisCache an_cache;  // its stiffness-independent terms, between calls
  CheckResults chk;        // results of the section checks
  DiaphragmResults dia;    // sheet pieces of the sheeting
  WalkResults walk;        // the walkability check
  SummaryResults sum;      // the values of the summary sections
  PageCounters page;       // report page control
  // A comparison of profiles: the designations the case is dimensioned with
  // in turn, and the outcome of each, lightest passing first.  Empty in a
  // run of the case's own profile.
  std::vector<Text<8>> compared;
  Comparison comparison;
  Channels channels;       // the run's files, by name

  Console console{&std::cout, &std::cerr};
  std::filesystem::path dir = ".";   // the engine's working directory
  std::function<LocalTime()> clock;  // local clock; empty = the computer's
  // Where the profile lookup's pause reads its line; only a keyboard at an
  // interactive terminal is waited for.
  std::istream* keyboard = nullptr;
};

// The designation profile ip of the run is looked up under, and the one its
// header shows: the case's own (adjusted for micro-ribs, and as read), or
// the entry of the comparison's list.
inline const Text<8>& lookup_designation(const RunContext& ctx, int ip) {
  return ctx.compared.empty() ? ctx.in.pnamn(ip) : ctx.compared[static_cast<std::size_t>(ip - 1)];
}
inline const Text<8>& shown_designation(const RunContext& ctx, int ip) {
  return ctx.compared.empty() ? ctx.in.pnamn(2) : ctx.compared[static_cast<std::size_t>(ip - 1)];
}

// The entry of the per-profile fields (sidoverl, perfo, vandr) profile ip is
// dimensioned with: its own in a case's run; the case's first in a
// comparison, whose every profile takes the case's settings.
inline int profile_fields(const RunContext& ctx, int ip) { return ctx.compared.empty() ? ip : 1; }

// The local date and time, read once: the run's own clock when it has one,
// the computer's otherwise.  The report heading takes its date and its time
// from one reading, so that they cannot straddle midnight.
LocalTime read_clock(const RunContext& ctx);

}  // namespace kvop
