// Output channels: a write that fails is kept with the system's reason, an
// old file is replaced under exactly the new name whatever letter case it
// had, and nothing is ever written through a link or into a directory that
// stands in the way.
#include "core/channels.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>

#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

std::set<std::string> names(const fs::path& dir) {
  std::set<std::string> s;
  for (const auto& e : fs::directory_iterator(dir)) s.insert(e.path().filename().string());
  return s;
}

std::string reason(int error) { return std::strerror(error); }

// Runs `body` in a child process whose files may grow to `limit` bytes, as on
// a full disk (SIGXFSZ ignored, so a write beyond fails with EFBIG); returns
// the child's exit code.
template <class Body>
int with_file_size_limit(rlim_t limit, Body body) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit l{limit, limit};
    if (setrlimit(RLIMIT_FSIZE, &l) != 0) _exit(100);
    _exit(body());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST(Channel, WriteBeyondAFullDiskIsKeptWithTheSystemsReason) {
  ScratchDir dir;
  const fs::path red = dir.path() / "CASE.RED";
  const std::string line(99, 'X');  // 100 bytes with the line end
  // Codes: 0 as expected, 1 no failure seen, 2 wrong reason, 3 a later
  // line was not dropped.
  const int code = with_file_size_limit(250, [&] {
    Channel ch;
    if (!ch.open_write(red)) return 4;
    for (int k = 0; k < 5; ++k) ch.write_line(line);
    ch.close();
    if (!ch.write_failed()) return 1;
    if (ch.failure() != "cannot write: " + reason(EFBIG)) return 2;
    return 0;
  });
  EXPECT_EQ(code, 0);
  EXPECT_LE(fs::file_size(red), 250u);

  // Room enough: no failure.
  Channel ok;
  ASSERT_TRUE(ok.open_write(dir.path() / "OK.RED"));
  for (int k = 0; k < 5; ++k) ok.write_line(line);
  ok.close();
  EXPECT_FALSE(ok.failed());
  EXPECT_EQ(fs::file_size(dir.path() / "OK.RED"), 500u);
}

TEST(Channel, AFailureIsToldAsProgramFileAndReason) {
  ScratchDir dir;
  fs::create_directory(dir.path() / "CASE.RED");
  Channel ch;
  EXPECT_FALSE(ch.open_write(dir.path() / "CASE.RED"));
  EXPECT_FALSE(ch.write_failed());  // nothing was created, so nothing is incomplete
  EXPECT_EQ(ch.failure_message(), "kvopwb: " + (dir.path() / "CASE.RED").string() +
                                      ": cannot create: a directory of that name is in the way");
  EXPECT_TRUE(fs::is_directory(dir.path() / "CASE.RED"));
}

TEST(Channel, OldFileInAnyLetterCaseIsReplacedUnderTheExactName) {
  ScratchDir dir;
  for (const char* n : {"TAK1.RED", "tak1.red", "Tak1.Red"}) dir.write(n, "old\n");
  dir.write("TAK1.RED.BAK", "keep\n");
  dir.write("TAK2.RED", "keep\n");
  Channel ch;
  ASSERT_TRUE(ch.open_write(dir.path() / "TAK1.RED"));
  ch.write_line("new");
  ch.close();
  EXPECT_EQ(names(dir.path()), (std::set<std::string>{"TAK1.RED", "TAK1.RED.BAK", "TAK2.RED"}));
  EXPECT_EQ(dir.read("TAK1.RED"), "new\n");
  EXPECT_EQ(dir.read("TAK2.RED"), "keep\n");

  // Only a variant in another case: it goes, the exact name comes.
  ScratchDir other;
  other.write("skiva.ins", "old\n");
  Channel ex;
  ASSERT_TRUE(ex.open_write(other.path() / "SKIVA.INS"));
  ex.close();
  EXPECT_EQ(names(other.path()), (std::set<std::string>{"SKIVA.INS"}));
}

TEST(Channel, LinksAreNeverFollowed) {
  ScratchDir outside, dir;
  // A dangling link: its target must not come into being.
  fs::create_symlink(outside.path() / "target.txt", dir.path() / "TAK1.RED");
  Channel ch;
  EXPECT_FALSE(ch.open_write(dir.path() / "TAK1.RED"));
  EXPECT_EQ(ch.failure(),
            "cannot create: a symbolic link of that name is in the way (links are not followed)");
  EXPECT_FALSE(fs::exists(outside.path() / "target.txt"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "TAK1.RED"));
  ch.write_line("never written");
  ch.close();
  EXPECT_TRUE(names(outside.path()).empty());

  // A link to an existing file, in another letter case: the file stays as it was.
  outside.write("report.txt", "someone else's\n");
  fs::create_symlink(outside.path() / "report.txt", dir.path() / "vagg1.red");
  Channel linked;
  EXPECT_FALSE(linked.open_write(dir.path() / "VAGG1.RED"));
  EXPECT_EQ(
      linked.failure(),
      "cannot create: a symbolic link named vagg1.red is in the way (links are not followed)");
  EXPECT_EQ(outside.read("report.txt"), "someone else's\n");
  EXPECT_FALSE(fs::exists(dir.path() / "VAGG1.RED"));
}

TEST(Channel, ReadOnlyDirectoryGivesTheSystemsReason) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  ScratchDir dir;
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  Channel ch;
  const bool opened = ch.open_write(dir.path() / "TAK1.RED");
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_FALSE(opened);
  EXPECT_EQ(ch.failure(), "cannot create: " + reason(EACCES));
}

TEST(WholeFile, FullDeviceAndMissingDirectoryAreFailures) {
  EXPECT_EQ(write_whole_file("/dev/full", "{}\n"), "cannot write: " + reason(ENOSPC));
  ScratchDir dir;
  EXPECT_EQ(write_whole_file(dir.path() / "no" / "such.json", "{}\n"),
            "cannot create: " + reason(ENOENT));
  EXPECT_EQ(write_whole_file(dir.path() / "run.json", "{}\n"), "");
  EXPECT_EQ(dir.read("run.json"), "{}\n");
}

}  // namespace
}  // namespace kvop
