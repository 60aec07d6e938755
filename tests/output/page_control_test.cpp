// The page estimates of a paged report: where the profile header, each
// result table and the summary sections begin a new page.  The limits are
// strict where the rules are strict: a section that would exactly fill the
// page starts a new one before a table, but not before the summary.
#include "output/page_control.h"

#include <gtest/gtest.h>

namespace kvop {
namespace {

PageCounters at(int radnr) {
  PageCounters pg;
  pg.radnr = radnr;
  return pg;
}

TEST(PageControl, ProfileHeaderWithTheFirstTable) {
  // Three spans: 24 + 6 lines.  35 + 30 = 65 fits; 38 + 30 = 68 does not.
  EXPECT_FALSE(page::header_on_new_page(at(35), 3, 1));
  EXPECT_TRUE(page::header_on_new_page(at(38), 3, 1));
  // A later profile always begins a new page.
  EXPECT_TRUE(page::header_on_new_page(at(0), 3, 2));
  // Eight spans take the wide estimate: 27 + 16.  24 + 43 = 67 fits.
  EXPECT_FALSE(page::header_on_new_page(at(24), 8, 1));
  EXPECT_TRUE(page::header_on_new_page(at(25), 8, 1));
  // Seven spans still take the narrow one: 24 + 14.
  EXPECT_FALSE(page::header_on_new_page(at(29), 7, 1));
}

TEST(PageControl, EachTableIsCountedOrBeginsAPage) {
  // Eight spans, 25 + 16 = 41 lines a table: 40 + 41 = 81 does not fit, the
  // table begins a page and the counter holds its own lines.
  PageCounters pg = at(40);
  EXPECT_TRUE(page::count_table(pg, 8, 1, 1));
  EXPECT_EQ(pg.radnr, 41);
  // Three spans, 22 + 6 = 28 lines: 39 + 28 = 67 fits.
  pg = at(39);
  EXPECT_FALSE(page::count_table(pg, 3, 1, 2));
  EXPECT_EQ(pg.radnr, 67);
  // 40 + 28 = 68 is a full page: a new one.
  pg = at(40);
  EXPECT_TRUE(page::count_table(pg, 3, 1, 2));
  EXPECT_EQ(pg.radnr, 28);
}

TEST(PageControl, ALaterProfileCountsItsFirstTableFromThree) {
  PageCounters pg = at(60);
  EXPECT_FALSE(page::count_table(pg, 3, 2, 1));
  EXPECT_EQ(pg.radnr, 3 + 28);
  // Only its first table.
  pg = at(60);
  EXPECT_TRUE(page::count_table(pg, 3, 2, 2));
  EXPECT_EQ(pg.radnr, 28);
}

TEST(PageControl, SummaryAfterTheTables) {
  // 16 lines, or 23 with the VEX band section; a full page still fits.
  EXPECT_FALSE(page::summary_on_new_page(at(52), 0));
  EXPECT_TRUE(page::summary_on_new_page(at(53), 0));
  EXPECT_FALSE(page::summary_on_new_page(at(45), 1));
  EXPECT_TRUE(page::summary_on_new_page(at(46), 1));
  // Only vextak 1 counts the band section.
  EXPECT_TRUE(page::summary_on_new_page(at(46), 1));
  EXPECT_FALSE(page::summary_on_new_page(at(46), 2));
}

TEST(PageControl, EchoLinesOfTheInputCase) {
  InputCase in;
  in.utskr = 0;
  EXPECT_EQ(page::echo_lines(in), 22);
  in.utskr = 2;  // any value but 0 pages the report
  EXPECT_EQ(page::echo_lines(in), 25);
  in.trivlgd = 0.01f;  // not above 0.01: no drift line
  in.trihlgd = 0.02f;
  in.fickfack = 1;
  in.nlinj = 5;
  EXPECT_EQ(page::echo_lines(in), 25 + 1 + 3 + 7);
}

}  // namespace
}  // namespace kvop
