// The settings sheet: its frame and keys, the rule editor, the controls' bindings and the
// gallery of every tab.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollArea>
#include <QSlider>
#include <QTextStream>

#include <cmath>
#include <fstream>
#include <limits>

#include "Qel/Sheets/Settings/RuleEditing.hpp"
#include "Qel/Sheets/Settings/RuleRow.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/SettingsSheet.hpp"
#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Sheets/Settings/TrayPreview.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Kit/Widgets/ChoiceBox.hpp"
#include "Qel/Sheets/Settings/LevelSlider.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "tests/support/FeedServer.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextRecorder.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/support/SettingsSheetEnv.hpp"

using namespace qel;
using test::settle;

namespace {

class SettingsSheetTest : public test::ShellTest {
 protected:
  SettingsSheet* open(const std::string& tab) {
    store->setSettingsTab(tab);
    store->setShowingSettings(true);
    sheet = std::make_unique<SettingsSheet>(test::settingsEnv(*store, updater, problem, [this](const QString& folder) {
      opened.push_back(folder);
      return openWorks;
    }));
    sheet->show();
    settle();
    return sheet.get();
  }
  template <class W>
  QList<W*> all() const {
    return sheet->body()->findChildren<W*>();
  }

  std::string stored() const {
    std::ifstream in(dir / "defaults.json", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  RuleRow* row(const std::string& id) const {
    for (auto* r : all<RuleRow>())
      if (r->index() == index(id)) return r;
    return nullptr;
  }
  std::size_t index(const std::string& id) const {
    for (std::size_t i = 0; i < store->settingsView().rules.size(); ++i)
      if (store->settingsView().rules[i].id == id) return i;
    return store->settingsView().rules.size();
  }
  void press(Qt::Key key) {
    QWidget* target = all<Switch>().front();
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    settle();
  }

  std::function<QString()> problem;
  std::vector<QString> opened;
  bool openWorks = true;
  std::unique_ptr<SettingsSheet> sheet;
};

}  // namespace


TEST_F(SettingsSheetTest, escapeClosesThroughCloseAndReturnThroughDone) {
  for (auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    open("general");
    ASSERT_TRUE(store->navigation().showingSettings);
    press(key);
    EXPECT_FALSE(store->navigation().showingSettings) << key;
  }
  open("general");
  sheet->doneButton()->click();
  EXPECT_FALSE(store->navigation().showingSettings);
}

TEST_F(SettingsSheetTest, theTabIsTheStoresAndAnUnknownOneShowsGeneral) {
  open("data");
  EXPECT_EQ(sheet->titleLabel()->text(), "Data");
  EXPECT_EQ(sheet->bodyTab(), "data");
  sheet->findChildren<QAbstractButton*>().front();  // the sidebar is built
  store->setSettingsTab("alerts");
  settle();
  EXPECT_EQ(sheet->titleLabel()->text(), "Alerts");
  EXPECT_EQ(sheet->bodyTab(), "alerts");

  open("nonsense");
  EXPECT_EQ(sheet->titleLabel()->text(), "General");
  EXPECT_EQ(sheet->bodyTab(), "general");
  EXPECT_EQ(store->navigation().settingsTab, "nonsense");  // showing it changed nothing
}

TEST_F(SettingsSheetTest, openingTheAlertsTabNeverRewritesOddThresholds) {
  auto rules = store->settingsView().rules;
  rules[index("cpu")].threshold = 120;
  rules[index("memp")].threshold = 42.9;
  rules[index("bat")].threshold = -0.5;
  store->setRules(rules);
  settle();
  const std::string before = stored();
  open("alerts");
  EXPECT_EQ(stored(), before);
  EXPECT_EQ(store->settingsView().rules, rules);
  EXPECT_EQ(row("cpu")->valueLabel()->text(), "120%");
  EXPECT_EQ(row("cpu")->slider()->value(), row("cpu")->slider()->maximum());
  EXPECT_EQ(row("memp")->valueLabel()->text(), "42%");
  EXPECT_EQ(row("bat")->valueLabel()->text(), "0%");

  // Values no editor writes: the row says it has none and still writes nothing.
  rules[index("cpu")].threshold = std::numeric_limits<double>::quiet_NaN();
  rules[index("memp")].threshold = std::numeric_limits<double>::infinity();
  rules[index("pcpu")].threshold = 1e300;
  store->setRules(rules);
  settle();
  const std::string odd = stored();
  open("alerts");
  EXPECT_EQ(stored(), odd);
  EXPECT_EQ(row("cpu")->valueLabel()->text(), "—");
  EXPECT_EQ(row("memp")->valueLabel()->text(), "—");
  EXPECT_EQ(row("pcpu")->valueLabel()->text(), "—");
  EXPECT_EQ(row("cpu")->slider()->value(), 0);
}

TEST(RuleEditing, theSliderMovesInWholeStepsInsideTheRange) {
  const RuleMeta& pcpu = Rules::meta().at("pcpu");
  EXPECT_EQ(ruleSteps(pcpu), 35);
  EXPECT_EQ(ruleThresholdAt(pcpu, 0), 50);
  EXPECT_EQ(ruleThresholdAt(pcpu, 35), 400);
  EXPECT_EQ(ruleThresholdAt(pcpu, 99), 400);
  EXPECT_EQ(ruleThresholdAt(pcpu, -3), 50);
  EXPECT_EQ(ruleStepOf(pcpu, 104), 5);
  EXPECT_EQ(ruleStepOf(pcpu, 10'000), 35);
  EXPECT_EQ(ruleStepOf(pcpu, -std::numeric_limits<double>::infinity()), 0);
  const RuleMeta broken{.rangeLow = 5, .rangeHigh = 5, .step = 0};
  EXPECT_EQ(ruleSteps(broken), 0);
  EXPECT_EQ(ruleStepOf(broken, 7), 0);
  EXPECT_EQ(ruleValueText(Rules::meta().at("disk"), 50), "50 GB");
}

TEST_F(SettingsSheetTest, oneLookTheBodyOnThePagesGroundAndItsOwnControlsWhateverTheDesktop) {
  QPalette desktop = QApplication::palette();
  desktop.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));  // a desktop's own blue
  QApplication::setPalette(desktop);
  store->setPage(Page::cpu);
  open("alerts");
  const QImage shot = sheet->grab().toImage();
  // Beside the cards, the body shows the page's ground as the header and the sidebar's wash do.
  const QPoint inBody = sheet->body()->mapTo(sheet.get(), QPoint(6, 6));
  EXPECT_TRUE(test::near(shot.pixelColor(inBody), background(Page::cpu).resolve(), 2))
      << shot.pixelColor(inBody).name().toStdString();
  for (auto* box : sheet->findChildren<QComboBox*>()) EXPECT_NE(qobject_cast<ChoiceBox*>(box), nullptr);
  const auto sliders = sheet->findChildren<QSlider*>();
  ASSERT_FALSE(sliders.empty());
  for (auto* slider : sliders) {
    ASSERT_NE(qobject_cast<LevelSlider*>(slider), nullptr);
    if (!slider->isEnabled() || slider->value() == slider->minimum()) continue;
    // The filled track left of the knob is the switches' green, not the desktop's blue.
    const QColor filled = slider->grab().toImage().pixelColor(10, slider->height() / 2);
    EXPECT_TRUE(test::near(filled, Palette::calmDeep(), 12)) << filled.name().toStdString();
  }
  QApplication::setPalette(QPalette());
}

TEST_F(SettingsSheetTest, updateSwitchesFollowWhetherACheckCanRun) {
  const auto control = [this](const char* title) {
    for (auto* row : all<SettingRow>())
      if (row->titleLabel()->text() == title) return static_cast<QAbstractButton*>(row->control());
    return static_cast<QAbstractButton*>(nullptr);
  };
  open("general");
  ASSERT_FALSE(updater.hasFeed());
  // Nothing is ever checked: off and greyed; the beta choice is only stored, so it can be made.
  QAbstractButton* automatic = control("Check for updates automatically");
  EXPECT_FALSE(automatic->isEnabled() || automatic->isChecked());
  control("Receive Beta updates")->click();
  EXPECT_EQ(defaults.value(Updater::betaKey), nlohmann::json(true));

  // With a feed both wait while a check runs.
  test::FeedServer server(test::feed(test::item("1.4.0")));
  Updater fed(defaults, {.feed = server.url(), .running = AppVersion::parse("1.4.0")});
  sheet =
      std::make_unique<SettingsSheet>(test::settingsEnv(*store, fed, problem, [](const QString&) { return true; }));
  sheet->show();
  settle();
  automatic = control("Check for updates automatically");
  EXPECT_TRUE(automatic->isEnabled() && automatic->isChecked());
  fed.checkForUpdates();  // heard at once; no event loop turn, in which the answer could come
  EXPECT_FALSE(automatic->isEnabled() || control("Receive Beta updates")->isEnabled());
  QElapsedTimer t;
  for (t.start(); !fed.canCheck() && t.elapsed() < 10'000;)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  settle();
  EXPECT_TRUE(automatic->isEnabled() && control("Receive Beta updates")->isEnabled());
  sheet.reset();  // before the updater it reads
}

TEST_F(SettingsSheetTest, draggingASliderStoresEachStepAndTouchesNoOtherRule) {
  open("alerts");
  auto rules = store->settingsView().rules;
  rules[index("pcpu")].on = true;
  store->setRules(rules);
  settle();
  QSlider* slider = row("pcpu")->slider();
  for (int step = 0; step <= slider->maximum(); ++step) {
    slider->setValue(step);
    const double t = store->settingsView().rules[index("pcpu")].threshold;
    EXPECT_EQ(std::fmod(t, 10), 0) << t;
    EXPECT_EQ(Rules::decode(*defaults.value("qel.rules"))->at(index("pcpu")).threshold, t);
  }
  EXPECT_EQ(row("pcpu")->valueLabel()->text(), "400%");

  QComboBox* sustain = row("memp")->sustain();
  sustain->activated(sustain->findText("5 min"));
  auto expected = rules;
  expected[index("pcpu")].threshold = 400;
  expected[index("memp")].sustain = 300;
  EXPECT_EQ(store->settingsView().rules, expected);
}

TEST_F(SettingsSheetTest, eachRuleRowShowsOnlyTheControlsItsRuleHas) {
  open("alerts");
  RuleRow* cpu = row("cpu");
  ASSERT_NE(cpu->slider(), nullptr);
  EXPECT_EQ(cpu->sustain()->currentText(), "2 min");
  EXPECT_TRUE(cpu->thresholdControls()->isEnabled());
  EXPECT_TRUE(cpu->onSwitch()->isChecked());

  RuleRow* disk = row("disk");  // off by default: dimmed and not operable, "Below", no sustain
  ASSERT_NE(disk->slider(), nullptr);
  EXPECT_EQ(disk->sustain(), nullptr);
  EXPECT_FALSE(disk->thresholdControls()->isEnabled());
  EXPECT_EQ(disk->valueLabel()->text(), "50 GB");
  disk->onSwitch()->click();
  EXPECT_TRUE(disk->thresholdControls()->isEnabled());
  EXPECT_TRUE(store->settingsView().rules[index("disk")].on);

  RuleRow* thermal = row("thermal");
  EXPECT_EQ(thermal->slider(), nullptr);
  EXPECT_EQ(thermal->thresholdControls(), nullptr);
  EXPECT_NE(thermal->onSwitch(), nullptr);
  EXPECT_FALSE(thermal->firedLabel()->isVisibleTo(thermal));

  // A sustain no choice stands for selects none and is kept.
  auto rules = store->settingsView().rules;
  rules[index("cpu")].sustain = 45;
  store->setRules(rules);
  settle();
  EXPECT_EQ(cpu->sustain()->currentIndex(), -1);
  EXPECT_EQ(store->settingsView().rules[index("cpu")].sustain, 45);
}

TEST_F(SettingsSheetTest, theFootnoteCountsTheRulesThatAreOn) {
  open("alerts");
  auto footnote = [this] {
    for (auto* label : all<PlainLabel>())
      if (label->text().contains("alerts on.")) return label->text();
    return QString();
  };
  EXPECT_TRUE(footnote().startsWith("4 alerts on. ")) << footnote().toStdString();
  row("disk")->onSwitch()->click();
  settle();
  EXPECT_TRUE(footnote().startsWith("5 alerts on. "));
  // How alerts reach the user follows the notification service as it comes and goes.
  EXPECT_TRUE(footnote().endsWith("so alerts only appear in the Qel window.")) << footnote().toStdString();
  store->setNotificationsAvailable(true);
  settle();
  EXPECT_EQ(footnote(), "5 alerts on. Alerts appear in the Qel window and as desktop notifications.");
  store->setNotificationsAvailable(false);
  settle();
  EXPECT_TRUE(footnote().endsWith("so alerts only appear in the Qel window."));
}

TEST_F(SettingsSheetTest, anUnknownStoredValueSelectsNothingAndWritesNothing) {
  store->set(Setting::keepDays, 45);
  store->set(Setting::tabValues, "sparkles");
  settle();
  const std::string before = stored();
  open("data");
  auto boxes = all<QComboBox>();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]->currentIndex(), -1);
  open("general");
  for (auto* box : all<QComboBox>())
    if (box->accessibleName() == "Tab bar numbers") { EXPECT_EQ(box->currentIndex(), -1); }
  bool alwaysDetail = false;
  for (auto* label : all<PlainLabel>()) alwaysDetail |= label->text() == "Each tab shows its number all the time.";
  EXPECT_TRUE(alwaysDetail);
  EXPECT_EQ(stored(), before);

