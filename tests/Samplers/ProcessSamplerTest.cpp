#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "Qel/Platform/Proc/ProcPidCmdline.hpp"
#include "Qel/Samplers/ProcessSampler.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kUser = 1000;

// The recorded tree, copied so a test can change it between samples.
fs::path copyFixture(const test::TempDir& dir) {
  fs::copy(fs::path(QEL_FIXTURES) / "proc-processes", dir.path(),
           fs::copy_options::recursive | fs::copy_options::copy_symlinks);
  return dir.path();
}

std::map<std::int32_t, ProcInfo> byPid(const ProcessSample& s) {
  std::map<std::int32_t, ProcInfo> out;
  for (const auto& p : s.procs) out.emplace(p.pid, p);
  return out;
}

// Rewrites a process's counters in the copied tree, as the kernel would between two ticks:
// `ticks` of CPU (all user time), its start time and, when given, its storage bytes.
void setCounters(const test::TempDir& dir, int pid, const std::string& comm, std::uint64_t ticks, std::uint64_t start,
                 std::optional<std::pair<std::uint64_t, std::uint64_t>> io = {}, int threads = 1) {
  const std::string p = std::to_string(pid);
  dir.write("proc/" + p + "/stat", p + " (" + comm + ") S 1 " + p + " " + p + " 0 -1 4194304 0 0 0 0 " +
                                       std::to_string(ticks) + " 0 0 0 20 0 " + std::to_string(threads) + " 0 " + std::to_string(start) +
                                       " 0 2560\n");
  if (io)
    dir.write("proc/" + p + "/io", "read_bytes: " + std::to_string(io->first) + "\nwrite_bytes: " +
                                       std::to_string(io->second) + "\n");
}

ProcessSampler::Options fixtureOptions(const fs::path& root, const Clock& clock, AppRegistry* apps = nullptr) {
  return {.root = {root}, .clock = &clock, .apps = apps, .uid = kUser, .ticksPerSecond = 100, .pageSize = 4096};
}

// The recorded tree in a folder of its own, sampled once already.
class CopiedTree : public ::testing::Test {
 protected:
  CopiedTree() { sampler.sample(); }
  test::TempDir dir;
  fs::path root = copyFixture(dir);
  FakeClock clock;
  ProcessSampler sampler{fixtureOptions(root, clock)};
};

}  // namespace

TEST(ProcessSampler, readsEveryProcessOfTheFixtureTree) {
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(fs::path(QEL_FIXTURES) / "proc-processes", clock));
  const auto sample = sampler.sample();
  std::vector<std::int32_t> pids;
  for (const auto& p : sample.procs) pids.push_back(p.pid);
  EXPECT_EQ(pids, (std::vector<std::int32_t>{1, 2, 412, 500, 501, 600, 700}));  // pid order, no "stat" or "sys"

  const auto procs = byPid(sample);
  struct Row {
    std::int32_t pid;
    std::string name, path;
    bool isSystem;
    std::uint64_t mem, written;  // pages as statm has them (stat's estimate where it has none)
  };
  const Row rows[] = {
      {1, "systemd", "/usr/lib/systemd/systemd", true, 3112, 0},  // root's
      {2, "kthreadd", "", true, 0, 0},                            // kernel thread
      {412, "a) (b", "", false, 515, 4096},                       // ")" and spaces in its name
      {500, "editor", "/usr/bin/editor", false, 2611, 2097152},
      {501, "defunct kid", "", false, 0, 0},                      // zombie
      {600, "postgres", "", true, 10400, 0},                      // another user's: io unreadable
      {700, "worker", "/opt/tools/bin/worker", false, 100, 0},    // no io or statm file; replaced binary
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.pid);
    const ProcInfo& p = procs.at(r.pid);
    EXPECT_EQ(p.name, r.name);
    EXPECT_EQ(p.path, r.path);
    EXPECT_EQ(p.appKey, r.path);  // no registry: every key is the executable's
    EXPECT_EQ(p.isSystem, r.isSystem);
    EXPECT_EQ(p.mem, r.mem * 4096);  // as ps shows it from the first sample on, not stat's estimate
    EXPECT_EQ(p.diskWritten, r.written);
    EXPECT_EQ(p.cpu, 0);  // first sample: no rates yet
    EXPECT_EQ(p.diskRate, 0);
    EXPECT_EQ(p.energy, 0);
  }
  const auto second = byPid(sampler.sample());
  for (const auto& r : rows) EXPECT_EQ(second.at(r.pid).mem, r.mem * 4096) << r.pid;
}

