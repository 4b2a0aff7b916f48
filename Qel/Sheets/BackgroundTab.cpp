// The background tab: quiet mode, and the apps that slow down or pause while not in front.
#include <QPainter>
#include <QVBoxLayout>

#include <filesystem>
#include <map>

#include "Qel/Sheets/SettingParts.hpp"
#include "Qel/Sheets/SettingsTabs.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Store/TameMode.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/Utf8.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/PlainLabel.hpp"

namespace qel {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// An app's rule key (a desktop id or a program path) as a name to show.
std::string ruleAppName(const std::string& key) {
  std::string name = std::filesystem::path(key).filename().string();
  if (name.ends_with(".desktop")) name.resize(name.size() - 8);
  return displayName(name.empty() ? key : name);
}

// The rules, or the words that say there are none yet; rebuilt when the rules change.
class TameRules : public QWidget {
 public:
  TameRules(Store& store, QWidget* parent) : QWidget(parent), store_(store), column_(new QVBoxLayout(this)) {
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(8);
  }

  void sync() {
    if (built_ && shown_ == store_.tameRules()) return;
    built_ = true;
    shown_ = store_.tameRules();
    while (auto* item = column_->takeAt(0)) {
      delete item->widget();
      delete item;
    }
    column_->addWidget(new PlainLabel(q(L("When not in front")), 13.5, QFont::DemiBold, Palette::primaryText(), this));
    if (shown_.empty()) {
      auto* card = new SettingGroup(this);
      auto* text = new PlainLabel(q(L("No rules yet. In the details of any process, you can set its app to slow down "
                                      "or pause when it is not in front.")),
                                  13, QFont::Normal, Palette::tertiaryText(), card);
      text->setWordWrap(true);
      card->column()->setContentsMargins(16, 16, 16, 16);
      card->column()->addWidget(text);
      column_->addWidget(card);
      return;
    }
    auto* card = new SettingGroup(this);
    for (const auto& [appKey, mode] : shown_) {
      const std::string key = appKey;
      const auto tame = tameModeFromRaw(mode);
      const std::string what = !tame                        ? L("Unknown rule")
                               : *tame == TameMode::slow ? L("Slows down when not in front")
                                                         : L("Pauses when not in front");
      auto* remove = new WashButton(q(L("Remove")), 12, card);
      connect(remove, &QAbstractButton::clicked, this, [this, key] { store_.setTame(std::nullopt, key); });
      card->column()->addWidget(new SettingRow(q(ruleAppName(key)), q(what), remove, card));
    }
    column_->addWidget(card);
  }

 private:
  Store& store_;
  QVBoxLayout* column_;
  std::map<std::string, std::string> shown_;
  bool built_ = false;
};

}  // namespace

TabBody* backgroundTab(const SettingsEnv& env) {
  Store& store = env.context.store;
  auto* body = new TabBody;
  auto* group = new SettingGroup(body);
  group->column()->addWidget(new SettingRow(
      q(L("Quiet mode")),
      q(L("Drops processes that are not in front, have no window and use a lot of CPU to background priority. "
          "Restored when you turn this off or quit Qel.")),
      boundSwitch(body, q(L("Quiet mode")), [&store] { return store.quietOn(); }, [&store](bool) { store.toggleQuiet(); }),
      group));
  body->column()->addWidget(group);
  auto* rules = new TameRules(store, body);
  rules->sync();
  body->onSync([rules] { rules->sync(); });
  body->column()->addWidget(rules);
  body->column()->addStretch(1);
  return body;
}

}  // namespace qel
