// Screenshots of the CPU and GPU pages in the main window, light and dark, from a store fed a
// busy minute. They are for people to look at (under the build's artifacts/gallery), not
// assertions.
#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>
#include <cmath>

#include <QElapsedTimer>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Pages/GPU/GPUPage.hpp"
#include "Qel/Store/MachineSources.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Pages/PageFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

std::vector<ProcInfo> busyProcs(double t) {
  struct Row {
    const char* name;
    double cpu, energy;
  };
  const Row rows[] = {{"firefox-esr", 48, 3.1},    {"Isolated Web Content", 31, 2.2}, {"gnome-shell", 18, 1.6},
                      {"code", 12.5, 1.1},          {"Xwayland", 9.4, 0.9},            {"pipewire", 4.2, 0.3},
                      {"thunderbird", 3.9, 0.4},    {"tracker-miner-fs-3", 2.2, 0.2},  {"slack", 1.4, 0.2},
                      {"kworker/u16:3", 0.6, 0.05}, {"systemd-journald", 0.3, 0.02}};
  std::vector<ProcInfo> out;
  std::int32_t pid = 1200;
  for (const auto& r : rows) {
    ProcInfo p = PageTest::proc(pid++, r.name, r.cpu * (1 + 0.2 * std::sin(t)), r.energy);
    p.path = std::string("/usr/bin/") + r.name;
    out.push_back(p);
  }
  return out;
}

class PagesGallery : public PageTest {
 protected:
  explicit PagesGallery(ChipInfo chip = {"AMD Ryzen 7 7840U w/ Radeon 780M Graphics", 0, {}}) : PageTest(chip) {}

  // Sixty seconds of an afternoon: a build running, a video call, the browser.
  void feed(int cores, bool gpu) {
    Fonts::load();
    for (int t = 0; t < 60; ++t) {
      Snapshot s;
      CPUSample cpu;
      for (int c = 0; c < cores; ++c)
        cpu.perCore.push_back(std::clamp(
            0.3 + 0.2 * std::sin(t * 0.2) + 0.3 * std::sin(t * 0.21 + c * 1.7) + 0.25 * std::cos(c * 0.9), 0.0, 1.0));
      double sum = 0;
      for (double v : cpu.perCore) sum += v;
      cpu.total = sum / cores;
      cpu.user = cpu.total * 0.74;
      cpu.system = cpu.total * 0.26;
      s.cpu = cpu;
      s.load = 3.0 + std::sin(t * 0.1);
      s.mem = {.total = 32ull << 30, .app = 14ull << 30, .wired = 3ull << 30, .compressed = 1ull << 30,
               .pressure = 48, .swapUsed = 0};
      if (gpu) s.gpu = GPUSample{.util = 0.35 + 0.3 * std::sin(t * 0.15), .memory = 2200ull << 20, .cores = 12};
      s.thermal = ThermalState::fair;
      s.procs = busyProcs(t);
      store->apply(s);
    }
  }

  // Three seconds of this machine, read by the program's own readers.
  void shoot(Page page, const char* name) {
    shootPage(page, name, [](RootView& root) {
      if (auto* gpuPage = root.findChild<GPUPage*>())
        gpuPage->setHolderCheck([](const ProcInfo& p) -> std::optional<bool> { return p.energy >= 0.3; });
    });
  }
};

class HybridGallery : public PagesGallery {
 protected:
  HybridGallery() : PagesGallery({"12th Gen Intel(R) Core(TM) i7-1260P", 8, {8, 9, 10, 11, 12, 13, 14, 15}}) {}
};

}  // namespace

TEST_F(PagesGallery, cpuAndGpuPages) {
  feed(16, true);
  shoot(Page::cpu, "cpu");
  shoot(Page::gpu, "gpu");
}

TEST_F(PagesGallery, gpuPageWithoutAReadout) {
  feed(8, false);
  shoot(Page::gpu, "gpu-unavailable");
}

TEST_F(HybridGallery, cpuPageOfAHybridProcessor) {
  feed(16, true);
  shoot(Page::cpu, "cpu-hybrid");
}

TEST_F(PagesGallery, pagesCutNothingOffAtTheSmallestWindow) {
  feed(16, true);
  const auto holders = [](RootView& root) {
    if (auto* gpuPage = root.findChild<GPUPage*>())
      gpuPage->setHolderCheck([](const ProcInfo& p) -> std::optional<bool> { return p.energy >= 0.3; });
  };
  for (Page page : {Page::cpu, Page::gpu, Page::mem, Page::disk})
    EXPECT_EQ(clippedAtSmallestWindow(page, holders), QStringList()) << int(page);
}

TEST_F(PagesGallery, thisMachine) {
  sampleThisMachine();
  EXPECT_GE(store->liveReadings().tick, 2);
  shoot(Page::cpu, "cpu-live");
  shoot(Page::gpu, "gpu-live");
}
