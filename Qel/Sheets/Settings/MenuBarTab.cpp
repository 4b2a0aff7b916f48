// The menu-bar tab: which readings stand beside the tray icon, which of the fifteen styles the
// icon uses (each cell a live picture, the runners running at the pace of the load), and a
// preview of the result.
#include <QGraphicsOpacityEffect>
#include <QHideEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <optional>

#include "Qel/Kit/Art/MenuIcons.hpp"
#include "Qel/Kit/Art/RunnerPlayer.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/CellGrid.hpp"
#include "Qel/Kit/Widgets/FlowRow.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/Sheets/SettingParts/CardBlock.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/IconStyleCell.hpp"
#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Sheets/Settings/TrayPreview.hpp"
#include "Qel/Store/MenuBarPart.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

// Which readings stand beside the icon: a chip each, picked ones in the reverse colours.
QWidget* itemsBlock(TabBody* body, QWidget* group, SettingsState settings, SettingsActions& actions) {
  auto* items = new CardBlock(group);
  items->column()->addWidget(
      new PlainLabel(qs(L("Show in the tray")), Type::body, QFont::Medium, Palette::primaryText(), items));
  auto* note = new PlainLabel(qs(L("Pick any combination. With none selected, only the icon is shown.")),
                              Type::footnote, QFont::Normal, Palette::tertiaryText(), items);
  note->setWordWrap(true);
  items->column()->addWidget(note);
  auto* chips = new FlowRow(Space::s, Space::s);  // on two lines where a language's names are long
  const std::array<std::pair<const char*, QString>, 5> kItems{{{"ring", qs(L("Icon"))},
                                                              {"cpu", qs(L("CPU"))},
                                                              {"gpu", QStringLiteral("GPU")},
                                                              {"mem", qs(L("Memory"))},
                                                              {"net", qs(L("Net speed"))}}};
  for (const auto& [key, label] : kItems) {
    auto* chip = new WashButton(label, Type::body, items);
    chip->setObjectName(QString::fromLatin1(key));
    QObject::connect(chip, &QAbstractButton::clicked, chip, [settings, &actions, key = std::string(key)] {
      auto chosen = settings.get(Setting::menuItems);
      if (!chosen.erase(key)) chosen.insert(key);
      actions.set(Setting::menuItems, std::move(chosen));
    });
    body->onSync([chip, settings, key = std::string(key)] {
      const bool on = settings.get(Setting::menuItems).count(key) > 0;
      chip->setColors(on ? invertedText() : Palette::secondaryText(), on ? invertedFill() : Palette::adaptiveOpacity(0.06, 0.06));
      chip->setBold(on);
    });
    chips->addWidget(chip);
  }
  items->column()->addLayout(chips);
  return items;
}

// The fifteen icon styles, dimmed while the icon is hidden.
QWidget* stylesBlock(TabBody* body, QWidget* group, const SettingsEnv& env) {
  const SettingsState settings = env.settings;
  const LiveState live = env.live;
  SettingsActions& actions = env.actions;
  auto* styles = new CardBlock(group);
  auto* inner = new QWidget(styles);  // the part that dims while the icon is hidden
  auto* innerColumn = Layouts::column(inner, Space::ml);
  innerColumn->addWidget(new PlainLabel(qs(L("Icon style")), Type::body, QFont::Medium, Palette::primaryText(), inner));
  auto* note = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), inner);
  note->setWordWrap(true);
  innerColumn->addWidget(note);
  auto* grid = new CellGrid(IconStyleCell::kLeastWidth, Space::m);
  for (std::size_t i = 0; i < allMenuIconStyles.size(); ++i) {
    const MenuIconStyle style = allMenuIconStyles[i];
    auto* cell = new IconStyleCell(style, inner);
    QObject::connect(cell, &QAbstractButton::clicked, cell,
                     [&actions, style] { actions.set(Setting::menuIconStyle, std::string(rawValue(style))); });
    body->onSync([cell, settings, live] { cell->sync(settings, live); });
    grid->addWidget(cell);
  }
  innerColumn->addLayout(grid);
  styles->column()->addWidget(inner);
  auto* dim = new QGraphicsOpacityEffect(inner);
  inner->setGraphicsEffect(dim);
  body->onSync([note, dim, settings] {
    note->setText(qs(menuIconDetail(chosenStyle(settings))));
    dim->setOpacity(iconShown(settings) ? 1.0 : 0.45);
  });
  return styles;
}

}  // namespace

TabBody* menuBarTab(const SettingsEnv& env) {
  auto* body = new TabBody;
  auto* group = new SettingGroup(body);
  body->column()->addWidget(group);
  body->column()->addStretch(1);
  group->column()->addWidget(itemsBlock(body, group, env.settings, env.actions));
  group->column()->addWidget(stylesBlock(body, group, env));

  auto* preview = new TrayPreview(group);
  preview->setFont(Fonts::text(Type::body));
  body->onSync([preview, settings = env.settings, live = env.live] { preview->sync(settings, live); });
  group->column()->addWidget(new SettingRow(qs(L("Preview")), {}, preview, group));
  return body;
}

}  // namespace qel
