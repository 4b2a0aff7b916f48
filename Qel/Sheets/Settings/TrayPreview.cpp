#include "Qel/Sheets/Settings/TrayPreview.hpp"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Art/MenuIconGeometry.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Store/MenuBarPart.hpp"

namespace qel {

bool iconShown(const SettingsState& settings) {
  return settings.get(Setting::menuItems).count("ring") > 0 || menuBarText(settings.menuBarParts()).empty();
}

MenuIconStyle chosenStyle(const SettingsState& settings) {
  return menuIconStyleFromRaw(settings.get(Setting::menuIconStyle)).value_or(MenuIconStyle::auto_);
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

namespace {

// The wash's padding at each end, the gap between icon and text, and the preview's height.
constexpr double kPreviewPad = Space::ml;
constexpr double kPreviewGap = Space::xs;
constexpr int kPreviewHeight = Space::sheetWide;

}  // namespace

void TrayPreview::refresh() {
  const auto parts = settings_->menuBarParts();
  const bool icon = iconShown(*settings_);
  if (icon)
    picture_.sync(*live_, chosenStyle(*settings_));
  else
    picture_.stop();
  const QImage& image = picture_.image();
  const double iconWidth = !icon ? 0 : image.isNull() ? kMenuIconSide : image.width() / image.devicePixelRatio();
  QString text = qs(menuBarText(parts)), guide = qs(menuBarGuide(parts));
  // The picture repaints itself; the rest only when it changes.
  if (icon == icon_ && iconWidth == iconWidth_ && text == text_ && guide == guide_) return;
  icon_ = icon;
  iconWidth_ = iconWidth;
  text_ = std::move(text);
  guide_ = std::move(guide);
  if (sizeHint() != hinted_) {
    hinted_ = sizeHint();
    updateGeometry();
  }
  update();
}

QRectF TrayPreview::iconBox() const { return {kPreviewPad, 0, iconWidth_, double(height())}; }

QRectF TrayPreview::textBox() const {
  const QFontMetricsF metrics(font());
  const double x = kPreviewPad + (icon_ ? iconWidth_ + kPreviewGap : 0);
  return {x, 0, std::max(metrics.horizontalAdvance(guide_), metrics.horizontalAdvance(text_)), double(height())};
}

QSize TrayPreview::sizeHint() const {
  const QRectF text = textBox();
  const double right = text_.isEmpty() ? iconBox().right() : text.right();
  return {int(std::ceil(right + kPreviewPad)), kPreviewHeight};
}

void TrayPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.06, 0.06).resolve());
  p.drawRoundedRect(QRectF(rect()), Radius::key, Radius::key);
  const QColor ink = Palette::primaryText().resolve();
  // From the leading edge, icon first: figures that change width move nothing else.
  if (icon_ && !picture_.image().isNull()) drawTinted(p, picture_.image(), iconBox(), ink);
  if (!text_.isEmpty()) {
    p.setFont(font());
    p.setPen(ink);
    p.drawText(textBox(), Qt::AlignVCenter | Qt::AlignLeft, text_);
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
