// Every view in every language: each page at the window's default and smallest size, the tray
// panel at its width, every settings tab and every sheet, on a machine at full stretch (a long
// processor name, the widest figures). No text may be cut (tests/Window/TextFit.hpp says what
// counts as cut). German, Japanese and Russian, whose texts run widest and tallest, also go to
// the screenshot gallery.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLayout>

#include "Qel/App/MainViews.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/Sheets/SettingsSheet.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Kit/Motion.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/App/AfternoonWindow.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextFit.hpp"

using namespace qel;

namespace {

using Machine = test::BusyAfternoon::Machine;

bool inGallery(const QString& code) { return code == "de" || code == "ja" || code == "ru"; }

class EveryLanguage : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    Motion::setEnabled(false);
    Loc::set(GetParam(), nullptr);
  }
  void TearDown() override {
    Loc::set("en", nullptr);
    test::useAppearance("light");
  }
  QString code() const { return GetParam(); }

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
      if (inGallery(code()))
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

TEST_P(EveryLanguage, panelFits) {
  test::BusyAfternoon day(Machine::fullStretch);
  ASSERT_TRUE(day.connectDevices(test::BusyAfternoon::deskDevices()));
  for (const char* appearance : {"light", "dark"}) {
    if (std::string_view(appearance) == "dark" && !inGallery(code())) break;
    test::useAppearance(appearance);
    PanelCard card;
    card.layout()->addWidget(new MenuPanel(*day.store, {}));
    card.adjustSize();
    card.resize(card.width(), card.layout()->sizeHint().height());  // all of it, however short the test screen
    card.show();
    test::BusyAfternoon::settle();
    const auto cuts = test::cutTexts(card);
    EXPECT_TRUE(cuts.empty()) << code().toStdString() << test::listed(cuts);
    if (inGallery(code())) test::writeShot(card, QString("panel-%1-%2").arg(code(), appearance));
  }
}

TEST_P(EveryLanguage, settingsFit) {
  test::BusyAfternoon day(Machine::fullStretch);
  Updater updater(day.defaults, {});
  for (const char* appearance : {"light", "dark"}) {
    if (std::string_view(appearance) == "dark" && !inGallery(code())) break;
    test::useAppearance(appearance);
    for (const auto& tab : kSettingsTabs) {
      day.store->setSettingsTab(tab.id);
      SettingsSheet sheet({*day.store, updater, [] { return QString(); }, [](const QString&) { return true; }});
      sheet.show();
      test::BusyAfternoon::settle();
      const auto cuts = test::cutTexts(sheet);
      EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << tab.id << test::listed(cuts);
      if (inGallery(code())) test::writeShot(sheet, QString("settings-%1-%2-%3").arg(code(), tab.id, appearance));
    }
  }
}

TEST_P(EveryLanguage, sheetsFit) {
  test::BusyAfternoon day(Machine::fullStretch);
  Store& store = *day.store;
  Updater updater(day.defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);
  QWidget owner;
  owner.resize(1180, 780);
  owner.show();
  SheetHost host(day.context(), registry, &owner);
  const std::pair<const char*, std::function<void()>> sheets[] = {
      {"what's new", [&] { updater.setShowingWhatsNew(true); }},
      {"licenses", [&] { store.setShowingLicenses(true); }},
      {"export", [&] { store.setExporting(store.posterData()); }},
      {"replay", [&] { store.setIncident(store.insight().analyze(store.clock().now())); }},
      {"sleep", [&] { store.setSleepReport(store.lastSleep()); }},
      {"stretch", [&] { store.setStretchReport(store.stretches().front()); }},
      {"process", [&] { store.setDetailPID(4410); }},
  };
  for (const auto& [name, open] : sheets) {
    open();
    test::BusyAfternoon::settle();
    ASSERT_TRUE(host.dialog()) << name;
    const auto cuts = test::cutTexts(*host.dialog());
    EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << name << test::listed(cuts);
    updater.setShowingWhatsNew(false);
    store.setShowingLicenses(false);
    store.setExporting(std::nullopt);
    store.setIncident(std::nullopt);
    store.setSleepReport(std::nullopt);
    store.setStretchReport(std::nullopt);
    store.setDetailPID(std::nullopt);
    test::BusyAfternoon::settle();
  }
}

INSTANTIATE_TEST_SUITE_P(LanguagesGallery, EveryLanguage,
                         ::testing::Values("en", "zh-Hans", "zh-Hant", "ja", "ko", "es", "fr", "de", "pt-BR", "ru"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase(name, '-');
                           return name;
                         });
