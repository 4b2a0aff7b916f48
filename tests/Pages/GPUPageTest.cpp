// The GPU page, its hive and its rules against a store fed by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/GPU/GPUHiveGeometry.hpp"
#include "Qel/Pages/GPU/GPUHiveView.hpp"
#include "Qel/Pages/GPU/GPUPage.hpp"
#include "Qel/Pages/GPU/GpuUserList.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "tests/Pages/PageFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double root3 = 1.7320508075688772;

GPUSample gpuAt(double util, std::optional<int> cores = std::nullopt) {
  return GPUSample{.util = util, .memory = 512ull << 20, .cores = cores};
}

}  // namespace

TEST(GPUHive, laysCellsOutFromTheCentreInGenerationOrder) {
  const auto ten = hiveLayout(10);
  ASSERT_EQ(ten.size(), 10u);
  const std::vector<QPointF> expected{{0, 0},
                                      {-root3, 0},            // left
                                      {-root3 / 2, 1.5},      // lower left
                                      {-root3 / 2, -1.5},     // upper left
                                      {root3 / 2, 1.5},       // lower right
                                      {root3 / 2, -1.5},      // upper right
                                      {root3, 0},             // right
                                      {-1.5 * root3, 1.5},    // (q, r) = (−2, 1)
                                      {-1.5 * root3, -1.5},   // (−1, −1)
                                      {0, 3}};                // (−1, 2)
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(ten[i].x(), expected[i].x(), 1e-12) << i;
    EXPECT_NEAR(ten[i].y(), expected[i].y(), 1e-12) << i;
  }
  EXPECT_EQ(hiveLayout(500).size(), 225u);
  EXPECT_TRUE(hiveLayout(-3).empty());

  EXPECT_EQ(hiveCellCount(gpuAt(0, 10)), 10);
  for (auto cores : {std::optional<int>(3), std::optional<int>(81), std::optional<int>()})
    EXPECT_EQ(hiveCellCount(gpuAt(0, cores)), 37);
  EXPECT_EQ(hiveCellCount(std::nullopt), 37);
  EXPECT_EQ(hiveCellCount(gpuAt(0, 4)), 4);
  EXPECT_EQ(hiveCellCount(gpuAt(0, 80)), 80);

  const auto hex = hexagon({10, 10}, 2);
  EXPECT_NEAR(hex[0].x(), 10 + 0.8660254 * 2, 1e-12);
  EXPECT_DOUBLE_EQ(hex[0].y(), 9);
  EXPECT_DOUBLE_EQ(hex[2].y(), 12);  // bottom corner
  EXPECT_DOUBLE_EQ(hex[5].y(), 8);   // top corner
}

