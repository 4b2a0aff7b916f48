// The general tab: language, appearance, the replay key, the tab bar's numbers, the load in the
// taskbar icon, the automatic update check and the beta channel.
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/KeyCap.hpp"
#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Sheets/Settings/TabValueStyleMeta.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"

namespace qel {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

TabValueStyle tabValueStyleOr(const std::string& raw) {
  return tabValueStyleFromRaw(raw).value_or(TabValueStyle::always);
}

// One row at the end of the card.
SettingRow* add(SettingGroup* group, const std::string& title, const QString& detail, QWidget* control) {
  auto* row = new SettingRow(qs(title), detail, control, group);
  group->column()->addWidget(row);
  return row;
}

// Language, appearance, the replay key and the tab bar's numbers.
void addDisplayRows(TabBody* body, SettingGroup* group, const SettingsEnv& env) {
  const SettingsState settings = env.settings;
  SettingsActions& actions = env.actions;
  std::vector<std::pair<std::string, QString>> languages{{"system", qs(L("Follow system"))}};
  for (const auto& lang : Loc::languages) languages.emplace_back(std::string(lang.code), qs(lang.name));
  add(group, L("Interface language"),
      qs(L("Follow system uses the first of your system languages that Qel supports, or English if there is none.")),
      boundChoice(body, qs(L("Interface language")), 190, std::move(languages), settings, actions, Setting::language,
                  1));

  auto* appearance = new PillSegment(body);
  appearance->setAccessibleName(qs(L("Appearance")));
  appearance->setOptions<std::string>(
      {{"system", qs(L("Follow system"))}, {"light", qs(L("Light"))}, {"dark", qs(L("Dark"))}},
      [settings] { return settings.get(Setting::appearance); },
      [&actions](const std::string& v) { actions.set(Setting::appearance, v); });
  body->onSync([appearance] { appearance->refresh(); });
  add(group, L("Appearance"), qs(L("Follow system switches with your desktop's appearance.")), appearance);

  // Where the key could not be had, the row says so and how to bind the replay by hand.
  const QString problem = env.hotKeyProblem ? env.hotKeyProblem() : QString();
  add(group, L("Replay shortcut"),
      problem.isEmpty() ? qs(L("Press it in any app to replay the last 60 seconds. It can't be changed yet.")) : problem,
      new KeyCap(QStringLiteral("Ctrl+Alt+E"), body));

  std::vector<std::pair<std::string, QString>> styles;
  for (auto style : allTabValueStyles) styles.emplace_back(std::string(rawValue(style)), title(style));
  auto* numbers = add(group, L("Tab bar numbers"), detail(tabValueStyleOr(settings.get(Setting::tabValues))),
                      boundChoice(body, qs(L("Tab bar numbers")), 150, std::move(styles), settings, actions,
                                  Setting::tabValues));
  body->onSync([numbers, settings] { numbers->setDetail(detail(tabValueStyleOr(settings.get(Setting::tabValues)))); });
}

// The load in the taskbar icon.
void addTaskbarRow(TabBody* body, SettingGroup* group, const SettingsEnv& env) {
  add(group, L("Show load in the taskbar icon"),
      qs(L("The water in the taskbar icon rises with CPU usage, and the icon turns warm when the processor is busy.")),
      boundSwitch(body, qs(L("Show load in the taskbar icon")), env.settings, env.actions, Setting::dockLoad));
}

void addUpdateRows(TabBody* body, SettingGroup* group, Updater& updater) {
  // Without a feed nothing is checked: the switch keeps its place, off and greyed, and the line
  // says why. With one it can be changed whenever a check could run.
  auto* automatic = boundSwitch(body, qs(L("Check for updates automatically")),
                                [&updater] { return updater.hasFeed() && updater.checksAutomatically(); },
                                [&updater](bool on) { updater.setChecksAutomatically(on); });
  body->onSync([automatic, &updater] { automatic->setEnabled(updater.canCheck()); });
  add(group, L("Check for updates automatically"),
      updater.hasFeed() ? qs(L("Qel looks for a new version about once a day and tells you when there is one."))
                        : qs(L("This build of Qel names no update feed, so it can't look for new versions.")),
      automatic);

  auto* beta = boundSwitch(body, qs(L("Receive Beta updates")), [&updater] { return updater.receivesBetaUpdates(); },
                           [&updater](bool on) { updater.setReceivesBetaUpdates(on); });
  // Only a check under way holds the channel; without a feed the choice is simply stored.
  body->onSync([beta, &updater] { beta->setEnabled(!updater.hasFeed() || updater.canChangeChannel()); });
  add(group, L("Receive Beta updates"),
      qs(L("Get early access to upcoming versions and continue receiving stable updates.")), beta);
}

}  // namespace

TabBody* generalTab(const SettingsEnv& env) {
  auto* body = new TabBody;
  auto* group = new SettingGroup(body);
  body->column()->addWidget(group);
  body->column()->addStretch(1);
  addDisplayRows(body, group, env);
  addTaskbarRow(body, group, env);
  addUpdateRows(body, group, env.updater);
  return body;
}

}  // namespace qel
