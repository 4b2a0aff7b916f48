// The memory and disk pages, their charts and their rules against a store fed by hand.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/InfoRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Disk/DiskPage.hpp"
#include "Qel/Pages/Disk/DiskPlatterGeometry.hpp"
#include "Qel/Pages/Memory/BubbleFieldView.hpp"
#include "Qel/Pages/Memory/MemPage.hpp"
#include "Qel/Pages/Memory/PressureGauge.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Pages/SegmentBar.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Pages/TopRow.hpp"
#include "Qel/Platform/Devices/BlockDevice.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/ViewRegistry.hpp"
#include "tests/Pages/PageFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

constexpr double pi = std::numbers::pi;

void click(QWidget* w, QPointF at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, {}, {});
  QApplication::sendEvent(w, &release);
}

ProcInfo diskProc(std::int32_t pid, double rate, std::uint64_t written = 0) {
  ProcInfo p = PageTest::proc(pid, "p" + std::to_string(pid), 0);
  p.diskRate = rate;
  p.diskWritten = written;
  return p;
}

std::vector<std::int32_t> pids(const std::vector<DiskProcFigure>& rows) {
  std::vector<std::int32_t> out;
  for (const auto& r : rows) out.push_back(r.proc.pid);
  return out;
}

}  // namespace

TEST(MemRules, verdictAndFiguresFollowTheLimits) {
  const std::string enough = "There's enough memory. Nothing to do.";
  const std::string short_ = "Memory has run short. Quit the apps using the most first.";
  EXPECT_EQ(memPressureText(59.9), enough);
  EXPECT_NE(memPressureText(60), enough);
  EXPECT_EQ(memPressureText(60), memPressureText(84.9));
  EXPECT_EQ(memPressureText(85), short_);
  EXPECT_EQ(memPressureText(std::nan("")), enough);

  EXPECT_EQ(memFigures({.pressure = 42.4}).pressurePercent, 42);
  EXPECT_EQ(memFigures({.pressure = 42.5}).pressurePercent, 43);
  const auto sixteen = memFigures({.total = 16ull << 30, .app = 8ull << 30, .wired = 3ull << 30, .compressed = 1ull << 30});
  EXPECT_EQ(sixteen.usedPercent, 75);
  EXPECT_EQ(sixteen.available, 4ull << 30);

  // No memory read yet: nothing used, no shares, no bar segments.
  const auto none = memFigures({.total = 0, .app = 5, .wired = 0, .compressed = 0});
  EXPECT_EQ(none.usedPercent, 0);
  EXPECT_EQ(none.available, 0u);
  EXPECT_TRUE(memShares({}).empty());
  // More used than there is, even past 2^64 in sum: available 0, no wrap.
  const auto over = memFigures({.total = 1 << 20, .app = UINT64_MAX, .wired = UINT64_MAX, .compressed = 1});
  EXPECT_EQ(over.available, 0u);
  EXPECT_EQ(over.used, UINT64_MAX);

  EXPECT_EQ(pressureMarkerX(130, 200), 198.5);
  EXPECT_EQ(pressureMarkerX(-5, 200), -1.5);
  EXPECT_EQ(pressureMarkerX(std::nan(""), 200), -1.5);
  EXPECT_EQ(pressureMarkerX(60, 200), 118.5);  // on the border of the warning band
}

