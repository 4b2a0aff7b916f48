// The process table: rows known by pid and start time, names shown as they are, the action
// bar's counts, clicks and keys that reach the store, and the focus shown only to the keyboard.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QListView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

#include "Qel/Processes/ActionBar.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Processes/ProcessListView.hpp"
#include "Qel/Processes/ProcessRowDelegate.hpp"
#include "Qel/Processes/ProcessRowGeometry.hpp"
#include "Qel/Processes/ProcessTable.hpp"
#include "Qel/Processes/ProcessTableModel.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "tests/Window/Pointer.hpp"
#include "tests/Window/Probe.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/TextRecorder.hpp"
#include "tests/support/ShownText.hpp"

using namespace qel;

namespace {

ProcInfo proc(std::int32_t pid, std::uint64_t start, const char* name, double cpu = 0, bool system = false) {
  return {.pid = pid, .name = name, .cpu = cpu, .isSystem = system, .startTime = start};
}

void click(QWidget* w, QPointF p) {
  QMouseEvent down(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &down);
  QMouseEvent up(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &up);
}

void key(QWidget* w, int code) {
  QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, code == Qt::Key_Space ? " " : "");
  QApplication::sendEvent(w, &press);
}

// The strongest contrast against `ground` along the first pixels of a row's left edge, where
// the focus ring runs.
double ringAtEdge(const QImage& shot, const QRect& row, const QColor& ground) {
  double best = 1;
  for (int x = row.left(); x < row.left() + 5; ++x)
    best = std::max(best, test::contrast(shot.pixelColor(x, row.center().y()), ground));
  return best;
}

std::vector<std::int32_t> pids(const ProcessTableModel& m) {
  std::vector<std::int32_t> out;
  for (int i = 0; i < m.rowCount(); ++i) out.push_back(m.proc(i).pid);
  return out;
}

}  // namespace

TEST(ProcessTableModel, rowsFollowTheirProcessAndNeverPassToANewcomerWithItsPid) {
  ProcessTableModel model;
  model.update({proc(1, 10, "a"), proc(2, 20, "b"), proc(3, 30, "c")});
  QPersistentModelIndex b(model.index(1)), c(model.index(2));
  int resets = 0;
  QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });

  model.update({proc(3, 30, "c", 90), proc(1, 10, "a"), proc(2, 20, "b")});
  EXPECT_EQ(pids(model), (std::vector<std::int32_t>{3, 1, 2}));
  EXPECT_EQ(c.row(), 0);  // the view's current row and hover move with the process
  EXPECT_EQ(b.row(), 2);
  EXPECT_EQ(model.proc(0).cpu, 90);

  // b ended and a newcomer took pid 2: b's row goes, the newcomer gets a row of its own.
  model.update({proc(2, 99, "newcomer"), proc(3, 30, "c"), proc(1, 10, "a")});
  EXPECT_FALSE(b.isValid());
  EXPECT_EQ(pids(model), (std::vector<std::int32_t>{2, 3, 1}));
  EXPECT_EQ(model.rowOf({2, 99}), 0);
  EXPECT_FALSE(model.rowOf({2, 20}));

  // A pid listed twice keeps one row; an empty list empties the table.
  model.update({proc(1, 10, "a"), proc(1, 10, "a")});
  EXPECT_EQ(model.rowCount(), 1);
  model.update({});
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(resets, 0);  // never a reset, which would throw away the scroll position
}

TEST(ProcessTableModel, hostileNamesAreShownLiterally) {
  ProcessTableModel model;
  model.update({{.pid = 5, .name = "<b>root</b>\u202Etxt.exe\nFAKE &amp;", .path = "/tmp/<i>x</i>"}});
  const QString shown = model.data(model.index(0), Qt::DisplayRole).toString();
  EXPECT_EQ(shown, QString::fromUtf8("<b>root</b>txt.exeFAKE &amp;"));  // markup kept as text, no override, no line break
  const auto tip = [&] {
    return test::shownToolTip(model.data(model.index(0), Qt::ToolTipRole).toString()).toStdString();
  };
  EXPECT_EQ(tip(), "/tmp/<i>x</i>");
  model.update({{.pid = 5, .name = "a", .path = "/opt/Tom&amp;Jerry/bin/tj"}});
  EXPECT_EQ(tip(), "/opt/Tom&amp;Jerry/bin/tj");
}

