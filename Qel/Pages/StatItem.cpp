#include "Qel/Pages/StatItem.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
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
