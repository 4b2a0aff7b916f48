#include "Qel/Sheets/SettingParts/CardBlock.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Sheets/SettingParts/SettingRow.hpp"

namespace qel {

CardBlock::CardBlock(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  column_->setContentsMargins(Space::xl, Space::xl, Space::xl, Space::xl);
  column_->setSpacing(Space::ml);
  Palette::followAppearance(this);
}

void CardBlock::paintEvent(QPaintEvent*) { paintHairline(this); }

}  // namespace qel
