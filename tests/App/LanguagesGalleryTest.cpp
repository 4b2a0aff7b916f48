// Every view in every language: each page at the window's default and smallest size, the tray
// panel at its width, every settings tab and every sheet, on a machine at full stretch (a long
// processor name, the widest figures), and the states that bring texts of their own (a desktop
// without a battery, paused alerts, a network page with listening ports, an update on offer).
// No text may be cut (tests/Window/TextFit.hpp says what counts as cut). The panel in every
// language goes to the screenshot gallery; of the rest, German, Japanese and Russian, whose
// texts run widest and tallest.
#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>

#include "Qel/App/MainViews.hpp"
#include "Qel/App/PanelParts.hpp"
#include "Qel/History/InsightEngine.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuCell.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/MenuBar/OpenButton.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Sheets/Settings/SettingsSheet.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/App/AfternoonWindow.hpp"
#include "tests/Pages/NetFixture.hpp"
#include "tests/support/FeedServer.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/InEveryLanguage.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextFit.hpp"
#include "tests/Window/TextRecorder.hpp"
#include "tests/support/SettingsSheetEnv.hpp"

using namespace qel;

namespace {

using Machine = test::BusyAfternoon::Machine;

class EveryLanguage : public test::InEveryLanguage {
 protected:
  // Every page in the main window at `size`.
  void checkPages(QSize size) {
    test::BusyAfternoon day(Machine::fullStretch);
    test::AfternoonWindow shown(day, size);
    QWidget& window = shown.window;
    for (Page page : allPages) {
      day.store->setPage(page);
      test::BusyAfternoon::settle();
      const auto cuts = test::cutTexts(window);
      EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << title(page).toStdString() << " at " << size.width()
                                << " × " << size.height() << test::listed(cuts);
      if (inGallery())
        test::writeShot(window, QString("%1-%2-%3x%4")
                                    .arg(QString::fromLatin1(rawValue(page)), code())
                                    .arg(size.width())
                                    .arg(size.height()));
    }
  }
};

}  // namespace

TEST_P(EveryLanguage, pagesFitTheDefaultWindow) { checkPages({1180, 780}); }

TEST_P(EveryLanguage, pagesFitTheSmallestWindow) { checkPages({1040, 700}); }

// Where each metric tile writes its big figure, from the top of its tile.
std::vector<double> valueLines(const PanelCard& card) {
  std::vector<double> out;
  for (const MenuCell* cell : card.findChildren<MenuCell*>()) {
    test::TextRecorder recorder(cell->size());
    const_cast<MenuCell*>(cell)->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    double at = -1;
    for (const auto& t : recorder.texts())
      if (t.text == cell->value()) at = t.origin.y();
    out.push_back(at);
  }
  return out;
}

// The tray panel of `day`'s store, each of its lines whole and in its place.
void checkPanel(test::BusyAfternoon& day, const QString& code, const QString& shot) {
  PanelCard card;
  auto* panel = new MenuPanel(panelParts(*day.store), {});
  card.layout()->addWidget(panel);
  card.adjustSize();
  card.resize(card.width(), card.layout()->sizeHint().height());  // all of it, however short the test screen
  card.show();
  test::BusyAfternoon::settle();
  const auto cuts = test::cutTexts(card);
  EXPECT_TRUE(cuts.empty()) << code.toStdString() << ", " << shot.toStdString() << test::listed(cuts);

  // The footer is one row: "Open Qel" at its end, not on a line of its own.
  const auto* open = card.findChild<OpenButton*>();
  ASSERT_NE(open, nullptr);
  for (const auto* button : open->parentWidget()->findChildren<TextButton*>())
    EXPECT_NEAR(button->geometry().center().y(), open->geometry().center().y(), 2)
        << code.toStdString() << ": \"" << button->text().toStdString() << "\" and \"" << open->text().toStdString()
        << "\" on two rows";

  // The tiles of a grid row show their figures on one line, whichever line their extras take.
  const auto lines = valueLines(card);
  ASSERT_EQ(lines.size(), 4u);
  for (std::size_t row : {0u, 2u})
    EXPECT_NEAR(lines[row], lines[row + 1], 0.5) << code.toStdString() << ", " << shot.toStdString() << ": "
                                                 << panel->cell(int(row))->extra().toStdString() << " | "
                                                 << panel->cell(int(row) + 1)->extra().toStdString();
  test::writeShot(card, shot);
}

