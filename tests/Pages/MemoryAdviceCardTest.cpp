// The memory advice card: what it says for none, one and several apps, when the full card shows
// itself, its buttons reaching the store, and its tint, probed at computed points.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>

#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Memory/MemoryAdviceCard.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Window/Overview/OverviewPage.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

namespace qel {
namespace {

using test::BusyAfternoon;
constexpr std::uint64_t GiB = 1ull << 30;

MemoryAdviceCard* adviceCard(Store& store, bool compact, QWidget* parent) {
  return new MemoryAdviceCard(LiveState(store), ProcessState(store), InsightState(store), store, store, compact, parent);
}

class MemoryAdviceCardTest : public ::testing::Test {
 protected:
  MemoryAdviceCardTest() { test::useAppearance("light"); }
  ~MemoryAdviceCardTest() override { test::useAppearance("light"); }

  // One more second of the afternoon at `pressure`, with these apps open in the background.
  // Their pids are past any the kernel gives, so a quit request reaches no real process.
  void second(double pressure, const std::vector<std::pair<const char*, std::uint64_t>>& apps = {}) {
    Snapshot s;
    s.tick = ++tick;
    s.mem = fx.store->liveReadings().mem;
    s.mem.pressure = pressure;
    s.procs = base;
    std::int32_t pid = 4194400;
    for (const auto& [name, bytes] : apps)
      s.procs.push_back({.pid = pid++, .name = name, .path = std::string("/usr/bin/") + name, .mem = bytes,
                         .appKey = std::string("/usr/share/applications/") + name + ".desktop"});
    fx.store->apply(s);
    BusyAfternoon::settle();
  }

