// The input echo: creates the report file and writes its heading and the
// summary of the input case.
#pragma once

#include <string>

#include "driver/run_context.h"

namespace kvop {

// Creates the report file `rednamn` on `unit` (an old one is replaced) and
// writes the heading and the input echo.  istat is non-zero only when the
// report file cannot be created ("*** FEL VID ÖPPNING AV FIL ***").
void indaut(RunContext& ctx, int& unit, int& istat);

// A real as fixed-point text with three decimals in the narrowest width: the
// first `width` characters of `text` (blank padded to `length`) hold it.
void afor3r(float value, std::string& text, int& width, int length);

// The local date and time of the computer (or the run's own clock).
void getdat(const RunContext& ctx, int& year, int& month, int& day);
void gettim(const RunContext& ctx, int& hour, int& minute, int& second, int& hundredths);

}  // namespace kvop
