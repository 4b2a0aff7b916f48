#include "Qel/Pages/StatItem.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/Layouts.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/Spacing.hpp"
#include "Qel/Kit/TypeScale.hpp"
#include "Qel/Pages/RollingFigure.hpp"

namespace qel {

StatItem::StatItem(const QString& title, const QString& value, const QString& widest, QWidget* parent)
    : QWidget(parent),
      title_(new PlainLabel(title, Type::footnote, QFont::Normal, Palette::tertiaryText(), this)),
      value_(new RollingFigure(Fonts::text(Type::figure, QFont::Medium), Palette::primaryText(), widest, this)) {
  auto* column = Layouts::column(this, Space::xxs);
  column->addWidget(title_);
  column->addWidget(value_);
  value_->setText(value);
}

void StatItem::setValue(const QString& value) { value_->setText(value); }

}  // namespace qel