  // Picking one writes it.
  for (auto* box : all<QComboBox>())
    if (box->accessibleName() == "Tab bar numbers") box->activated(box->findText("Load lines"));
  EXPECT_EQ(store->setting(Setting::tabValues), "bars");
}

TEST_F(SettingsSheetTest, theHotKeyRowSaysWhenTheKeyCouldNotBeHad) {
  problem = [] { return QStringLiteral("Ctrl+Alt+E is taken. Bind the command qel --replay to a key."); };
  open("general");
  bool said = false;
  for (auto* label : all<PlainLabel>()) said |= label->text().contains("qel --replay");
  EXPECT_TRUE(said);
}

TEST_F(SettingsSheetTest, aFolderThatCannotBeOpenedSaysSo) {
  openWorks = false;
  open("data");
  for (auto* b : all<WashButton>())
    if (b->text() == "Show in File Manager") b->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(store->navigation().toast, "The history folder could not be opened");
}

TEST_F(SettingsSheetTest, chipsToggleTheTrayItemsAndAnUnknownStyleMarksNoCell) {
  store->set(Setting::menuIconStyle, "unicorn");
  open("menubar");
  for (auto* b : all<WashButton>())
    if (b->objectName() == "net") b->click();
  settle();
  EXPECT_EQ(store->setting(Setting::menuItems).count("net"), 1u);
  int checked = 0;
  for (auto* b : all<QAbstractButton>()) checked += b->isCheckable() && b->isChecked() && !qobject_cast<Switch*>(b);
  EXPECT_EQ(checked, 0);
  EXPECT_EQ(store->setting(Setting::menuIconStyle), "unicorn");
}

TEST_F(SettingsSheetTest, theTrayPreviewHoldsItsWidthAsFiguresChangeAndGivesUpTheIconsRoom) {
  store->set(Setting::menuItems, {"ring", "cpu"});
  open("menubar");
  auto* preview = all<TrayPreview>().value(0);
  ASSERT_NE(preview, nullptr);
  const auto apply = [this](double load) {
    setLoad(load);
    settle();
  };
  apply(0.05);
  const int withIcon = preview->width();
  EXPECT_GE(preview->textBox().left(), preview->iconBox().right());
  apply(1.0);
  EXPECT_EQ(preview->width(), withIcon) << "the figures moved the row";

  // The icon off: the text starts where the icon stood, and the preview is narrower by its room.
  store->set(Setting::menuItems, {"cpu"});
  settle();
  EXPECT_FALSE(preview->showsIcon());
  EXPECT_EQ(preview->textBox().left(), preview->iconBox().left());
  EXPECT_LE(preview->width(), withIcon - 18);
  EXPECT_EQ(preview->text(), "100%");
  EXPECT_TRUE(sheet->grab().save(test::galleryFolder() + "/settings-menubar-text-only-light.png"));
}

TEST_F(SettingsSheetTest, erasingAndAShorterRetentionAskFirstAndReturnCancels) {
  store->set(Setting::keepDays, 30);
  open("data");
  const auto question = [&](const char* name) { return sheet->findChild<QMessageBox*>(name); };
  const auto pressReturn = [](QMessageBox* box) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &event);
    settle();
  };
  for (auto* b : all<WashButton>())
    if (b->text() == "Erase…") b->click();
  settle();
  QMessageBox* erase = question("eraseConfirmation");
  ASSERT_TRUE(erase);
  pressReturn(erase);
  EXPECT_FALSE(question("eraseConfirmation"));
  EXPECT_FALSE(store->navigation().toast);  // no erase was tried

  QComboBox* keep = all<QComboBox>().front();
  keep->activated(keep->findText("7 days"));
  settle();
  QMessageBox* shorter = question("retentionConfirmation");
  ASSERT_TRUE(shorter);
  EXPECT_EQ(shorter->text(), "Keep history for 7 days?");
  EXPECT_EQ(keep->currentText(), "30 days");  // nothing changes while it asks
  pressReturn(shorter);
  EXPECT_EQ(store->setting(Setting::keepDays), 30);
  EXPECT_EQ(keep->currentText(), "30 days");

  // Only the action itself shortens it; a longer time, or forever, deletes nothing and asks nothing.
  keep->activated(keep->findText("7 days"));
  settle();
  ASSERT_TRUE(question("retentionConfirmation"));
  for (auto* b : question("retentionConfirmation")->buttons())
    if (b->text() == "Delete older days") b->click();
  settle();
  EXPECT_EQ(store->setting(Setting::keepDays), 7);
  EXPECT_EQ(keep->currentText(), "7 days");
  keep->activated(keep->findText("Forever"));
  settle();
  EXPECT_FALSE(question("retentionConfirmation"));
  EXPECT_EQ(store->setting(Setting::keepDays), 0);
}

