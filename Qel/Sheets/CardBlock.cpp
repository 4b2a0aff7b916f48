#include "Qel/Sheets/CardBlock.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/Spacing.hpp"
#include "Qel/Sheets/SettingRow.hpp"

namespace qel {

CardBlock::CardBlock(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  column_->setContentsMargins(Space::xl, Space::xl, Space::xl, Space::xl);
  column_->setSpacing(Space::ml);
  Palette::followAppearance(this);
}

void CardBlock::paintEvent(QPaintEvent*) { paintHairline(this); }

}  // namespace qel
