// The sampler against ground truth while processes come and go at pids of the test's choosing:
// below, between and above the ones already listed, reused, and past a wrap of the pid counter.
// It runs as pid 1 of a pid namespace of its own, with a /proc of that namespace, so the pids
// are the test's to hand out (this needs root; elsewhere the test is skipped).
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "Qel/Platform/Proc/ProcPidStat.hpp"
#include "Qel/Platform/Proc/ProcPidStatm.hpp"
#include "Qel/Samplers/ProcessName.hpp"
#include "Qel/Samplers/ProcessSampler.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
namespace fs = std::filesystem;

namespace {

// Runs `body` as pid 1 of a fresh pid namespace whose /proc is mounted at `root`/proc, and
// returns what it reported; absent where namespaces can't be made.
std::optional<std::string> inPidNamespace(const fs::path& root, const std::function<std::string()>& body) {
  int report[2];
  if (pipe(report) != 0) return "no pipe";
  const pid_t outer = fork();
  if (outer < 0) return "no fork";
  if (outer == 0) {
    close(report[0]);
    if (unshare(CLONE_NEWPID | CLONE_NEWNS) != 0) _exit(77);
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) _exit(77);
    const pid_t init = fork();
    if (init < 0) _exit(1);
    if (init == 0) {
      if (mount("proc", (root / "proc").c_str(), "proc", 0, nullptr) != 0) _exit(77);
      const std::string text = body();
      if (write(report[1], text.data(), text.size()) != ssize_t(text.size())) _exit(1);
      _exit(0);
    }
    int status = 0;
    waitpid(init, &status, 0);
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
  }
  close(report[1]);
  std::string text;
  char buf[4096];
  for (ssize_t n; (n = read(report[0], buf, sizeof buf)) > 0;) text.append(buf, std::size_t(n));
  close(report[0]);
  int status = 0;
  waitpid(outer, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 77) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) text += "\nthe namespace's init failed";
  return text;
}

// The processes of the namespace, started at the pids the test asks for.
class Population {
 public:
  explicit Population(fs::path proc) : proc_(std::move(proc)) {}
  ~Population() {
    for (const auto& [pid, name] : alive_) stop(pid);
  }

  // Starts a process named `name` at `pid` (the next pid after `pid` - 1, when it is free), or
  // at the next pid the kernel hands out, with `pages` more memory of its own; busy ones spin.
  pid_t start(const std::string& name, bool busy, std::optional<pid_t> pid = {}, std::size_t pages = 0) {
    if (pid) std::ofstream(proc_ / "sys/kernel/ns_last_pid") << *pid - 1;
    int named[2];
    if (pipe(named) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
      const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
      auto* memory = static_cast<volatile char*>(
          pages ? mmap(nullptr, pages * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) : nullptr);
      for (std::size_t i = 0; memory != MAP_FAILED && i < pages; ++i) memory[i * page] = 1;
      prctl(PR_SET_NAME, name.c_str());
      if (write(named[1], "n", 1) != 1) _exit(1);
      volatile unsigned long spin = 0;
      for (;;) {
        if (busy)
          spin = spin + 1;
        else
          pause();
      }
    }
    // Back only once the child has its name, so no sample can see it under the test's own.
    char c;
    if (child > 0 && read(named[0], &c, 1) == 1) alive_[child] = name;
    close(named[0]);
    close(named[1]);
    return child;
  }

