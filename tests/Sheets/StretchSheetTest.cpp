// The stretch report and the stretch button: the report's words, how its name is saved as it
// closes, switches and deletes, how the button keeps its width while the seconds run, and how
// both look on a busy afternoon.
#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <filesystem>

#include "Qel/App/MainViews.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Legible.hpp"
#include "Qel/Sheets/Reports/StretchButton.hpp"
#include "Qel/Sheets/Reports/StretchReport.hpp"
#include "Qel/Sheets/Reports/StretchSheet.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "Qel/Window/TopBar.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/HostedSheets.hpp"

using namespace qel;
using namespace std::chrono_literals;
using test::BusyAfternoon;

namespace {

const char* kToday = BusyAfternoon::kToday;

// The overview page's ground, for views shown on it.
class PageGround : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), background(Page::overview).resolve()); }
};

Stretch mark(Date start, std::chrono::seconds length, std::optional<double> ratio = std::nullopt) {
  return {.start = start, .end = start + length, .name = "m", .ratio = ratio};
}

void press(QWidget* target, int key) {
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &down);
}

// The busy afternoon with the program's sheets on a window of their own.
class StretchViews : public ::testing::Test {
 protected:
  StretchViews() {
    registerMainViews(registry, updater);
    owner.resize(900, 700);
    owner.show();
    host = std::make_unique<SheetHost>(fixture.context(), registry, &owner);  // once the sheets are known
  }

  // Keeps `stretches` besides the afternoon's own and shows the first.
  void open(const std::vector<Stretch>& stretches) {
    for (const auto& s : stretches) store.history()->save(s);
    store.loadStretches();
    store.setStretchReport(stretches.front());
    BusyAfternoon::settle();
  }
  StretchSheet* shown() const { return host->dialog() ? host->dialog()->findChild<StretchSheet*>() : nullptr; }
  std::optional<Stretch> find(Date start) const {
    for (const auto& s : store.stretchLog().stretches)
      if (s.start == start) return s;
    return std::nullopt;
  }
  std::string stored(Date start) const { return find(start) ? find(start)->name : "(gone)"; }

  BusyAfternoon fixture;
  Store& store = *fixture.store;
  Updater updater{fixture.defaults, {}};
  ViewRegistry registry;
  QWidget owner;
  std::unique_ptr<SheetHost> host;
};

}  // namespace

TEST(StretchReportTest, howLongItLastedAndHowItComparesWithTheUsual) {
  const Date nine = BusyAfternoon::at(kToday, 9, 40);
  const std::vector<std::pair<std::chrono::milliseconds, std::string>> lengths = {
      {0ms, "1 s"},      {-5000ms, "1 s"},      {59000ms, "59 s"},   {59499ms, "59 s"},
      {59500ms, "1 min"}, {60000ms, "1 min"},   {119000ms, "1 min"}, {3600000ms, "1 h"}};
  for (const auto& [length, text] : lengths) {
    Stretch s{.start = nine, .end = nine + length};
    EXPECT_EQ(StretchReport::lasted(s), text) << length.count();
  }

  EXPECT_EQ(StretchReport::usualText(mark(nine, 60s)), "");
  EXPECT_EQ(StretchReport::usualText(mark(nine, 60s, 1.29)), " That is about the usual for this time of day.");
  EXPECT_EQ(StretchReport::usualText(mark(nine, 60s, 0.4)), " That is about the usual for this time of day.");
  EXPECT_EQ(StretchReport::usualText(mark(nine, 60s, 1.3)), " That is 1.3× the usual for this time of day.");
  EXPECT_EQ(StretchReport::usualText(mark(nine, 60s, std::nan(""))), "");

  EXPECT_EQ(StretchReport::subtitle(mark(nine, 45min, 1.8)),
            "09:40–10:25, lasted 45 min. That is 1.8× the usual for this time of day.");
  // Over midnight: the clock times as they are, and no comparison without a ratio.
  EXPECT_EQ(StretchReport::subtitle(mark(BusyAfternoon::at("2026-06-16", 23, 50), 30min)),
            "23:50–00:20, lasted 30 min.");
}

