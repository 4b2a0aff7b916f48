// The data tab: what history is kept and where, how long, the usual baseline, and erasing it.
#include <QDir>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Kit/AskFirst.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/TypeScale.hpp"
#include "Qel/Sheets/SettingParts.hpp"
#include "Qel/Sheets/SettingsTabs.hpp"
#include "Qel/Store/Store.hpp"
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

QString historyDetail(const Store& store) {
  return qs(Ln("Stored in a database on this computer only. %n days recorded, using %@.",
               store.recordedDays().size(), {keepFiguresWithUnits(historySizeText(store.historySize()))})) +
         u'\n' + shortPath(HistoryDB::folder());
}

// Everything eraseHistory() takes away, so the warning hides nothing.
std::string eraseWarning() {
  return L("Deletes every recorded day with its marks and app usage, the recorded sleeps and stretches, and the "
           "usual baseline. Settings and rules are kept. This can't be undone.");
}

void confirmErase(QWidget* parent, Store& store) {
  askFirst(parent, QStringLiteral("eraseConfirmation"), qs(L("Erase all history?")), qs(eraseWarning()),
           qs(L("Erase all history")), [&store] { store.eraseHistory(); });
}

// A shorter time deletes the older days at once, so it is asked first; a longer one, or
// "Forever", is set straight away.
void chooseKeepDays(QWidget* parent, Store& store, int days, const QString& label) {
  const int now = store.setting(Setting::keepDays);
  if (days == 0 || (now != 0 && days >= now)) {
    store.set(Setting::keepDays, days);
    return;
  }
  askFirst(parent, QStringLiteral("retentionConfirmation"), qs(L("Keep history for %@?", {label.toStdString()})),
           qs(L("Days older than that are deleted now. This can't be undone.")), qs(L("Delete older days")),
           [&store, days] { store.set(Setting::keepDays, days); });
}

}  // namespace

std::string historySizeText(std::uint64_t bytes) {
  return bytes < 1048576 ? L("less than 1 MB") : fmtBytes(bytes);
}

TabBody* dataTab(const SettingsEnv& env) {
  Store& store = env.store;
  auto openFolder = env.openFolder;
  auto* body = new TabBody;

  auto* group = new SettingGroup(body);
  auto* show = new WashButton(qs(L("Show in File Manager")), Type::footnote, body);
  QObject::connect(show, &QAbstractButton::clicked, show, [&store, openFolder] {
    const auto folder = HistoryDB::folder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);  // a failure shows when opening it
    if (!openFolder || !openFolder(QString::fromStdString(folder.string())))
      store.show(L("The history folder could not be opened"));
  });
  auto* history = new SettingRow(qs(L("History")), historyDetail(store), show, group);
  group->column()->addWidget(history);

  const std::vector<std::pair<std::string, QString>> keep{{"7", qs(L("7 days"))},
                                                         {"30", qs(L("30 days"))},
                                                         {"90", qs(L("90 days"))},
                                                         {"365", qs(L("1 year"))},
                                                         {"0", qs(L("Forever"))}};
  group->column()->addWidget(new SettingRow(
      qs(L("Keep history for")), qs(L("Older days are deleted automatically. The usual baseline is kept.")),
      boundChoice(body, qs(L("Keep history for")), 140, keep, [&store] { return std::to_string(store.setting(Setting::keepDays)); },
                  [body, &store, keep](const std::string& v) {
                    const auto entry = std::find_if(keep.begin(), keep.end(), [&](const auto& e) { return e.first == v; });
                    chooseKeepDays(body, store, std::stoi(v), entry == keep.end() ? QString() : entry->second);
                  }),
      group));

  auto baseline = [&store] {
    return qs(Ln("%n days collected. After 3 days the ring shows a reference line.", store.insight().baselineDays()));
  };
  auto* usual = new SettingRow(qs(L("Usual baseline")), baseline(), nullptr, group);
  group->column()->addWidget(usual);
  body->column()->addWidget(group);
  body->onSync([history, usual, baseline, &store] {
    history->setDetail(historyDetail(store));
    usual->setDetail(baseline());
  });

  auto* danger = new SettingGroup(body);
  auto* erase = new WashButton(qs(L("Erase…")), Type::footnote, body);
  erase->setColors(Palette::strainText(), Palette::withAlpha(Palette::strain(), 0.12));
  QObject::connect(erase, &QAbstractButton::clicked, erase, [erase, &store] { confirmErase(erase, store); });
  danger->column()->addWidget(new SettingRow(qs(L("Erase all history")), qs(eraseWarning()), erase, danger));
  body->column()->addWidget(danger);
  body->column()->addStretch(1);
  return body;
}

}  // namespace qel