TEST(ProcessRowGeometry, cellsAndClickTargets) {
  const auto g = processRowGeometry(800, 40);
  EXPECT_EQ(g.select, QRectF(10, 40, 30, 40));
  EXPECT_EQ(g.name.width(), 800 - 20 - 30 - 130 - 90 - 70 - 36);
  EXPECT_EQ(g.details.right(), 790);
  EXPECT_EQ(rowPartAt(g, 15), RowPart::select);
  EXPECT_EQ(rowPartAt(g, 100), RowPart::name);
  EXPECT_EQ(rowPartAt(g, g.cpu.center().x()), RowPart::none);
  EXPECT_EQ(rowPartAt(g, 780), RowPart::details);
  EXPECT_EQ(processRowGeometry(50).name.width(), 0);  // too narrow: the name gets nothing, never less
  EXPECT_TRUE(cpuIsHigh(30.0));
  EXPECT_FALSE(cpuIsHigh(29.96));  // prints as 30.0, yet below the line
}

TEST(ProcessRowGeometry, selectedRowsAreLiftedClearOfTheBar) {
  // A 300-high viewport whose bottom 60 the bar covers; rows are 40 high.
  const std::vector<int> underBar{240}, clear{0, 40}, outOfSight{800}, partly{200};
  EXPECT_EQ(scrollClearingBand(underBar, 300, 60, 0, 500), 40);  // its bottom (280) just above the band (240)
  EXPECT_EQ(scrollClearingBand(partly, 300, 60, 0, 500), 0);     // ends exactly at the band
  EXPECT_EQ(scrollClearingBand(clear, 300, 60, 0, 500), 0);
  EXPECT_EQ(scrollClearingBand(outOfSight, 300, 60, 0, 500), 0);  // not in sight: no jump to it
  EXPECT_EQ(scrollClearingBand(std::vector<int>{160, 240}, 300, 60, 0, 500), 40);  // the lowest decides
  EXPECT_EQ(scrollClearingBand(underBar, 300, 60, 0, 20), 20);     // as far as the list can go
  EXPECT_EQ(scrollClearingBand(underBar, 300, 60, 100, 500), 100); // scrolled past it already
  EXPECT_EQ(scrollClearingBand({}, 300, 60, 30, 500), 30);
  EXPECT_EQ(scrollClearingBand(underBar, 300, -5, 0, -10), 0);  // nonsense sizes change nothing
}

TEST(SelectionCounts, countAllProcessesSkipSystemOnesAndForgetTheGone) {
  const std::vector<ProcInfo> procs{proc(1, 1, "a"), proc(2, 2, "sys", 0, true), proc(3, 3, "c"), proc(4, 4, "d")};
  const auto c = selectionCounts(procs, {3, 2, 1, 77});
  EXPECT_EQ(c.chosen, 3);
  EXPECT_EQ(c.skipped, 1);
  EXPECT_EQ(c.endable, (std::vector<std::int32_t>{1, 3}));  // the sampler's order, 77 is gone
  EXPECT_TRUE(selectionCounts(procs, {2}).endable.empty());
}

class ProcessTableTest : public ::testing::Test {
 protected:
  ProcessTableTest() { Motion::setEnabled(false); }
  test::BusyAfternoon day;
};