TEST(SettingsData, aSmallHistoryIsLessThanOneMegabyteNeverZero) {
  EXPECT_EQ(historySizeText(0), "less than 1 MB");
  EXPECT_EQ(historySizeText(300 * 1024), "less than 1 MB");
  EXPECT_EQ(historySizeText(1048575), "less than 1 MB");
  EXPECT_EQ(historySizeText(1048576), "1 MB");
  EXPECT_EQ(historySizeText(3ull << 30), "3.0 GB");
}

TEST(SettingsData, shorterRetentionRefreshesTheFiguresAtOnce) {
  test::BusyAfternoon day;
  day.store->refreshHistoryInfo();
  const auto before = day.store->dayView().recordedDays.size();
  ASSERT_GE(before, 3u);
  day.store->set(Setting::keepDays, 2);
  test::BusyAfternoon::settle();
  EXPECT_LT(day.store->dayView().recordedDays.size(), before);
}

namespace {

using qel::test::galleryFolder;

}  // namespace

TEST(SettingsGallery, everyTab) {
  Motion::setEnabled(false);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon day;
    test::HostedSheets sheets(day);
    day.store->openSettings();
    for (const auto& tab : kSettingsTabs) {
      day.store->setSettingsTab(tab.id);
      test::BusyAfternoon::settle();
      ASSERT_NE(sheets.shown<SettingsSheet>(), nullptr);
      test::writeWindowShot(*sheets.shown<SettingsSheet>(), QString("settings-%1-%2").arg(tab.id, appearance));
    }
    // Over a page with a tint of its own: the whole sheet takes it.
    day.store->setPage(Page::cpu);
    day.store->setSettingsTab("alerts");
    test::BusyAfternoon::settle();
    test::writeWindowShot(*sheets.shown<SettingsSheet>(), QString("settings-alerts-on-cpu-page-%1").arg(appearance));
  }
  test::useAppearance("light");
}