TEST(DiskRules, listsKeepOnlyProcessesAboveTheirThresholds) {
  EXPECT_TRUE(busyDiskProcs({diskProc(1, 1024)}).empty());
  EXPECT_EQ(pids(busyDiskProcs({diskProc(1, 1024), diskProc(2, 1025)})), (std::vector<std::int32_t>{2}));
  EXPECT_TRUE(mostWrittenProcs({diskProc(1, 0, 1'048'576)}).empty());
  EXPECT_EQ(pids(mostWrittenProcs({diskProc(1, 0, 1'048'577)})), (std::vector<std::int32_t>{1}));

  std::vector<ProcInfo> eight;
  for (int i = 0; i < 8; ++i) eight.push_back(diskProc(10 + i, 2000.0 * (i % 4 + 1), std::uint64_t(i + 1) << 21));
  const auto busy = busyDiskProcs(eight);
  EXPECT_EQ(pids(busy), (std::vector<std::int32_t>{13, 17, 12, 16, 11}));  // equal rates in sample order
  EXPECT_EQ(busy[0].fraction, 1);
  EXPECT_EQ(busy[2].fraction, 0.75);
  EXPECT_EQ(mostWrittenProcs(eight).size(), 6u);
  EXPECT_EQ(mostWrittenProcs(eight)[0].text, "16 MB");

  EXPECT_EQ(volumeBadge({.id = "/", .name = "root", .total = 1, .free = 0, .isInternal = true, .isRoot = true}), "System");
  EXPECT_EQ(volumeBadge({.id = "/h", .name = "h", .total = 1, .free = 0, .isInternal = true, .isRoot = false}), "Internal");
  EXPECT_EQ(volumeBadge({}), "External");
}

TEST(DiskPlatterGeometry, spaceRingLeavesGapsAndSkipsSlivers) {
  const std::vector<double> zeros(60, 0.0);
  EXPECT_TRUE(diskPlatter({}, zeros, zeros, 400).space.empty());

  const auto two = diskPlatter({.total = 1000, .free = 250, .purgeable = 0, .used = 750}, zeros, zeros, 400);
  ASSERT_EQ(two.space.size(), 2u);
  EXPECT_NEAR(two.space[0].from, -pi / 2 + 0.009, 1e-12);
  EXPECT_NEAR(two.space[1].from - two.space[0].to, 0.018, 1e-12);
  EXPECT_EQ(two.space[1].tone, SpaceTone::free);

  // 0.002 of the ring is skipped and takes no room; 0.0025 is drawn, trimmed by a quarter of it.
  const auto skipped = diskPlatter({.total = 1000, .free = 502, .purgeable = 2, .used = 498}, zeros, zeros, 400);
  ASSERT_EQ(skipped.space.size(), 2u);
  EXPECT_NEAR(skipped.space[1].from, -pi / 2 + 2 * pi * 0.498 + 0.009, 1e-12);
  const auto sliver = diskPlatter({.total = 10000, .free = 5025, .purgeable = 25, .used = 4975}, zeros, zeros, 400);
  ASSERT_EQ(sliver.space.size(), 3u);
  EXPECT_LT(sliver.space[1].from, sliver.space[1].to);
  EXPECT_NEAR(sliver.space[1].to - sliver.space[1].from, 2 * pi * 0.0025 / 2, 1e-12);

  // Free above total: nothing used, and the free part fills the ring.
  const auto over = diskPlatter({.total = 100, .free = 250, .purgeable = 0}, zeros, zeros, 400);
  ASSERT_EQ(over.space.size(), 1u);
  EXPECT_EQ(over.space[0].tone, SpaceTone::free);

  // A tenth written, 85 % available: the 5 % kept for root counts as used and the ring closes.
  const auto kept = diskPlatter({.total = 1000, .free = 850, .purgeable = 0, .used = 100}, zeros, zeros, 400);
  ASSERT_EQ(kept.space.size(), 2u);
  EXPECT_NEAR(kept.space[0].to, -pi / 2 + 2 * pi * 0.15 - 0.009, 1e-12);
  EXPECT_NEAR(kept.space[1].from - kept.space[0].to, 0.018, 1e-12);
  EXPECT_NEAR(kept.space[1].to, 3 * pi / 2 - 0.009, 1e-12);
  // A large reserve (40 % of the disk, nothing written) fills the used stretch, with purgeable
  // space between it and the free stretch, still closing at the top.
  const auto large = diskPlatter({.total = 1000, .free = 600, .purgeable = 100, .used = 0}, zeros, zeros, 400);
  ASSERT_EQ(large.space.size(), 3u);
  EXPECT_EQ(large.space[0].tone, SpaceTone::used);
  EXPECT_NEAR(large.space[0].to, -pi / 2 + 2 * pi * 0.4 - 0.009, 1e-12);
  EXPECT_NEAR(large.space[1].to, -pi / 2 + 2 * pi * 0.5 - 0.009, 1e-12);
  EXPECT_NEAR(large.space[2].to, 3 * pi / 2 - 0.009, 1e-12);
}

