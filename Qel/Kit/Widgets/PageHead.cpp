#include "Qel/Kit/Widgets/PageHead.hpp"

#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"

namespace qel {

PageHead::PageHead(const QString& name, AdaptiveColor color, const QString& value, const QString& unit,
                   const QString& sub, double size, QWidget* parent)
    : QWidget(parent),
      name_(new PlainLabel(name, Type::callout, QFont::DemiBold, std::move(color), this)),
      figure_(new BaselineRow(Space::xs, this)),
      sub_(new PlainLabel(sub, Type::callout, QFont::Normal, Palette::secondaryText(), this)),
      size_(std::isfinite(size) && size > 0 ? size : 1) {
  sub_->setWordWrap(true);
  auto* layout = Layouts::column(this, Space::xs);
  layout->addWidget(name_);
  layout->addWidget(figure_);
  layout->addWidget(sub_);
  setValue(value, unit);
}

void PageHead::setColor(AdaptiveColor color) { name_->setColor(std::move(color)); }

void PageHead::setValue(const QString& value, const QString& unit) {
  figure_->setRuns({
      {value, Fonts::text(size_, QFont::Light), Palette::primaryText()},
      {unit, Fonts::text(size_ * 0.32), Palette::secondaryText()},
  });
}

void PageHead::setSub(const QString& sub) { sub_->setText(sub); }

}  // namespace qel
