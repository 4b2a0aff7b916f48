#include "Qel/Sheets/Settings/TameRulesSection.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/TameRuleRow.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string tameRuleText(const std::string& rule) {
  return rule == "pause" ? L("Pauses after you switch away") : L("Slows down after you switch away");
}

TameRulesSection::TameRulesSection(TamingState taming, ProcessState processes, ProcessActions& actions, QWidget* parent)
    : QWidget(parent),
      taming_(taming),
      processes_(processes),
      actions_(actions),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* column = Layouts::column(this, Space::m);
  column->addWidget(new PlainLabel(qs(L("When not in front")), Type::callout, QFont::DemiBold, Palette::primaryText(), this));
  auto* card = new SettingGroup(this);
  rows_ = card->column();
  Layouts::flush(rows_);
  rows_->setSpacing(0);
  column->addWidget(card);
  sync();
}

TameRulesSection::~TameRulesSection() = default;

void TameRulesSection::sync() {
  if (built_ && shown_ == taming_.tameRules()) return;
  built_ = true;
  shown_ = taming_.tameRules();
  while (auto* item = rows_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  // The map keeps its keys in ascending order.
  for (const auto& [key, rule] : shown_)
    rows_->addWidget(new TameRuleRow(processes_, actions_, *icons_, key, rule, this));
  setVisible(!shown_.empty());
}

}  // namespace qel