TEST(DiskPlatterGeometry, wavesScaleToTheLargestRateAndMarkTheFirstPeak) {
  std::vector<double> reads(60, 0.0), writes(60, 0.0);
  auto quiet = diskPlatter({}, reads, writes, 452);
  ASSERT_TRUE(quiet.activity);
  EXPECT_EQ(quiet.scale, 2'200'000);
  EXPECT_FALSE(quiet.readPeak);
  EXPECT_NEAR(std::hypot(quiet.reads[0].x() - 226, quiet.reads[0].y() - 226), quiet.base, 1e-9);

  reads[10] = 1'000'000;
  EXPECT_FALSE(diskPlatter({}, reads, writes, 452).readPeak);
  reads[10] = 1'000'001;
  reads[30] = 1'000'001;
  const auto one = diskPlatter({}, reads, writes, 452);
  ASSERT_TRUE(one.readPeak);
  const double angle = 2 * pi * 10.5 / 60 - pi / 2;
  const double r = one.outer + 0.08 * (one.outer - one.base) * (1'000'001 / 2'200'000.0) + 10;
  EXPECT_NEAR(one.readPeak->dot.x(), 226 + r * std::cos(angle), 1e-9);
  EXPECT_NEAR(one.readPeak->dot.y(), 226 + r * std::sin(angle), 1e-9);

  writes[5] = 9e6;
  const auto busy = diskPlatter({}, reads, writes, 452);
  EXPECT_NEAR(busy.scale, 9.9e6, 1e-3);
  EXPECT_NEAR(std::hypot(busy.writes[5].x() - 226, busy.writes[5].y() - 226),
              busy.base - (busy.base - busy.inner) / 1.1, 1e-9);

  // The write peak's label never lies on the free-space figure in the middle, whichever way the
  // peak points; without a middle block it stays inside its dot.
  const QSizeF middle(150, 75), label(44, 13);
  for (std::size_t at : {0u, 7u, 15u, 22u, 30u, 45u}) {
    std::vector<double> w(60, 0.0);
    w[at] = 9e6;
    const auto g = diskPlatter({}, reads, w, 452, middle, label);
    ASSERT_TRUE(g.writePeak);
    const QRectF block(g.centre - QPointF(75, 37.5), middle);
    const QRectF text(g.writePeak->label - QPointF(22, 6.5), label);
    EXPECT_FALSE(text.intersects(block)) << at;
    const auto plain = diskPlatter({}, reads, w, 452);
    EXPECT_LT(std::hypot(plain.writePeak->label.x() - 226, plain.writePeak->label.y() - 226),
              std::hypot(plain.writePeak->dot.x() - 226, plain.writePeak->dot.y() - 226));
  }

  EXPECT_FALSE(diskPlatter({}, std::vector<double>{1}, writes, 452).activity);
  EXPECT_EQ(diskPlatter({}, reads, std::vector<double>(30, std::nan("")), 452).reads.size(), 30u);
}

