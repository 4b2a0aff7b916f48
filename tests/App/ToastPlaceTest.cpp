// Where a toast rests: never on a control of the window or sheet it shows over, nor on the row
// of the control that raised it, where its explanation stands.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QTextLayout>

#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Processes/ProcessDetail.hpp"
#include "Qel/Processes/TameControl.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "Qel/Window/Toast.hpp"
#include "Qel/Window/ToastSpot.hpp"
#include "tests/App/AfternoonWindow.hpp"
#include "tests/Window/Covered.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/Gallery.hpp"

using namespace qel;

namespace {

void click(QWidget* w, QPointF at) {
  const QPointF global = w->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

std::string listed(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names) out += "\n  " + n;
  return out;
}

class ToastOverASheet : public ::testing::Test {
 protected:
  ToastOverASheet() { Motion::setEnabled(false); }
  ~ToastOverASheet() override { test::useAppearance("light"); }

  Toast& toast() { return *shown.root->toast(); }
  QDialog* sheet() { return shown.root->sheets()->dialog(); }

  // The toast is up over the open sheet, on none of its controls and off `explained`.
  void expectClear(const QWidget* explained, const char* state) {
    ASSERT_TRUE(toast().isVisible()) << state;
    ASSERT_EQ(toast().window(), sheet()) << state;
    EXPECT_TRUE(sheet()->rect().contains(toast().geometry())) << state;
    const auto under = test::controlsUnder(toast());
    EXPECT_TRUE(under.empty()) << state << " lies on" << listed(under);
    EXPECT_FALSE(toast().geometry().intersects(test::shownPart(explained, toast().parentWidget())))
        << state << ": on the words it speaks of";
  }

  test::BusyAfternoon day;
  test::AfternoonWindow shown{day, {1180, 780}};
};

}  // namespace

TEST(ToastSpot, restsAtItsUsualPlaceUnlessThatCoversSomethingThenAtTheNearestClearOne) {
  const QRect usual(400, 700, 200, 32);
  ToastRoom room{.window = {1000, 760}, .usual = usual, .margin = 16, .clearance = 6};
  EXPECT_EQ(toastSpot(room), usual);
  room.keepClear = {{0, 0, 1000, 100}};  // something far off
  EXPECT_EQ(toastSpot(room), usual);

  // A footer's button under its right half: it rises just clear of it, or moves left beside it,
  // whichever is nearer.
  room.keepClear = {{520, 690, 120, 60}};
  const QRect beside = toastSpot(room);
  EXPECT_FALSE(beside.adjusted(-6, -6, 6, 6).intersects(room.keepClear[0]));
  EXPECT_EQ(beside.size(), usual.size());
  EXPECT_LE(std::hypot(beside.left() - usual.left(), beside.top() - usual.top()), 100);

  // A band of controls across the whole foot: it stands above the band, inside the margins.
  room.keepClear = {{0, 640, 1000, 120}};
  const QRect above = toastSpot(room);
  EXPECT_LE(above.bottom() + 6, 639);
  EXPECT_GE(above.top(), 16);
  EXPECT_EQ(above.left(), usual.left());

  // Nowhere clear: the usual place.
  room.keepClear = {{0, 0, 1000, 760}};
  EXPECT_EQ(toastSpot(room), usual);
  // A window too small for it: the usual place too.
  room.window = {100, 20};
  room.keepClear = {{0, 0, 10, 10}};
  EXPECT_EQ(toastSpot(room), usual);
}

namespace {

// Whether the lines a toast's text takes inside its padding, laid out at that width, are no more
// than the capsule is high for: a line that found no room of its own would be drawn cut.
bool linesFitTheCapsule(const Toast& toast) {
  QTextLayout layout(toast.text(), toast.font());
  QTextOption option(Qt::AlignCenter);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  int lines = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lines)
    line.setLineWidth(toast.width() - 2 * Space::xxl);
  layout.endLayout();
  const int room = int(std::lround((toast.height() - 2 * Space::m) / QFontMetricsF(toast.font()).height()));
  return lines <= room;
}

}  // namespace

