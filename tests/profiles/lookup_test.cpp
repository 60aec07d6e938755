// Finding, opening and searching the profile database.
#include <gtest/gtest.h>

#include <fstream>

#include "core/cp1252.h"
#include "driver/dimber.h"
#include "driver/inkvop.h"
#include "profile_test_support.h"
#include "profiles/profile_db.h"
#include "test_support.h"

namespace kvop {
namespace {

using test::db_bytes;
using test::sample_profile;
using test::ScratchDir;
using test::TestRun;

// A working directory whose BRASKO.INI names the subdirectory "bin" holding
// the database.
struct Lookup {
  ScratchDir dir;
  TestRun run{dir.path()};
  explicit Lookup(const std::string& db) {
    std::filesystem::create_directory(dir.path() / "bin");
    dir.write("BRASKO.INI", "bin\r\n");
    dir.write("bin/PROFILKV.BIN", db);
  }
  int find(const std::string& designation, ProfileScaling scaling = ProfileScaling::scaled,
           NotFound not_found = NotFound::reported) {
    EXPECT_EQ(opdbas(run.ctx), 0) << run.err.str();
    const int istat = pdread(run.ctx, Text<8>(designation), scaling, not_found);
    clfile(run.ctx);
    return istat;
  }
  // The database a failed search names after its messages.
  std::string database() const { return (dir.path() / "bin" / "PROFILKV.BIN").string(); }
  std::string searched() const { return " SÖKT I PROFILDATABASEN " + database() + "\n"; }
};

const std::string kNotPresent = " PROFILBETECKNING R820     FINNS EJ INLAGD\n";
const std::string kPause = " TRYCK VALFRI TANGENT FÖR ATT FORTSÄTTA\n";

TEST(ProfileDbName, DirectoryIsTheLineBeforeItsFirstBlank) {
  EXPECT_EQ(profile_db_name(Text<80>("/opt/kvop/bin")).trimmed(), "/opt/kvop/bin\\PROFILKV.BIN");
  EXPECT_EQ(profile_db_name(Text<80>("C:\\BRASKO  andra ord")).trimmed(),
            "C:\\BRASKO\\PROFILKV.BIN");
  EXPECT_EQ(profile_db_name(Text<80>("sub dir")).trimmed(), "sub\\PROFILKV.BIN");
  // an empty first line, or one that starts with a blank: the drive's root
  EXPECT_EQ(profile_db_name(Text<80>("")).trimmed(), "\\PROFILKV.BIN");
  EXPECT_EQ(profile_db_name(Text<80>(" /opt")).trimmed(), "\\PROFILKV.BIN");
}

TEST(ProfileDbName, LineWithoutBlankUsesFortyCharactersAndLongDirectoriesCutTheSuffix) {
  const std::string eighty(80, 'x');
  EXPECT_EQ(profile_db_name(Text<80>(eighty)).trimmed(), std::string(40, 'x') + "\\PROFILKV.BIN");
  const std::string seventy(70, 'd');
  const Text<80> name = profile_db_name(Text<80>(seventy));
  EXPECT_EQ(name.view(), seventy + "\\PROFILKV.");
  EXPECT_EQ(profile_db_name(Text<80>(std::string(67, 'd'))).view(),
            std::string(67, 'd') + "\\PROFILKV.BIN");
}

TEST(Opdbas, AbsoluteAndRelativeDirectoriesAndLetterCase) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "Prog" / "Bin");
  dir.write("Prog/Bin/profilkv.bin", db_bytes({sample_profile("R820    ")}));
  for (const std::string& line : {(dir.path() / "Prog" / "Bin").string(), std::string("prog\\bin"),
                                  std::string("PROG/BIN   kommentar")}) {
    TestRun run(dir.path());
    dir.write("brasko.ini", line + "\n");
    EXPECT_EQ(opdbas(run.ctx), 0) << line << run.err.str();
    EXPECT_TRUE(run.ctx.channels.database.is_open()) << line;
    EXPECT_EQ(run.err.str(), "");
  }
}

TEST(Opdbas, FortyCharacterDirectoryOfABlankFreeLine) {
  ScratchDir dir;
  const std::string forty(40, 'k');
  std::filesystem::create_directory(dir.path() / forty);
  dir.write(forty + "/PROFILKV.BIN", db_bytes({sample_profile("R820    ")}));
  dir.write("BRASKO.INI", forty + std::string(45, 'z') + "\n");  // no blank in 80 characters
  TestRun run(dir.path());
  EXPECT_EQ(opdbas(run.ctx), 0) << run.err.str();
}