TEST_F(ProcessTableTest, actionBarCountsSelectedProcessesTheSearchHides) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(900, 500);
  table.show();
  day.store->setSelection({2311, 1020, 3120});  // firefox, Xwayland (system), code
  day.store->setQuery("code");
  test::BusyAfternoon::settle();
  EXPECT_EQ(table.model().rowCount(), 1);
  EXPECT_EQ(table.countLabel()->text(), "1 process, 1 yours");
  ASSERT_TRUE(table.actionBar()->isVisible());
  EXPECT_EQ(table.actionBar()->countText(), "3 selected");
  EXPECT_EQ(table.actionBar()->noteText(), "1 system process will be skipped");
  EXPECT_EQ(table.actionBar()->endButton()->text(), "End 2 processes");

  day.store->setSelection({1020});
  test::BusyAfternoon::settle();
  EXPECT_FALSE(table.actionBar()->endButton()->isEnabled());
  table.actionBar()->cancelButton()->click();
  test::BusyAfternoon::settle();
  EXPECT_TRUE(day.store->processList().selection.empty());
  EXPECT_FALSE(table.actionBar()->isVisible());
}

TEST_F(ProcessTableTest, clicksAndKeysReachTheStore) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(900, 500);
  table.show();
  test::BusyAfternoon::settle();
  ProcessListView* list = table.list();
  const int row = *table.model().rowOf({2311, 0});
  const QRect rect = list->visualRect(table.model().index(row));
  const auto g = processRowGeometry(list->viewport()->width(), rect.top());
  click(list->viewport(), g.select.center());
  EXPECT_EQ(day.store->processList().selection, std::set<std::int32_t>{2311});
  click(list->viewport(), g.details.center());
  EXPECT_EQ(day.store->navigation().detailPID, 2311);
  key(list, Qt::Key_Space);  // the clicked row is the current one
  EXPECT_TRUE(day.store->processList().selection.empty());

  table.searchField()->setText("zzz");
  emit table.searchField()->textEdited("zzz");
  test::BusyAfternoon::settle();
  EXPECT_EQ(day.store->processList().query, "zzz");
  EXPECT_EQ(table.model().rowCount(), 0);
}

TEST_F(ProcessTableTest, rowsHoldTheirOrderWhileThePointerIsOverThem) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(900, 500);
  table.show();
  int tick = 70;
  const auto publish = [&](std::vector<ProcInfo> procs) {
    Snapshot s;
    s.tick = ++tick;
    s.mem = day.store->liveReadings().mem;
    s.procs = std::move(procs);
    day.store->apply(s);
    test::BusyAfternoon::settle();
  };
  publish({proc(1, 1, "a", 50), proc(2, 1, "b", 40), proc(3, 1, "c", 30)});
  ASSERT_EQ(pids(table.model()), (std::vector<std::int32_t>{1, 2, 3}));
  test::pointerComesOver(table.list(), {10, 10});

  // c overtakes both and a newcomer is the busiest: the rows stay, the newcomer comes last.
  publish({proc(1, 1, "a", 50), proc(2, 1, "b", 40), proc(3, 1, "c", 80), proc(4, 1, "d", 99)});
  EXPECT_EQ(pids(table.model()), (std::vector<std::int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(table.model().proc(2).cpu, 80);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(table.list(), &leave);
  test::BusyAfternoon::settle();
  EXPECT_EQ(pids(table.model()), (std::vector<std::int32_t>{4, 3, 1, 2}));
}

TEST_F(ProcessTableTest, theActionBarNeverHidesASelectedRow) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(900, 300);
  table.show();
  test::BusyAfternoon::settle();
  ProcessListView* list = table.list();
  // The lowest row in sight, under where the bar will rest.
  const int lowest = list->indexAt(QPoint(20, list->viewport()->height() - 10)).row();
  ASSERT_GE(lowest, 0);
  const std::int32_t pid = table.model().proc(lowest).pid;
  day.store->setSelection({pid});
  test::BusyAfternoon::settle();
  ASSERT_TRUE(table.actionBar()->isVisible());
  const QRect row = list->visualRect(table.model().index(*table.model().rowOf({pid, 0})));
  const int rowBottom = list->viewport()->mapTo(&table, row.bottomLeft()).y();
  EXPECT_GT(rowBottom, 0);
  EXPECT_LT(rowBottom, table.actionBar()->geometry().top());

  // Scrolling back down by hand is the user's choice: nothing pulls the list again.
  list->verticalScrollBar()->setValue(0);
  day.store->setQuery("");
  test::BusyAfternoon::settle();
  EXPECT_EQ(list->verticalScrollBar()->value(), 0);
}

