#include <gtest/gtest.h>

#include "Qel/Platform/Proc/ProcPidCgroup.hpp"
#include "Qel/Platform/Proc/ProcPidCmdline.hpp"
#include "Qel/Platform/Proc/ProcPidEnviron.hpp"
#include "Qel/Platform/Proc/ProcPidFd.hpp"
#include "Qel/Platform/Proc/ProcPidIo.hpp"
#include "Qel/Platform/Proc/ProcPidStat.hpp"
#include "Qel/Platform/Proc/ProcPidStatm.hpp"
#include "Qel/Platform/Proc/ProcPidStatus.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace std::string_view_literals;

TEST(ProcPidStat, parsesRecordedLinesFieldByField) {
  struct Row {
    const char* what;
    std::string_view text;
    PidStat expected;
  };
  const Row rows[] = {
      {"kernel thread",
       "2 (kthreadd) S 0 0 0 0 -1 2129984 0 0 0 0 0 7 0 0 20 0 1 0 26 0 0 18446744073709551615 0 0 0 0 0 0 0 "
       "2147483647 0 1 0 0 0 7 0 0 0 0 0 0 0 0 0 0 0 0 0\n",
       {.pid = 2,
        .comm = "kthreadd",
        .state = 'S',
        .ppid = 0,
        .flags = 2129984,
        .utime = 0,
        .stime = 7,
        .startTime = 26,
        .rss = 0}},
      {"name with ')' and spaces",
       "16721 (a) (b x) S 1 16717 4949 0 -1 4194304 142 0 0 0 3 4 0 0 20 0 1 0 102231 2990080 424 "
       "18446744073709551615 94422089523200 94422089541129 140724444941344 0 0 0 0 6 0 1 0 0 17 7 0 0 0 0 0\n",
       {.pid = 16721,
        .comm = "a) (b x",
        .state = 'S',
        .ppid = 1,
        .flags = 4194304,
        .faults = 142,
        .utime = 3,
        .stime = 4,
        .startTime = 102231,
        .rss = 424}},
      {"zombie",
       "16783 (python3) Z 16742 16717 4949 0 -1 4227148 221 0 0 0 0 0 0 0 20 0 1 0 102271 0 0 "
       "18446744073709551615 0 0 0 0 0 0 0 16781312 2 1 0 0 17 7 0 0 0 0 0 0 0 0 0 0 0 0 0",
       {.pid = 16783, .comm = "python3", .state = 'Z', .ppid = 16742, .flags = 4227148, .faults = 221, .startTime = 102271}},
      {"name that looks like fields",
       "7 (x) R 1 2 3) R 9 1 1 0 -1 64 3 100 4 100 5 6 0 0 20 0 1 0 77 0 9",
       {.pid = 7, .comm = "x) R 1 2 3", .state = 'R', .ppid = 9, .flags = 64, .faults = 7, .utime = 5, .stime = 6,
        .startTime = 77, .rss = 9}},
      {"newline and empty name",
       "8 (\n) S 1 1 1 0 -1 0 0 0 0 0 1 2 0 0 20 0 1 0 3 0 -5",
       {.pid = 8, .comm = "\n", .state = 'S', .ppid = 1, .utime = 1, .stime = 2, .startTime = 3, .rss = 0}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    const auto s = parsePidStat(r.text);
    ASSERT_TRUE(s);
    EXPECT_EQ(*s, r.expected);
  }
  for (const auto& r : rows) EXPECT_EQ(parsePidStatThreads(r.text), 1) << r.what;
  EXPECT_EQ(parsePidStatThreads("9 (x) S 1 1 1 0 -1 0 0 0 0 0 1 2 0 0 20 0 12 0 3 0 5"), 12);
  EXPECT_EQ(parsePidStatThreads("9 (x) S 1 1 1 0 -1 0 0 0 0 0 1 2 0 0 20 0"), 0);  // cut short
  EXPECT_TRUE(parsePidStat(rows[0].text)->isKernelThread());
  EXPECT_FALSE(parsePidStat(rows[1].text)->isKernelThread());
}

TEST(ProcPidStat, rejectsWhatIsNotAStatLine) {
  for (const std::string_view bad : {
           ""sv,
           "1 (init"sv,                                                                   // no closing parenthesis
           "1 init) S 1"sv,                                                               // closing before opening
           "1 (init) S 0 1 1 0 -1 4194560 52150 1617346 112 1085 180 95 2786 1403 20"sv,  // cut short
           "1 (init) S 0 1 1 0 -1 4194560 5 1 1 1 18446744073709551616 95 0 0 20 0 1 0 29 2 3"sv,  // past 64 bits
           "1 (init) S 0 1 1 0 -1 4194560 5 1 1 1 -3 95 0 0 20 0 1 0 29 2 3"sv,          // negative ticks
           "1 (init) SS 0 1 1 0 -1 4194560 5 1 1 1 3 95 0 0 20 0 1 0 29 2 3"sv,          // state is one letter
           "1 (init) S 0 1 1 0 -1 4194560 5 1 1 1 3 95 0 0 20 0 1 0 29 2 3.5"sv,         // not an integer
           "(init) S 0 1 1 0 -1 4194560 5 1 1 1 3 95 0 0 20 0 1 0 29 2 3"sv,             // no pid
           "x1 (init) S 0 1 1 0 -1 4194560 5 1 1 1 3 95 0 0 20 0 1 0 29 2 3"sv,          // pid not a number
       }) {
    EXPECT_FALSE(parsePidStat(bad)) << bad;
  }
}

TEST(ProcPidSmallFiles, parseTheirOneFact) {
  // io: recorded, missing counters, no counters at all, a value past 64 bits.
  EXPECT_EQ(parsePidIo("rchar: 6976\nwchar: 0\nsyscr: 10\nsyscw: 0\nread_bytes: 4096\nwrite_bytes: 8192\n"
                       "cancelled_write_bytes: 0\n"),
            (PidIo{4096, 8192}));
  EXPECT_EQ(parsePidIo("write_bytes: 12"), (PidIo{0, 12}));
  EXPECT_EQ(parsePidIo("rchar: 1\nwchar: 2\n"), std::nullopt);
  EXPECT_EQ(parsePidIo(""), std::nullopt);
  EXPECT_EQ(parsePidIo("read_bytes: 99999999999999999999999\nwrite_bytes: 5\n"), (PidIo{0, 5}));

  // statm: the second count; a zombie's are all 0.
  EXPECT_EQ(parseStatmResident("5384 3112 2050 232 0 1040 0\n"), 3112u);
  EXPECT_EQ(parseStatmResident("0 0 0 0 0 0 0\n"), 0u);
  for (const std::string_view bad : {""sv, "5384\n"sv, "5384 -3 1\n"sv, "x 3112 1\n"sv, "5384 99999999999999999999 0"sv})
    EXPECT_EQ(parseStatmResident(bad), std::nullopt) << bad;

  // status: the real uid is the first of four.
  EXPECT_EQ(parseStatusUid("Name:\tbash\nUmask:\t0022\nUid:\t1000\t0\t0\t0\nGid:\t100\t100\t100\t100\n"), 1000u);
  EXPECT_EQ(parseStatusUid("Uid:\t0\t0\t0\t0"), 0u);
  EXPECT_EQ(parseStatusUid("Name:\tx\nUid:\tnobody\n"), std::nullopt);
  EXPECT_EQ(parseStatusUid("Name:\tUid:\n"), std::nullopt);
  // ...and the resident size in kilobytes; a kernel thread's or a zombie's has no such line.
  EXPECT_EQ(parseStatusResidentKiB("Name:\tbash\nVmHWM:\t   5000 kB\nVmRSS:\t    4444 kB\nRssAnon:\t 1000 kB\n"), 4444u);
  EXPECT_EQ(parseStatusResidentKiB("VmRSS:\t0 kB"), 0u);
  for (const std::string_view bad : {"Name:\tkworker/0:1\nUid:\t0\t0\t0\t0\n"sv, "Name:\tVmRSS: 12 kB\n"sv,
                                     "VmRSS:\t-4 kB\n"sv, "VmRSS:\t99999999999999999999 kB\n"sv})
    EXPECT_EQ(parseStatusResidentKiB(bad), std::nullopt) << bad;

  // environ: whole names only.
  const std::string_view env = "PATH=/bin\0GIO_LAUNCHED_DESKTOP_FILE_PID=77\0GIO_LAUNCHED_DESKTOP_FILE=/a b.desktop\0"
                               "EMPTY=\0"sv;
  EXPECT_EQ(environValue(env, "GIO_LAUNCHED_DESKTOP_FILE"), "/a b.desktop");
  EXPECT_EQ(environValue(env, "GIO_LAUNCHED_DESKTOP_FILE_PID"), "77");
  EXPECT_EQ(environValue(env, "EMPTY"), "");
  EXPECT_EQ(environValue(env, "PAT"), std::nullopt);
  EXPECT_EQ(environValue("", "PATH"), std::nullopt);

  // cmdline: the first "--type=", whether the arguments are split by NULs or by blanks.
  EXPECT_EQ(chromiumChildType("/opt/google/chrome/chrome\0--type=renderer\0--type=gpu-process\0"sv), "renderer");
  EXPECT_EQ(chromiumChildType("/usr/share/code/code --type=gpu-process --field-trial"sv), "gpu-process");
  EXPECT_EQ(chromiumChildType("/usr/bin/python3\0-m\0type=renderer\0"sv), "");
  EXPECT_EQ(chromiumChildType("--type="sv), "");
  EXPECT_EQ(chromiumChildType(""sv), "");

  // fd links.
  EXPECT_EQ(parseSocketLink("socket:[123456]"), 123456u);
  for (const std::string_view bad : {"socket:[]"sv, "socket:[12x]"sv, "pipe:[5]"sv, "/dev/null"sv, "socket:[5"sv})
    EXPECT_EQ(parseSocketLink(bad), std::nullopt) << bad;
  for (const std::string_view gpu : {"/dev/dri/renderD128"sv, "/dev/nvidia0"sv}) EXPECT_TRUE(isGpuDeviceLink(gpu));
  for (const std::string_view other :
       {"/dev/dri/card0"sv, "/dev/dri/renderD"sv, "/dev/nvidiactl"sv, "/dev/nvidia-uvm"sv, "/dev/null"sv, ""sv})
    EXPECT_FALSE(isGpuDeviceLink(other)) << other;
}

TEST(ProcPidFd, findsTheProcessesHoldingTheGraphicsDevice) {
  test::TempDir dir;
  const auto link = [&](const char* pid, const char* fd, const char* target) {
    std::filesystem::create_directories(dir / "proc" / pid / "fd");
    std::filesystem::create_symlink(target, dir / "proc" / pid / "fd" / fd);
  };
  link("10", "0", "/dev/null");
  link("10", "7", "/dev/dri/renderD128");
  link("11", "0", "socket:[99]");
  link("11", "1", "/dev/dri/card0");
  const SysRoot root{dir.path()};
  EXPECT_EQ(holdsGpuDevice(root, 10), true);
  EXPECT_EQ(holdsGpuDevice(root, 11), false);
  EXPECT_EQ(holdsGpuDevice(root, 12), std::nullopt);  // gone, or another user's
  std::vector<std::uint64_t> inodes;
  EXPECT_TRUE(readSocketInodes(root, 11, inodes));
  EXPECT_EQ(inodes, std::vector<std::uint64_t>{99});
}

TEST(ProcPidCgroup, findsTheApplicationUnitAndItsIds) {
  struct Row {
    std::string_view cgroup;
    std::string unit;
    std::vector<std::string> ids;
  };
  const Row rows[] = {
      {"0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-gnome-firefox\\x2desr-4242.scope\n",
       "app-gnome-firefox\\x2desr-4242.scope", {"gnome-firefox-esr", "firefox-esr"}},
      {"0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-org.kde.konsole@1f2e.service\n",
       "app-org.kde.konsole@1f2e.service", {"org.kde.konsole"}},
      {"0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-flatpak-org.gimp.GIMP-99.scope/sub\n",
       "app-flatpak-org.gimp.GIMP-99.scope", {"flatpak-org.gimp.GIMP", "org.gimp.GIMP"}},
      {"12:pids:/\n1:name=systemd:/user.slice/app-code-1.scope\n0::/\n", "app-code-1.scope", {"code"}},
      {"0::/user.slice/user-1000.slice/session-2.scope\n", "", {}},
      {"0::/system.slice/app-x.slice\n", "", {}},
      {"", "", {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.cgroup);
    const std::string unit = appUnitOfCgroup(r.cgroup);
    EXPECT_EQ(unit, r.unit);
    EXPECT_EQ(appIdCandidates(unit), r.ids);
  }
  EXPECT_EQ(appIdCandidates("app-\\x2d\\x2.scope"), std::vector<std::string>{"-\\x2"});  // a cut escape stays
  EXPECT_EQ(appIdCandidates("app-.service"), std::vector<std::string>{});
}
