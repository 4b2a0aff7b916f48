#include "Qel/Sheets/SettingParts/SettingGroup.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

SettingGroup::SettingGroup(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  Layouts::flush(column_);
  column_->setSpacing(0);
  Palette::followAppearance(this);
}

void SettingGroup::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.drawRoundedRect(QRectF(rect()), Radius::card, Radius::card);
}

}  // namespace qel
