// The background tab: quiet mode, and the apps that slow down or pause while not in front.
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Sheets/SettingParts.hpp"
#include "Qel/Sheets/SettingsTabs.hpp"
#include "Qel/Sheets/TameRulesSection.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {


// What the tab shows in place of the rules while there are none.
class NoTameRules : public QWidget {
 public:
  explicit NoTameRules(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(new PlainLabel(qs(L("When not in front")), 13.5, QFont::DemiBold, Palette::primaryText(), this));
    auto* card = new SettingGroup(this);
    auto* text = new PlainLabel(qs(L("No rules yet. In the details of any process, you can set its app to slow down "
                                    "or pause when it is not in front.")),
                                13, QFont::Normal, Palette::tertiaryText(), card);
    text->setWordWrap(true);
    card->column()->setContentsMargins(16, 16, 16, 16);
    card->column()->addWidget(text);
    column->addWidget(card);
  }
};

}  // namespace

TabBody* backgroundTab(const SettingsEnv& env) {
  Store& store = env.store;
  auto* body = new TabBody;
  auto* group = new SettingGroup(body);
  group->column()->addWidget(new SettingRow(
      qs(L("Quiet mode")),
      qs(L("Drops processes that are not in front, have no window and use a lot of CPU to background priority. "
          "Restored when you turn this off or quit Qel.")),
      boundSwitch(body, qs(L("Quiet mode")), [&store] { return store.quietOn(); }, [&store](bool) { store.toggleQuiet(); }),
      group));
  body->column()->addWidget(group);
  auto* rules = new TameRulesSection(store, body);
  auto* none = new NoTameRules(body);
  none->setVisible(store.tameRules().empty());
  body->onSync([rules, none, &store] {
    rules->sync();
    none->setVisible(store.tameRules().empty());
  });
  body->column()->addWidget(rules);
  body->column()->addWidget(none);
  body->column()->addStretch(1);
  return body;
}

}  // namespace qel
