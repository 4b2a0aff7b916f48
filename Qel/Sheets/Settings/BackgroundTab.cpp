// The background tab: quiet mode, and the apps that slow down or pause while not in front.
#include "Qel/Kit/QtString.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/NoTameRules.hpp"
#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Sheets/Settings/TameRulesSection.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

TabBody* backgroundTab(const SettingsEnv& env) {
  const TamingState taming = env.taming;
  ProcessActions& actions = env.processActions;
  auto* body = new TabBody;
  auto* group = new SettingGroup(body);
  group->column()->addWidget(new SettingRow(
      qs(L("Quiet mode")),
      qs(L("Drops processes that are not in front, have no window and use a lot of CPU to background priority. "
          "Restored when you turn this off or quit Qel.")),
      boundSwitch(body, qs(L("Quiet mode")), [taming] { return taming.quietOn(); },
                  [&actions](bool) { actions.toggleQuiet(); }),
      group));
  body->column()->addWidget(group);
  auto* rules = new TameRulesSection(taming, env.processes, actions, body);
  auto* none = new NoTameRules(body);
  none->setVisible(taming.tameRules().empty());
  body->onSync([rules, none, taming] {
    rules->sync();
    none->setVisible(taming.tameRules().empty());
  });
  body->column()->addWidget(rules);
  body->column()->addWidget(none);
  body->column()->addStretch(1);
  return body;
}

}  // namespace qel