using ProcessSamplerRates = CopiedTree;

TEST_F(ProcessSamplerRates, comeFromTheDifferenceOfTwoSamples) {
  // 500 used 50 more ticks (0.5 s) in 2 s and moved 1 MiB more; 600's io stays unreadable.
  setCounters(dir, 500, "editor", 450, 6000, {{1572864, 2621440}});
  setCounters(dir, 600, "postgres", 1500, 3000);
  clock.advance(2s);
  const auto procs = byPid(sampler.sample());
  EXPECT_DOUBLE_EQ(procs.at(500).cpu, 25.0);
  EXPECT_DOUBLE_EQ(procs.at(500).energy, 0.5);  // 2 W per busy core, estimated
  EXPECT_DOUBLE_EQ(procs.at(500).diskRate, 1048576.0 / 2);
  EXPECT_EQ(procs.at(500).diskWritten, 2621440u);
  EXPECT_DOUBLE_EQ(procs.at(600).cpu, 50.0);
  EXPECT_EQ(procs.at(600).diskRate, 0);
  EXPECT_EQ(procs.at(412).cpu, 0);  // unchanged counters

  // Disk rates use at least 0.2 s; CPU uses the exact interval.
  setCounters(dir, 500, "editor", 451, 6000, {{1572964, 2621440}});
  clock.advance(50ms);
  const auto quick = byPid(sampler.sample());
  EXPECT_DOUBLE_EQ(quick.at(500).cpu, 20.0);
  EXPECT_DOUBLE_EQ(quick.at(500).diskRate, 100 / 0.2);

  // Counters that went backwards give 0, never a huge rate.
  setCounters(dir, 500, "editor", 20, 6000, {{0, 0}});
  clock.advance(1s);
  const auto back = byPid(sampler.sample());
  EXPECT_EQ(back.at(500).cpu, 0);
  EXPECT_EQ(back.at(500).diskRate, 0);
}

TEST_F(ProcessSamplerRates, reusedPidInheritsNoRateAndGetsFreshMetadata) {
  // Pid 500 now belongs to a new process (another start time) with larger counters.
  setCounters(dir, 500, "other", 1800, 9999, {{99999999, 99999999}});
  fs::remove(root / "proc/500/exe");
  fs::create_symlink("/usr/bin/other", root / "proc/500/exe");
  clock.advance(1s);
  auto p = byPid(sampler.sample()).at(500);
  EXPECT_EQ(p.name, "other");
  EXPECT_EQ(p.path, "/usr/bin/other");
  EXPECT_EQ(p.cpu, 0);
  EXPECT_EQ(p.diskRate, 0);

  // From the next sample on it has rates of its own.
  setCounters(dir, 500, "other", 1900, 9999);
  clock.advance(1s);
  EXPECT_DOUBLE_EQ(byPid(sampler.sample()).at(500).cpu, 100.0);

  // The same process running another program (exec): new name, its rate carries on.
  setCounters(dir, 500, "next", 1950, 9999);
  fs::remove(root / "proc/500/exe");
  fs::create_symlink("/usr/bin/next", root / "proc/500/exe");
  clock.advance(1s);
  p = byPid(sampler.sample()).at(500);
  EXPECT_EQ(p.name, "next");
  EXPECT_DOUBLE_EQ(p.cpu, 50.0);

  // Run from an in-memory file: named after argv[0], never after the memfd.
  setCounters(dir, 500, "memfd:sealed-9", 1960, 9999);
  fs::remove(root / "proc/500/exe");
  fs::create_symlink("/memfd:sealed-91173221a7ea (deleted)", root / "proc/500/exe");
  dir.write("proc/500/cmdline", std::string("tools/binary_backend\0--uid\0" "0", 28));
  clock.advance(1s);
  EXPECT_EQ(byPid(sampler.sample()).at(500).name, "binary_backend");

  // A pid that disappears and comes back under the same identity is still treated as new.
  fs::rename(root / "proc/412", root / "gone");
  clock.advance(1s);
  EXPECT_FALSE(byPid(sampler.sample()).contains(412));
  fs::rename(root / "gone", root / "proc/412");
  setCounters(dir, 412, "a) (b", 1000, 5000);
  clock.advance(1s);
  EXPECT_EQ(byPid(sampler.sample()).at(412).cpu, 0);
}

