// The background tab: quiet mode, and the apps that slow down or pause while not in front.
#include "Qel/Kit/QtString.hpp"
#include "Qel/Sheets/NoTameRules.hpp"
#include "Qel/Sheets/SettingParts.hpp"
#include "Qel/Sheets/SettingsTabs.hpp"
#include "Qel/Sheets/TameRulesSection.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

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
