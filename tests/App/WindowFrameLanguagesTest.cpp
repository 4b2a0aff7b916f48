// The main window's frame in every language at the window's default and smallest sizes: the tabs
// with their figures beside the top bar, an update on offer or not, and the day ring's controls
// with "Back to now" whole.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/RoundGlyphButton.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/Overview/OverviewPage.hpp"
#include "Qel/Window/Overview/RingControls.hpp"
#include "Qel/Window/TabBar.hpp"
#include "Qel/Window/TopBar.hpp"
#include "tests/App/AfternoonWindow.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextFit.hpp"
#include "tests/support/FeedServer.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/InEveryLanguage.hpp"

using namespace qel;

namespace {

using Machine = test::BusyAfternoon::Machine;

const QSize kSizes[] = {{1180, 780}, {1040, 700}};

QRect placeIn(const QWidget* w, const QWidget* window) { return {w->mapTo(window, QPoint()), w->size()}; }

class FrameInEveryLanguage : public test::InEveryLanguage {
 protected:
  std::string at(QSize size) const {
    return std::string(GetParam()) + " at " + std::to_string(size.width()) + " × " + std::to_string(size.height());
  }
};

// An updater that has found a beta on offer (its version as long as versions get).
struct UpdateOnOffer {
  explicit UpdateOnOffer(test::BusyAfternoon& day)
      : server(test::feed("<item><u:version>0.3.0-beta.2</u:version><u:shortVersionString>0.3.0 Beta 2"
                          "</u:shortVersionString><u:channel>beta</u:channel><link>https://example.org/get</link>"
                          "</item>")),
        updater(day.defaults, options(day)) {
    updater.checkInBackground();
    QElapsedTimer waited;
    waited.start();
    while (!updater.available() && waited.elapsed() < 20'000) QApplication::processEvents(QEventLoop::AllEvents, 25);
  }
  Updater::Options options(test::BusyAfternoon& day) {
    day.defaults.set(Updater::betaKey, true);
    Updater::Options o;
    o.feed = server.url();
    o.running = AppVersion::parse("0.2.0");
    o.shortDelay = std::chrono::hours(1);
    return o;
  }
  test::FeedServer server;
  Updater updater;
};

// Every tab's place in the window.
std::vector<QRect> tabPlaces(const TabBar& bar, const QWidget* window) {
  std::vector<QRect> out;
  for (Page page : allPages) out.push_back(placeIn(bar.tab(page), window));
  return out;
}

}  // namespace

// "Always" shows every tab's figure beside the top bar, with an update on offer or not, on every
// page, nothing cut; and the tabs hold still as the figures grow to their widest.
TEST_P(FrameInEveryLanguage, everyTabKeepsItsFigureBesideTheTopBar) {
  for (const bool offered : {false, true}) {
    for (const QSize size : kSizes) {
      test::BusyAfternoon day(Machine::fullStretch);
      std::optional<UpdateOnOffer> offer;
      std::optional<Updater> none;
      if (offered) {
        offer.emplace(day);
        ASSERT_TRUE(offer->updater.available());
      } else {
        none.emplace(day.defaults, Updater::Options{});
      }
      Updater& updater = offered ? offer->updater : *none;
      ViewRegistry registry;
      registerMainViews(registry, updater);
      QWidget window;
      window.resize(size);
      auto* root = new RootView(day.context(), registry, &window);
      root->setGeometry(window.rect());
      window.show();
      test::BusyAfternoon::settle();
      auto* bar = qobject_cast<TabBar*>(root->tabBar());
      ASSERT_TRUE(bar);
      const std::string state = at(size) + (offered ? ", an update on offer" : "");
      for (Page page : allPages) {
        day.store->setPage(page);
        test::BusyAfternoon::settle();
        for (Page tab : allPages) {
          if (tab == Page::overview) continue;
          const auto& shown = bar->tab(tab)->state();
          EXPECT_TRUE(shown.showValue && shown.readout.value)
              << state << ", on " << rawValue(page) << ": no figure on the " << rawValue(tab) << " tab";
        }
        const QRect tabs = placeIn(bar, &window), top = placeIn(root->topBar(), &window);
        EXPECT_FALSE(tabs.intersects(top)) << state << ", on " << rawValue(page) << ": the tabs run under the top bar";
        EXPECT_TRUE(window.rect().contains(tabs) && window.rect().contains(top)) << state;
        const auto cuts = test::cutTexts(window);
        EXPECT_TRUE(cuts.empty()) << state << ", on " << rawValue(page) << test::listed(cuts);
      }
      if (offered && (code() == "de" || code() == "ja" || code() == "ru" || code() == "en")) {
        day.store->setPage(Page::overview);  // the page with no figure of its own
        for (const char* appearance : {"light", "dark"}) {
          test::useAppearance(appearance);
          test::BusyAfternoon::settle();
          test::writeShot(window, QString("tabs-update-%1-%2-%3x%4").arg(code(), appearance).arg(size.width()).arg(size.height()));
        }
        test::useAppearance("light");
      }

      // The widest figures each tab can show: nothing moves.
      const auto before = tabPlaces(*bar, &window);
      Snapshot widest;
      widest.tick = day.store->liveReadings().tick + 1;
      widest.cpu = CPUSample{.total = 1, .user = 0.9, .system = 0.1, .perCore = {1, 1, 1, 1}};
      widest.mem = MemSample{.total = 128ull << 30, .app = 128ull << 30, .pressure = 100};
      widest.gpu = GPUSample{.util = 1, .memory = 1ull << 30};
      widest.diskRead = 9000 * 1048576.0;
      widest.diskWrite = 999.9 * 1048576.0;
      widest.netDown = 9999.9 * 1048576.0;
      widest.power = 999.9;
      day.store->apply(widest);
      test::BusyAfternoon::settle();
      EXPECT_EQ(tabPlaces(*bar, &window), before) << state << " as the figures grow";
    }
  }
}

// A moment picked today, then a past day: "Back to now" reads whole beside the stepper, inside
// the ring's column, and the switch stands where it stood before the words came.
TEST_P(FrameInEveryLanguage, backToNowReadsWhole) {
  for (const QSize size : kSizes) {
    test::BusyAfternoon day(Machine::fullStretch);
    test::AfternoonWindow shown(day, size);
    day.store->setPage(Page::overview);
    test::BusyAfternoon::settle();
    auto* page = shown.window.findChild<OverviewPage*>();
    ASSERT_TRUE(page);
    RingControls* controls = page->controls();
    const QRect switchBefore = placeIn(controls->modeSwitch(), &shown.window);
    for (const auto& pick : {std::function<void()>([&] { day.store->setSelectedSlot(60); }),
                             std::function<void()>([&] { day.store->stepDay(-1); })}) {
      pick();
      test::BusyAfternoon::settle();
      TextButton* back = controls->backToNow();
      ASSERT_TRUE(back->isVisible()) << at(size);
      EXPECT_EQ(back->text().toStdString(), L("Back to now")) << at(size);
      EXPECT_GE(back->width(), back->sizeHint().width()) << at(size);
      EXPECT_TRUE(placeIn(page->ringColumn(), &shown.window).contains(placeIn(back, &shown.window))) << at(size);
      EXPECT_TRUE(placeIn(controls, &shown.window).contains(placeIn(controls->exportDay(), &shown.window))) << at(size);
      const auto cuts = test::cutTexts(shown.window);
      EXPECT_TRUE(cuts.empty()) << at(size) << test::listed(cuts);
    }
    day.store->setSelectedSlot(std::nullopt);
    day.store->showDay(std::nullopt);
    test::BusyAfternoon::settle();
    EXPECT_EQ(placeIn(controls->modeSwitch(), &shown.window), switchBefore) << at(size);
  }
}

INSTANTIATE_TEST_SUITE_P(FrameLanguages, FrameInEveryLanguage, test::kEveryLanguage, test::languageName);
