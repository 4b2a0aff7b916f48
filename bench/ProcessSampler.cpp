// The per-tick cost of sampling every process, with 1,000 extra sleeping processes on the machine:
// back to back against the naive way (open, read and close /proc/[pid]/stat of every pid), then
// paced at one sample a second, as the program samples, against the floor (a kept stat descriptor
// per process read with pread, nothing else). The paced figures are the marginal CPU time per
// added process, so the machine's own processes and fixed costs drop out.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "Qel/Platform/AppRegistry.hpp"
#include "Qel/Platform/OpenFileLimit.hpp"
#include "Qel/Platform/ProcPidIo.hpp"
#include "Qel/Platform/ProcPidStat.hpp"
#include "Qel/Samplers/ProcessSampler.hpp"

namespace {

constexpr int kSleepers = 1000;
constexpr double kTargetMicros = 5.0;
constexpr double kTargetOverFloor = 1.2;
constexpr int kPacedSamples = 20;  // per reader and phase; --paced-samples=N changes it

void sampler(benchmark::State& state) {
  qel::AppRegistry apps(qel::AppRegistry::environmentOptions());
  qel::ProcessSampler s({.apps = &apps});
  std::size_t processes = s.sample().procs.size();  // opens the kept files once
  for (auto _ : state) {
    auto sample = s.sample();
    processes = sample.procs.size();
    benchmark::DoNotOptimize(sample);
  }
  state.counters["processes"] = double(processes);
}

// Opens, reads and closes each file anew, as most monitors do.
template <bool withIo>
void naive(benchmark::State& state) {
  std::size_t processes = 0;
  for (auto _ : state) {
    processes = 0;
    DIR* dir = opendir("/proc");
    while (const dirent* e = readdir(dir)) {
      int pid = 0;
      const char* end = e->d_name + std::strlen(e->d_name);
      if (std::from_chars(e->d_name, end, pid).ptr != end || pid <= 0) continue;
      char path[64], text[1024];
      std::snprintf(path, sizeof path, "/proc/%d/stat", pid);
      int fd = open(path, O_RDONLY | O_CLOEXEC);
      if (fd < 0) continue;
      ssize_t n = read(fd, text, sizeof text);
      close(fd);
      if (n > 0 && qel::parsePidStat(std::string_view(text, std::size_t(n)))) ++processes;
      if constexpr (withIo) {
        std::snprintf(path, sizeof path, "/proc/%d/io", pid);
        fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        n = read(fd, text, sizeof text);
        close(fd);
        if (n > 0) benchmark::DoNotOptimize(qel::parsePidIo(std::string_view(text, std::size_t(n))));
      }
    }
    closedir(dir);
  }
  state.counters["processes"] = double(processes);
}

BENCHMARK(sampler)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(naive<false>)->Name("naive")->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(naive<true>)->Name("naiveStatAndIo")->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// Keeps each benchmark's CPU time per process for the closing lines.
class Reporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> microsPerProcess;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      const auto processes = run.counters.find("processes");
      if (run.run_type != Run::RT_Iteration || processes == run.counters.end() || processes->second.value <= 0)
        continue;
      // CPU time of the sampling thread, user and kernel, per sample, in microseconds.
      const double perSample = run.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kMicrosecond) /
                               benchmark::GetTimeUnitMultiplier(run.time_unit);
      microsPerProcess[run.run_name.function_name] = perSample / processes->second.value;
    }
  }
};

std::vector<pid_t> startSleepers() {
  std::vector<pid_t> pids;
  for (int i = 0; i < kSleepers; ++i) {
    const pid_t pid = fork();
    if (pid == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      for (;;) pause();
    }
    if (pid < 0) break;
    pids.push_back(pid);
  }
  return pids;
}

void stopSleepers(const std::vector<pid_t>& pids) {
  for (const pid_t pid : pids) kill(pid, SIGKILL);
  for (const pid_t pid : pids) waitpid(pid, nullptr, 0);
}

// The floor: every process's stat file opened once, then one pread each per sample.
class KeptStats {
 public:
  KeptStats() {
    DIR* dir = opendir("/proc");
    while (const dirent* e = dir ? readdir(dir) : nullptr) {
      if (e->d_name[0] < '1' || e->d_name[0] > '9') continue;
      char path[64];
      std::snprintf(path, sizeof path, "/proc/%s/stat", e->d_name);
      const int fd = open(path, O_RDONLY | O_CLOEXEC);
      if (fd >= 0) fds_.push_back(fd);
    }
    if (dir) closedir(dir);
  }
  ~KeptStats() {
    for (const int fd : fds_) close(fd);
  }
  KeptStats(const KeptStats&) = delete;
  KeptStats& operator=(const KeptStats&) = delete;