TEST(Opdbas, MissingSettingsOrDatabaseStopsWithTheFileNamed) {
  ScratchDir dir;
  int istat = 0;
  {
    TestRun run(dir.path());
    istat = opdbas(run.ctx);
    EXPECT_NE(istat, 0);
    EXPECT_NE(run.err.str().find("BRASKO.INI"), std::string::npos) << run.err.str();
  }
  {
    dir.write("BRASKO.INI", "");
    TestRun run(dir.path());
    istat = opdbas(run.ctx);
    EXPECT_NE(istat, 0);
    EXPECT_NE(run.err.str().find("ÄR TOM"), std::string::npos) << run.err.str();
  }
  {
    const std::string seventy(70, 'd');  // the suffix is cut to "\PROFILKV."
    std::filesystem::create_directory(dir.path() / seventy);
    dir.write(seventy + "/PROFILKV.BIN", db_bytes({sample_profile("R820    ")}));
    dir.write("BRASKO.INI", seventy + "\n");
    TestRun run(dir.path());
    istat = opdbas(run.ctx);
    EXPECT_NE(istat, 0);
    EXPECT_FALSE(run.ctx.channels.database.is_open());
    EXPECT_NE(run.err.str().find(seventy + "\\PROFILKV.\n"), std::string::npos) << run.err.str();
  }
  {
    dir.write("BRASKO.INI", "\n");  // all blanks: the root's PROFILKV.BIN
    TestRun run(dir.path());
    istat = opdbas(run.ctx);
    if (!std::filesystem::exists("/PROFILKV.BIN")) {
      EXPECT_NE(istat, 0);
      EXPECT_NE(run.err.str().find("FINNS EJ: \\PROFILKV.BIN"), std::string::npos) << run.err.str();
    }
  }
  {
    std::filesystem::create_directory(dir.path() / "sub");
    dir.write("sub/PROFILKV.BIN", db_bytes({sample_profile("R820    ")}));
    dir.write("BRASKO.INI", "sub dir\n");  // cut at the blank: "sub" is used
    TestRun run(dir.path());
    istat = opdbas(run.ctx);
    EXPECT_EQ(istat, 0) << run.err.str();
  }
}

TEST(Pdread, MatchInTheFirstRecordReadsNothingBeyondIt) {
  std::string db = db_bytes({sample_profile("R820    ")});
  db += std::string("\x10\x00\x00\x00garbage", 11);  // a cut-off second record
  Lookup l(db);
  EXPECT_EQ(l.find("R820    "), 0);
  EXPECT_EQ(l.run.err.str(), "");
  EXPECT_EQ(l.run.ctx.prof.designation, Text<8>("R820    "));
  EXPECT_EQ(l.run.ctx.prof.thickness_count, 3);
}

TEST(Pdread, TrailingBlanksAndLetterCaseMustMatch) {
  Lookup l(db_bytes(
      {sample_profile("r820    "), sample_profile(" R820   "), sample_profile("R820P   ")}));
  EXPECT_EQ(l.find("R820    "), 1);
  EXPECT_EQ(cp1252::from_utf8(l.run.err.str()), enc(kNotPresent + kPause + l.searched()));
  EXPECT_EQ(l.find("R820P   "), 0);
}

TEST(Pdread, OnlyTheFirstTenThousandRecordsAreExamined) {
  std::vector<ProfileRecord> many(10000, sample_profile("OTHER   "));
  many.push_back(sample_profile("R820    "));
  Lookup l(db_bytes(many));
  EXPECT_EQ(l.find("R820    "), 1);
  // after 10000 records: the not-present line only, no pause
  EXPECT_EQ(l.run.err.str(), kNotPresent + l.searched());
  EXPECT_EQ(l.run.ctx.prof.thickness_count, 0);  // no profile left behind
  l.run.err.str("");
  EXPECT_EQ(l.find("R820    ", ProfileScaling::scaled, NotFound::silent), 1);
  EXPECT_EQ(l.run.err.str(), "");
}

TEST(Pdread, ScalingMultipliesTheLeadingRowsOfTheColumnsInUse) {
  Lookup l(db_bytes({sample_profile("ZERO    ", 3, 0), sample_profile("TWO     ", 3, 2)}));
  ASSERT_EQ(l.find("ZERO    "), 0);
  const ProfileRecord stored = sample_profile("ZERO    ", 3, 0);
  EXPECT_EQ(l.run.ctx.prof.per_thickness.v, stored.per_thickness.v);

  ASSERT_EQ(l.find("TWO     ", ProfileScaling::as_stored), 0);  // loaded as stored
  EXPECT_EQ(l.run.ctx.prof.per_thickness.v, stored.per_thickness.v);

  ASSERT_EQ(l.find("TWO     "), 0);
  const ProfileRecord& p = l.run.ctx.prof;
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= 30; ++j) {
      const float v = stored.per_thickness(j, i);
      const float want = (i <= 3 && j <= 2) ? v * (static_cast<float>(j) + 0.5f) : v;
      EXPECT_EQ(p.per_thickness(j, i), want) << j << "," << i;
    }
  }
  EXPECT_FLOAT_EQ(p.per_thickness(1, 1), 0.75f);  // 0.5 * scale(1) = 1.5
  EXPECT_FLOAT_EQ(p.per_thickness(2, 3), 203.0f * 2.5f);
}