TEST_F(ProcessSamplerRates, ioIsReadAgainOnlyOnceTheProcessRan) {
  constexpr double MiB = 1 << 20;
  dir.write("proc/2/io", "read_bytes: 5\nwrite_bytes: 7\n");  // a kernel thread's: never read
  // 500 reads 1 MiB and writes 1 MiB with less than a clock tick of CPU: its figures stand, with
  // no rate, however long it then sleeps...
  setCounters(dir, 500, "editor", 400, 6000, {{2 * 1048576, 3 * 1048576}});
  for (int second = 1; second <= 30; ++second) {
    clock.advance(1s);
    const auto procs = byPid(sampler.sample());
    EXPECT_EQ(procs.at(2).diskWritten, 0u);
    EXPECT_EQ(procs.at(500).diskRate, 0) << second;
    EXPECT_EQ(procs.at(500).diskWritten, 2097152u) << second;
  }
  // ...until the tick that moves its CPU time shows them, as the average since the read before.
  setCounters(dir, 500, "editor", 401, 6000, {{2 * 1048576, 3 * 1048576}});
  clock.advance(2s);
  const ProcInfo p = byPid(sampler.sample()).at(500);
  EXPECT_DOUBLE_EQ(p.diskRate, 2 * MiB / 32);
  EXPECT_EQ(p.diskWritten, 3u * 1048576);
}

TEST_F(ProcessSamplerRates, memoryIsReadAgainWhereItMayHaveMoved) {
  const auto mem = [&] {
    clock.advance(1s);
    return byPid(sampler.sample()).at(500).mem / 4096;
  };
  // statm moved while nothing in stat did: it shows by the process's periodic read.
  dir.write("proc/500/statm", "21973 2700 1200 300 0 5000 0\n");
  int seconds = 1;
  while (mem() == 2611 && seconds < 60) ++seconds;
  EXPECT_LE(seconds, 30);
  EXPECT_EQ(mem(), 2700u);
  // It ran, its stat estimate moved (reclaim took pages while it slept) or it faulted pages in
  // within less than a clock tick: read at once.
  dir.write("proc/500/statm", "21973 2750 1200 300 0 5000 0\n");
  setCounters(dir, 500, "editor", 401, 6000);
  EXPECT_EQ(mem(), 2750u);
  dir.write("proc/500/statm", "21973 1800 1200 300 0 5000 0\n");
  dir.write("proc/500/stat", "500 (editor) S 1 500 500 0 -1 4194304 0 0 0 0 401 0 0 0 20 0 1 0 6000 0 1790\n");
  EXPECT_EQ(mem(), 1800u);
  dir.write("proc/500/statm", "21973 1805 1200 300 0 5000 0\n");
  dir.write("proc/500/stat", "500 (editor) S 1 500 500 0 -1 4194304 5 0 0 0 401 0 0 0 20 0 1 0 6000 0 1790\n");
  EXPECT_EQ(mem(), 1805u);
  // Where statm says nothing, the estimate stands in.
  dir.write("proc/500/statm", "");
  setCounters(dir, 500, "editor", 402, 6000);
  EXPECT_EQ(mem(), 2560u);
}

TEST(ProcessSampler, aBrokenStatFileLeavesOnlyThatProcessOut) {
  test::TempDir dir;
  const auto root = copyFixture(dir);
  dir.write("proc/412/stat", "412 (truncated S 1");
  dir.write("proc/500/stat", "500 (editor) S 1 500 500 0 -1 4194304 900 0 0 0 99999999999999999999 1 0 0 "
                             "20 0 4 0 6000 90000000 2560 0 0\n");  // utime past 64 bits
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(root, clock));
  const auto procs = byPid(sampler.sample());
  EXPECT_FALSE(procs.contains(412));
  EXPECT_FALSE(procs.contains(500));
  EXPECT_EQ(procs.size(), 5u);

  EXPECT_TRUE(ProcessSampler(fixtureOptions(dir / "nothing-here", clock)).sample().procs.empty());
}

