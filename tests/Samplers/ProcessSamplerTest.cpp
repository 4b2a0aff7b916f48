#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

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

ProcessSampler::Options fixtureOptions(const fs::path& root, const Clock& clock, AppRegistry* apps = nullptr) {
  return {.root = {root}, .clock = &clock, .apps = apps, .uid = kUser, .ticksPerSecond = 100, .pageSize = 4096};
}

}  // namespace

TEST(ProcessSampler, readsEveryProcessOfTheFixtureTree) {
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(fs::path(QEL_FIXTURES) / "proc-processes", clock));
  const auto sample = sampler.sample();
  EXPECT_FALSE(sample.energyMeasured);
  std::vector<std::int32_t> pids;
  for (const auto& p : sample.procs) pids.push_back(p.pid);
  EXPECT_EQ(pids, (std::vector<std::int32_t>{1, 2, 412, 500, 501, 600, 700}));  // pid order, no "stat" or "sys"

  const auto procs = byPid(sample);
  struct Row {
    std::int32_t pid;
    std::string name, path;
    bool isSystem;
    std::uint64_t mem, written;
  };
  const Row rows[] = {
      {1, "systemd", "/usr/lib/systemd/systemd", true, 3106 * 4096ull, 0},  // root's
      {2, "kthreadd", "", true, 0, 0},                                      // kernel thread
      {412, "a) (b", "", false, 512 * 4096ull, 4096},                      // ")" and spaces in its name
      {500, "editor", "/usr/bin/editor", false, 2560 * 4096ull, 2097152},
      {501, "defunct kid", "", false, 0, 0},                                // zombie
      {600, "postgres", "", true, 10240 * 4096ull, 0},                     // another user's: io unreadable
      {700, "worker", "/opt/tools/bin/worker", false, 100 * 4096ull, 0},   // no io file; replaced binary
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.pid);
    const ProcInfo& p = procs.at(r.pid);
    EXPECT_EQ(p.name, r.name);
    EXPECT_EQ(p.path, r.path);
    EXPECT_EQ(p.appKey, r.path);  // no registry: every key is the executable's
    EXPECT_EQ(p.isSystem, r.isSystem);
    EXPECT_EQ(p.mem, r.mem);
    EXPECT_EQ(p.diskWritten, r.written);
    EXPECT_EQ(p.cpu, 0);  // first sample: no rates yet
    EXPECT_EQ(p.diskRate, 0);
    EXPECT_EQ(p.energy, 0);
  }
}

TEST(ProcessSampler, ratesComeFromTheDifferenceOfTwoSamples) {
  test::TempDir dir;
  const auto root = copyFixture(dir);
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(root, clock));
  sampler.sample();

  // 500 used 50 more ticks (0.5 s) in 2 s and moved 1 MiB more; 600's io stays unreadable.
  dir.write("proc/500/stat",
            "500 (editor) S 1 500 500 0 -1 4194304 900 0 0 0 330 120 0 0 20 0 4 0 6000 90000000 2560 0 0\n");
  dir.write("proc/500/io", "read_bytes: 1572864\nwrite_bytes: 2621440\n");
  dir.write("proc/600/stat",
            "600 (postgres) S 1 600 600 0 -1 4194560 5000 0 0 0 1100 400 0 0 20 0 6 0 3000 300000000 10240 0\n");
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
  dir.write("proc/500/stat",
            "500 (editor) S 1 500 500 0 -1 4194304 900 0 0 0 331 120 0 0 20 0 4 0 6000 90000000 2560 0 0\n");
  dir.write("proc/500/io", "read_bytes: 1572964\nwrite_bytes: 2621440\n");
  clock.advance(50ms);
  const auto quick = byPid(sampler.sample());
  EXPECT_DOUBLE_EQ(quick.at(500).cpu, 20.0);
  EXPECT_DOUBLE_EQ(quick.at(500).diskRate, 100 / 0.2);

  // Counters that went backwards give 0, never a huge rate.
  dir.write("proc/500/stat",
            "500 (editor) S 1 500 500 0 -1 4194304 900 0 0 0 10 10 0 0 20 0 4 0 6000 90000000 2560 0 0\n");
  dir.write("proc/500/io", "read_bytes: 0\nwrite_bytes: 0\n");
  clock.advance(1s);
  const auto back = byPid(sampler.sample());
  EXPECT_EQ(back.at(500).cpu, 0);
  EXPECT_EQ(back.at(500).diskRate, 0);
}

TEST(ProcessSampler, reusedPidInheritsNoRateAndGetsFreshMetadata) {
  test::TempDir dir;
  const auto root = copyFixture(dir);
  FakeClock clock;
  ProcessSampler sampler(fixtureOptions(root, clock));
  sampler.sample();

  // Pid 500 now belongs to a new process (another start time) with larger counters.
  dir.write("proc/500/stat",
            "500 (other) S 1 500 500 0 -1 4194304 900 0 0 0 900 900 0 0 20 0 1 0 9999 1000 10 0 0\n");
  dir.write("proc/500/io", "read_bytes: 99999999\nwrite_bytes: 99999999\n");
  fs::remove(root / "proc/500/exe");
  fs::create_symlink("/usr/bin/other", root / "proc/500/exe");
  clock.advance(1s);
  auto p = byPid(sampler.sample()).at(500);
  EXPECT_EQ(p.name, "other");
  EXPECT_EQ(p.path, "/usr/bin/other");
  EXPECT_EQ(p.cpu, 0);
  EXPECT_EQ(p.diskRate, 0);

  // From the next sample on it has rates of its own.
  dir.write("proc/500/stat",
            "500 (other) S 1 500 500 0 -1 4194304 900 0 0 0 950 950 0 0 20 0 1 0 9999 1000 10 0 0\n");
  clock.advance(1s);
  EXPECT_DOUBLE_EQ(byPid(sampler.sample()).at(500).cpu, 100.0);

  // A pid that disappears and comes back under the same identity is still treated as new.
  fs::rename(root / "proc/412", root / "gone");
  clock.advance(1s);
  EXPECT_FALSE(byPid(sampler.sample()).contains(412));
  fs::rename(root / "gone", root / "proc/412");
  dir.write("proc/412/stat", "412 (a) (b) S 1 412 412 0 -1 4194304 200 0 0 0 950 50 0 0 20 0 1 0 5000 8000 512 0\n");
  clock.advance(1s);
  EXPECT_EQ(byPid(sampler.sample()).at(412).cpu, 0);
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
  ProcessSampler sampler;
  sampler.sample();
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(write(go[1], "x", 1), 1);
  char c;
  ASSERT_EQ(read(done[0], &c, 1), 1);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const auto procs = byPid(sampler.sample());
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  fs::remove(file);

  ASSERT_TRUE(procs.contains(child));
  const ProcInfo& p = procs.at(child);
  // About 0.5 s of CPU over the measured interval (clock ticks are 10 ms coarse).
  EXPECT_NEAR(p.cpu * wall / 100, 0.5, 0.1);
  EXPECT_GE(p.diskWritten, 4u << 20);
  EXPECT_GT(p.diskRate, 0);
  EXPECT_FALSE(p.isSystem);
  EXPECT_FALSE(p.name.empty());
  EXPECT_TRUE(fs::equivalent(p.path, "/proc/self/exe"));
}
