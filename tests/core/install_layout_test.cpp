// Where the programs find their delivered data: beside themselves in a build
// tree, in share/kvop of an installed tree, and nowhere else.
#include "core/install_layout.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

TEST(DataDir, BuildTreeInstalledTreeAndNeither) {
  ScratchDir t;
  fs::create_directories(t.path() / "bin");
  fs::create_directories(t.path() / "share" / "kvop");
  const fs::path bin = t.path() / "bin";

  // Neither place holds the database: nothing, and the places tried are
  // the program directory and the installed data directory.
  EXPECT_EQ(find_data_dir(bin), std::nullopt);
  EXPECT_EQ(data_dir_candidates(bin),
            (std::vector<fs::path>{bin, t.path() / "share" / "kvop"}));
  // A trailing separator or a relative program directory names the same places.
  EXPECT_EQ(data_dir_candidates(bin.string() + "/"), data_dir_candidates(bin));
  EXPECT_TRUE(data_dir_candidates("bin").front().is_absolute());

  // Other data files alone do not make a data directory.
  t.write("share/kvop/kvop.def", "x");
  EXPECT_EQ(find_data_dir(bin), std::nullopt);

  // The installed layout.
  t.write("share/kvop/PROFILKV.BIN", "db");
  EXPECT_EQ(find_data_dir(bin), t.path() / "share" / "kvop");

  // A build tree: the database beside the program wins, in any letter case.
  t.write("bin/profilkv.bin", "db");
  EXPECT_EQ(find_data_dir(bin), bin);
}

}  // namespace
}  // namespace kvop