TEST(Pdread, SameProfileTwiceIsScaledOnceEachTime) {
  Lookup l(db_bytes({sample_profile("R820    ", 3, 2)}));
  ASSERT_EQ(l.find("R820    "), 0);
  const auto first = l.run.ctx.prof.per_thickness.v;
  ASSERT_EQ(l.find("R820    "), 0);
  EXPECT_EQ(l.run.ctx.prof.per_thickness.v, first);
  EXPECT_FLOAT_EQ(l.run.ctx.prof.per_thickness(2, 1), 201.0f * 2.5f);
}

TEST(Pdread, TruncatedOrShortRecordIsAReadFailureWithItsPosition) {
  const std::string good = db_bytes({sample_profile("A       ")});
  const std::string whole = db_bytes({sample_profile("B       ")});
  // the file ends inside the second record
  {
    Lookup l(good + whole.substr(0, 1000));
    EXPECT_EQ(l.find("R820    "), 1);
    const std::string err = l.run.err.str();
    EXPECT_NE(err.find(" PROFILDATABASEN " + l.database() + ": POST NR 2 KAN EJ"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find(kNotPresent + kPause + l.searched()), std::string::npos) << err;
  }
  // a record of 2227 bytes
  {
    std::vector<unsigned char> b = encode_profile_record(sample_profile("R820    "));
    b.pop_back();
    std::ostringstream s;
    write_record(s, b);
    Lookup l(good + s.str());
    EXPECT_EQ(l.find("R820    "), 1);
    EXPECT_NE(l.run.err.str().find("POST NR 2"), std::string::npos);
    EXPECT_EQ(l.run.ctx.prof.thickness_count, 0);
  }
  // the closing count differs from the leading one
  {
    std::string bad = whole;
    bad[bad.size() - 1] = '\x01';
    Lookup l(bad);
    EXPECT_EQ(l.find("B       "), 1);
    EXPECT_NE(l.run.err.str().find("POST NR 1"), std::string::npos);
  }
}

TEST(Pdread, CountsOutsideTheTableMakeARecordUnreadable) {
  ProfileRecord eleven = sample_profile("R820    ");
  eleven.thickness_count = 11;
  ProfileRecord minus = sample_profile("R820    ");
  minus.scaled_count = -1;
  ProfileRecord thirty_one = sample_profile("R820    ");
  thirty_one.scaled_count = 31;
  for (const ProfileRecord& bad : {eleven, minus, thirty_one}) {
    Lookup l(db_bytes({sample_profile("OTHER   "), sample_profile("MORE    "), bad}));
    EXPECT_EQ(l.find("R820    "), 1);
    EXPECT_NE(l.run.err.str().find("POST NR 3"), std::string::npos) << l.run.err.str();
  }
}

TEST(Pdread, PauseReadsOneLineOnlyFromAKeyboard) {
  Lookup l(db_bytes({sample_profile("OTHER   ")}));
  std::istringstream keys("\nnext line\n");
  l.run.ctx.keyboard = &keys;
  EXPECT_EQ(l.find("R820    "), 1);
  std::string rest;
  std::getline(keys, rest);
  EXPECT_EQ(rest, "next line");  // exactly one line was taken
}

TEST(Dimber, UnknownDesignationEndsTheRunWithTheReadErrorLine) {
  Lookup l(db_bytes({sample_profile("R45     ")}));
  blkdat(l.run.ctx.in);
  l.run.ctx.in.nprof = 1;
  l.run.ctx.in.pnamn(1) = Text<8>("R820    ");
  EXPECT_NE(dimber(l.run.ctx), 0);  // no keyboard: nothing is waited for
  EXPECT_EQ(l.run.err.str(), kNotPresent + kPause + l.searched() + "    *******LÄSFEL\n");
}

// The designations of the whole database in its order, a designation stored
// twice included; a record that cannot be read ends the list with its message.
TEST(DatabaseDesignations, ListsEveryRecordInOrderAndStopsAtAnUnreadableOne) {
  const std::string three = db_bytes(
      {sample_profile("B       "), sample_profile("A       "), sample_profile("B       ")});
  {
    Lookup l(three);
    ASSERT_EQ(opdbas(l.run.ctx), 0);
    std::vector<Text<8>> d;
    EXPECT_EQ(database_designations(l.run.ctx, d), 0);
    EXPECT_EQ(d, (std::vector<Text<8>>{Text<8>("B"), Text<8>("A"), Text<8>("B")}));
  }
  {
    Lookup l(three.substr(0, three.size() - 10));
    ASSERT_EQ(opdbas(l.run.ctx), 0);
    std::vector<Text<8>> d;
    EXPECT_EQ(database_designations(l.run.ctx, d), 1);
    EXPECT_NE(l.run.err.str().find("POST NR 3 KAN EJ"), std::string::npos) << l.run.err.str();
  }
}

}  // namespace
}  // namespace kvop
