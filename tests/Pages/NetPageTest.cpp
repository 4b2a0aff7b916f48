// The network page: the order of the apps online, the star map's geometry, hits and timer,
// and the page as a whole against a store fed by fixed readers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QToolTip>
#include <QWindow>

#include <cmath>
#include <numbers>

#include "Qel/Pages/Network/NetAddressCard.hpp"
#include "Qel/Pages/Network/NetCard.hpp"
#include "Qel/Pages/Network/NetPage.hpp"
#include "Qel/Pages/Network/NetTalkers.hpp"
#include "Qel/Pages/Network/StarMapGeometry.hpp"
#include "Qel/Pages/Network/StarMapView.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "tests/Pages/NetFixture.hpp"
#include "tests/support/ShownText.hpp"

using namespace qel;
using namespace qel::test;

namespace {

ProcInfo node(std::int32_t pid, double rate, std::uint64_t total, std::string name = "app") {
  return NetTest::app(pid, std::move(name), rate, 0, total);
}

std::vector<std::int32_t> pids(const std::vector<ProcInfo>& procs) {
  std::vector<std::int32_t> out;
  for (const auto& p : procs) out.push_back(p.pid);
  return out;
}

bool anyInk(QWidget& w) {
  QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  w.render(&image, {}, {}, QWidget::DrawChildren);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) return true;
  return false;
}

}  // namespace

TEST(NetTalkers, ordersByTrafficNowThenByTotal) {
  const std::vector<ProcInfo> procs{node(1, 0, 900),  node(2, 100, 10), node(3, 500, 0),  node(4, 100, 50),
                                    node(5, 100, 50), node(6, 0, 1),    node(7, NAN, 5), node(8, 2000, 5)};
  const auto talkers = netTalkers(procs);
  // Traffic now but no total: left out. Equal on both keys: the sample's order.
  EXPECT_EQ(pids(talkers), (std::vector<std::int32_t>{8, 4, 5, 2, 1, 7, 6}));
  EXPECT_EQ(onlineCount(talkers), 4);
  EXPECT_TRUE(netTalkers({node(1, 100, 0)}).empty());
}

TEST(StarMap, needsRoomForItsOuterRing) {
  const std::vector<ProcInfo> one{node(7, 0, 100)};
  EXPECT_FALSE(starFrame(one, {332, 193}, 0).drawn);
  EXPECT_FALSE(starFrame(one, {333, 192}, 0).drawn);
  const auto f = starFrame(one, {333, 193}, 0);
  ASSERT_TRUE(f.drawn);
  EXPECT_DOUBLE_EQ(f.outer, 56.5);
  ASSERT_EQ(f.guides.size(), 3u);
  EXPECT_DOUBLE_EQ(f.guides[2], 56.5);
}

TEST(StarMap, placesDotsOnTheirSpokes) {
  const QSizeF size(800, 600);  // centre (400, 300), outer radius 260
  // One node: straight below, its label centred 14 beyond the dot. The largest total sits at
  // 36 + 0.15 (R − 36).
  auto f = starFrame({node(7, 0, 1000)}, size, 0);
  ASSERT_EQ(f.dots.size(), 1u);
  const double d = 36 + 0.15 * 224;
  EXPECT_NEAR(f.dots[0].centre.x(), 400, 1e-9);
  EXPECT_NEAR(f.dots[0].centre.y(), 300 + d, 1e-9);
  EXPECT_EQ(f.dots[0].anchor, LabelAnchor::centre);
  EXPECT_NEAR(f.dots[0].labelPoint.y(), 300 + d + 3 + 14, 1e-9);

  // Two nodes: the lower pid on the right, whatever order they come in.
  f = starFrame({node(9, 0, 10), node(3, 0, 10)}, size, 0);
  EXPECT_EQ(f.dots[0].pid, 3);
  EXPECT_GT(f.dots[0].centre.x(), 400);
  EXPECT_EQ(f.dots[0].anchor, LabelAnchor::leading);
  EXPECT_LT(f.dots[1].centre.x(), 400);
  EXPECT_EQ(f.dots[1].anchor, LabelAnchor::trailing);

  // Totals of 1 everywhere: all on the outer guide.
  f = starFrame({node(1, 0, 1), node(2, 0, 1), node(3, 0, 1)}, size, 0);
  for (const auto& dot : f.dots) EXPECT_NEAR(std::hypot(dot.centre.x() - 400, dot.centre.y() - 300), 260, 1e-9);
}

