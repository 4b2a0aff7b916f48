// The tab bar: what each tab reads from the store, what each style shows, and a bar that keeps
// its width as numbers change.
#include <QApplication>
#include <QEnterEvent>
#include <QImage>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Window/TabBar.hpp"
#include "Qel/Window/ValueBubble.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::near;
using test::settle;

namespace {

class TabBarTest : public test::ShellTest {
 protected:
  void apply(Snapshot s) {
    s.slow = true;  // carries power and the slow readings
    store->apply(s);
    settle();
  }
};

void hover(QWidget* w, bool inside) {
  if (inside) {
    QEnterEvent e(QPointF(3, 3), QPointF(3, 3), QPointF(w->mapToGlobal(QPoint(3, 3))));
    QApplication::sendEvent(w, &e);
  } else {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
  }
}

}  // namespace

TEST_F(TabBarTest, readsEachPartOfTheMachine) {
  Snapshot s;
  s.cpu = CPUSample{.total = 0.7};
  s.mem = MemSample{.total = 0, .app = 5, .pressure = 60};
  s.diskRead = 40 * 1048576.0;
  s.diskWrite = 20 * 1048576.0;
  s.netDown = 2.5 * 1048576;
  s.procs = {{.pid = 3, .name = "a", .energy = 30}, {.pid = 4, .name = "b", .energy = 12}};
  s.thermal = ThermalState::nominal;
  apply(s);
  EXPECT_EQ(tabReadout(LiveState(*store), Page::overview), TabReadout{});
  EXPECT_EQ(tabReadout(LiveState(*store), Page::cpu), (TabReadout{"70%", true, 0.7}));
  EXPECT_EQ(tabReadout(LiveState(*store), Page::gpu), (TabReadout{std::nullopt, false, 0}));  // no GPU sample
  EXPECT_EQ(tabReadout(LiveState(*store), Page::mem), (TabReadout{"0%", true, 0}));          // a total of 0
  EXPECT_EQ(tabReadout(LiveState(*store), Page::disk), (TabReadout{"60.0 MB/s", false, 1}));  // full from 50 MB/s
  EXPECT_EQ(tabReadout(LiveState(*store), Page::net), (TabReadout{"2.5 MB/s", false, 0.5}));
  EXPECT_EQ(tabReadout(LiveState(*store), Page::energy), (TabReadout{"42.0 W", true, 0.7}));  // the processes' sum

  s.gpu = GPUSample{.util = 0.69};
  s.mem = MemSample{.total = 1000, .app = 300, .wired = 100, .compressed = 100, .pressure = 59};
  s.power = 12.25;
  s.thermal = ThermalState::serious;
  apply(s);
  EXPECT_EQ(tabReadout(LiveState(*store), Page::gpu), (TabReadout{"69%", false, 0.69}));
  EXPECT_EQ(tabReadout(LiveState(*store), Page::mem), (TabReadout{"50%", false, 0.5}));
  EXPECT_EQ(tabReadout(LiveState(*store), Page::energy), (TabReadout{"12.2 W", true, 12.25 / 60}));  // hot

  for (const char* style : {"", "nonsense", "Always"}) {
    store->set(Setting::tabValues, style);
    EXPECT_EQ(tabValueStyle(SettingsState(*store)), TabValueStyle::always) << style;
  }
  store->set(Setting::tabValues, "bars");
  EXPECT_EQ(tabValueStyle(SettingsState(*store)), TabValueStyle::bars);
}

TEST_F(TabBarTest, keepsItsWidthAsNumbersAndTheCurrentTabChange) {
  auto* bar = new TabBar(context());
  test::Host host(bar, QSize(900, 60));
  setLoad(0.07);
  settle();
  EXPECT_EQ(bar->tab(Page::cpu)->state().readout.value, "7%");
  const int narrow = bar->sizeHint().width();
  const QRect cpuTab = bar->tab(Page::cpu)->geometry();
  setLoad(1.0);
  settle();
  EXPECT_EQ(bar->tab(Page::cpu)->state().readout.value, "100%");
  EXPECT_EQ(bar->sizeHint().width(), narrow);
  EXPECT_EQ(bar->tab(Page::cpu)->geometry(), cpuTab);

  // A title turning semibold does not widen its tab.
  store->set(Setting::tabValues, "hover");
  settle();
  const int memWidth = bar->tab(Page::mem)->sizeHint().width();
  store->setPage(Page::mem);
  settle();
  EXPECT_EQ(bar->tab(Page::mem)->sizeHint().width(), memWidth);
}