TEST(GPUHive, lightsCellsAndWedgesAsMeasured) {
  auto hive = gpuHive(gpuAt(0.5), {}, 400);
  ASSERT_EQ(hive.cells.size(), 37u);
  EXPECT_DOUBLE_EQ(hive.outer, 170);
  EXPECT_DOUBLE_EQ(hive.inner, 0.86 * 170);
  for (std::size_t k = 0; k < 37; ++k) {
    const double expected = k < 18 ? 0.95 : k == 18 ? 0.515 : 0.08;
    EXPECT_NEAR(hive.cells[k].opacity, expected, 1e-12) << k;
    EXPECT_EQ(hive.cells[k].tone, HiveTone::gpu);
  }
  const double scale = 0.72 * 170 / (3 * root3 + 1.1);  // the farthest of 37 cells is 3√3 out
  EXPECT_NEAR(hive.cells[0].radius, 0.9 * scale, 1e-9);
  EXPECT_TRUE(hive.wedges.empty());

  EXPECT_EQ(gpuHive(gpuAt(0.9), {}, 400).cells[0].tone, HiveTone::hot);
  EXPECT_EQ(gpuHive(gpuAt(0.9), {}, 400).cells[36].tone, HiveTone::gpu);  // unlit cells stay pink
  EXPECT_EQ(gpuHive(gpuAt(0.8999), {}, 400).cells[0].tone, HiveTone::gpu);
  EXPECT_DOUBLE_EQ(gpuHive(gpuAt(std::nan("")), {}, 400).cells[0].opacity, 0.08);
  EXPECT_DOUBLE_EQ(gpuHive(std::nullopt, {}, 400).cells[0].opacity, 0.08);

  const double one[] = {0.5};
  hive = gpuHive(gpuAt(0.5), one, 400);
  ASSERT_EQ(hive.wedges.size(), 1u);
  EXPECT_NEAR((hive.wedges[0].from + hive.wedges[0].to) / 2, pi / 2, 1e-12);
  EXPECT_NEAR(hive.wedges[0].to - hive.wedges[0].from, 0.66 * 2 * pi, 1e-12);
  EXPECT_DOUBLE_EQ(hive.wedges[0].opacity, 0.3);

  std::vector<double> minute(60, 0.1);
  minute[1] = 0.7;
  minute[2] = 0.88;
  minute[3] = 0.6999;
  minute[4] = std::nan("");
  minute[5] = -1;
  hive = gpuHive(gpuAt(0.5), minute, 400);
  ASSERT_EQ(hive.wedges.size(), 60u);
  EXPECT_NEAR((hive.wedges[0].from + hive.wedges[0].to) / 2, -pi / 2 + pi / 60, 1e-12);
  EXPECT_NEAR((hive.wedges[59].from + hive.wedges[59].to) / 2, 3 * pi / 2 - pi / 60, 1e-12);
  EXPECT_DOUBLE_EQ(hive.wedges[59].opacity, 1.0);
  EXPECT_EQ(hive.wedges[1].tone, HiveTone::warn);
  EXPECT_EQ(hive.wedges[2].tone, HiveTone::strain);
  EXPECT_EQ(hive.wedges[3].tone, HiveTone::gpu);
  const double stub = hive.inner + (hive.outer - hive.inner) * 0.05;
  EXPECT_DOUBLE_EQ(hive.wedges[4].outer, stub);
  EXPECT_DOUBLE_EQ(hive.wedges[5].outer, stub);

  EXPECT_TRUE(gpuHive(gpuAt(1), minute, 60).cells.empty());  // no ring left
  EXPECT_TRUE(gpuHive(gpuAt(1), minute, std::nan("")).wedges.empty());
}

TEST(GPURules, verdictMemoryAndLikelyUsers) {
  EXPECT_TRUE(
      QString::fromStdString(gpuSubline(std::nullopt)).startsWith("GPU usage isn't available on this computer."));
  EXPECT_EQ(gpuSubline(gpuAt(0.85)),
            "The GPU is close to full load. That's normal while rendering, exporting video or gaming.");
  EXPECT_EQ(gpuSubline(gpuAt(0.8499)), "The GPU is working, with headroom left.");
  EXPECT_EQ(gpuSubline(gpuAt(0.4)), "The GPU is working, with headroom left.");
  EXPECT_EQ(gpuSubline(gpuAt(0.3999)), "The GPU is mostly idle.");

  const MemSample mem{.total = 1000, .app = 200, .wired = 100, .compressed = 0, .pressure = 0, .swapUsed = 0};
  auto big = gpuAt(0.5);
  big.memory = 800;
  const auto u = unifiedMemory(big, mem);
  EXPECT_DOUBLE_EQ(u.others, 0);
  EXPECT_DOUBLE_EQ(u.free, 700);
  EXPECT_DOUBLE_EQ(unifiedMemory(std::nullopt, MemSample{}).total, 1);
  EXPECT_DOUBLE_EQ(unifiedMemory(std::nullopt, mem).others, 300);

  std::vector<ProcInfo> procs{PageTest::proc(1, "a", 0, 1.0),      PageTest::proc(2, "b", 0, 2.0),
                              PageTest::proc(3, "c", 0, 1.0),      PageTest::proc(4, "d", 0, 3.0),
                              PageTest::proc(5, "e", 0, 0.5),      PageTest::proc(6, "f", 0, 0.7),
                              PageTest::proc(7, "sys", 0, 9, true), PageTest::proc(8, "tiny", 0, 0.05),
                              PageTest::proc(9, "closed", 0, 5),    PageTest::proc(10, "unread", 0, 6)};
  const GpuHolderCheck holds = [](const ProcInfo& p) -> std::optional<bool> {
    if (p.pid == 9) return false;
    if (p.pid == 10) return std::nullopt;
    return true;
  };
  const auto pids = [](const std::vector<ProcInfo>& list) {
    std::vector<int> out;
    for (const auto& p : list) out.push_back(p.pid);
    return out;
  };
  EXPECT_TRUE(likelyGpuUsers(gpuAt(0.049), procs, holds, std::nullopt).empty());
  EXPECT_TRUE(likelyGpuUsers(std::nullopt, procs, holds, std::nullopt).empty());
  EXPECT_TRUE(likelyGpuUsers(gpuAt(std::nan("")), procs, holds, std::nullopt).empty());
  // Six qualify, five show; the two at 1 W keep their order; the unreadable one only when in front.
  EXPECT_EQ(pids(likelyGpuUsers(gpuAt(0.05), procs, holds, std::nullopt)), (std::vector<int>{4, 2, 1, 3, 6}));
  EXPECT_EQ(pids(likelyGpuUsers(gpuAt(0.05), procs, holds, 10)), (std::vector<int>{10, 4, 2, 1, 3}));
}