  std::size_t sample() {
    std::size_t read = 0;
    char text[1024];
    for (const int fd : fds_) read += pread(fd, text, sizeof text, 0) > 0;
    return read;
  }

 private:
  std::vector<int> fds_;
};

double threadCpuMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

struct Paced {
  double micros = 0;  // median CPU time of one sample
  double processes = 0;
};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Both readers once a second, half a second apart, so each meets the caches a 1 Hz sampler
// meets rather than the ones its own previous sample left warm.
std::pair<Paced, Paced> pacedPhase(int samples) {
  qel::AppRegistry apps(qel::AppRegistry::environmentOptions());
  qel::ProcessSampler sampler({.apps = &apps});
  KeptStats floor;
  sampler.sample();  // names, paths and applications are resolved once per process
  floor.sample();
  std::vector<double> ours, kept;
  std::size_t oursProcesses = 0, keptProcesses = 0;
  auto next = std::chrono::steady_clock::now();
  for (int i = 0; i < samples; ++i) {
    next += std::chrono::milliseconds(500);
    std::this_thread::sleep_until(next);
    double start = threadCpuMicros();
    keptProcesses = floor.sample();
    kept.push_back(threadCpuMicros() - start);
    next += std::chrono::milliseconds(500);
    std::this_thread::sleep_until(next);
    start = threadCpuMicros();
    oursProcesses = sampler.sample().procs.size();
    ours.push_back(threadCpuMicros() - start);
  }
  return {{median(ours), double(oursProcesses)}, {median(kept), double(keptProcesses)}};
}

// CPU time per added process: the difference between the two phases over the processes added.
double marginal(const Paced& before, const Paced& after) {
  const double added = after.processes - before.processes;
  return added > 0 ? (after.micros - before.micros) / added : 0;
}

int pacedSamples(int& argc, char** argv) {
  int samples = kPacedSamples;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--paced-samples=", 16) != 0) continue;
    samples = std::max(1, std::atoi(argv[i] + 16));
    for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
    --argc;
    break;
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  qel::raiseOpenFileLimit();
  const int samples = pacedSamples(argc, argv);
  benchmark::Initialize(&argc, argv);
  std::printf("paced at 1 Hz, %d samples of each reader: the machine's own processes\n", samples);
  const auto [oursAlone, floorAlone] = pacedPhase(samples);
  const auto sleepers = startSleepers();
  std::printf("%zu sleeping child processes started\n", sleepers.size());
  Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("paced at 1 Hz, %d samples of each reader: with the sleeping processes\n", samples);
  const auto [oursMore, floorMore] = pacedPhase(samples);
  stopSleepers(sleepers);

  const double oursMarginal = marginal(oursAlone, oursMore);
  const double floorMarginal = marginal(floorAlone, floorMore);
  std::printf("\nPaced at 1 Hz, median CPU per sample: ours %.0f us for %.0f processes, %.0f us for %.0f;\n"
              "  floor %.0f us for %.0f processes, %.0f us for %.0f\n",
              oursAlone.micros, oursAlone.processes, oursMore.micros, oursMore.processes, floorAlone.micros,
              floorAlone.processes, floorMore.micros, floorMore.processes);
  if (floorMarginal > 0) {
    const double ratio = oursMarginal / floorMarginal;
    std::printf("Marginal CPU per process at 1 Hz: ours %.2f us, floor %.2f us, ours / floor %.2fx "
                "(target at most %.1fx: %s)\n",
                oursMarginal, floorMarginal, ratio, kTargetOverFloor, ratio <= kTargetOverFloor ? "met" : "NOT MET");
  } else {
    std::printf("Marginal CPU per process at 1 Hz can't be had: the floor did not grow with the added processes\n");
  }

  const auto ours = reporter.microsPerProcess.find("sampler");
  const auto plain = reporter.microsPerProcess.find("naive");
  const auto same = reporter.microsPerProcess.find("naiveStatAndIo");
  if (ours == reporter.microsPerProcess.end() || plain == reporter.microsPerProcess.end() ||
      same == reporter.microsPerProcess.end())
    return 0;
  std::printf("\nCPU per process per sample (stat and io, kept open): %.2f us (target at most %.1f us: %s)\n",
              ours->second, kTargetMicros, ours->second <= kTargetMicros ? "met" : "NOT MET");
  std::printf("naive, open/read/close of every stat file:        %.2f us per process, naive / ours %.2fx\n",
              plain->second, plain->second / ours->second);
  std::printf("naive, open/read/close of every stat and io file: %.2f us per process, naive / ours %.2fx\n",
              same->second, same->second / ours->second);
  benchmark::Shutdown();
  return 0;
}
