#include "driver/profile_list.h"

#include <algorithm>
#include <vector>

#include "core/file_names.h"
#include "driver/kvopwb.h"
#include "profiles/profile_db.h"

namespace kvop {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

int choose_profiles(RunContext& ctx, std::string_view list, std::string& fault) {
  ctx.compared.clear();
  std::vector<Text<8>> held;
  if (opdbas(ctx) != 0) return kExitDimensioning;
  const int read = database_designations(ctx, held);
  clfile(ctx);
  if (read != 0) return kExitDimensioning;

  if (same_ignoring_case(trim(list), "all")) {
    // A designation stored twice is found as its first record: once.
    for (const Text<8>& d : held)
      if (std::find(ctx.compared.begin(), ctx.compared.end(), d) == ctx.compared.end())
        ctx.compared.push_back(d);
    if (held.empty()) fault = "the profile database holds no profile";
    return held.empty() ? kExitUsage : kExitOk;
  }
  std::string_view rest = list;
  while (true) {
    const std::size_t comma = rest.find(',');
    const std::string_view item = trim(rest.substr(0, comma));
    const auto found = std::find_if(held.begin(), held.end(), [&](const Text<8>& d) {
      return same_ignoring_case(d.trimmed(), item);
    });
    if (item.empty()) {
      fault = "an empty designation in the list \"" + std::string(list) + "\"";
      return kExitUsage;
    }
    if (found == held.end()) {
      fault = std::string(item) + " is not a profile of the database " +
              shown_path(ctx.channels.database.path());
      return kExitUsage;
    }
    if (std::find(ctx.compared.begin(), ctx.compared.end(), *found) != ctx.compared.end()) {
      fault = std::string(item) + " is given twice";
      return kExitUsage;
    }
    ctx.compared.push_back(*found);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return kExitOk;
}

}  // namespace kvop