  // Starts `program` (which sleeps when given "600") at `pid`, or at the next pid the kernel
  // hands out, under the name its file gives it.
  pid_t run(const char* program, std::optional<pid_t> pid = {}) {
    if (pid) std::ofstream(proc_ / "sys/kernel/ns_last_pid") << *pid - 1;
    int started[2];
    if (pipe2(started, O_CLOEXEC) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
      execl(program, program, "600", nullptr);
      _exit(1);
    }
    // The pipe closes as the program replaces the child.
    close(started[1]);
    char c;
    while (child > 0 && read(started[0], &c, 1) > 0) {
    }
    close(started[0]);
    // Then the program still loads what it links to: back once it sleeps, its memory settled.
    for (int waited = 0; child > 0 && waited < 30'000 && !sleeping(child); ++waited) usleep(1000);
    if (child > 0) alive_[child] = fs::path(program).filename().string();
    return child;
  }
  bool sleeping(pid_t pid) const {
    std::ifstream in(proc_ / std::to_string(pid) / "stat");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto stat = parsePidStat(text);
    return stat && text.find(") S ") != std::string::npos;
  }

  void stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  void end(pid_t pid) {
    stop(pid);
    alive_.erase(pid);
  }
  const std::map<pid_t, std::string>& alive() const { return alive_; }

 private:
  fs::path proc_;
  std::map<pid_t, std::string> alive_;
};

// What is wrong with a sample, judged against each listed process's own stat file, the resident
// size ps shows of the test's processes (whose memory stays as it was started), what is read
// from their second tick on (`before` lists the previous sample's processes) and the processes
// the test knows to be running.
std::string check(const ProcessSample& sample, const std::set<std::pair<std::int32_t, std::uint64_t>>& before,
                  const fs::path& proc, const Population& population, int tick) {
  std::ostringstream wrong;
  std::set<std::int32_t> listed;
  const long cores = sysconf(_SC_NPROCESSORS_ONLN);
  for (const auto& p : sample.procs) {
    if (!listed.insert(p.pid).second) wrong << "tick " << tick << ": pid " << p.pid << " listed twice\n";
    std::ifstream in(proc / std::to_string(p.pid) / "stat");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto truth = parsePidStat(text);
    if (!truth) {
      wrong << "tick " << tick << ": pid " << p.pid << " (" << p.comm << ") is not running\n";
      continue;
    }
    if (truth->comm != p.comm || truth->startTime != p.startTime)
      wrong << "tick " << tick << ": pid " << p.pid << " shown as " << p.comm << " started at " << p.startTime
            << ", is " << truth->comm << " started at " << truth->startTime << "\n";
    // One core at the most per thread (the test's processes keep theirs), and per core.
    const double most = 100.0 * double(std::min<std::int64_t>(cores, std::max<std::int64_t>(1, parsePidStatThreads(text))));
    if (p.cpu < 0 || p.cpu > most)
      wrong << "tick " << tick << ": pid " << p.pid << " at " << p.cpu << " % of one core\n";
    // The resident size ps shows, from the first tick on.
    if (population.alive().contains(p.pid)) {
      std::ifstream statm(proc / std::to_string(p.pid) / "statm");
      const std::string counts((std::istreambuf_iterator<char>(statm)), std::istreambuf_iterator<char>());
      const std::uint64_t ps = parseStatmResident(counts).value_or(0) * std::uint64_t(sysconf(_SC_PAGESIZE));
      if (p.mem != ps) wrong << "tick " << tick << ": pid " << p.pid << " shows " << p.mem << " bytes, ps " << ps << "\n";
    }
    if (!before.contains({p.pid, p.startTime})) continue;
    // From its second tick on, no executable taken from a namesake stands in for its own.
    std::error_code error;
    const std::string exe = fs::read_symlink(proc / std::to_string(p.pid) / "exe", error).string();
    if (!error && p.path != exe) wrong << "tick " << tick << ": pid " << p.pid << " runs " << p.path << ", is " << exe << "\n";
    // Nor a name kept from the process that had its pid before.
    const std::string name = readProcessName(SysRoot{proc.parent_path()}, p.pid);
    if (!name.empty() && p.name != name)
      wrong << "tick " << tick << ": pid " << p.pid << " named " << p.name << ", is " << name << "\n";
  }
  for (const auto& [pid, name] : population.alive())
    if (!listed.count(pid)) wrong << "tick " << tick << ": running " << name << " (" << pid << ") not listed\n";
  return wrong.str();
}

}  // namespace

