// The names of the profile rows and general values agree with the documented
// list data/profile_rows.tsv: a name stands at the number whose meaning the
// list gives it, every row the engine reads has a name, and no name points
// at a row the list calls unread.
#include "core/profile_rows.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace kvop {
namespace {

struct Documented {
  std::map<int, std::string> rows, generals;
};

Documented documented() {
  Documented d;
  std::ifstream f(std::string(KVOP_SOURCE_DIR) + "/data/profile_rows.tsv");
  std::string line;
  while (std::getline(f, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream cols(line);
    std::string kind, number, meaning;
    std::getline(cols, kind, '\t');
    std::getline(cols, number, '\t');
    std::getline(cols, meaning, '\t');
    (kind == "row" ? d.rows : d.generals)[std::stoi(number)] = meaning;
  }
  return d;
}

constexpr std::string_view kUnread = "not read by the engine";

TEST(ProfileRows, NamesStandAtTheNumbersTheDocumentedListGivesThem) {
  const Documented d = documented();
  ASSERT_EQ(d.rows.size(), 30u);
  ASSERT_EQ(d.generals.size(), 12u);
  std::set<int> named;
  for (const NamedRow& r : kNamedRows) {
    SCOPED_TRACE("row " + std::to_string(no(r.row)));
    ASSERT_TRUE(d.rows.count(no(r.row)));
    EXPECT_EQ(d.rows.at(no(r.row)), r.meaning);
    EXPECT_TRUE(named.insert(no(r.row)).second) << "two names for one row";
  }
  // Every row the engine reads is named; the unread ones are not.
  for (const auto& [number, meaning] : d.rows)
    EXPECT_EQ(named.count(number) == 1, meaning != kUnread) << "row " << number;

  std::set<int> generals;
  for (const NamedGeneral& g : kNamedGenerals) {
    SCOPED_TRACE("general " + std::to_string(no(g.value)));
    ASSERT_TRUE(d.generals.count(no(g.value)));
    EXPECT_EQ(d.generals.at(no(g.value)), g.meaning);
    EXPECT_TRUE(generals.insert(no(g.value)).second);
  }
  EXPECT_EQ(generals.size(), d.generals.size());
}

TEST(ProfileRows, FlangeGroupsKeepTheirOrder) {
  // The checks address a flange group by its first row and the next three.
  EXPECT_EQ(no(Row::moment_broad), no(Row::stiffness_broad) + 1);
  EXPECT_EQ(no(Row::c7_broad), no(Row::stiffness_broad) + 2);
  EXPECT_EQ(no(Row::c8_broad), no(Row::stiffness_broad) + 3);
  EXPECT_EQ(no(Row::moment_narrow), no(Row::stiffness_narrow) + 1);
  EXPECT_EQ(no(Row::c7_narrow), no(Row::stiffness_narrow) + 2);
  EXPECT_EQ(no(Row::c8_narrow), no(Row::stiffness_narrow) + 3);
}

}  // namespace
}  // namespace kvop
