#include <chrono>
#include <ctime>

#include "core/run_context.h"

namespace kvop {
namespace {

LocalTime computer_clock() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
  return {tm.tm_year + 1900,
          tm.tm_mon + 1,
          tm.tm_mday,
          tm.tm_hour,
          tm.tm_min,
          tm.tm_sec,
          static_cast<int>(ms.count() / 10)};
}

}  // namespace

LocalTime read_clock(const RunContext& ctx) { return ctx.clock ? ctx.clock() : computer_clock(); }

}  // namespace kvop