TEST_F(TabBarTest, eachStyleShowsItsOwnSigns) {
  test::useAppearance("light");
  auto* bar = new TabBar(context());
  test::Host host(bar, QSize(1000, 60));
  setLoad(0.9);
  settle();
  const auto state = [&](Page p) { return bar->tab(p)->state(); };
  EXPECT_TRUE(state(Page::cpu).showValue);  // always, the default
  EXPECT_FALSE(state(Page::cpu).dot || state(Page::cpu).line);

  store->set(Setting::tabValues, "selected");
  settle();
  EXPECT_TRUE(state(Page::overview).showValue);  // the current tab, which has no number
  EXPECT_FALSE(state(Page::cpu).showValue);
  store->setPage(Page::cpu);
  settle();
  EXPECT_TRUE(state(Page::cpu).showValue);

  // Alert: an amber dot near the top trailing corner of the unusual tab.
  store->set(Setting::tabValues, "alert");
  store->setPage(Page::overview);
  settle();
  TabButton* cpu = bar->tab(Page::cpu);
  EXPECT_TRUE(state(Page::cpu).dot && state(Page::cpu).readout.unusual);
  const QPoint dot = cpu->mapTo(&host.window, QPoint(cpu->width() - 10, 7));
  EXPECT_TRUE(near(host.at(dot.x(), dot.y()), Palette::warn(), 12));

  // The bubble under the hovered tab, only where there is a number.
  hover(cpu, true);
  ASSERT_NE(bar->bubble(), nullptr);
  EXPECT_EQ(bar->bubble()->text(), "90%");
  EXPECT_TRUE(bar->bubble()->warn());
  EXPECT_GE(bar->bubble()->geometry().top(), cpu->mapTo(&host.window, QPoint(0, cpu->height())).y() + 8);
  hover(bar->tab(Page::mem), true);  // the next tab's enter before this one's leave
  hover(cpu, false);
  EXPECT_EQ(bar->hoveredPage(), Page::mem);
  ASSERT_NE(bar->bubble(), nullptr);
  hover(bar->tab(Page::mem), false);
  EXPECT_EQ(bar->bubble(), nullptr);
  hover(bar->tab(Page::gpu), true);  // no GPU sample: no bubble
  EXPECT_EQ(bar->bubble(), nullptr);
  hover(bar->tab(Page::overview), true);
  EXPECT_EQ(bar->bubble(), nullptr);

  store->set(Setting::tabValues, "bars");
  settle();
  EXPECT_TRUE(state(Page::net).line);
  hover(cpu, true);  // hovering does nothing in this style
  EXPECT_EQ(bar->bubble(), nullptr);
}

TEST_F(TabBarTest, clickingATabShowsItsPageAndClearsTheSelectionKeyboardToo) {
  auto* bar = new TabBar(context());
  test::Host host(bar, QSize(1000, 60));
  store->setSelectedSlot(30);
  test::click(bar->tab(Page::overview), bar->tab(Page::overview)->rect().center());  // already shown
  EXPECT_EQ(store->dayView().selectedSlot, std::nullopt);
  EXPECT_EQ(store->navigation().page, Page::overview);

  for (Page p : allPages) EXPECT_EQ(bar->tab(p)->focusPolicy(), Qt::TabFocus);
  TabButton* net = bar->tab(Page::net);
  const QPoint edge = net->mapTo(&host.window, QPoint(1, net->height() / 2));
  const QColor unfocused = host.at(edge.x(), edge.y());
  host.window.activateWindow();
  net->setFocus(Qt::TabFocusReason);
  settle();
  const QColor focused = host.at(edge.x(), edge.y());  // the focus ring shows at the tab's edge
  EXPECT_GT(unfocused.lightness() - focused.lightness(), 40) << unfocused.name().toStdString() << " "
                                                             << focused.name().toStdString();
  // On the current tab the ring runs inside its accent, the fill on either side of it, and
  // stands out from that fill as a graphic must.
  TabButton* current = bar->tab(Page::overview);
  ASSERT_TRUE(current->state().current);
  current->setFocus(Qt::TabFocusReason);
  settle();
  const QImage shot = host.image();
  const QPoint middle = current->mapTo(&host.window, QPoint(0, current->height() / 2));
  const QColor fill = accent(Page::overview);
  EXPECT_TRUE(near(shot.pixelColor(middle + QPoint(1, 0)), fill, 12));
  double ring = 1;
  for (int x = 2; x < 5; ++x) ring = std::max(ring, test::contrast(shot.pixelColor(middle + QPoint(x, 0)), fill));
  EXPECT_GE(ring, 3.0);
  net->setFocus(Qt::TabFocusReason);
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(bar->tab(Page::net), &space);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(bar->tab(Page::net), &release);
  settle();
  EXPECT_EQ(store->navigation().page, Page::net);

  // With the keyboard on the bar, a click on another tab brings the focus (and its ring) along;
  // from elsewhere a click takes none.
  test::click(bar->tab(Page::cpu), bar->tab(Page::cpu)->rect().center());
  EXPECT_TRUE(bar->tab(Page::cpu)->hasFocus());
  bar->tab(Page::cpu)->clearFocus();
  test::click(bar->tab(Page::disk), bar->tab(Page::disk)->rect().center());
  EXPECT_FALSE(bar->tab(Page::disk)->hasFocus());
  EXPECT_EQ(store->navigation().page, Page::disk);
}

TEST_F(TabBarTest, theLogoStandsOutFromTheBarInBothAppearances) {
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    auto* bar = new TabBar(context());
    test::Host host(bar, QSize(1000, 60));
    settle();
    auto* logo = bar->findChild<QWidget*>(QStringLiteral("logo"));
    ASSERT_NE(logo, nullptr);
    const QImage image = bar->grab().toImage();
    const QRect box = logo->geometry();
    const QColor background = image.pixelColor(box.left() - 3, box.center().y());
    // The tile's edge, crossed from above: some pixel there must stand out as a graphic should (3:1).
    double best = 0;
    for (int y = box.top(); y < box.top() + 5; ++y)
      best = std::max(best, test::contrast(image.pixelColor(box.center().x(), y), background));
    EXPECT_GE(best, 3.0) << appearance;
  }
  test::useAppearance("light");
}
