// Cost of one tick's fast whole-machine readers (cpu, memory, network, disk, load, gpu) on this
// machine, against a naive reader of the same files that opens, reads with streams and closes
// every file on every tick. Target: at most 0.1 ms of CPU per tick.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "Qel/Samplers/SystemSampler.hpp"

namespace {

void fastTick(benchmark::State& state) {
  qel::SystemSampler sampler;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sampler.cpu());
    benchmark::DoNotOptimize(sampler.memory());
    benchmark::DoNotOptimize(sampler.network());
    benchmark::DoNotOptimize(sampler.disk());
    benchmark::DoNotOptimize(sampler.load());
    benchmark::DoNotOptimize(sampler.gpu());
  }
}
BENCHMARK(fastTick)->Name("tick/kept-files");

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// What a first version would do: streams, fresh opens, directory walks every time.
void naiveTick(benchmark::State& state) {
  namespace fs = std::filesystem;
  for (auto _ : state) {
    std::uint64_t sum = 0;
    std::istringstream stat(slurp("/proc/stat"));
    for (std::string line; std::getline(stat, line) && line.starts_with("cpu");) {
      std::istringstream f(line);
      std::string name;
      std::uint64_t v = 0;
      f >> name;
      while (f >> v) sum += v;
    }
    std::istringstream mem(slurp("/proc/meminfo"));
    std::map<std::string, std::uint64_t> fields;
    for (std::string key; mem >> key;) {
      std::uint64_t v = 0;
      mem >> v;
      fields[key] = v;
      mem.ignore(64, '\n');
    }
    std::error_code ec;
    for (const auto& e : fs::directory_iterator("/sys/class/net", ec)) {
      if (!fs::exists(e.path() / "device", ec)) continue;
      sum += std::strtoull(slurp(e.path() / "statistics/rx_bytes").c_str(), nullptr, 10);
      sum += std::strtoull(slurp(e.path() / "statistics/tx_bytes").c_str(), nullptr, 10);
    }
    std::istringstream disks(slurp("/proc/diskstats"));
    for (std::string line; std::getline(disks, line);) {
      std::istringstream f(line);
      std::string major, minor, name;
      f >> major >> minor >> name;
      if (fs::exists("/sys/block/" + name + "/device", ec)) sum += line.size();
    }
    double load[3];
    sum += std::uint64_t(getloadavg(load, 3));
    for (const auto& e : fs::directory_iterator("/sys/class/drm", ec))
      if (fs::exists(e.path() / "device/gpu_busy_percent", ec)) sum += slurp(e.path() / "device/gpu_busy_percent").size();
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(fields);
  }
}
BENCHMARK(naiveTick)->Name("tick/naive");

// Prints the CPU time per tick of each reader and their ratio after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& r : runs) cpuNs_[r.benchmark_name()] = r.GetAdjustedCPUTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double kept = cpuNs_["tick/kept-files"], naive = cpuNs_["tick/naive"];
    if (kept <= 0) return;
    std::cout << "fast readers: " << kept / 1000.0 << " us CPU per tick (target <= 100 us): "
              << (kept <= 100000.0 ? "within" : "OVER") << " target\n";
    if (naive > 0) std::cout << "naive reader / kept files: " << naive / kept << "x\n";
  }

 private:
  std::map<std::string, double> cpuNs_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