TEST_F(ProcessTableTest, theCountSaysWhatIsListedAndHowMuchOfItIsTheUsers) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(900, 500);
  table.show();
  test::BusyAfternoon::settle();
  EXPECT_EQ(table.model().rowCount(), 10);  // Xwayland, another user's, is listed too
  EXPECT_EQ(table.countLabel()->text(), "10 processes, 9 of them yours");
  day.store->setQuery("xway");
  test::BusyAfternoon::settle();
  EXPECT_EQ(table.countLabel()->text(), "1 process, 0 yours");
}

TEST_F(ProcessTableTest, aNarrowHeaderPutsTheControlsBelowAndCutsNothing) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(536, 400);  // the overview's column in the smallest window
  table.show();
  test::BusyAfternoon::settle();
  auto* sort = table.findChild<PillSegment*>();
  ASSERT_NE(sort, nullptr);
  EXPECT_GE(sort->width(), sort->sizeHint().width());
  EXPECT_LE(table.searchField()->geometry().right(), table.width() - 1);
  auto* title = table.findChildren<PlainLabel*>().front();
  EXPECT_EQ(title->text(), "Running");
  EXPECT_GE(title->width(), title->sizeHint().width());
  PlainLabel* count = table.countLabel();
  EXPECT_GE(count->width(), count->sizeHint().width());  // a figure is never cut
  const QRect countAt(count->mapTo(&table, QPoint()), count->size()), sortAt(sort->mapTo(&table, QPoint()), sort->size());
  EXPECT_FALSE(countAt.intersects(sortAt));
}

TEST_F(ProcessTableTest, aSelectedRowAndItsCheckStandOutInBothLooks) {
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    day.store->setSelection({2311});
    ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
    table.resize(900, 500);
    table.show();
    test::BusyAfternoon::settle();
    ProcessListView* list = table.list();
    const QImage shot = list->viewport()->grab().toImage();
    const auto rowGeometry = [&](std::int32_t pid) {
      const QRect rect = list->visualRect(table.model().index(*table.model().rowOf({pid, 0})));
      return processRowGeometry(list->viewport()->width(), rect.top());
    };
    const auto selected = rowGeometry(2311), other = rowGeometry(2398);
    // Between the name and the CPU bar, where a row shows only its ground.
    const auto ground = [&](const ProcessRowGeometry& g) {
      return shot.pixelColor(int(g.cpu.left()) - 100, int(g.cpu.top()) + 4);
    };
    EXPECT_GE(test::contrast(ground(selected), ground(other)), 1.15) << look;
    double check = 1;
    for (int y = int(selected.select.top()); y < int(selected.select.bottom()); ++y)
      for (int x = int(selected.select.left()); x < int(selected.select.right()); ++x)
        check = std::max(check, test::contrast(shot.pixelColor(x, y), ground(selected)));
    EXPECT_GE(check, 3) << look;  // a mark, read as a graphic
  }
  test::useAppearance("light");
}

