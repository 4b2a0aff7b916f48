#include "Qel/Sheets/Settings/SettingsSidebar.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

SettingsSidebar::SettingsSidebar(QWidget* parent) : QWidget(parent) { Palette::followAppearance(this); }

void SettingsSidebar::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Palette::adaptiveOpacity(0.05, 0.05).resolve());
}

}  // namespace qel