// A peak in the newest or oldest seconds lies by the "Now" tick: the tick never crosses its
// label, which stays on its dot's side, and a peak away from the top keeps its place. The tall
// middle sends the write label out past its dot, where the tick stands.
TEST(DiskPlatterGeometry, theNowTickNeverCrossesAPeakLabel) {
  const QSizeF middle(150, 110), label(52, 15);
  for (std::size_t at : {0u, 1u, 58u, 59u}) {
    for (bool outward : {true, false}) {
      std::vector<double> reads(60, 0.0), writes(60, 0.0);
      (outward ? reads : writes)[at] = 9e6;
      const auto g = diskPlatter({}, reads, writes, 452, middle, label);
      const auto& peak = outward ? g.readPeak : g.writePeak;
      ASSERT_TRUE(peak);
      const QRectF chip(peak->label - QPointF(label.width(), label.height()) / 2, label);
      const QRectF tick(QPointF(226 - 0.75, 226 - g.outer - 4), QPointF(226 + 0.75, 226 - g.inner + 4));
      EXPECT_FALSE(chip.intersects(tick)) << at << outward;
      EXPECT_EQ(peak->label.x() < 226, peak->dot.x() < 226) << at << outward;
      if (!outward) {
        EXPECT_FALSE(chip.intersects(QRectF(g.centre - QPointF(75, 55), middle))) << at;
      }
    }
  }
  std::vector<double> reads(60, 0.0), writes(60, 0.0);
  writes[15] = 9e6;
  const auto side = diskPlatter({}, reads, writes, 452, {}, label);
  const double r = std::hypot(side.writePeak->dot.x() - 226, side.writePeak->dot.y() - 226);
  EXPECT_NEAR(std::hypot(side.writePeak->label.x() - 226, side.writePeak->label.y() - 226), r - 14, 1e-9);
}

class MemDiskPages : public PageTest {};

TEST_F(MemDiskPages, memoryPageShowsTheSampleAndTheFieldRunsOnlyWhileShown) {
  Snapshot s;
  s.mem = {.total = 16ull << 30, .app = 8ull << 30, .wired = 3ull << 30, .compressed = 1ull << 30, .pressure = 62,
           .swapUsed = 0};
  s.procs = {PageTest::proc(7, "big", 0), PageTest::proc(8, "small", 0)};
  s.procs[0].mem = 6ull << 30;
  s.procs[1].mem = 1ull << 30;
  store->apply(s);
  MemPage page{LiveState(*store), ProcessState(*store), InsightState(*store), *store, *store, *store};
  page.resize(1100, 700);
  page.show();
  settle();
  EXPECT_EQ(page.head()->figure()->runs()[0].text, "75");
  EXPECT_EQ(page.keyRows()[3]->value()->text(), "4.0 GB");
  EXPECT_EQ(page.bar()->segments().size(), 3u);
  EXPECT_EQ(page.gauge()->value(), 62);
  EXPECT_TRUE(page.gaugeText()->text().startsWith("62%. The system is compressing"));

  BubbleFieldView* field = page.field();
  EXPECT_TRUE(field->running());
  ASSERT_EQ(field->model().bubbles().size(), 4u);  // two processes, compressed, wired
  for (int i = 0; i < 60; ++i) field->frame();
  const Bubble& big = field->model().bubbles()[0];
  click(field, field->centre() + QPointF(big.x, big.y));
  EXPECT_EQ(store->navigation().detailPID, 7);
  store->setDetailPID(std::nullopt);
  const Bubble& wired = field->model().bubbles()[3];
  click(field, field->centre() + QPointF(wired.x, wired.y));
  EXPECT_FALSE(store->navigation().detailPID);

  page.hide();
  EXPECT_FALSE(field->running());

  s.mem = {};
  store->apply(s);
  page.show();
  settle();
  EXPECT_TRUE(field->model().bubbles().empty());
  EXPECT_TRUE(page.bar()->segments().empty());
  EXPECT_EQ(page.head()->figure()->runs()[0].text, "0");
}

