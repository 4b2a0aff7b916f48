// The alerts tab: what alerts are, the one-hour pause, the rules under their three headings and
// a count of the rules that are on.
#include <QVBoxLayout>

#include <array>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/RuleRow.hpp"
#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Store/AlertRule.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {


// The headings in order; a rule whose description names another group is listed nowhere.
constexpr std::array<const char*, 3> kRuleGroups{Lkey("Whole computer"), Lkey("Temperature and battery"), Lkey("Single process")};

}  // namespace

std::string alertsFootnote(int enabled, bool notifications) {
  return Ln("%n alerts on. ", enabled) +
         (notifications ? L("Alerts appear in the Qel window and as desktop notifications.")
                        : L("No notification service is running on this desktop, so alerts only appear in the Qel "
                            "window."));
}

TabBody* alertsTab(const SettingsEnv& env) {
  const SettingsState settings = env.settings;
  const TamingState taming = env.taming;
  SettingsActions& actions = env.actions;
  auto* body = new TabBody;
  auto* column = body->column();

  auto* intro = new PlainLabel(qs(L("When these things happen, Qel tells you which process it is and what to do. "
                                   "Short spikes won't bother you.")),
                               Type::body, QFont::Normal, Palette::secondaryText(), body);
  intro->setWordWrap(true);
  column->addWidget(intro);

  auto* pause = new SettingGroup(body);
  // The switch mirrors the store: flipping it toggles the pause, whatever it showed.
  pause->column()->addWidget(new SettingRow(
      qs(L("Pause alerts for 1 hour")), qs(L("No alerts appear while paused. They resume automatically.")),
      boundSwitch(body, qs(L("Pause alerts for 1 hour")), [taming] { return taming.isMuted(); },
                  [&actions](bool) { actions.toggleMute(); }),
      pause));
  column->addWidget(pause);

  for (const char* group : kRuleGroups) {
    auto* block = new QVBoxLayout;
    block->setSpacing(Space::m);
    block->addWidget(new PlainLabel(qs(L(group)), Type::callout, QFont::DemiBold, Palette::primaryText(), body));
    auto* card = new SettingGroup(body);
    for (std::size_t i = 0; i < settings.rules().size(); ++i) {
      const auto meta = Rules::meta().find(settings.rules()[i].id);
      if (meta != Rules::meta().end() && meta->second.group == group)
        card->column()->addWidget(new RuleRow(settings, actions, i, body, card));
    }
    block->addWidget(card);
    column->addLayout(block);
  }

  auto* footnote = new PlainLabel({}, Type::body, QFont::Normal, Palette::tertiaryText(), body);
  footnote->setWordWrap(true);
  body->onSync([footnote, settings] {
    footnote->setText(qs(alertsFootnote(settings.enabledRuleCount(), settings.notificationsAvailable())));
  });
  column->addWidget(footnote);
  column->addStretch(1);
  return body;
}

}  // namespace qel