TEST_F(ProcessTableTest, onlyTheKeyboardRingsARowAndItAlwaysFindsOneToActOn) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(900, 500);
  table.show();
  table.activateWindow();
  test::BusyAfternoon::settle();
  ProcessListView* list = table.list();
  const auto rowRect = [&](std::int32_t pid) {
    return list->visualRect(table.model().index(*table.model().rowOf({pid, 0})));
  };
  const auto ground = [&](const QImage& shot, const QRect& row) {
    return shot.pixelColor(int(processRowGeometry(row.width(), row.top()).cpu.left()) - 100, row.center().y());
  };

  // A click on a circle picks the row and leaves the focus in the list, but never a ring.
  list->setFocus(Qt::MouseFocusReason);  // as the press gives it
  QRect row = rowRect(3120);
  click(list->viewport(), processRowGeometry(list->viewport()->width(), row.top()).select.center());
  test::BusyAfternoon::settle();
  ASSERT_TRUE(list->hasFocus());
  ASSERT_EQ(list->currentIndex().row(), row.top() / row.height());
  EXPECT_EQ(day.store->processList().selection, std::set<std::int32_t>{3120});
  row = rowRect(3120);
  QImage shot = list->viewport()->grab().toImage();
  EXPECT_LT(ringAtEdge(shot, row, ground(shot, row)), 1.5);
  day.store->setSelection({});

  // A search that finds nothing takes the current row away, and the next search brings rows
  // without one; Tab brings the keyboard to the first row in sight, ringed, and Space picks it.
  table.searchField()->setFocus(Qt::MouseFocusReason);
  day.store->setQuery("zzz");
  test::BusyAfternoon::settle();
  day.store->setQuery("firefox");
  test::BusyAfternoon::settle();
  ASSERT_FALSE(list->currentIndex().isValid());
  key(table.searchField(), Qt::Key_Tab);
  test::BusyAfternoon::settle();
  ASSERT_TRUE(list->hasFocus());
  ASSERT_TRUE(list->currentIndex().isValid());
  EXPECT_EQ(list->currentIndex().row(), 0);
  const std::int32_t first = table.model().proc(0).pid;
  row = rowRect(first);
  shot = list->viewport()->grab().toImage();
  EXPECT_GE(ringAtEdge(shot, row, ground(shot, row)), 3);
  key(list, Qt::Key_Space);
  EXPECT_EQ(day.store->processList().selection, std::set<std::int32_t>{first});
  key(list, Qt::Key_Down);
  key(list, Qt::Key_Space);
  EXPECT_EQ(day.store->processList().selection, (std::set<std::int32_t>{first, table.model().proc(1).pid}));
}

TEST_F(ProcessTableTest, aNameCutShortReadsWholeWithItsPidInTheRowsToolTip) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(536, 400);  // the overview's column in the smallest window
  table.show();
  Snapshot s;
  s.tick = 80;
  s.mem = day.store->liveReadings().mem;
  s.procs = {proc(77, 1, "kworker/u32:2-ext4-rsv-conversion-long-enough-to-cut", 0, true),
             {.pid = 78, .name = "sh", .path = "/usr/bin/sh", .startTime = 1}};
  day.store->apply(s);
  test::BusyAfternoon::settle();
  ProcessListView* list = table.list();
  const auto tipAt = [&](std::int32_t pid) {
    QToolTip::hideText();
    const QRect row = list->visualRect(table.model().index(*table.model().rowOf({pid, 1})));
    const QPoint at(int(processRowGeometry(row.width(), row.top()).name.center().x()), row.center().y());
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    return QToolTip::text();
  };
  // A kernel thread has no path: its whole name and pid are all the tip says.
  EXPECT_TRUE(tipAt(77).contains("kworker/u32:2-ext4-rsv-conversion-long-enough-to-cut (PID 77)"))
      << tipAt(77).toStdString();
  EXPECT_EQ(tipAt(78), "<qt>/usr/bin/sh</qt>");  // a name that fits: the path alone
  QToolTip::hideText();
}