TEST(StarMap, dotsLeaveTheMachinesNameClear) {
  // A small map: the busiest app straight below the middle would sit on "This computer".
  const QSizeF size(333, 260), label(90, 14);
  std::vector<ProcInfo> nodes;
  for (int i = 0; i < 11; ++i) nodes.push_back(node(i + 1, i == 5 ? 1.5e6 : 2000, i == 5 ? 5'000'000'000 : 1'000'000));
  const auto f = starFrame(nodes, size, 0, label);
  const QRectF name = starCentreLabel(f.centre, label);
  for (const auto& dot : f.dots) {
    const double dx = std::max({name.left() - dot.centre.x(), 0.0, dot.centre.x() - name.right()});
    const double dy = std::max({name.top() - dot.centre.y(), 0.0, dot.centre.y() - name.bottom()});
    EXPECT_GE(std::hypot(dx, dy), dot.radius + kStarLabelClearance - 0.5) << dot.pid;
  }
  // Where the name is far from it, a dot keeps its place on its spoke.
  const auto far = starFrame({node(7, 0, 1000)}, {800, 600}, 0, label);
  EXPECT_NEAR(far.dots[0].centre.y(), 300 + 36 + 0.15 * 224, 1e-9);
}

TEST(StarMap, sizesDotsAndPulsesByTrafficNow) {
  const auto dotFor = [](double rate) { return starFrame({node(1, rate, 10)}, {800, 600}, 0.5).dots.at(0); };
  EXPECT_EQ(dotFor(512).pulses.size(), 0u);
  EXPECT_DOUBLE_EQ(dotFor(512).opacity, 0.45);
  EXPECT_EQ(dotFor(513).pulses.size(), 2u);
  EXPECT_DOUBLE_EQ(dotFor(513).opacity, 1);
  EXPECT_EQ(dotFor(400000).pulses.size(), 4u);
  EXPECT_EQ(dotFor(800000).pulses.size(), 6u);
  EXPECT_EQ(dotFor(5e9).pulses.size(), 6u);
  EXPECT_DOUBLE_EQ(dotFor(0).radius, 3);
  EXPECT_DOUBLE_EQ(dotFor(1024).radius, 3.5);
  EXPECT_DOUBLE_EQ(dotFor(802816).radius, 17);
  EXPECT_DOUBLE_EQ(dotFor(NAN).radius, 3);
  EXPECT_DOUBLE_EQ(dotFor(-5000).radius, 3);

  // Pulses run from the dot towards the centre, fading on the way.
  const auto dot = dotFor(1000);
  EXPECT_NEAR(dot.pulseOpacity[0], 1 - 0.6 * 0.175, 1e-9);  // phase 0.35 · 0.5
  EXPECT_NEAR(dot.pulseOpacity[1], 1 - 0.6 * 0.675, 1e-9);

  EXPECT_EQ(starLabel(QStringLiteral("sixteen-chars-ok")), QStringLiteral("sixteen-chars-ok"));
  EXPECT_EQ(starLabel(QStringLiteral("seventeen-chars-x")), QStringLiteral("seventeen-chars") + QChar(0x2026));
}

TEST(StarMap, aClickFindsTheNearestDotWithinSixPoints) {
  std::vector<StarDot> dots(2);
  dots[0].pid = 3;
  dots[0].centre = {100, 100};
  dots[0].radius = 3;
  dots[1].pid = 9;
  dots[1].centre = {110, 100};
  dots[1].radius = 3;
  EXPECT_EQ(starHit(dots, {92, 100}), 3);                // 8 from the dot of radius 3
  EXPECT_EQ(starHit(dots, {91, 100}), std::nullopt);     // 9: outside
  EXPECT_EQ(starHit(dots, {107, 100}), 9);               // both within reach: the nearer wins
  EXPECT_EQ(starHit(dots, {105, 100}), 3);               // halfway: the lower pid
  EXPECT_EQ(starHit({}, {0, 0}), std::nullopt);
}

class NetPageTest : public NetTest {};

TEST_F(NetPageTest, starMapDrawsOnlyWithRoomAndAnimatesOnlyWhileShown) {
  StarMapView map{ProcessState(*store), *store};
  map.setNodes({node(4, 0, 10)});
  map.resize(332, 192);
  EXPECT_FALSE(anyInk(map));
  EXPECT_TRUE(map.hits().empty());
  map.resize(333, 193);
  EXPECT_TRUE(anyInk(map));
  EXPECT_EQ(map.hits().size(), 1u);

  FrameTimer::useManualClock(true);
  map.resize(800, 600);
  map.show();
  settle();
  EXPECT_FALSE(map.animating());  // nothing sends pulses: nothing moves
  map.setNodes({node(4, 5000, 10)});
  EXPECT_TRUE(map.animating());
  FrameTimer::advance(1000);
  EXPECT_TRUE(map.animating());
  map.hide();
  EXPECT_FALSE(map.animating());
  map.show();
  EXPECT_TRUE(map.animating());
  map.hide();
  FrameTimer::useManualClock(false);

  QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
  map.render(&image);
  const QPointF dot = map.hits().at(0).centre;
  click(&map, (dot + QPointF(0, 8)).toPoint());
  EXPECT_EQ(store->navigation().detailPID, 4);
}

TEST_F(NetPageTest, aDotsToolTipNamesItsAppAsWritten) {
  StarMapView map{ProcessState(*store), *store};
  map.setNodes({node(4, 0, 10, "<u>Firefox<u><!--")});
  map.resize(800, 600);
  map.show();
  settle();
  ASSERT_EQ(map.hits().size(), 1u);
  const QPoint dot = map.hits()[0].centre.toPoint();
  QHelpEvent help(QEvent::ToolTip, dot, map.mapToGlobal(dot));
  QApplication::sendEvent(&map, &help);
  EXPECT_EQ(test::shownToolTip(QToolTip::text()).toStdString(), "<u>Firefox<u><!--");
  QToolTip::hideText();
}

TEST_F(NetPageTest, showsTheFirstAppsInTheMapAndTheStrip) {
  std::vector<ProcInfo> procs;
  for (int i = 0; i < 20; ++i) procs.push_back(node(100 + i, i < 7 ? 1000.0 * (i + 1) : 0, 1000 + i));
  build(procs, std::vector<PortEntry>{});
  apply(procs, {}, 2048, 1024);
  NetPage page{LiveState(*store), ProcessState(*store), *store, *store};
  page.resize(1100, 700);
  page.show();
  settle();
  EXPECT_EQ(page.starMap()->nodes().size(), 12u);
  EXPECT_EQ(page.starMap()->nodes().front().pid, 106);
  EXPECT_EQ(page.cards().size(), 16u);
  EXPECT_EQ(page.stats()[2]->figure()->text(), QStringLiteral("7 apps"));
  EXPECT_TRUE(page.legend()->text().startsWith(QStringLiteral("Each dot is an app")));
  EXPECT_TRUE(page.legend()->text().contains(QStringLiteral("TCP")));
  EXPECT_EQ(page.cards()[0]->rateText(), QStringLiteral("↓ 7 KB/s  ↑ 0 KB/s"));
  page.cards()[1]->click();
  EXPECT_EQ(store->navigation().detailPID, 105);

  // Data moving without an IPv4 address (an IPv6-only network, say) is no "Not connected".
  EXPECT_EQ(page.addressCard()->title()->text(), QStringLiteral("No local address"));
  EXPECT_FALSE(page.addressCard()->message()->isHidden());
  apply(procs, {}, 0, 0);
  EXPECT_EQ(page.addressCard()->title()->text(), QStringLiteral("Not connected"));
  EXPECT_EQ(page.addressCard()->message()->text(), QStringLiteral("No network interface with an IP address was found."));
  apply(procs, {{"eth0", "192.168.1.20"}, {"wlan0", "10.0.0.7"}});
  EXPECT_EQ(page.addressCard()->title()->text(), QStringLiteral("Local address"));
  EXPECT_TRUE(page.addressCard()->message()->isHidden());
  ASSERT_EQ(page.addressCard()->rows().size(), 2u);
  EXPECT_EQ(page.addressCard()->rows()[1].first->text(), QStringLiteral("wlan0"));
  EXPECT_EQ(page.addressCard()->rows()[1].second->text(), QStringLiteral("10.0.0.7"));
}

TEST_F(NetPageTest, noConnectionOfTheUsersOwnIsSaidAsSuchNotAsAFailure) {
  build({}, std::vector<PortEntry>{});  // the reader works and finds no connection
  apply({node(5, 900, 0)}, {}, 4096, 0);
  NetPage page{LiveState(*store), ProcessState(*store), *store, *store};
  page.resize(1100, 700);
  page.show();
  settle();
  EXPECT_TRUE(store->processList().netPerApp);
  EXPECT_TRUE(page.legend()->text().startsWith(QStringLiteral("Each dot is an app that is online.")));
  EXPECT_EQ(page.starMap()->emptyText(), QStringLiteral("None of your apps has a TCP connection right now"));
}

TEST_F(NetPageTest, saysSoWhenPerAppTrafficCantBeHad) {
  build({}, std::nullopt, false);
  apply({node(5, 900, 0)}, {}, 4096, 0);
  NetPage page{LiveState(*store), ProcessState(*store), *store, *store};
  page.resize(1100, 700);
  page.show();
  settle();
  EXPECT_TRUE(page.starMap()->nodes().empty());
  EXPECT_TRUE(page.cards().empty());
  EXPECT_EQ(page.stats()[2]->figure()->text(), QStringLiteral("0 apps"));
  EXPECT_TRUE(page.legend()->text().startsWith(QStringLiteral("Per-app traffic isn't available")));
  EXPECT_EQ(page.starMap()->emptyText(), QStringLiteral("Per-app traffic unavailable"));
}

TEST_F(NetPageTest, theUploadReadsUnderTheBigFigureAndTheStatsStayPut) {
  const std::vector<ProcInfo> procs{node(100, 1000, 5000)};
  build(procs, std::vector<PortEntry>{});
  apply(procs, {}, 2048, 1024);
  NetPage page{LiveState(*store), ProcessState(*store), *store, *store};
  page.resize(1040, 700);
  page.show();
  settle();
  PlainLabel* sub = page.head()->subLabel();
  EXPECT_TRUE(sub->isVisible());
  EXPECT_EQ(sub->text(), QStringLiteral("Upload 1 KB/s"));
  EXPECT_GE(sub->y(), page.head()->figure()->geometry().bottom());
  const int statsAt = page.stats()[0]->mapTo(&page, QPoint()).x();
  const int lines = sub->height();

  // The longest upload line takes no more room: the stats keep their place, the line its one line.
  apply(procs, {}, 2048, 1023.9 * 1048576);
  settle();
  EXPECT_EQ(sub->text(), QStringLiteral("Upload 1023.9 MB/s"));
  EXPECT_EQ(page.stats()[0]->mapTo(&page, QPoint()).x(), statsAt);
  EXPECT_EQ(sub->height(), lines);
}
