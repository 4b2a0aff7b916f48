// The data tab: what history is kept and where, how long, the usual baseline, and erasing it.
#include <QDir>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/AskFirst.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/Unbreakable.hpp"

namespace qel {

namespace {


// The folder with the home folder written "~".
QString shortPath(const std::filesystem::path& folder) {
  const QString path = QString::fromStdString(folder.string());
  const QString home = QDir::homePath();
  if (!home.isEmpty() && home != u"/" && (path == home || path.startsWith(home + u'/')))
    return u'~' + path.mid(home.size());
  return path;
}

QString historyDetail(const DayState& day, const SettingsState& settings) {
  return qs(Ln("Stored in a database on this computer only. %n days recorded, using %@.",
               day.recordedDays().size(), {keepFiguresWithUnits(historySizeText(settings.historySize()))})) +
         u'\n' + shortPath(HistoryDB::folder());
}

// Everything eraseHistory() takes away, so the warning hides nothing.
std::string eraseWarning() {
  return L("Deletes every recorded day with its marks and app usage, the recorded sleeps and stretches, and the "
           "usual baseline. Settings and rules are kept. This can't be undone.");
}

void confirmErase(QWidget* parent, SettingsActions& actions) {
  askFirst(parent, QStringLiteral("eraseConfirmation"), qs(L("Erase all history?")), qs(eraseWarning()),
           qs(L("Erase all history")), [&actions] { actions.eraseHistory(); });
}

// A kept time that none of the choices names (one set by hand, the longest the store keeps),
// in the choices' words: whole years as years, anything else in days.
QString keptTimeText(const std::string& stored) {
  int days = 0;
  const char* end = stored.data() + stored.size();
  if (std::from_chars(stored.data(), end, days).ptr != end) return {};
  if (days <= 0) return qs(L("Forever"));
  if (days % 365 == 0) return qs(Ln("%n years", days / 365));
  return qs(Ln("%n days", days));
}

// A shorter time deletes the older days at once, so it is asked first; a longer one, or
// "Forever", is set straight away.
void chooseKeepDays(QWidget* parent, const SettingsState& settings, SettingsActions& actions, int days,
                    const QString& label) {
  const int now = settings.get(Setting::keepDays);
  if (days == 0 || (now != 0 && days >= now)) {
    actions.set(Setting::keepDays, days);
    return;
  }
  askFirst(parent, QStringLiteral("retentionConfirmation"), qs(L("Keep history for %@?", {label.toStdString()})),
           qs(L("Days older than that are deleted now. This can't be undone.")), qs(L("Delete older days")),
           [&actions, days] { actions.set(Setting::keepDays, days); });
}

}  // namespace

std::string historySizeText(std::uint64_t bytes) {
  return bytes < 1048576 ? L("less than 1 MB") : fmtBytes(bytes);
}

TabBody* dataTab(const SettingsEnv& env) {
  const SettingsState settings = env.settings;
  const DayState day = env.day;
  const InsightState insight = env.insight;
  SettingsActions& actions = env.actions;
  Navigator& navigator = env.navigator;
  auto openFolder = env.openFolder;
  auto* body = new TabBody;

  auto* group = new SettingGroup(body);
  auto* show = new WashButton(qs(L("Show in File Manager")), Type::footnote, body);
  QObject::connect(show, &QAbstractButton::clicked, show, [&navigator, openFolder] {
    const auto folder = HistoryDB::folder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);  // a failure shows when opening it
    if (!openFolder || !openFolder(QString::fromStdString(folder.string())))
      navigator.show(L("The history folder could not be opened"));
  });
  auto* history = new SettingRow(qs(L("History")), historyDetail(day, settings), show, group);
  group->column()->addWidget(history);

  const std::vector<std::pair<std::string, QString>> keep{{"7", qs(L("7 days"))},
                                                         {"30", qs(L("30 days"))},
                                                         {"90", qs(L("90 days"))},
                                                         {"365", qs(L("1 year"))},
                                                         {"0", qs(L("Forever"))}};
  group->column()->addWidget(new SettingRow(
      qs(L("Keep history for")), qs(L("Older days are deleted automatically. The usual baseline is kept.")),
      boundChoice(body, qs(L("Keep history for")), 140, keep,
                  [settings] { return std::to_string(settings.get(Setting::keepDays)); },
                  [body, settings, &actions, keep](const std::string& v) {
                    const auto entry = std::find_if(keep.begin(), keep.end(), [&](const auto& e) { return e.first == v; });
                    chooseKeepDays(body, settings, actions, std::stoi(v),
                                   entry == keep.end() ? QString() : entry->second);
                  },
                  -1, keptTimeText),
      group));

  auto baseline = [insight] {
    return qs(Ln("%n days collected. After 3 days the ring shows a reference line.", insight.insight().baselineDays()));
  };
  auto* usual = new SettingRow(qs(L("Usual baseline")), baseline(), nullptr, group);
  group->column()->addWidget(usual);
  body->column()->addWidget(group);
  body->onSync([history, usual, baseline, day, settings] {
    history->setDetail(historyDetail(day, settings));
    usual->setDetail(baseline());
  });

  auto* danger = new SettingGroup(body);
  auto* erase = new WashButton(qs(L("Erase…")), Type::footnote, body);
  erase->setColors(Palette::strainText(), Palette::withAlpha(Palette::strain(), 0.12));
  QObject::connect(erase, &QAbstractButton::clicked, erase, [erase, &actions] { confirmErase(erase, actions); });
  danger->column()->addWidget(new SettingRow(qs(L("Erase all history")), qs(eraseWarning()), erase, danger));
  body->column()->addWidget(danger);
  body->column()->addStretch(1);
  return body;
}

}  // namespace qel