TEST_F(StretchViews, returnSavesTheNameAndEscapeSavesItThenCloses) {
  const Date start = BusyAfternoon::at(kToday, 8, 0);
  Stretch opened = mark(start, 30min);
  opened.name = "Marked at 08:00";
  open({opened});
  auto* sheet = shown();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(host->openSheet(), "stretchReport");
  EXPECT_EQ(sheet->width(), ReportSheet::kWidth);
  EXPECT_EQ(sheet->nameField()->text(), "Marked at 08:00");

  sheet->nameField()->setText("Build");
  press(sheet->nameField(), Qt::Key_Return);
  BusyAfternoon::settle();
  EXPECT_EQ(stored(start), "Build");
  ASSERT_EQ(shown(), sheet);  // still open, the same sheet

  // Back to the name it opened with: compared with what is stored, so this is a change.
  sheet->nameField()->setText("Marked at 08:00");
  press(sheet->nameField(), Qt::Key_Escape);
  BusyAfternoon::settle();
  EXPECT_EQ(stored(start), "Marked at 08:00");
  EXPECT_FALSE(store.navigation().stretchReport);
  EXPECT_EQ(shown(), nullptr);

  // A blank name and Done: closed, the name kept. The close button saves too.
  store.setStretchReport(find(start));
  BusyAfternoon::settle();
  ASSERT_NE(shown(), nullptr);
  shown()->nameField()->setText("  ");
  shown()->doneButton()->click();
  BusyAfternoon::settle();
  EXPECT_EQ(shown(), nullptr);
  EXPECT_EQ(stored(start), "Marked at 08:00");
  store.setStretchReport(find(start));
  BusyAfternoon::settle();
  ASSERT_NE(shown(), nullptr);
  shown()->nameField()->setText(" Deploy ");
  shown()->closeButton()->click();
  BusyAfternoon::settle();
  EXPECT_EQ(shown(), nullptr);
  EXPECT_EQ(stored(start), "Deploy");

  // Away from the name field Return is Done's, as in the other reports: saved, then closed.
  store.setStretchReport(find(start));
  BusyAfternoon::settle();
  ASSERT_NE(shown(), nullptr);
  shown()->nameField()->setText("Ship");
  shown()->nameField()->clearFocus();
  press(host->dialog(), Qt::Key_Return);
  BusyAfternoon::settle();
  EXPECT_EQ(shown(), nullptr);
  EXPECT_EQ(stored(start), "Ship");
}

TEST_F(StretchViews, anotherMarkOfTheDaySavesFirstAndDeletingClosesWithoutSaving) {
  const Date nine = BusyAfternoon::at(kToday, 9, 0);
  const Stretch first = mark(nine, 10min), second = mark(nine + 1h, 5min), yesterday = mark(nine - 24h, 5min);
  open({first, second, yesterday});
  auto* sheet = shown();
  ASSERT_NE(sheet, nullptr);
  // The afternoon's release build and the other one of today, newest first; none from yesterday.
  ASSERT_EQ(sheet->otherRows().size(), 2u);
  EXPECT_EQ(sheet->otherRows()[0]->stretch().name, "Release build");
  EXPECT_EQ(sheet->otherRows()[1]->stretch().start, second.start);
  EXPECT_TRUE(sheet->appRows().empty());  // no apps: no "Who used the most"

  sheet->nameField()->setText("Standup");
  sheet->otherRows()[1]->click();
  BusyAfternoon::settle();
  EXPECT_EQ(stored(first.start), "Standup");
  ASSERT_NE(shown(), nullptr);
  EXPECT_EQ(store.navigation().stretchReport->start, second.start);
  EXPECT_EQ(shown()->nameField()->text(), "m");  // the other one, with its own name

  shown()->nameField()->setText("Not saved");
  // Deleting asks first, and Return keeps the mark.
  shown()->deleteButton()->click();
  BusyAfternoon::settle();
  auto* question = shown()->window()->findChild<QMessageBox*>("deleteMarkConfirmation");
  ASSERT_TRUE(question);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(question->focusWidget() ? question->focusWidget() : question, &enter);
  BusyAfternoon::settle();
  ASSERT_NE(shown(), nullptr);
  EXPECT_NE(stored(second.start), "(gone)");
  shown()->deleteButton()->click();
  BusyAfternoon::settle();
  question = shown()->window()->findChild<QMessageBox*>("deleteMarkConfirmation");
  ASSERT_TRUE(question);
  for (auto* b : question->buttons())
    if (b->text() == "Delete this mark") b->click();
  BusyAfternoon::settle();
  EXPECT_EQ(shown(), nullptr);
  EXPECT_EQ(stored(second.start), "(gone)");
  EXPECT_EQ(store.navigation().toast, "Mark deleted");
  store.setStretchReport(find(first.start));
  BusyAfternoon::settle();
  ASSERT_NE(shown(), nullptr);
  EXPECT_EQ(shown()->otherRows().size(), 1u);  // the release build alone
}