// A kept time that none of the choices names (a hand-edited 14, the largest the store keeps)
// shows as it is, in the choices' words, while the list offers only its five; showing it writes
// nothing, and picking a choice writes that.
TEST_F(SettingsSheetTest, aKeptTimeNoChoiceNamesShowsAsItIsAndIsWrittenOnlyWhenPicked) {
  const auto drawn = [](QComboBox* box) {
    test::TextRecorder recorder(box->size());
    box->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    std::string out;  // the words, not the chevron the icon font draws
    for (const auto& t : recorder.texts())
      if (!t.text.isEmpty() && t.text.front().category() != QChar::Other_PrivateUse) out += t.text.toStdString();
    return out;
  };
  struct Row {
    int days;
    const char* language;
    std::string shown;
  };
  for (const Row& row : {Row{14, "en", "14 days"}, Row{36500, "en", "100 years"}, Row{1, "en", "1 day"},
                         Row{730, "de", "2 Jahre"}, Row{14, "ru", "14 дней"}, Row{30, "en", "30 days"}}) {
    Loc::set(row.language, nullptr);
    store->set(Setting::keepDays, row.days);
    settle();
    const std::string before = stored();
    open("data");
    const auto boxes = all<QComboBox>();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->count(), 5) << row.days;
    EXPECT_EQ(boxes[0]->currentIndex(), row.days == 30 ? 1 : -1) << row.days;
    EXPECT_EQ(drawn(boxes[0]), row.shown) << row.days << " in " << row.language;
    EXPECT_EQ(stored(), before) << row.days;
  }
  Loc::set("en", nullptr);
  store->set(Setting::keepDays, 14);
  open("data");
  auto* box = all<QComboBox>().front();
  box->activated(box->findText("90 days"));  // longer: no question
  settle();
  EXPECT_EQ(store->setting(Setting::keepDays), 90);
  EXPECT_EQ(drawn(box), "90 days");
}

// The general tab's rows, in their order: the interface, the replay key, the tab bar and the
// taskbar icon, then the two update choices; nothing about starting at login.
TEST_F(SettingsSheetTest, theGeneralTabHoldsItsSevenRows) {
  open("general");
  std::vector<std::string> titles;
  for (auto* row : all<SettingRow>()) titles.push_back(row->titleLabel()->text().toStdString());
  EXPECT_EQ(titles, (std::vector<std::string>{"Interface language", "Appearance", "Replay shortcut", "Tab bar numbers",
                                          "Show load in the taskbar icon", "Check for updates automatically",
                                          "Receive Beta updates"}));
  EXPECT_EQ(all<Switch>().size(), 3);
}
