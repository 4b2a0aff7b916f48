#include "Qel/Kit/Widgets/InfoRow.hpp"

#include <QHBoxLayout>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"

namespace qel {

InfoRow::InfoRow(const QString& label, const QString& value, AdaptiveColor valueColor, QWidget* parent)
    : QWidget(parent),
      label_(new PlainLabel(label, Type::body, QFont::Normal, Palette::primaryText(), this)),
      value_(new PlainLabel(value, Type::body, QFont::Normal, std::move(valueColor), this)) {
  value_->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, Space::rowPadY, 0, Space::rowPadY);
  layout->setSpacing(0);
  layout->addWidget(label_, 0, Qt::AlignVCenter);
  layout->addSpacerItem(new QSpacerItem(Space::l, 0, QSizePolicy::MinimumExpanding, QSizePolicy::Minimum));
  layout->addWidget(value_, 0, Qt::AlignVCenter);
}

void InfoRow::setValue(const QString& value) { value_->setText(value); }

}  // namespace qel
