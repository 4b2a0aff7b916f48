// The replay sheet: where its chart puts each second's load, how a culprit's row reads, how it
// opens and closes through the sheet host, and how it looks on a busy afternoon.
#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QKeyEvent>
#include <QThread>

#include <filesystem>

#include "Qel/History/InsightEngine.hpp"
#include "Qel/Sheets/Reports/FindingCard.hpp"
#include "Qel/Sheets/Reports/IncidentChart.hpp"
#include "Qel/Sheets/Reports/IncidentSheet.hpp"
#include "Qel/Window/CircleIconButton.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "Qel/Window/TopBar.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/HostedSheets.hpp"

using namespace qel;
using test::settle;

namespace {

Frame second(double load, std::vector<FrameProc> top = {}) {
  Frame f;
  f.cpu = load;
  f.top = std::move(top);
  return f;
}

Culprit culprit(std::int32_t pid, double peak = 80, double average = 40, int ago = 3) {
  return Culprit{.pid = pid, .name = "p" + std::to_string(pid), .average = average, .peak = peak, .peakSecondsAgo = ago};
}

Incident incident(std::string id, std::vector<Culprit> culprits = {}) {
  Incident i;
  i.id = std::move(id);
  i.headline = "A build kept four cores busy";
  i.lines = {"The compiler peaked at 390%."};
  i.frames = std::vector<Frame>(60, second(0.3, {{.pid = 7, .cpu = 50}}));
  i.culprits = std::move(culprits);
  return i;
}

}  // namespace

TEST(IncidentChartTest, framesFillTheRightmostColumnsAndEachShareIsCappedAtTheWholeColumn) {
  const QSizeF size(600, 110);  // 10 per column, bars 8 wide
  std::vector<Frame> five(5, second(0.5));
  auto bars = incidentBars(five, {}, 4, size);
  ASSERT_EQ(bars.size(), 5u);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    EXPECT_DOUBLE_EQ(bars[i].rect.left(), 10.0 * double(55 + i) + 1);
    EXPECT_DOUBLE_EQ(bars[i].rect.width(), 8);
    EXPECT_DOUBLE_EQ(bars[i].rect.height(), 55);
    EXPECT_EQ(bars[i].culprit, -1);
  }

  // 400 % of one core on a two-core machine fills the column and no more; no grey above it.
  bars = incidentBars({second(0.9, {{.pid = 3, .cpu = 400}})}, {culprit(3)}, 2, size);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].rect, QRectF(591, 0, 8, 110));
  EXPECT_EQ(bars[0].culprit, 0);

  // Culprits stack in their order; one missing from a second adds nothing; the rest is grey.
  bars = incidentBars({second(0.6, {{.pid = 9, .cpu = 55}, {.pid = 3, .cpu = 110}})},
                      {culprit(3), culprit(4), culprit(9)}, 4, size);
  ASSERT_EQ(bars.size(), 3u);
  EXPECT_EQ(bars[0].culprit, 0);
  EXPECT_DOUBLE_EQ(bars[0].rect.height(), 110 * 0.275);
  EXPECT_EQ(bars[1].culprit, 2);
  EXPECT_DOUBLE_EQ(bars[1].rect.bottom(), bars[0].rect.top());
  EXPECT_EQ(bars[2].culprit, -1);
  EXPECT_NEAR(bars[2].rect.height(), 110 * (0.6 - 0.275 - 0.1375), 1e-9);

  // No core list divides by one; more than sixty frames lose the oldest; nonsense draws nothing.
  EXPECT_EQ(incidentBars({second(0, {{.pid = 3, .cpu = 100}})}, {culprit(3)}, 0, size)[0].rect.height(), 110);
  EXPECT_EQ(incidentBars(std::vector<Frame>(75, second(0.2)), {}, 1, size).size(), 60u);
  EXPECT_TRUE(incidentBars({second(std::nan(""), {{.pid = 3, .cpu = -5}})}, {culprit(3)}, 1, size).empty());
  EXPECT_TRUE(incidentBars({}, {}, 1, size).empty());
  EXPECT_EQ(culpritColor(4), culpritColor(0));
  EXPECT_EQ(culpritColor(5), Palette::warn());
}

TEST(IncidentChartTest, aCulpritsRowGivesItsPeakItsAgeAndItsAverage) {
  EXPECT_EQ(culpritDetail(culprit(1, 86.6, 39.5, 12)), "Peak 87% (12 s ago), average 40%");
  EXPECT_EQ(culpritDetail(culprit(1, 10, 2, 0)), "Peak 10% (just now), average 2%");
  EXPECT_EQ(culpritDetail(culprit(1, 10, 2, 1)), "Peak 10% (1 s ago), average 2%");
  EXPECT_EQ(culpritDetail(culprit(1, std::nan(""), 2, 1)), "Peak –% (1 s ago), average 2%");
}