TEST_F(StretchViews, aSingleOtherMarkShowsWholeInItsBoxAndTakesClicksAllOver) {
  open({mark(BusyAfternoon::at(kToday, 9, 0), 10min)});
  auto* sheet = shown();
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(sheet->otherRows().size(), 1u);  // the release build
  OtherMarkRow* row = sheet->otherRows()[0];
  auto* list = static_cast<QScrollArea*>(sheet->otherList());
  // The box is the row's height, and the row fills it: its name, times and peak all in view.
  EXPECT_EQ(list->viewport()->height(), row->sizeHint().height());
  EXPECT_EQ(row->mapTo(list->viewport(), QPoint(0, 0)), QPoint(0, 0));
  EXPECT_EQ(row->height(), row->sizeHint().height());
  EXPECT_EQ(list->verticalScrollBar()->maximum(), 0);
  const QPoint low(list->viewport()->width() / 2, list->viewport()->height() - 4);  // under the times
  ASSERT_EQ(list->viewport()->childAt(low), row);
  row->click();
  BusyAfternoon::settle();
  ASSERT_TRUE(store.navigation().stretchReport);
  EXPECT_EQ(store.navigation().stretchReport->name, "Release build");
}

TEST_F(StretchViews, manyMarksScrollInsideTheirBoxAndAppsGetARowEach) {
  std::vector<Stretch> many;
  for (int i = 0; i < 9; ++i) many.push_back(mark(BusyAfternoon::at(kToday, 8, 5 * i), 2min));
  many.front().top = {{"rustc", 0.6}, {"cargo", 0.3}};
  open(many);
  auto* sheet = shown();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->appRows().size(), 2u);
  EXPECT_EQ(sheet->otherRows().size(), 9u);  // eight of them and the release build
  ASSERT_NE(sheet->otherList(), nullptr);
  EXPECT_LE(sheet->otherList()->height(), 112);
  auto* list = static_cast<QScrollArea*>(sheet->otherList());
  EXPECT_GT(list->widget()->height(), list->viewport()->height());
}

TEST(StretchButtonTest, theElapsedTimeKeepsTheWidthOfItsReference) {
  EXPECT_EQ(elapsedReference("00:00"), "00:00");
  EXPECT_EQ(elapsedReference("59:59"), "00:00");
  EXPECT_EQ(elapsedReference("1:00:00"), "0:00:00");
  EXPECT_EQ(elapsedReference("10:00:00"), "0:00:00");
}

TEST_F(StretchViews, bothFormsStartAndEndTheSameRecording) {
  TopBar bar(fixture.context(), registry);
  StretchButton full(StretchState(*fixture.store), *fixture.store, false);
  auto* compact = bar.findChild<StretchButton*>();
  ASSERT_NE(compact, nullptr);
  bar.show();
  full.show();
  BusyAfternoon::settle();
  EXPECT_FALSE(compact->isVisible());  // idle, the top bar's form takes no room
  EXPECT_EQ(full.accessibleName(), "Mark a stretch");

  full.click();
  BusyAfternoon::settle();
  ASSERT_TRUE(store.stretchLog().recording);
  EXPECT_EQ(store.navigation().toast, "Marking started. Click End when you're done.");
  EXPECT_TRUE(compact->isVisible());
  EXPECT_EQ(compact->sizeHint().height(), 34);
  EXPECT_EQ(full.sizeHint().height(), 26);
  EXPECT_LT(compact->sizeHint().width(), full.sizeHint().width());  // without "End"
  EXPECT_EQ(compact->accessibleName(), "End this stretch and see its summary");

  // 59:59 in the width of 00:00, then 1:00:00 in that of 0:00:00.
  const int early = full.sizeHint().width();
  for (int i = 0; i < 3599; ++i) store.recordStretch({});
  BusyAfternoon::settle();
  EXPECT_EQ(full.elapsed(), "59:59");
  EXPECT_EQ(full.sizeHint().width(), early);
  store.recordStretch({});
  BusyAfternoon::settle();
  EXPECT_EQ(full.elapsed(), "1:00:00");
  EXPECT_GT(full.sizeHint().width(), early);

  // Recording, the capsule stands out from the page in either look.
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    const QImage face = full.grab().toImage();
    const QColor ground = Legible::ground();
    EXPECT_GE(test::contrast(face.pixelColor(4, face.height() / 2), ground), 1.25) << look;
  }
  test::useAppearance("light");

  compact->click();  // either form ends it, and the report opens
  BusyAfternoon::settle();
  EXPECT_FALSE(store.stretchLog().recording);
  EXPECT_FALSE(compact->isVisible());
  EXPECT_FALSE(full.recording());
  ASSERT_NE(shown(), nullptr);
  EXPECT_EQ(shown()->nameField()->text(), "Marked at 15:24");
}

