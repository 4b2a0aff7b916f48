#include "Qel/Sheets/TameRulesSection.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/Layouts.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Spacing.hpp"
#include "Qel/Kit/TypeScale.hpp"
#include "Qel/Sheets/SettingParts.hpp"
#include "Qel/Sheets/TameRuleRow.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string tameRuleText(const std::string& rule) {
  return rule == "pause" ? L("Pauses after you switch away") : L("Slows down after you switch away");
}

TameRulesSection::TameRulesSection(Store& store, QWidget* parent)
    : QWidget(parent), store_(store), icons_(std::make_unique<IconCache>(store.apps())) {
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
  if (built_ && shown_ == store_.tameRules()) return;
  built_ = true;
  shown_ = store_.tameRules();
  while (auto* item = rows_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  // The map keeps its keys in ascending order.
  for (const auto& [key, rule] : shown_) rows_->addWidget(new TameRuleRow(store_, *icons_, key, rule, this));
  setVisible(!shown_.empty());
}

}  // namespace qel