class IncidentSheetTest : public test::ShellTest {
 protected:
  void SetUp() override {
    test::ShellTest::SetUp();
    owner.resize(900, 700);
    owner.show();
    host = std::make_unique<SheetHost>(context(), registry, &owner);
    settle();
  }
  IncidentSheet* shown() const { return host->dialog() ? host->dialog()->findChild<IncidentSheet*>() : nullptr; }

  QWidget owner;
  std::unique_ptr<SheetHost> host;
};

TEST_F(IncidentSheetTest, theTopBarsReplayOpensTheSheetAndDoneOrReturnCloseIt) {
  // The program's replay: the store's analysis of the last minute becomes the incident.
  registry.setReplay([this] { store->setIncident(store->insightFindings().insight.analyze(store->clock().now())); });
  TopBar bar(context(), registry);
  bar.replayButton()->click();
  settle();
  auto* sheet = shown();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->width(), IncidentSheet::kWidth);
  EXPECT_EQ(host->openSheet(), "incident");
  sheet->doneButton()->click();
  settle();
  EXPECT_FALSE(store->navigation().incident);
  EXPECT_EQ(shown(), nullptr);

  store->setIncident(incident("a"));
  settle();
  ASSERT_NE(shown(), nullptr);
  // A later replay replaces the sheet; Return closes it from anywhere in its window.
  store->setIncident(incident("b"));
  settle();
  ASSERT_NE(shown(), nullptr);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(host->dialog(), &enter);
  settle();
  EXPECT_FALSE(store->navigation().incident);
}

TEST_F(IncidentSheetTest, viewClosesTheSheetAndThenOpensTheProcessAnEndedOneOffersNothing) {
  store->setIncident(incident("a", {culprit(7), culprit(99999)}));
  settle();
  auto* sheet = shown();
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(sheet->viewButtons().size(), 2u);
  // Neither process runs in this store: both rows say "Ended".
  EXPECT_TRUE(sheet->viewButtons()[0]->isHidden());
  Snapshot s;
  s.tick = 1;
  s.procs = {ProcInfo{.pid = 7, .name = "cc1plus", .cpu = 90}};
  store->apply(s);
  settle();
  EXPECT_FALSE(sheet->viewButtons()[0]->isHidden());
  EXPECT_TRUE(sheet->viewButtons()[1]->isHidden());
  sheet->viewButtons()[0]->click();
  settle();
  EXPECT_FALSE(store->navigation().incident);
  EXPECT_FALSE(store->navigation().detailPID);
  for (int i = 0; i < 1500 && !store->navigation().detailPID; ++i) {  // thirty seconds at most
    QThread::msleep(20);
    settle();
  }
  EXPECT_EQ(store->navigation().detailPID, 7);
}

TEST(IncidentSheetGallery, theBusyAfternoonsReplayInLightAndDark) {
  test::BusyAfternoon fixture;
  test::HostedSheets sheets(fixture);
  fixture.store->setIncident(fixture.store->insightFindings().insight.analyze(fixture.clock.now()));
  ASSERT_TRUE(fixture.store->navigation().incident);
  test::BusyAfternoon::settle();
  ASSERT_NE(sheets.shown<IncidentSheet>(), nullptr);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon::settle();
    test::writeWindowShot(*sheets.shown<IncidentSheet>(), QString("incident-%1").arg(appearance));
  }
  test::useAppearance("light");
  EXPECT_FALSE(fixture.store->navigation().incident->frames.empty());
}

TEST_F(IncidentSheetTest, theFindingCardsBarFollowsItsKindAndViewKeepsTheFinding) {
  // The host window owns it.
  auto* card = new FindingCard(InsightState(*store), ProcessState(*store), NavigationState(*store), *store, *store);
  test::Host host(card, QSize(420, 90));
  EXPECT_FALSE(card->finding());  // the store has none
  Finding leak{.id = "leak-7",
               .pid = 7,
               .facts = {.isMemory = true, .name = "cc1plus", .minutes = 20, .from = 1, .to = 2}};
  card->show(leak);
  settle();
  EXPECT_EQ(host.at(1, 45), Palette::strain());
  EXPECT_TRUE(card->viewButton()->isHidden());  // the process is not running
  EXPECT_FALSE(card->gotItButton()->isHidden());

  Snapshot s;
  s.tick = 1;
  s.procs = {ProcInfo{.pid = 7, .name = "cc1plus", .cpu = 90}};
  store->apply(s);
  settle();
  Finding busy = leak;
  busy.id = "run-7";
  busy.facts.isMemory = false;
  card->show(busy);
  settle();
  EXPECT_EQ(host.at(1, 45), Palette::warn());
  ASSERT_FALSE(card->viewButton()->isHidden());
  card->viewButton()->click();
  EXPECT_EQ(store->navigation().detailPID, 7);
  EXPECT_EQ(card->finding(), busy);

  // The process ended and a newcomer took its pid: nothing to view.
  store->setDetailPID(std::nullopt);
  s.tick = 2;
  s.procs[0].startTime = 500;
  store->apply(s);
  settle();
  EXPECT_TRUE(card->viewButton()->isHidden());
}