// A message reads whole in every language: on one line where its width allows (a glyph reaching
// past its advance, as a last "r" does, must not push a word onto a line the capsule has no room
// for), on more lines where the window is narrow.
TEST(ToastText, readsWholeOnOneLineOrOnMoreInEveryLanguage) {
  Motion::setEnabled(false);
  Fonts::load();
  const char* messages[] = {"Alerts paused for 1 hour", "Alerts resumed", "Copied to the clipboard", "Image saved",
                            "Mark deleted", "Won't sleep when idle for the next 2 hours",
                            "Quiet mode and taming are idle: this desktop doesn't tell which app is in front."};
  for (const char* language : {"en", "zh-Hans", "zh-Hant", "ja", "ko", "es", "fr", "de", "pt-BR", "ru"}) {
    Loc::set(language, nullptr);
    for (const int width : {1180, 1040, 360}) {
      QWidget window;
      window.resize(width, 700);
      auto* toast = new Toast(&window);
      window.show();
      for (const char* message : messages) {
        toast->setMessage(QString::fromStdString(L(message)));
        QApplication::processEvents();
        ASSERT_TRUE(toast->isVisible());
        EXPECT_TRUE(linesFitTheCapsule(*toast)) << language << " at " << width << ", \"" << message << "\" runs past its capsule";
      }
    }
  }
  Loc::set("en", nullptr);
}

// Pausing an app in its detail sheet: the toast keeps off "End" and Force Quit, the switch and
// the sentence that says what the pause does.
TEST_F(ToastOverASheet, aTamingChangeLeavesTheSheetsControlsAndItsSentenceInSight) {
  Snapshot s;
  s.tick = day.store->liveReadings().tick + 1;
  s.mem = day.store->liveReadings().mem;
  s.procs = day.store->processList().procs;
  s.procs.push_back({.pid = 7301, .name = "htop", .path = "/usr/bin/htop", .cpu = 12, .mem = 9ull << 20,
                     .appKey = "/usr/share/applications/htop.desktop", .startTime = 4100});
  day.store->apply(s);
  day.store->setDetailPID(7301);
  test::BusyAfternoon::settle();
  ASSERT_TRUE(sheet());
  auto* control = sheet()->findChild<TameControl*>();
  ASSERT_TRUE(control && control->segment());
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    for (const int option : {2, 1}) {  // pause, then slow down
      click(control->segment(), control->segment()->pillRect(option).center());
      test::BusyAfternoon::settle();
      expectClear(control, "after a taming change");
      const auto* detail = sheet()->findChild<ProcessDetail*>();
      ASSERT_TRUE(detail && detail->endButton());
      EXPECT_FALSE(toast().geometry().intersects(test::shownPart(detail->endButton(), toast().parentWidget())));
    }
    test::writeShot(*sheet(), QStringLiteral("toast-over-detail-%1").arg(QLatin1String(look)));
  }
}

// Pausing the alerts in the settings: the toast keeps off the footer and its "Done", the switch
// and its row.
TEST_F(ToastOverASheet, thePauseSwitchLeavesTheSettingsFooterAndItsRowInSight) {
  day.store->setSettingsTab("alerts");
  day.store->openSettings();
  test::BusyAfternoon::settle();
  ASSERT_TRUE(sheet());
  QAbstractButton* pause = nullptr;
  for (auto* b : sheet()->findChildren<QAbstractButton*>())
    if (b->accessibleName() == "Pause alerts for 1 hour" && b->isVisible()) pause = b;
  ASSERT_TRUE(pause);
  for (int i = 0; i < 2; ++i) {  // paused, then resumed
    click(pause, QRectF(pause->rect()).center());
    test::BusyAfternoon::settle();
    expectClear(pause->parentWidget(), i == 0 ? "alerts paused" : "alerts resumed");
  }
  test::writeShot(*sheet(), QStringLiteral("toast-over-settings-light"));
  // A toast the user did not raise here (a finding of the tick) keeps off the controls too.
  day.store->show("Memory is getting tight");
  test::BusyAfternoon::settle();
  const auto under = test::controlsUnder(toast());
  EXPECT_TRUE(under.empty()) << "lies on" << listed(under);
}