TEST(ProcessSampler, processesOfAnApplicationCarryItsKey) {
  test::TempDir dir;
  const auto root = copyFixture(dir);
  const auto editor = dir.write("bin/editor", "#!/bin/true\n");
  const auto entry = dir.write("share/applications/org.example.Editor.desktop",
                               "[Desktop Entry]\nType=Application\nName=Editor\nName[de]=Bearbeiter\n"
                               "Exec=" + editor.string() + " %F\nIcon=accessories-text-editor\n");
  fs::remove(root / "proc/500/exe");
  fs::create_symlink(editor, root / "proc/500/exe");
  AppRegistry apps({.dataDirs = {dir / "share"}, .locale = "de_DE", .searchPath = {}});
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(root, clock, &apps));
  const auto procs = byPid(sampler.sample());
  // The main program takes the app's name; the zombie child in the same app unit keeps its own.
  EXPECT_EQ(procs.at(500).name, "Bearbeiter");
  EXPECT_EQ(procs.at(500).appKey, entry.string());
  EXPECT_EQ(procs.at(501).name, "defunct kid");
  EXPECT_EQ(procs.at(501).appKey, entry.string());
  EXPECT_EQ(procs.at(700).appKey, "/opt/tools/bin/worker");
  EXPECT_TRUE(isAppKey(procs.at(500).appKey));
  EXPECT_FALSE(isAppKey(procs.at(700).appKey));
}

TEST(ProcessSampler, keepsTheNameAProcessGivesItselfAndItsHelperKind) {
  test::TempDir dir;
  const auto root = copyFixture(dir);
  // A browser's helper: the browser's program, its own name, its kind in the arguments.
  dir.write("proc/500/cmdline", std::string("/usr/bin/editor\0--type=renderer\0--lang=de\0", 42));
  setCounters(dir, 500, "Web Content", 300, 6000);
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(root, clock));
  const auto procs = byPid(sampler.sample());
  EXPECT_EQ(procs.at(500).comm, "Web Content");
  EXPECT_EQ(procs.at(500).name, "editor");
  EXPECT_EQ(procs.at(2).comm, "kthreadd");
  // The helper kind is read when asked, and only of the process that was sampled.
  EXPECT_EQ(procs.at(500).childType, "");
  EXPECT_EQ(readChildType({root}, 500, procs.at(500).startTime), "renderer");
  EXPECT_EQ(readChildType({root}, 500, procs.at(500).startTime + 1), "");
  EXPECT_EQ(readChildType({root}, 700, procs.at(700).startTime), "");  // no arguments file
}

TEST(ProcessSampler, measuresARealChildsCpuAndWrittenBytes) {
  int go[2], done[2];
  ASSERT_EQ(pipe(go), 0);
  ASSERT_EQ(pipe(done), 0);
  const fs::path file = fs::path(QEL_TEST_BINARY_DIR) / ("written-by-child-" + std::to_string(getpid()));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char c;
    if (read(go[0], &c, 1) != 1) _exit(1);
    // Half a second of CPU, then 4 MiB to storage.
    timespec start{}, now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    volatile unsigned long spin = 0;
    do {
      for (int i = 0; i < 100000; ++i) spin = spin + 1;
      clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    } while ((now.tv_sec - start.tv_sec) * 1000000000L + (now.tv_nsec - start.tv_nsec) < 500000000L);
    {
      std::ofstream out(file, std::ios::binary);
      const std::string block(1 << 20, 'x');
      for (int i = 0; i < 4; ++i) out << block;
    }
    sync();
    if (write(done[1], "x", 1) != 1) _exit(1);
    pause();
    _exit(0);
  }
  // A fake clock: the interval is exactly two seconds however slowly a loaded machine runs it.
  FakeClock clock;
  ProcessSampler sampler({.clock = &clock});
  sampler.sample();
  ASSERT_EQ(write(go[1], "x", 1), 1);
  char c;
  ASSERT_EQ(read(done[0], &c, 1), 1);
  clock.advance(2s);
  const auto procs = byPid(sampler.sample());
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  fs::remove(file);

  ASSERT_TRUE(procs.contains(child));
  const ProcInfo& p = procs.at(child);
  // The half second it spun, and a little for the writing, over the two seconds (clock ticks
  // are 10 ms coarse).
  EXPECT_GE(p.cpu * 2 / 100, 0.48);
  EXPECT_LE(p.cpu * 2 / 100, 0.7);
  EXPECT_GE(p.diskWritten, 4u << 20);
  EXPECT_GT(p.diskRate, 0);
  EXPECT_FALSE(p.isSystem);
  EXPECT_FALSE(p.name.empty());
  EXPECT_TRUE(fs::equivalent(p.path, "/proc/self/exe"));
}