TEST_F(MemDiskPages, aFieldStepThatMovesNoWholePixelIsNotAFrame) {
  useAppearance("light");
  BubbleModel model;
  model.sync({{"p1", 1, "alpha", 4ull << 30, BubbleKind::user}, {"p2", 2, "beta", 2ull << 30, BubbleKind::system}},
             16ull << 30, 150);
  for (int i = 0; i < 200; ++i) model.step(i / 30.0);  // grown to size
  auto& bubbles = model.mutableBubbles();
  bubbles[0].x = -60, bubbles[0].y = 10;  // on whole pixels: a fifth of one either way rounds alike
  bubbles[1].x = 70.2, bubbles[1].y = -20.2;
  BubbleFieldPainter painter;
  QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  const QPointF c(200, 200);
  {
    QPainter p(&image);
    painter.paint(p, model, c, 40);
  }
  // Drawn where the model says, in the bubble's own colour, beside the field's faint fill.
  const double off = -0.6 * bubbles[0].r;  // clear of the centred label
  EXPECT_TRUE(near(image.pixelColor(QPointF(c.x() + bubbles[0].x + off, c.y() + bubbles[0].y + off).toPoint()),
                   over(Qt::white, Palette::mem(), 0.82), 16));
  EXPECT_FALSE(painter.changes(model, c, 40, 1, true));
  bubbles[0].x += 0.2;  // still the same whole pixel
  EXPECT_FALSE(painter.changes(model, c, 40, 1, true));
  bubbles[0].x += 1;
  EXPECT_TRUE(painter.changes(model, c, 40, 1, true));
  bubbles[0].x -= 1;
  EXPECT_TRUE(painter.changes(model, c, 52, 1, true));  // the pressure ring moves
  EXPECT_TRUE(painter.changes(model, c, 40, 1, false));  // another appearance
}

TEST_F(MemDiskPages, bubblesLabelByTheirSizeAndANameStaysOnItsBubble) {
  useAppearance("light");
  BubbleModel model;
  model.sync({{"p1", 1, "WWWWWWWWWWWWWW", 4ull << 30, BubbleKind::user},
              {"p2", 2, "Wide-name", 2ull << 30, BubbleKind::user},
              {"p3", 3, "Tiny-name", 1ull << 30, BubbleKind::user}},
             16ull << 30, 170);
  auto& bubbles = model.mutableBubbles();
  const QPointF c(200, 200);
  const QPointF at[] = {{-80, -60}, {70, -60}, {0, 90}};
  const double radii[] = {34.5, 25, 15};
  for (int i = 0; i < 3; ++i) bubbles[i].x = at[i].x(), bubbles[i].y = at[i].y(), bubbles[i].r = radii[i];
  BubbleFieldPainter painter;
  QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    painter.paint(p, model, c, 0);
  }
  // Ink of the label's dark colour, not the bubble's violet or the field's white.
  const auto inkIn = [&](QPointF from, QPointF to) {
    for (int y = int(from.y()); y <= int(to.y()); ++y)
      for (int x = int(from.x()); x <= int(to.x()); ++x)
        if (qGray(image.pixel(x, y)) < 90) return true;
    return false;
  };
  // Just above 34: the name, cut, keeps inside the rim on its line, and the size stands below.
  const QPointF big = c + at[0];
  EXPECT_TRUE(inkIn(big + QPointF(-20, -12), big + QPointF(20, -2)));
  EXPECT_TRUE(inkIn(big + QPointF(-15, 4), big + QPointF(15, 12)));
  EXPECT_FALSE(inkIn(big + QPointF(-60, -14), big + QPointF(-33, 0)));
  EXPECT_FALSE(inkIn(big + QPointF(33, -14), big + QPointF(60, 0)));
  // 25: the name's first letter alone, narrow on the centre (no figure, no name beside it).
  const QPointF mid = c + at[1];
  EXPECT_TRUE(inkIn(mid + QPointF(-5, -5), mid + QPointF(5, 5)));
  EXPECT_FALSE(inkIn(mid + QPointF(-22, -8), mid + QPointF(-9, 8)));
  EXPECT_FALSE(inkIn(mid + QPointF(9, -8), mid + QPointF(22, 8)));
  // 15: no text.
  const QPointF small = c + at[2];
  EXPECT_FALSE(inkIn(small + QPointF(-14, -10), small + QPointF(14, 10)));
}