TEST_P(EveryLanguage, panelFits) {
  {
    test::BusyAfternoon day(Machine::fullStretch);
    ASSERT_TRUE(day.connectDevices(test::BusyAfternoon::deskDevices()));
    for (const char* appearance : {"light", "dark"}) {
      test::useAppearance(appearance);
      checkPanel(day, code(), QString("panel-%1-%2").arg(code(), appearance));
    }
  }
  test::useAppearance("light");
  // A desktop's words: no battery, no graphics reading (the disk's free space instead), the
  // processes' sum for want of a power meter; and the alerts paused till a time of day.
  test::BusyAfternoon desktop(Machine::desktop);
  desktop.store->setMutedUntil(desktop.clock.now() + std::chrono::hours(1));
  checkPanel(desktop, code(), QString("panel-desktop-%1-light").arg(code()));

  // As the figures grow to the widest they can read, nothing moves: the tiles keep their lines.
  PanelCard card;
  card.layout()->addWidget(new MenuPanel(panelParts(*desktop.store), {}));
  card.adjustSize();
  card.show();
  test::BusyAfternoon::settle();
  const auto before = valueLines(card);
  Snapshot widest;
  widest.tick = desktop.store->liveReadings().tick + 1;
  widest.cpu = CPUSample{.total = 1, .user = 0.9, .system = 0.1, .perCore = {1, 1, 1, 1, 1, 1, 1, 1}};
  widest.mem = MemSample{.total = 128ull << 30, .app = 120ull << 30, .wired = 8ull << 30, .pressure = 100};
  widest.load = 99.99;
  widest.netDown = 999.9 * 1048576.0;
  widest.netUp = 999.9 * 1048576.0;
  desktop.store->apply(widest);
  test::BusyAfternoon::settle();
  EXPECT_EQ(valueLines(card), before) << code().toStdString();
  const auto cuts = test::cutTexts(card);
  EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", at the widest figures" << test::listed(cuts);
}

// The tray panel as it opens on a short screen from a tray at its top or its bottom, with the
// card's shadow margin or without one (no compositor): the sections end between two rows as
// they rest at their top, and no scroll bar lies on their lines, at rest or while they scroll.
TEST_P(EveryLanguage, panelFitsAShortScreen) {
  test::BusyAfternoon day(Machine::fullStretch);
  ASSERT_TRUE(day.connectDevices(test::BusyAfternoon::deskDevices()));
  for (const char* appearance : {"light", "dark"}) {
    if (std::string_view(appearance) == "dark" && !inGallery()) break;
    test::useAppearance(appearance);
    for (QSize screen : {QSize(1280, 720), QSize(1040, 700)}) {
      for (const bool trayOnTop : {true, false}) {
        for (const bool translucent : {true, false}) {
          PanelCard card;
          auto* panel = new MenuPanel(panelParts(*day.store), {});
          card.layout()->addWidget(panel);
          card.adjustSize();
          const QRectF tray(screen.width() - 24, trayOnTop ? 0 : screen.height() - 24, 24, 24);
          const QRectF visible(0, trayOnTop ? 24 : 0, screen.width(), screen.height() - 24);
          const PanelPlacement at = MenuBarPanel::place(card, tray, visible, tray.center(), translucent);
          card.resize(at.content.size().toSize());
          card.show();
          test::BusyAfternoon::settle();
          const QString where = QString("%1 × %2, the tray at the %3%4")
                                    .arg(screen.width())
                                    .arg(screen.height())
                                    .arg(trayOnTop ? "top" : "bottom")
                                    .arg(translucent ? "" : ", no compositor");
          QScrollBar* bar = panel->body()->verticalScrollBar();
          ASSERT_GT(bar->maximum(), 0) << where.toStdString() << ": it scrolls there";
          auto cuts = test::cutTexts(card, test::Scrolled::asItStands);
          EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << appearance << ", the panel on a screen of "
                                    << where.toStdString() << test::listed(cuts);
          if ((inGallery() || code() == "en") && trayOnTop && translucent)
            test::writeShot(card, QString("panel-short-%1-%2-%3x%4")
                                      .arg(code(), appearance)
                                      .arg(screen.width())
                                      .arg(screen.height()));
          // Scrolling flashes the bars of every other scroll area; here none shows.
          bar->setValue(bar->maximum() / 2);
          test::BusyAfternoon::settle();
          EXPECT_FALSE(bar->isVisibleTo(&card)) << where.toStdString();
          cuts = test::cutTexts(card);
          EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << appearance << ", the panel scrolled on a screen of "
                                    << where.toStdString() << test::listed(cuts);
          if (inGallery() && trayOnTop && translucent)
            test::writeShot(card, QString("panel-short-scrolled-%1-%2-%3x%4")
                                      .arg(code(), appearance)
                                      .arg(screen.width())
                                      .arg(screen.height()));
        }
      }
    }
  }
}