TEST(ProcessSampler, reportsTheBytesARealChildMovesToAndFromStorage) {
  if (!readText("/proc/self/io")) GTEST_SKIP() << "this kernel keeps no I/O counters per process";
  constexpr std::size_t kBytes = 4 << 20;
  int go[2], done[2];
  ASSERT_EQ(pipe(go), 0);
  ASSERT_EQ(pipe(done), 0);
  const fs::path file = fs::path(QEL_TEST_BINARY_DIR) / ("moved-by-child-" + std::to_string(getpid()));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char c;
    if (read(go[0], &c, 1) != 1) _exit(1);
    // Written through to storage, dropped from the page cache and read back: both counted whole.
    const std::string block(1 << 20, 'x');
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    for (std::size_t at = 0; fd >= 0 && at < kBytes; at += block.size())
      if (write(fd, block.data(), block.size()) != ssize_t(block.size())) _exit(1);
    if (fd < 0 || fsync(fd) != 0 || posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0) _exit(1);
    std::string back(kBytes, '\0');
    if (pread(fd, back.data(), back.size(), 0) != ssize_t(kBytes)) _exit(1);
    // Then a few clock ticks of CPU, which moving data in earnest takes: less might not move
    // its CPU time, and its io would show only once something does.
    timespec start{}, now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    volatile unsigned long spin = 0;
    do {
      for (int i = 0; i < 10000; ++i) spin = spin + 1;
      clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    } while ((now.tv_sec - start.tv_sec) * 1000000000L + (now.tv_nsec - start.tv_nsec) < 30000000L);
    if (write(done[1], "x", 1) != 1) _exit(1);
    pause();
    _exit(0);
  }
  // A fake clock: each sample is one second after the one before, however fast the test runs.
  FakeClock clock;
  ProcessSampler sampler({.clock = &clock});
  const auto before = byPid(sampler.sample());
  ASSERT_EQ(write(go[1], "x", 1), 1);
  char c;
  ASSERT_EQ(read(done[0], &c, 1), 1);
  clock.advance(1s);
  const auto after = byPid(sampler.sample());
  clock.advance(1s);
  const auto later = byPid(sampler.sample());
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  fs::remove(file);

  ASSERT_TRUE(before.contains(child) && after.contains(child));
  const ProcInfo& p = after.at(child);
  // The file's pages, and at most a few of the file system's own that the child dirtied.
  const std::uint64_t written = p.diskWritten - before.at(child).diskWritten;
  EXPECT_GE(written, kBytes);
  EXPECT_LE(written, kBytes + (256 << 10));
  // Read plus written, over the second since the previous sample.
  EXPECT_GE(p.diskRate, double(2 * kBytes));
  EXPECT_LE(p.diskRate, double(2 * kBytes + (256 << 10)));
  ASSERT_TRUE(later.contains(child));
  EXPECT_EQ(later.at(child).diskRate, 0);  // it does nothing more
}

TEST(ProcessSampler, aProcessStartedOrEndedBetweenTicksShowsInTheNextSample) {
  FakeClock clock;
  ProcessSampler sampler({.clock = &clock});
  sampler.sample();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    for (;;) pause();
  }
  auto pidsOf = [](const ProcessSample& s) {
    std::vector<std::int32_t> pids;
    for (const auto& p : s.procs) pids.push_back(p.pid);
    return pids;
  };
  // Several ticks, so both the short listings between full ones and a full one are seen.
  for (int tick = 0; tick < 12; ++tick) {
    clock.advance(1s);
    const auto pids = pidsOf(sampler.sample());
    EXPECT_TRUE(std::is_sorted(pids.begin(), pids.end()));
    EXPECT_TRUE(std::adjacent_find(pids.begin(), pids.end()) == pids.end());
    EXPECT_TRUE(std::binary_search(pids.begin(), pids.end(), child)) << tick;
    EXPECT_TRUE(std::binary_search(pids.begin(), pids.end(), getpid())) << tick;
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  clock.advance(1s);
  const auto pids = pidsOf(sampler.sample());
  EXPECT_FALSE(std::binary_search(pids.begin(), pids.end(), child));
}