TEST_F(MemDiskPages, diskPageListsVolumesAndBusyProcesses) {
  Snapshot s;
  s.tick = 1;
  s.slow = true;
  s.diskRead = 1024;
  s.diskWrite = 1025;
  s.diskDetail = {.total = 100, .free = 400, .purgeable = 0};
  s.volumes = {{.id = "/", .name = "root", .total = 1ull << 30, .free = 2ull << 30, .isInternal = true, .isRoot = true},
               {.id = "/media/usb", .name = "usb", .total = 0, .free = 0, .isInternal = false, .isRoot = false}};
  s.procs = {diskProc(1, 1024), diskProc(2, 4096, 2 << 20)};
  store->apply(s);
  DiskPage page{LiveState(*store), ProcessState(*store), *store};
  page.resize(1100, 700);
  page.show();
  settle();
  EXPECT_EQ(page.head()->figure()->runs()[0].text, "2");
  EXPECT_EQ(page.head()->subLabel()->text(), "Read 1 KB/s, write 1 KB/s");
  EXPECT_EQ(page.stats()[0]->figure()->text(), "0 MB");  // free above total: nothing used
  ASSERT_EQ(page.busyRows().size(), 1u);
  EXPECT_EQ(page.busyRows()[0]->proc().pid, 2);
  EXPECT_EQ(page.busyRows()[0]->bar()->fraction(), 1);
  EXPECT_FALSE(page.quietText()->isVisible());
  EXPECT_EQ(page.writtenRows().size(), 1u);
  const auto bars = page.volumeRows()->findChildren<ThinBar*>();
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[0]->fraction(), 0);
  EXPECT_EQ(bars[1]->fraction(), 0);

  s.procs = {};
  store->apply(s);
  settle();
  EXPECT_TRUE(page.busyRows().empty());
  EXPECT_TRUE(page.quietText()->isVisible());
}

TEST_F(MemDiskPages, usedSpaceLeavesOutTheBlocksKeptForRoot) {
  // As df shows a 200 GB disk: 19.6 GB written, 170 GB for the user, the rest kept for root.
  const FsSpace space = fsSpaceFromBlocks(200'000, 180'400, 170'000, 1'000'000);
  EXPECT_EQ(space, (FsSpace{.total = 200'000'000'000, .available = 170'000'000'000, .used = 19'600'000'000}));
  EXPECT_EQ(fsSpaceFromBlocks(10, 12, 12, 4096).used, 0u);  // more free than there is: nothing used
  EXPECT_EQ(fsSpaceFromBlocks(UINT64_MAX, 0, 0, 4096).total, UINT64_MAX);

  Snapshot s;
  s.tick = 1;
  s.slow = true;
  s.diskDetail = {.total = space.total, .free = space.available, .purgeable = 0, .used = space.used};
  s.volumes = {{.id = "/", .name = "root", .total = space.total, .free = space.available, .used = space.used,
                .isInternal = true, .isRoot = true}};
  store->apply(s);
  DiskPage page{LiveState(*store), ProcessState(*store), *store};
  page.resize(1100, 700);
  page.show();
  settle();
  EXPECT_EQ(page.stats()[0]->figure()->text().toStdString(), fmtBytes(space.used));
  EXPECT_EQ(page.stats()[1]->figure()->text().toStdString(), fmtBytes(space.available));
  const auto bars = page.volumeRows()->findChildren<ThinBar*>();
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_NEAR(bars[0]->fraction(), 0.098, 1e-9);
  const QString usedOf = QString::fromStdString(L("%@ used of %@", {fmtBytes(space.used), fmtBytes(space.total)}));
  const auto labels = page.volumeRows()->findChildren<PlainLabel*>();
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](PlainLabel* l) { return l->text() == usedOf; }));
}
