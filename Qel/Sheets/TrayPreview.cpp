#include "Qel/Sheets/TrayPreview.hpp"

#include <QEvent>
#include <QPainter>

#include <algorithm>

#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Store/MenuBarPart.hpp"

namespace qel {

bool iconShown(const SettingsState& settings) {
  return settings.menuItems().count("ring") > 0 || menuBarText(settings.menuBarParts()).empty();
}

MenuIconStyle chosenStyle(const SettingsState& settings) {
  return menuIconStyleFromRaw(settings.menuIconStyle()).value_or(MenuIconStyle::auto_);
}

TrayPreview::TrayPreview(QWidget* parent) : QWidget(parent), picture_(this) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void TrayPreview::sync(const SettingsState& settings, const LiveState& live) {
  settings_.emplace(settings);
  live_.emplace(live);
  refresh();
}

void TrayPreview::refresh() {
  const bool icon = iconShown(*settings_);
  const QString text = qs(menuBarText(settings_->menuBarParts()));
  if (icon)
    picture_.sync(*live_, chosenStyle(*settings_));
  else
    picture_.stop();
  if (icon != icon_ || text != text_) {
    icon_ = icon;
    text_ = text;
    updateGeometry();
    update();
  }
}

QSize TrayPreview::sizeHint() const {
  int w = 20;
  if (icon_) w += static_cast<int>(picture_.image().isNull() ? 18 : picture_.image().width() / picture_.image().devicePixelRatio());
  if (icon_ && !text_.isEmpty()) w += 4;
  if (!text_.isEmpty()) w += QFontMetrics(font()).horizontalAdvance(text_);
  widest_ = std::max(widest_, w);
  return {widest_, 28};
}

void TrayPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.06, 0.06).resolve());
  p.drawRoundedRect(QRectF(rect()), 6, 6);
  const QColor ink = Palette::primaryText().resolve();
  double x = width() - 10;  // laid out from the trailing edge, like the tray
  p.setFont(font());
  p.setPen(ink);
  if (!text_.isEmpty()) {
    const int w = p.fontMetrics().horizontalAdvance(text_);
    x -= w;
    p.drawText(QRectF(x, 0, w, height()), Qt::AlignVCenter | Qt::AlignLeft, text_);
    x -= 4;
  }
  if (icon_ && !picture_.image().isNull()) {
    const double w = picture_.image().width() / picture_.image().devicePixelRatio();
    drawTinted(p, picture_.image(), QRectF(x - w, 0, w, height()), ink);
  }
}

void TrayPreview::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (settings_) refresh();
}

void TrayPreview::hideEvent(QHideEvent* e) {
  picture_.stop();
  QWidget::hideEvent(e);
}

void TrayPreview::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(e);
}

}  // namespace qel
