// The files a run writes, end to end through the kvopwb program: a report or
// run account cut off by a full disk is a failure with its reason, the
// account never replaces a file of the run, an opening failure tells the
// system's reason, and a failed dimensioning is marked in the report itself.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/cp1252.h"
#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

std::string example(const std::string& name) {
  std::ifstream f(fs::path(KVOP_SOURCE_DIR) / "examples" / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

struct Exit {
  int rc = -1;
  std::string out, err;  // the console as the program wrote it (UTF-8)
};

// Runs the kvopwb program in `dir` with `args`.  With `fsize` >= 0 the
// process may write files of at most that many bytes (a full disk for the
// engine: writes beyond fail with EFBIG, SIGXFSZ being ignored).
Exit kvopwb(const fs::path& dir, const std::vector<std::string>& args, long fsize = -1) {
  ScratchDir logs;
  const std::string out = (logs.path() / "out").string(), err = (logs.path() / "err").string();
  const std::string program = (fs::path(KVOP_BINARY_DIR) / "bin" / "kvopwb").string();
  const pid_t pid = fork();
  if (pid == 0) {
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int n = ::open("/dev/null", O_RDONLY);
    if (o < 0 || e < 0 || n < 0 || dup2(o, 1) < 0 || dup2(e, 2) < 0 || dup2(n, 0) < 0 ||
        chdir(dir.c_str()) != 0)
      _exit(120);
    if (fsize >= 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(fsize), static_cast<rlim_t>(fsize)};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(121);
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  Exit r;
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid)
    r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = slurp(out);
  r.err = slurp(err);
  return r;
}

// A working directory with a case and BRASKO.INI naming the delivered
// database.
struct CaseDir {
  ScratchDir dir;
  explicit CaseDir(const std::string& case_bytes = example("TAK1.IND"), bool database = true) {
    dir.write("~indata~.tmp", case_bytes);
    if (database) dir.write("BRASKO.INI", (fs::path(KVOP_BINARY_DIR) / "bin").string() + "\n");
  }
  fs::path path(const std::string& name) const { return dir.path() / name; }
};

// The system's text for an error number, as the console shows it.
std::string system_reason(int error) { return std::strerror(error); }

TEST(OutputFiles, ReportCutOffByAFullDiskIsAFailureWithItsReason) {
  CaseDir c;
  const Exit full = kvopwb(c.dir.path(), {}, 1000);
  EXPECT_EQ(full.rc, 5) << full.err;
  EXPECT_LE(fs::file_size(c.path("TAK1.RED")), 1000u);
  EXPECT_NE(full.err.find("TAK1.RED"), std::string::npos) << full.err;
  EXPECT_NE(full.err.find(system_reason(EFBIG)), std::string::npos) << full.err;
  // Room enough: the same run succeeds without a word on the error stream.
  const Exit room = kvopwb(c.dir.path(), {}, 1 << 20);
  EXPECT_EQ(room.rc, 0) << room.err;
  EXPECT_EQ(room.err, "");
}

TEST(OutputFiles, RunAccountThatCannotBeWrittenIsAFailure) {
  CaseDir c;
  const Exit r = kvopwb(c.dir.path(), {"--json", "/dev/full"});
  EXPECT_EQ(r.rc, 5) << r.err;
  EXPECT_NE(r.err.find("/dev/full"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(system_reason(ENOSPC)), std::string::npos) << r.err;
  EXPECT_TRUE(c.dir.exists("TAK1.RED"));  // the run itself went through
  // A failed step keeps its own status.
  CaseDir no_db(example("TAK1.IND"), false);
  EXPECT_EQ(kvopwb(no_db.dir.path(), {"--json", "/dev/full"}).rc, 1);
}

TEST(OutputFiles, RunAccountNeverNamesAFileOfTheRun) {
  CaseDir c;
  c.dir.write("TAK1.RED", "old report\n");
  const std::string input = c.dir.read("~indata~.tmp");
  fs::create_symlink("~indata~.tmp", c.path("account.json"));
  for (const std::string& name : std::vector<std::string>{
           "~INDATA~.TMP", "~indata~.tmp", "./~indata~.tmp", c.path("~indata~.tmp").string(),
           "BRASKO.INI", "brasko.ini", "TAK1.RED", "tak1.red", "SKIVA.INS", "account.json"}) {
    const Exit r = kvopwb(c.dir.path(), {"--json", name});
    EXPECT_EQ(r.rc, 64) << name;
    EXPECT_NE(r.err.find("--json"), std::string::npos) << name << r.err;
    EXPECT_EQ(r.out, "") << name;  // refused before the run
    EXPECT_EQ(c.dir.read("~indata~.tmp"), input) << name;
    EXPECT_EQ(c.dir.read("TAK1.RED"), "old report\n") << name;
    EXPECT_FALSE(c.dir.exists("SKIVA.INS")) << name;
  }
  // Another name in the directory is fine.
  const Exit ok = kvopwb(c.dir.path(), {"--json", "TAK1.json"});
  EXPECT_EQ(ok.rc, 0) << ok.err;
  EXPECT_EQ(c.dir.read("TAK1.json").substr(0, 1), "{");
}

TEST(OutputFiles, OpeningFailuresTellTheSystemsReason) {
  // A directory in the way of the report.
  CaseDir c;
  fs::create_directory(c.path("TAK1.RED"));
  const Exit r = kvopwb(c.dir.path(), {});
  EXPECT_EQ(r.rc, 3);
  const auto lines = test::split_lines(r.err);
  ASSERT_EQ(lines.size(), 2u) << r.err;
  EXPECT_EQ(lines[0], " *** FEL VID ÖPPNING AV FIL ***");
  EXPECT_NE(lines[1].find(c.path("TAK1.RED").string()), std::string::npos) << lines[1];
  EXPECT_NE(lines[1].find("a directory of that name is in the way"), std::string::npos) << lines[1];
  EXPECT_TRUE(fs::is_directory(c.path("TAK1.RED")));

  // A directory named like the input file is not a missing file.
  ScratchDir d;
  fs::create_directory(d.path() / "~INDATA~.TMP");
  const Exit in = kvopwb(d.path(), {});
  EXPECT_EQ(in.rc, 2);
  EXPECT_EQ(in.err.find("missing"), std::string::npos) << in.err;
  EXPECT_NE(in.err.find("is a directory"), std::string::npos) << in.err;
}

TEST(OutputFiles, ReadOnlyDirectoryTellsPermissionDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  CaseDir c;
  fs::permissions(c.dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  const Exit r = kvopwb(c.dir.path(), {});
  fs::permissions(c.dir.path(), fs::perms::owner_all);
  EXPECT_EQ(r.rc, 3);
  EXPECT_NE(r.err.find(system_reason(EACCES)), std::string::npos) << r.err;
}

TEST(OutputFiles, FailedDimensioningIsMarkedInTheReport) {
  const std::string laesfel = cp1252::to_utf8(enc("    *******LÄSFEL"));
  // No BRASKO.INI.
  CaseDir no_ini(example("TAK1.IND"), false);
  const Exit a = kvopwb(no_ini.dir.path(), {});
  EXPECT_EQ(a.rc, 1);
  std::vector<std::string> red = test::split_lines(no_ini.dir.read("TAK1.RED"));
  ASSERT_FALSE(red.empty());
  EXPECT_EQ(red.back(), enc("    *******LÄSFEL"));
  EXPECT_NE(a.err.find(laesfel), std::string::npos) << a.err;

  // A designation that the database does not hold: the messages name the
  // database searched.
  std::string tak1 = example("TAK1.IND");
  tak1.replace(tak1.find("\nR820\n"), 6, "\nNOSUCH\n");
  CaseDir unknown(tak1);
  const Exit b = kvopwb(unknown.dir.path(), {});
  EXPECT_EQ(b.rc, 1);
  red = test::split_lines(unknown.dir.read("TAK1.RED"));
  ASSERT_FALSE(red.empty());
  EXPECT_EQ(red.back(), enc("    *******LÄSFEL"));
  EXPECT_NE(b.err.find(" PROFILBETECKNING NOSUCH   FINNS EJ INLAGD"), std::string::npos) << b.err;
  EXPECT_NE(b.err.find((fs::path(KVOP_BINARY_DIR) / "bin" / "PROFILKV.BIN").string()),
            std::string::npos)
      << b.err;
}

}  // namespace
}  // namespace kvop