TEST(StretchGallery, theReportAndTheButtonInLightAndDark) {
  BusyAfternoon fixture;
  const auto folder = std::filesystem::path(QEL_ARTIFACTS) / "gallery";
  std::filesystem::create_directories(folder);
  const auto save = [&](QWidget& w, const std::string& name) {
    w.grab().save(QString::fromStdString((folder / name).string()));
  };
  Store& store = *fixture.store;
  // The release build with its load, and two more marks that day.
  Stretch build = store.stretchLog().stretches.front();
  for (int i = 0; i < 90; ++i) build.series.push_back(0.55 + 0.3 * std::sin(i / 7.0) + (i > 60 ? 0.1 : 0));
  build.top.push_back({"a-very-long-process-name-from-a-toolchain-that-goes-on-and-on", 0.04});
  store.history()->save(build);
  Stretch standup = mark(BusyAfternoon::at(kToday, 9, 30), 15min);
  standup.name = "Standup call";
  standup.peak = 0.31;
  Stretch tests = mark(BusyAfternoon::at(kToday, 11, 5), 25min);
  tests.name = "Test suite";
  tests.peak = 0.88;
  store.history()->save(standup);
  store.history()->save(tests);
  store.loadStretches();

  {
    // The sheet as the program presents it, in its window.
    test::HostedSheets sheets(fixture);
    const auto shown = [&sheets] { return sheets.shown<StretchSheet>(); };
    store.setStretchReport(build);
    BusyAfternoon::settle();
    ASSERT_NE(shown(), nullptr);
    for (const char* appearance : {"light", "dark"}) {
      test::useAppearance(appearance);
      BusyAfternoon::settle();
      shown()->nameField()->clearFocus();
      test::writeWindowShot(*shown(), QString("stretch-%1").arg(appearance));
      // Typing a name: the field shows it has the keyboard.
      shown()->window()->activateWindow();
      shown()->nameField()->setFocus(Qt::TabFocusReason);
      BusyAfternoon::settle();
      test::writeWindowShot(*shown(), QString("stretch-naming-%1").arg(appearance));
    }
    // A day with one other mark: its one row in a box of its own height.
    store.deleteStretch(tests);
    store.setStretchReport(standup);
    BusyAfternoon::settle();
    ASSERT_NE(shown(), nullptr);
    ASSERT_EQ(shown()->otherRows().size(), 1u);
    for (const char* appearance : {"light", "dark"}) {
      test::useAppearance(appearance);
      BusyAfternoon::settle();
      test::writeWindowShot(*shown(), QString("stretch-one-other-%1").arg(appearance));
    }
  }

  // The buttons on the overview's ground: idle, then recording in the full form (with the
  // keyboard focus) and in the top bar's.
  PageGround strip;
  auto* row = new QHBoxLayout(&strip);
  row->setContentsMargins(16, 16, 16, 16);
  row->setSpacing(16);
  auto* idle = new StretchButton(StretchState(*fixture.store), *fixture.store, false, &strip);
  row->addWidget(idle);
  auto* full = new StretchButton(StretchState(*fixture.store), *fixture.store, false);
  auto* compact = new StretchButton(StretchState(*fixture.store), *fixture.store, true);
  row->addWidget(full);
  row->addWidget(compact);
  strip.show();
  strip.activateWindow();
  const auto shoot = [&](const std::string& name) {
    for (const char* appearance : {"light", "dark"}) {
      test::useAppearance(appearance);
      BusyAfternoon::settle();
      strip.adjustSize();
      save(strip, name + "-" + appearance + ".png");
    }
  };
  // Idle, the top bar's form takes no room.
  full->hide();
  shoot("stretch-button-idle");
  store.startStretch();
  for (int i = 0; i < 754; ++i) store.recordStretch({});
  BusyAfternoon::settle();
  full->show();
  full->setFocus(Qt::TabFocusReason);
  shoot("stretch-button-recording");
  test::useAppearance("light");
  EXPECT_EQ(full->elapsed(), "12:34");
  EXPECT_TRUE(compact->isVisible());
}