TEST_F(ProcessTableTest, aTickKeepsTheListWhereItWasScrolledAndItsBarInPlace) {
  ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
  table.resize(900, 300);
  table.show();
  test::BusyAfternoon::settle();
  ProcessListView* list = table.list();
  QScrollBar* bar = list->verticalScrollBar();
  int changes = 0;
  QObject::connect(bar, &QScrollBar::rangeChanged, [&] { ++changes; });
  const auto tick = [&] {
    changes = 0;
    Snapshot s;
    s.tick = day.store->liveReadings().tick + 1;
    s.mem = day.store->liveReadings().mem;
    s.procs = day.store->processList().procs;
    day.store->apply(s);
    test::BusyAfternoon::settle();
  };
  ASSERT_GT(bar->maximum(), ProcessListView::kTail);
  bar->setValue(bar->maximum());  // the last row lifted clear of the action bar, the tail in sight
  const int bottom = bar->value();
  tick();
  EXPECT_EQ(bar->value(), bottom);
  EXPECT_EQ(changes, 0);  // a change lays the bars out again in the next turn: one more paint

  // Rows that fit the list only without the tail: Qt took the bar for unneeded, hid it and showed it.
  const int rows = list->model()->rowCount() * int(ProcessRowGeometry::kHeight);
  table.resize(900, table.height() - list->viewport()->height() + rows + ProcessListView::kTail / 2);
  test::BusyAfternoon::settle();
  ASSERT_GT(bar->maximum(), 0);
  tick();
  EXPECT_EQ(changes, 0);
}

// In the smallest window's column a system process's tag gives way before its name would: in
// Russian the tag's word took all the name's room, and kernel threads' rows named nothing.
TEST_F(ProcessTableTest, aSystemProcessIsNamedEvenWhereItsTagLeavesNoRoom) {
  for (const char* language : {"en", "ru", "de"}) {
    Loc::set(language, nullptr);
    ProcessTable table{ProcessState(*day.store), NavigationState(*day.store), *day.store, *day.store};
    table.resize(493, 400);  // the overview's column in the smallest window, its bar beside it
    table.show();
    Snapshot s;
    s.tick = 80;
    s.mem = day.store->liveReadings().mem;
    s.procs = {proc(2, 1, "kthreadd", 0, true), proc(3, 1, "pool_workqueue_release", 0, true)};
    day.store->apply(s);
    test::BusyAfternoon::settle();
    for (const char* name : {"kth", "poo"}) {
      const auto texts = test::textsShown(table);
      EXPECT_TRUE(std::ranges::any_of(texts, [&](const test::DrawnText& t) { return t.text.startsWith(name); }))
          << language << ": " << name;
    }
  }
  Loc::set("en", nullptr);
}

TEST(ProcessRowDelegate, aTipGoesOnceAnotherProcessTakesItsRow) {
  ProcessTableModel model;
  IconCache icons;
  ProcessRowDelegate delegate(model, icons, [](std::int32_t) { return false; }, [] { return Page::overview; });
  QListView view;
  view.setModel(&model);
  view.setItemDelegate(&delegate);
  view.resize(600, 300);
  view.show();
  const ProcInfo a{.pid = 77, .name = "a", .path = "/usr/bin/a", .startTime = 1},
      b{.pid = 78, .name = "b", .path = "/usr/bin/b", .startTime = 1},
      c{.pid = 79, .name = "c", .path = "/usr/bin/c", .startTime = 1};
  model.update({a, b});
  const QPoint at = view.visualRect(model.index(1)).center();
  QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
  QApplication::sendEvent(view.viewport(), &help);
  ASSERT_EQ(QToolTip::text(), "<qt>/usr/bin/b</qt>");
  model.update({a, b});
  EXPECT_FALSE(delegate.dropStaleTip(view));  // b is still under it
  model.update({a, c});                       // b ended, c took its row
  EXPECT_TRUE(delegate.dropStaleTip(view));
  EXPECT_FALSE(delegate.dropStaleTip(view));  // once
  QApplication::sendEvent(view.viewport(), &help);
  model.update({a, {.pid = 79, .name = "c", .path = "/usr/bin/c", .startTime = 2}});  // c's pid reused
  EXPECT_TRUE(delegate.dropStaleTip(view));
  QToolTip::hideText();
}
