#include "Qel/Sheets/Settings/TameRuleRow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Desktop/AppKeyName.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/TameRulesSection.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

TameRuleRow::TameRuleRow(const ProcessState& processes, ProcessActions& actions, IconCache& icons,
                         const std::string& key, const std::string& rule, QWidget* parent)
    : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(Space::xl, Space::l, Space::xl, Space::l);
  row->setSpacing(Space::l);
  auto* icon = new QLabel(this);
  icon->setPixmap(icons.icon(key).pixmap(QSize(22, 22), devicePixelRatioF()));
  icon->setFixedSize(22, 22);
  row->addWidget(icon);
  auto* texts = new QVBoxLayout();
  texts->setSpacing(Space::xxs);
  texts->addWidget(new PlainLabel(qs(displayName(appKeyName(processes.apps(), key))), Type::body, QFont::Medium,
                                  Palette::primaryText(), this));
  texts->addWidget(new PlainLabel(qs(tameRuleText(rule)), Type::footnote, QFont::Normal, Palette::tertiaryText(), this));
  row->addLayout(texts, 1);
  row->addSpacing(Space::m);
  auto* remove = new WashButton(qs(L("Remove")), Type::footnote, this);
  remove->setColors(Palette::primaryText(), Palette::adaptiveOpacity(0.08, 0.08));
  connect(remove, &QAbstractButton::clicked, this, [&actions, key] { actions.setTame(std::nullopt, key); });
  row->addWidget(remove);
}

void TameRuleRow::paintEvent(QPaintEvent*) { paintHairline(this); }

}  // namespace qel