  BusyAfternoon fx;
  std::vector<ProcInfo> base = fx.store->processList().procs;
  int tick = 60;
};

TEST(MemoryAdviceTexts, theAllAppsButtonCountsAndSums) {
  const std::vector<MemSuggestion> three = {{.key = "a", .bytes = GiB}, {.key = "b", .bytes = GiB / 2},
                                            {.key = "c", .bytes = GiB * 2 / 5}};
  EXPECT_EQ(quitAllLabel(three), "Quit these 3 and free about " + fmtBytes(GiB + GiB / 2 + GiB * 2 / 5));
  EXPECT_EQ(quitAllLabel(three), "Quit these 3 and free about 1.9 GB");
  EXPECT_EQ(memoryAdviceExplanation(true), "Quitting these apps you aren't using frees the most memory.");
  EXPECT_NE(memoryAdviceExplanation(false).find("No background apps worth quitting"), std::string::npos);
  // The two forms differ in size only where the compact one is smaller.
  const auto full = memoryAdviceLook(false), compact = memoryAdviceLook(true);
  EXPECT_LT(compact.padding, full.padding);
  EXPECT_LT(compact.icon, full.icon);
}

TEST_F(MemoryAdviceCardTest, rowsAndTheAllAppsButtonFollowTheSuggestions) {
  second(66);
  MemoryAdviceCard card{LiveState(*fx.store), ProcessState(*fx.store), InsightState(*fx.store), *fx.store,
                        *fx.store, true};
  EXPECT_TRUE(card.suggestions().empty());
  EXPECT_EQ(card.explanation()->text().toStdString(), memoryAdviceExplanation(false));
  EXPECT_EQ(card.quitButton(0), nullptr);
  EXPECT_TRUE(card.quitAllButton()->isHidden());

  second(66, {{"GIMP", 3 * GiB}});
  ASSERT_EQ(card.suggestions().size(), 1u);
  ASSERT_NE(card.quitButton(0), nullptr);
  EXPECT_EQ(card.quitButton(0)->accessibleName(), "Quit GIMP");
  EXPECT_EQ(card.quitButton(1), nullptr);
  EXPECT_TRUE(card.quitAllButton()->isHidden());
  EXPECT_EQ(card.leakLine(0), nullptr);  // two lines for an app that doesn't grow

  second(66, {{"GIMP", 3 * GiB}, {"Thunderbird", GiB}, {"Slack", GiB / 2}, {"Tiny", 100ull << 20}});
  ASSERT_EQ(card.suggestions().size(), 3u);
  EXPECT_FALSE(card.quitAllButton()->isHidden());
  EXPECT_EQ(card.quitAllButton()->text().toStdString(), quitAllLabel(card.suggestions()));
  EXPECT_EQ(card.quitAllButton()->text(), "Quit these 3 and free about 4.5 GB");

  // Each button asks the store; none of these made-up apps is running, and the store says so.
  card.quitButton(1)->click();
  EXPECT_EQ(fx.store->navigation().toast, "These apps didn't respond to the quit request");
  fx.store->show("x");
  card.quitAllButton()->click();
  EXPECT_EQ(fx.store->navigation().toast, "These apps didn't respond to the quit request");
}

TEST_F(MemoryAdviceCardTest, theFullCardShowsOnlyWhileTheAdviceIsWanted) {
  QWidget page;
  auto* full = adviceCard(*fx.store, false, &page);
  auto* compact = adviceCard(*fx.store, true, &page);
  page.show();
  BusyAfternoon::settle();
  EXPECT_FALSE(full->isVisible());  // 41 % pressure
  for (const auto& [pressure, shown] : std::vector<std::pair<double, bool>>{{55, false}, {60, true}, {55, true}, {49.9, false}}) {
    second(pressure, {{"GIMP", 3 * GiB}});
    EXPECT_EQ(full->isVisible(), shown) << pressure;
    EXPECT_TRUE(compact->isVisible()) << pressure;  // the panel decides for its own card
  }
}

TEST_F(MemoryAdviceCardTest, theCardIsTintedWithItsAccent) {
  second(66, {{"GIMP", 3 * GiB}, {"Thunderbird", GiB}});
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    for (bool compact : {false, true}) {
      auto* card = adviceCard(*fx.store, compact, nullptr);
      const MemoryAdviceLook style = memoryAdviceLook(compact);
      const QColor ground = Palette::light() ? QColor(Qt::white) : Palette::rgb(0x1B1D21);
      test::Host host(card, {340, card->sizeHint().height()}, ground);
      const QColor accent = style.accent.resolve();
      // Inside the padding, halfway down: the accent at 10 % over the ground.
      EXPECT_TRUE(test::near(host.at(style.padding / 2, card->height() / 2), test::over(ground, accent, 0.10), 3))
          << look << compact;
      // The outline, inside the left edge: 25 % more of the accent.
      EXPECT_TRUE(test::near(host.at(0, card->height() / 2), test::over(test::over(ground, accent, 0.10), accent, 0.25), 4))
          << look << compact;
    }
  }
  EXPECT_EQ(memoryAdviceLook(true).accent, PanelStyle::warmTint());
  EXPECT_EQ(memoryAdviceLook(false).accent, Palette::warnText());
}

TEST_F(MemoryAdviceCardTest, gallery) {
  second(66, {{"GIMP", 3 * GiB}, {"Thunderbird", GiB}, {"Slack", GiB / 2}});
  const QString dir = QStringLiteral(QEL_ARTIFACTS "/gallery");
  QDir().mkpath(dir);
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    for (bool compact : {false, true}) {
      auto* card = adviceCard(*fx.store, compact, nullptr);
      const int width = compact ? 352 : 340;
      const QColor ground = Palette::themed(0x1B1D21, 0xF4F6F5);
      test::Host host(card, {width, card->heightForWidth(width) > 0 ? card->heightForWidth(width) : card->sizeHint().height()},
                      ground);
      const QString file = dir + QStringLiteral("/memory-advice-%1-%2.png")
                                     .arg(QLatin1String(compact ? "compact" : "full"), QLatin1String(look));
      EXPECT_TRUE(host.window.grab().save(file)) << file.toStdString();
    }
  }
}

TEST_F(MemoryAdviceCardTest, theOverviewShowsTheFullCardWhenMemoryIsTight) {
  ViewRegistry registry;
  registry.setSlot(OverviewSlot::memoryAdvice, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new MemoryAdviceCard(c.live, c.processes, c.insights, c.insightActions, c.processActions, false, parent);
  });
  const QString dir = QStringLiteral(QEL_ARTIFACTS "/gallery");
  QDir().mkpath(dir);
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    second(41);
    auto* page = new OverviewPage(fx.context(), registry);
    test::Host host(page, QSize(1092, 700), Palette::themed(0x1B1D21, 0xF4F6F5));
    auto* card = page->findChild<MemoryAdviceCard*>();
    ASSERT_NE(card, nullptr);
    EXPECT_FALSE(card->isVisible());
    second(66, {{"GIMP", 3 * GiB}, {"Thunderbird", GiB}});
    QApplication::processEvents();
    ASSERT_TRUE(card->isVisible());
    // Whole on the page, every row with it.
    const QRect onPage(card->mapTo(page, QPoint(0, 0)), card->size());
    EXPECT_TRUE(page->rect().contains(onPage)) << onPage.y() << " " << onPage.height();
    ASSERT_NE(card->quitButton(1), nullptr);
    EXPECT_TRUE(card->quitButton(1)->isVisible());
    EXPECT_TRUE(host.window.grab().save(dir + QStringLiteral("/overview-memory-advice-%1.png").arg(QLatin1String(look))));
  }
}

}  // namespace
}  // namespace qel
