// What a process is called before an application claims it: the kernel's comm is cut at 15
// bytes and an in-memory executable is named "memfd:…", so every readable source is weighed.
#include <gtest/gtest.h>

#include "Qel/Samplers/ProcessName.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace std::string_literals;

TEST(ProcessName, prefersTheFullestNameThatCanBeRead) {
  struct Case {
    std::string exe, comm, cmdline, want;
  };
  const Case cases[] = {
      // The executable's file name wins over a comm cut short.
      {"/usr/libexec/tracker-miner-fs-3", "tracker-miner-f", "/usr/libexec/tracker-miner-fs-3\0"s, "tracker-miner-fs-3"},
      {"/usr/bin/gnome-shell (deleted)", "gnome-shell", "", "gnome-shell"},
      // An executable in memory: argv[0] names the program.
      {"/memfd:sealed-91173221a7ea (deleted)", "memfd:sealed-91", "line_io_tools/binary_backend\0--uid\0" "0\0"s,
       "binary_backend"},
      {"/memfd:sealed-91173221a7ea (deleted)", "backend", "", "backend"},
      {"/memfd:x (deleted)", "memfd:x", "/memfd:x\0"s, "memfd:x"},  // nothing better anywhere
      // Another user's process (exe unreadable): argv[0] only where the comm was cut from it.
      {"", "gnome-calculato", "/usr/bin/gnome-calculator\0"s, "gnome-calculator"},
      {"", "Isolated Web Co", "/usr/lib/firefox/firefox\0-contentproc\0"s, "Isolated Web Co"},
      {"", "sshd", "sshd: ana@pts/0\0\0"s, "sshd"},  // a rewritten title
      {"", "", "/opt/tool/run\0"s, "run"},
      {"", "kworker/0:1", "", "kworker/0:1"},
      // Nothing readable at all.
      {"", "", "", ""},
      {"", "", "\0\0"s, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(processOwnName(c.exe, c.comm, c.cmdline), c.want) << c.exe << " " << c.comm;
}

TEST(ProcessName, cmdlineProgramReadsArgvZero) {
  EXPECT_EQ(cmdlineProgram("/usr/bin/python3\0script.py\0"s), "python3");
  EXPECT_EQ(cmdlineProgram("/opt/chrome/chrome --type=renderer --lang=de"), "chrome");  // one rewritten line
  EXPECT_EQ(cmdlineProgram("postgres: writer"), "postgres");
  EXPECT_EQ(cmdlineProgram("dir/"), "");
  EXPECT_EQ(cmdlineProgram(""), "");
}

TEST(ProcessName, readFromAProcessesFilesOrNothingOnceItIsGone) {
  test::TempDir dir;
  dir.write("proc/77/comm", "backup-helper-l\n");
  dir.write("proc/77/cmdline", "/usr/libexec/backup-helper-long\0--daily\0"s);
  dir.write("proc/78/cmdline", "");
  const SysRoot root{dir.path()};
  EXPECT_EQ(readProcessName(root, 77), "backup-helper-long");
  EXPECT_EQ(readProcessName(root, 78), "");  // nothing to go by
  EXPECT_EQ(readProcessName(root, 79), "");  // gone
  EXPECT_EQ(readProcessName(root, 0), "");
  EXPECT_EQ(readProcessName(root, -4), "");
}