TEST(ProcessSampler, aSystemServiceIsTheSystemsWhoeverRunsQel) {
  test::TempDir dir;
  const auto root = copyFixture(dir);
  dir.write("proc/500/cgroup", "0::/user.slice/user-0.slice/session-2.scope\n");
  dir.write("proc/500/status", "Name:\teditor\nUid:\t0\t0\t0\t0\n");
  dir.write("proc/700/cgroup", "0::/system.slice/worker.service\n");
  FakeClock clock;
  auto asRoot = fixtureOptions(root, clock);
  asRoot.uid = 0;
  const auto rooted = byPid(ProcessSampler(asRoot).sample());
  EXPECT_TRUE(rooted.at(1).isSystem);   // init
  EXPECT_FALSE(rooted.at(500).isSystem) << "a root login session's own program";
  EXPECT_TRUE(rooted.at(700).isSystem) << "a service";
  EXPECT_TRUE(rooted.at(600).isSystem);  // another user's

  dir.write("proc/1/cgroup", "0::/init.scope\n");
  dir.write("proc/500/cgroup", "1:name=systemd:/system.slice/editor.service\n");
  const auto user = byPid(ProcessSampler(fixtureOptions(root, clock)).sample());
  EXPECT_TRUE(user.at(500).isSystem);  // a service, told by the older hierarchy
  EXPECT_TRUE(user.at(700).isSystem);
}

TEST(ProcessSampler, whatANewcomerTakesFromItsKinIsCheckedOnItsSecondTick) {
  test::TempDir dir;
  const auto root = copyFixture(dir);
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(root, clock));
  // The editor starts workers: one stays in the editor's group, the next is moved into a service,
  // and one more runs a namesake from another folder.
  const auto start = [&](int pid, const std::string& cgroup, const std::string& exe = "/opt/tools/bin/worker") {
    const std::string p = std::to_string(pid);
    dir.write("proc/" + p + "/stat", p + " (worker) S 500 500 500 0 -1 4194304 0 0 0 0 0 0 0 0 20 0 1 0 " +
                                         std::to_string(7000 + pid) + " 0 100\n");
    dir.write("proc/" + p + "/status", "Name:\tworker\nUid:\t1000\t1000\t1000\t1000\n");
    dir.write("proc/" + p + "/cgroup", cgroup);
    fs::create_symlink(exe, root / "proc" / p / "exe");
    clock.advance(1s);
    return byPid(sampler.sample());
  };
  const auto next = [&] {
    clock.advance(1s);
    return byPid(sampler.sample());
  };
  const std::string editors = *readText(root / "proc/500/cgroup"), service = "0::/system.slice/worker.service\n";
  sampler.sample();
  EXPECT_FALSE(start(800, editors).at(800).isSystem);
  start(801, service);
  EXPECT_TRUE(next().at(801).isSystem);
  EXPECT_TRUE(start(802, service).at(802).isSystem) << "once one was moved, the next are read at once";

  EXPECT_EQ(start(803, editors, "/usr/local/bin/worker").at(803).name, "worker");
  EXPECT_EQ(next().at(803).path, "/usr/local/bin/worker");
}

