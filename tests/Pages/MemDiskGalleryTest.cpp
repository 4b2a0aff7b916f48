// Screenshots of the memory and disk pages in the main window, light and dark, from a store fed
// a busy minute and from this machine. They are for people to look at (under the build's
// artifacts/gallery), not assertions.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>

#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Pages/Memory/BubbleFieldView.hpp"
#include "Qel/Store/MachineSources.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Pages/PageFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

class MemDiskGallery : public PageTest {
 protected:
  // A minute of an afternoon: the browser, an editor, a build writing to disk.
  void feed() {
    Fonts::load();
    struct Row {
      const char* name;
      double gib, rate;
      double writtenMiB;
      bool system;
    };
    const Row rows[] = {{"firefox-esr", 2.4, 0, 180, false},       {"Isolated Web Content", 1.3, 0, 12, false},
                        {"code", 1.1, 220e3, 640, false},          {"gnome-shell", 0.6, 0, 3, true},
                        {"clang++", 0.9, 8.5e6, 2400, false},      {"thunderbird", 0.45, 4e3, 96, false},
                        {"Xwayland", 0.3, 0, 0, true},             {"tracker-miner-fs-3", 0.2, 1.2e6, 310, true},
                        {"slack", 0.55, 0, 40, false},             {"pipewire", 0.05, 0, 0, true},
                        {"systemd-journald", 0.08, 30e3, 900, true}};
    for (int t = 0; t < 60; ++t) {
      Snapshot s;
      s.tick = t + 1;
      s.slow = isSlowTick(s.tick);
      s.mem = {.total = 16ull << 30, .app = 8ull << 30, .wired = 2ull << 30, .compressed = 1300ull << 20,
               .pressure = 64, .swapUsed = 420ull << 20};
      s.diskRead = 4e6 * (1 + std::sin(t * 0.3));
      s.diskWrite = 9e6 * std::max(0.0, std::sin(t * 0.17));
      if (s.slow) {
        s.diskDetail = {.total = 512ull << 30, .free = 190ull << 30, .purgeable = 0, .used = 296ull << 30};
        s.volumes = {{.id = "/", .name = "nvme0n1p2", .total = 512ull << 30, .free = 190ull << 30, .used = 296ull << 30, .isInternal = true, .isRoot = true},
                     {.id = "/home", .name = "Home", .total = 1024ull << 30, .free = 700ull << 30, .used = 273ull << 30, .isInternal = true, .isRoot = false},
                     {.id = "/media/stick", .name = "USB STICK", .total = 64ull << 30, .free = 60ull << 30, .used = 4ull << 30, .isInternal = false, .isRoot = false}};
      }
      std::int32_t pid = 1200;
      for (const auto& r : rows) {
        ProcInfo p = PageTest::proc(pid++, r.name, 1, 0, r.system);
        p.path = std::string("/usr/bin/") + r.name;
        p.mem = std::uint64_t(r.gib * double(1ull << 30));
        p.diskRate = r.rate * (1 + 0.3 * std::sin(t));
        p.diskWritten = std::uint64_t(r.writtenMiB * 1048576);
        s.procs.push_back(p);
      }
      store->apply(s);
    }
  }

  void shoot(Page page, const char* name) {
    // The bubbles settle into place over a few seconds of frames.
    shootPage(page, name, [](RootView& root) {
      if (auto* field = root.findChild<BubbleFieldView*>())
        for (int i = 0; i < 150; ++i) field->frame();
    });
  }
};

}  // namespace

TEST_F(MemDiskGallery, memoryAndDiskPages) {
  feed();
  shoot(Page::mem, "mem");
  shoot(Page::disk, "disk");
}

TEST_F(MemDiskGallery, thisMachine) {
  sampleThisMachine();
  EXPECT_GE(store->liveReadings().tick, 2);
  shoot(Page::mem, "mem-live");
  shoot(Page::disk, "disk-live");
}