class GPUPageTest : public PageTest {};

TEST_F(GPUPageTest, withoutAReadoutSaysSoAndShowsDashes) {
  auto* page = new GPUPage(LiveState(*store), ProcessState(*store), store->desktop());
  Host host(page, {1092, 700});
  store->apply(Snapshot{});
  store->apply(Snapshot{});
  settle();
  // The history and the memory panel stay: the minute as the store keeps it, memory with nothing
  // for the GPU.
  EXPECT_TRUE(page->history()->isVisible());
  EXPECT_EQ(page->history()->values(), std::vector<double>(60, 0.0));
  EXPECT_TRUE(page->memoryPanel()->isVisible());
  EXPECT_EQ(page->head()->figure()->runs()[0].text, "—");
  EXPECT_EQ(page->head()->figure()->runs()[1].text, "");
  EXPECT_TRUE(page->head()->subLabel()->text().startsWith("GPU usage isn't available on this computer."));
  EXPECT_EQ(page->stats()[0]->figure()->text(), "—");
  EXPECT_EQ(page->stats()[1]->figure()->text(), "—");
  EXPECT_EQ(page->stats()[2]->figure()->text(), "Normal");
  EXPECT_FALSE(page->users()->isVisible());
  EXPECT_TRUE(page->memoryText()->text().startsWith("The GPU is using 0 MB"));
}

TEST_F(GPUPageTest, showsTheReadoutAndTheAppsWithTheGPUOpen) {
  auto* page = new GPUPage(LiveState(*store), ProcessState(*store), store->desktop());
  page->setHolderCheck([](const ProcInfo& p) -> std::optional<bool> { return p.pid != 2; });
  Host host(page, {1092, 700});
  Snapshot s;
  s.gpu = GPUSample{.util = 0.62, .memory = 3ull << 30, .cores = 10};
  s.procs = {proc(1, "player", 1, 2.5), proc(2, "editor", 1, 4.0), proc(3, "game", 1, 3.0)};
  store->apply(s);
  settle();
  EXPECT_EQ(page->head()->figure()->runs()[0].text, "62");
  EXPECT_EQ(page->stats()[0]->figure()->text(), "3.0 GB");
  EXPECT_EQ(page->stats()[1]->figure()->text(), "10");
  ASSERT_TRUE(page->users()->isVisible());
  EXPECT_TRUE(page->history()->isVisible());
  ASSERT_EQ(page->userList()->users().size(), 2u);
  EXPECT_EQ(page->userList()->users()[0].pid, 3);
}

TEST_F(GPUPageTest, hiveDrawsWhereTheGeometrySays) {
  useAppearance("light");
  auto* hive = new GPUHiveView(LiveState(*store));
  Host host(hive, {400, 400});
  Snapshot s;
  s.gpu = gpuAt(1.0);
  store->apply(s);
  hive->refresh();
  const QImage image = host.image();
  EXPECT_TRUE(near(image.pixelColor(200, 200), over(Qt::white, Palette::rgb(0xFFE0EF), 0.95), 6));
  // The newest second, at full load, sits just before twelve o'clock.
  const double inner = 0.86 * 170;
  const double a = 3 * pi / 2 - pi / 60;
  const QPoint newest(int(std::lround(200 + (inner + 1.5) * std::cos(a))),
                      int(std::lround(200 + (inner + 1.5) * std::sin(a))));
  EXPECT_TRUE(near(image.pixelColor(newest), Palette::strain(), 20));
}