TEST(ProcessSampler, aRealChildIsTheUsersItRunsAsAfterChangingUsers) {
  if (getuid() != 0) GTEST_SKIP() << "changing users needs root";
  constexpr uid_t kNobody = 65534;
  // One child changes users and carries on (its files then belong to root); another runs a
  // program as that user, which starts one more process, as that user too.
  const pid_t dropped = fork();
  ASSERT_GE(dropped, 0);
  if (dropped == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(1);
    for (;;) pause();
  }
  const pid_t shell = fork();
  ASSERT_GE(shell, 0);
  if (shell == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(1);
    execl("/bin/sh", "sh", "-c", "sleep 30 & exec sleep 30", nullptr);
    _exit(1);
  }
  // And a program that changes users itself once started (its files then belong to root), after
  // a namesake from another folder.
  test::TempDir dir;
  const fs::path namesake = dir / "python3";
  fs::copy_file("/bin/sleep", namesake);
  const pid_t decoy = fork();
  ASSERT_GE(decoy, 0);
  if (decoy == 0) {
    execl(namesake.c_str(), "python3", "30", nullptr);
    _exit(1);
  }
  const pid_t program = fork();
  ASSERT_GE(program, 0);
  if (program == 0) {
    execlp("python3", "python3", "-c", "import os, time; os.setgid(65534); os.setuid(65534); time.sleep(30)", nullptr);
    _exit(1);
  }
  FakeClock clock;
  std::int32_t grandchild = 0;
  bool changed = false;
  for (int i = 0; i < 300 && (grandchild == 0 || !changed); ++i) {
    const auto procs = byPid(ProcessSampler({.clock = &clock}).sample());
    for (const auto& [pid, p] : procs)
      if (p.ppid == shell && p.comm == "sleep" && procs.contains(shell) && procs.at(shell).comm == "sleep")
        grandchild = pid;
    const auto runsAsNobody = [](pid_t pid) {
      const auto status = readText("/proc/" + std::to_string(pid) + "/status");
      return status && status->find("Uid:\t65534") != std::string::npos;
    };
    changed = runsAsNobody(program) && runsAsNobody(dropped);
    if (grandchild == 0 || !changed) usleep(10000);
  }
  ASSERT_NE(grandchild, 0) << "the shell's program did not start";
  ASSERT_TRUE(changed) << "the program or the child did not change users";
  for (const std::uint32_t uid : {0u, std::uint32_t(kNobody)}) {
    SCOPED_TRACE(uid);
    ProcessSampler sampler({.clock = &clock, .uid = uid});
    sampler.sample();
    const auto procs = byPid(sampler.sample());
    EXPECT_EQ(procs.at(dropped).isSystem, uid != kNobody);
    EXPECT_EQ(procs.at(shell).isSystem, uid != kNobody);
    EXPECT_EQ(procs.at(grandchild).isSystem, uid != kNobody);
    EXPECT_EQ(procs.at(program).isSystem, uid != kNobody) << "by its second tick";
    EXPECT_EQ(procs.at(getpid()).isSystem, uid != 0);
  }
  for (const pid_t pid : {dropped, shell, decoy, program, pid_t(grandchild)}) kill(pid, SIGKILL);
  for (const pid_t pid : {dropped, shell, decoy, program}) waitpid(pid, nullptr, 0);
}

TEST_F(ProcessSamplerRates, neverExceedTheMachinesCores) {
  ProcessSampler twoCores([&] {
    auto o = fixtureOptions(root, clock);
    o.cores = 2;
    return o;
  }());
  twoCores.sample();
  // 9 seconds of CPU in one second on a two-core machine: the counters moved while the
  // interval didn't.
  setCounters(dir, 500, "editor", 400 + 900, 6000, {}, 4);
  clock.advance(1s);
  EXPECT_DOUBLE_EQ(byPid(twoCores.sample()).at(500).cpu, 200.0);
  // One thread runs on one core at the most, however the ticks round: 1.01 s in one second.
  setCounters(dir, 500, "editor", 1300 + 50, 6000, {}, 1);
  clock.advance(1s);
  twoCores.sample();
  setCounters(dir, 500, "editor", 1350 + 101, 6000, {}, 1);
  clock.advance(1s);
  EXPECT_DOUBLE_EQ(byPid(twoCores.sample()).at(500).cpu, 100.0);
  // A thread that ended within the interval still counts for it.
  setCounters(dir, 500, "editor", 1451 + 150, 6000, {}, 2);
  clock.advance(1s);
  twoCores.sample();
  setCounters(dir, 500, "editor", 1601 + 150, 6000, {}, 1);
  clock.advance(1s);
  EXPECT_DOUBLE_EQ(byPid(twoCores.sample()).at(500).cpu, 150.0);
}

TEST(ProcessSampler, keptDescriptorsStayBesideTheirOwnPids) {
  std::vector<int> out;
  // Newcomers below, between and above the known pids; 5002 gone.
  const std::vector<std::int32_t> before{5001, 5002, 5003}, now{201, 3001, 5001, 5003, 7000};
  pairDescriptors(before, std::vector<int>{11, 12, 13}, now, out);
  EXPECT_EQ(out, (std::vector<int>{-1, -1, 11, 13, -1}));
  pairDescriptors({}, {}, now, out);
  EXPECT_EQ(out, (std::vector<int>(5, -1)));
  pairDescriptors(before, std::vector<int>{11}, before, out);  // fewer descriptors than pids
  EXPECT_EQ(out, (std::vector<int>{11, -1, -1}));
}
