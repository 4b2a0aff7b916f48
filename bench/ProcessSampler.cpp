// The per-tick cost of sampling every process, against the naive way (open, read and close
// /proc/[pid]/stat of every pid), with 1,000 extra sleeping processes on the machine.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "Qel/Platform/AppRegistry.hpp"
#include "Qel/Platform/OpenFileLimit.hpp"
#include "Qel/Platform/ProcPidIo.hpp"
#include "Qel/Platform/ProcPidStat.hpp"
#include "Qel/Samplers/ProcessSampler.hpp"

namespace {

constexpr int kSleepers = 1000;
constexpr double kTargetMicros = 5.0;

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

}  // namespace

int main(int argc, char** argv) {
  qel::raiseOpenFileLimit();
  benchmark::Initialize(&argc, argv);
  const auto sleepers = startSleepers();
  std::printf("%zu sleeping child processes started\n", sleepers.size());
  Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const pid_t pid : sleepers) kill(pid, SIGKILL);
  for (const pid_t pid : sleepers) waitpid(pid, nullptr, 0);

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
