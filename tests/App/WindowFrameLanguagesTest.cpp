// The main window's frame in every language at the window's default and smallest sizes: the tabs
// with their figures beside the top bar, an update on offer or not, and the day ring's controls
// with "Back to now" whole.
#include <gtest/gtest.h>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/RoundGlyphButton.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/Overview/OverviewPage.hpp"
#include "Qel/Window/Overview/RingControls.hpp"
#include "tests/App/AfternoonWindow.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextFit.hpp"

using namespace qel;

namespace {

using Machine = test::BusyAfternoon::Machine;

const QSize kSizes[] = {{1180, 780}, {1040, 700}};

QRect placeIn(const QWidget* w, const QWidget* window) { return {w->mapTo(window, QPoint()), w->size()}; }

class FrameInEveryLanguage : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    Motion::setEnabled(false);
    Fonts::load();
    Loc::set(GetParam(), nullptr);
  }
  void TearDown() override { Loc::set("en", nullptr); }
  std::string at(QSize size) const {
    return std::string(GetParam()) + " at " + std::to_string(size.width()) + " × " + std::to_string(size.height());
  }
};

}  // namespace

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

INSTANTIATE_TEST_SUITE_P(FrameLanguages, FrameInEveryLanguage,
                         ::testing::Values("en", "zh-Hans", "zh-Hant", "ja", "ko", "es", "fr", "de", "pt-BR", "ru"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase(name, '-');
                           return name;
                         });