// The network page as it is with apps online and ports listening, at both sizes; and with no app
// online while per-app traffic is read.
TEST_P(EveryLanguage, networkPageFits) {
  test::NetStore net;
  net.build(test::netAfternoon(), test::netAfternoonPorts());
  net.apply(test::netAfternoon(), {{"enp3s0", "192.168.1.20"}, {"wlp2s0", "192.168.1.34"}}, 2.95e6, 0.93e6);
  net.store->setPage(Page::net);
  net.loadPorts();
  Updater updater(net.defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);
  const auto check = [&](QSize size, const QString& state) {
    RootView root(viewContext(*net.store), registry);
    root.resize(size);
    root.show();
    test::BusyAfternoon::settle();
    const auto cuts = test::cutTexts(root);
    EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", network page " << state.toStdString() << " at "
                              << size.width() << " × " << size.height() << test::listed(cuts);
    if (code() == "ru" || code() == "ja")
      test::writeShot(root, QString("net-%1-%2-%3x%4").arg(state, code()).arg(size.width()).arg(size.height()));
  };
  for (QSize size : {QSize(1180, 780), QSize(1040, 700)}) check(size, "ports");

  net.build({}, test::netAfternoonPorts());
  net.apply({}, {{"enp3s0", "192.168.1.20"}}, 1.2e3, 0.4e3);
  net.store->setPage(Page::net);
  net.loadPorts();
  check({1040, 700}, "quiet");
}

// An update on offer beside the tabs: its version reads whole, and no tab runs under it.
TEST_P(EveryLanguage, topBarWithAnUpdateFits) {
  test::FeedServer server(test::feed(
      "<item><u:version>0.3.0-beta.2</u:version><u:shortVersionString>0.3.0 Beta 2</u:shortVersionString>"
      "<u:channel>beta</u:channel><link>https://example.org/get</link></item>"));
  test::BusyAfternoon day(Machine::fullStretch);
  day.defaults.set(Updater::betaKey, true);
  Updater::Options o;
  o.feed = server.url();
  o.running = AppVersion::parse("0.2.0");
  o.shortDelay = std::chrono::hours(1);
  Updater updater(day.defaults, o);
  updater.checkInBackground();
  QElapsedTimer waited;
  waited.start();
  while (!updater.available() && waited.elapsed() < 10'000) QApplication::processEvents(QEventLoop::AllEvents, 25);
  ASSERT_TRUE(updater.available());
  ViewRegistry registry;
  registerMainViews(registry, updater);
  for (QSize size : {QSize(1180, 780), QSize(1040, 700)}) {
    QWidget window;
    window.resize(size);
    auto* root = new RootView(day.context(), registry, &window);
    root->setGeometry(window.rect());
    window.show();
    test::BusyAfternoon::settle();
    const auto cuts = test::cutTexts(window);
    EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", an update on offer at " << size.width() << " × "
                              << size.height() << test::listed(cuts);
    if (inGallery())
      test::writeShot(window, QString("update-%1-%2x%3").arg(code()).arg(size.width()).arg(size.height()));
  }
}

TEST_P(EveryLanguage, settingsFit) {
  test::BusyAfternoon day(Machine::fullStretch);
  Updater updater(day.defaults, {});
  for (const char* appearance : {"light", "dark"}) {
    if (std::string_view(appearance) == "dark" && !inGallery()) break;
    test::useAppearance(appearance);
    for (const auto& tab : kSettingsTabs) {
      day.store->setSettingsTab(tab.id);
      SettingsSheet sheet(
          test::settingsEnv(*day.store, updater, [] { return QString(); }, [](const QString&) { return true; }));
      sheet.show();
      test::BusyAfternoon::settle();
      const auto cuts = test::cutTexts(sheet);
      EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << tab.id << test::listed(cuts);
      if (inGallery()) test::writeShot(sheet, QString("settings-%1-%2-%3").arg(code(), tab.id, appearance));
    }
  }
}

// The replay of a minute whose first second was its busiest: the headline names the process and
// how long ago, in the longest figures it holds.
Incident peakAMinuteAgo(Date now, const std::string& name) {
  InsightEngine engine;
  for (int t = 0; t < int(InsightEngine::kFrames); ++t) {
    ProcInfo p{.pid = 4242, .name = name, .cpu = t == 0 ? 780.0 : 40.0, .mem = 900ull << 20};
    engine.ingest(now - std::chrono::seconds(59 - t), t == 0 ? 1.0 : 0.3, 40, 0, {p}, std::nullopt);
  }
  return engine.analyze(now);
}

TEST_P(EveryLanguage, sheetsFit) {
  test::BusyAfternoon day(Machine::fullStretch);
  Store& store = *day.store;
  test::HostedSheets sheets(day);
  sheets.owner.resize(1180, 780);
  auto every = sheets.everySheet(store);
  for (const char* name : {"python3", "firefox-esr"})
    every.emplace_back(std::string("replay of ") + name + " a minute ago",
                       [&store, name] { store.setIncident(peakAMinuteAgo(store.clock().now(), name)); });
  for (const auto& [name, open] : every) {
    open();
    test::BusyAfternoon::settle();
    ASSERT_TRUE(sheets.host.dialog()) << name;
    const auto cuts = test::cutTexts(*sheets.host.dialog());
    EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << name << test::listed(cuts);
    sheets.closeAll(store);
  }
}

INSTANTIATE_TEST_SUITE_P(LanguagesGallery, EveryLanguage, test::kEveryLanguage, test::languageName);