TEST(ProcessSamplerChurn, everyRowIsTheProcessAtItsPidWhateverOrderPidsArriveIn) {
  test::TempDir dir;
  fs::create_directories(dir / "proc");
  const auto report = inPidNamespace(dir.path(), [&]() -> std::string {
    const fs::path proc = dir / "proc";
    ProcessSampler sampler({.root = {dir.path()}});
    Population population(proc);
    std::ostringstream wrong;
    int tick = 0;
    std::map<pid_t, std::pair<int, int>> busyTicks;  // a spinning process's ticks listed, and with no CPU
    std::set<std::pair<std::int32_t, std::uint64_t>> listed;
    const auto sampleAndCheck = [&] {
      usleep(100'000);
      const auto sample = sampler.sample();
      wrong << check(sample, listed, proc, population, ++tick);
      listed.clear();
      for (const auto& p : sample.procs) listed.insert({p.pid, p.startTime});
      for (const auto& p : sample.procs)
        if (p.comm.starts_with("busy")) {
          ++busyTicks[p.pid].first;
          busyTicks[p.pid].second += p.cpu == 0;
        }
    };

    // Listed ones high up, then the counter wraps and newcomers come below and between them.
    for (const pid_t pid : {5001, 5002, 5003})
      population.start(pid == 5001 ? "busy-5001" : "idle", pid == 5001, pid, pid == 5002 ? 40 : 0);
    sampleAndCheck();
    sampleAndCheck();
    population.start("low", false, 201);
    population.start("middle", false, 3001);
    for (int i = 0; i < 5; ++i) sampleAndCheck();

    // A pid reused by another process of another size, one above the rest, and after a wrap one
    // between.
    population.end(5002);
    population.start("busy-reused", true, 5002, 3);
    sampleAndCheck();
    population.start("above", false, 7000);
    sampleAndCheck();
    population.start("between", false, 4000);
    for (int i = 0; i < 3; ++i) sampleAndCheck();

    // A program started under its file's name, a namesake of it started by the same parent (its
    // executable may be taken from the first until its second tick), then the first's pid reused
    // by a process of that name running another file.
    population.run("/bin/sleep", 6001);
    sampleAndCheck();
    population.run("/bin/sleep", 6002);
    sampleAndCheck();
    sampleAndCheck();
    population.end(6001);
    population.start("sleep", false, 6001);
    for (int i = 0; i < 3; ++i) sampleAndCheck();

    // The counter runs out and wraps by itself.
    population.start("top", false, 32767);
    sampleAndCheck();
    population.start("wrapped", false);
    for (int i = 0; i < 3; ++i) sampleAndCheck();

    // Then churn for more than one full listing's worth of ticks. The kernel hands out pids
    // rising from the last one, skipping those in use, until the counter wraps; between two ticks
    // the newcomers come either on from the last pid or, after a wrap, from below it.
    std::mt19937 random(35);
    pid_t last = population.alive().rbegin()->first;
    for (int round = 0; round < 30; ++round) {
      if (population.alive().size() > 4 && random() % 2) {
        auto it = population.alive().begin();
        std::advance(it, random() % population.alive().size());
        population.end(it->first);
      }
      const bool wraps = random() % 4 == 0;
      pid_t from = wraps ? 2 : std::min(last + 1, 30000);
      for (int i = int(random() % 3); i > 0; --i) {
        const pid_t pid = from + pid_t(random() % 2000);
        const bool busy = random() % 4 == 0;
        last = population.start(busy ? "busy" : "churn", busy, pid, random() % 50);
        from = last + 1;
      }
      sampleAndCheck();
    }
    // A process that spins shows CPU after its first tick (on a loaded machine not in every one).
    for (const auto& [pid, ticks] : busyTicks)
      if (ticks.first > 3 && ticks.second == ticks.first)
        wrong << "busy pid " << pid << " read no CPU in " << ticks.second << " of " << ticks.first << " ticks\n";
    return wrong.str();
  });
  if (!report) GTEST_SKIP() << "pid namespaces can't be made here";
  EXPECT_EQ(*report, "");
}

TEST(ProcessSamplerChurn, programsThatRunOnceUnderNamesOfTheirOwnLeaveNothingBehind) {
  // As a build or a script runs its steps: hard links of one program, each run once under a
  // name never seen before, some of them at the pid of one that just ended.
  test::TempDir dir;
  fs::create_directories(dir / "proc");
  fs::create_directories(dir / "bin");
  fs::copy_file("/bin/sleep", dir / "bin/sleep");
  fs::permissions(dir / "bin/sleep", fs::perms::owner_all);
  const auto report = inPidNamespace(dir.path(), [&]() -> std::string {
    const fs::path proc = dir / "proc";
    ProcessSampler sampler({.root = {dir.path()}});
    Population population(proc);
    std::ostringstream wrong;
    int tick = 0;
    std::set<std::pair<std::int32_t, std::uint64_t>> listed;
    const auto sampleAndCheck = [&] {
      usleep(100'000);
      const auto sample = sampler.sample();
      wrong << check(sample, listed, proc, population, ++tick);
      listed.clear();
      for (const auto& p : sample.procs) listed.insert({p.pid, p.startTime});
    };
    population.start("idle", false);
    for (int i = 0; i < 3; ++i) sampleAndCheck();
    const std::size_t before = sampler.lookups();

    std::mt19937 random(53);
    int named = 0;
    pid_t last = 0;  // the pid handed out last
    const auto runOnce = [&](std::optional<pid_t> pid) {
      const fs::path link = dir / "bin" / ("step-" + std::to_string(++named));
      fs::create_hard_link(dir / "bin/sleep", link);
      last = population.run(link.c_str(), pid);
    };
    for (int round = 0; round < 30; ++round) {
      std::vector<pid_t> linked;
      for (const auto& [pid, name] : population.alive())
        if (name.starts_with("step-")) linked.push_back(pid);
      if (!linked.empty() && random() % 2) {
        const pid_t gone = linked[random() % linked.size()];
        population.end(gone);
        // Its pid taken by another program, as after the pid counter wrapped: below the last
        // one handed out, and the next pids are handed out from there on, in the rounds after.
        if (gone < last && random() % 2) {
          runOnce(gone);
          sampleAndCheck();
          continue;
        }
      }
      for (int i = int(random() % 3); i > 0; --i) runOnce(std::nullopt);
      sampleAndCheck();
    }
    // Once they have ended, what they alone used goes within a full listing's ticks.
    for (const auto& [pid, name] : std::map(population.alive()))
      if (name.starts_with("step-")) population.end(pid);
    for (int i = 0; i < 11; ++i) sampleAndCheck();
    if (sampler.lookups() != before)
      wrong << "after " << named << " programs run once, " << sampler.lookups() << " look-ups kept, " << before
            << " before\n";
    return wrong.str();
  });
  if (!report) GTEST_SKIP() << "pid namespaces can't be made here";
  EXPECT_EQ(*report, "");
}
