#include "Qel/Kit/Widgets/CapsuleButton.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"

namespace qel {

namespace {
constexpr int padding = Space::l;
constexpr int spacing = Space::s;
}  // namespace

CapsuleButton::CapsuleButton(std::string symbol, double symbolSize, const QString& toolTip, QWidget* parent)
    : QAbstractButton(parent), symbol_(std::move(symbol)), symbolSize_(symbolSize) {
  setFont(Fonts::text(Type::footnote, QFont::Medium));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setToolTip(plainToolTip(toolTip));
  setFixedHeight(kHeight);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  Palette::followAppearance(this);
  connect(&animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
    presence_ = v.toDouble();
    update();
  });
  connect(&animation_, &QVariantAnimation::finished, this, [this] {
    if (present_) return;
    hide();
    emit gone();
  });
}

void CapsuleButton::setPresent(bool on) {
  if (on == present_) return;
  present_ = on;
  animation_.stop();
  if (on) show();
  // Only a window on screen plays the change; otherwise it lands at once.
  const int duration = window()->isVisible() ? Motion::duration(250) : 0;
  if (duration == 0) {
    presence_ = on ? 1 : 0;
    update();
    if (!on) {
      hide();
      emit gone();
    }
    return;
  }
  animation_.setEasingCurve(Motion::easeOut());
  animation_.setDuration(duration);
  animation_.setStartValue(presence_);
  animation_.setEndValue(on ? 1.0 : 0.0);
  animation_.start();
}

int CapsuleButton::symbolWidth() const {
  return QFontMetrics(Fonts::icons(symbolSize_)).horizontalAdvance(Glyphs::text(symbol_));
}

void CapsuleButton::setBrief(const QString& words) {
  if (words == brief_) return;
  brief_ = words;
  if (form_ == Form::brief) {
    updateGeometry();
    update();
  }
}

void CapsuleButton::setForm(Form form) {
  if (form == form_) return;
  form_ = form;
  updateGeometry();
  update();
}

QString CapsuleButton::wordsAt(Form form) const {
  switch (form) {
    case Form::full: return text();
    case Form::brief: return brief_;
    case Form::symbol: return {};
  }
  return {};
}

QString CapsuleButton::shownText() const { return wordsAt(form_); }

int CapsuleButton::widthAt(Form form) const {
  const QString words = wordsAt(form);
  if (words.isEmpty()) return padding + symbolWidth() + padding;
  // Whole pixels up from the text's advance: rounded down, the text would be a pixel too long.
  const int textWidth = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(words)));
  return padding + symbolWidth() + spacing + textWidth + padding;
}

QSize CapsuleButton::sizeHint() const { return {widthAt(form_), kHeight}; }

QSize CapsuleButton::minimumSizeHint() const { return {widthAt(Form::symbol), kHeight}; }

void CapsuleButton::changeEvent(QEvent* event) {
  QAbstractButton::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateGeometry();
}

void CapsuleButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setOpacity(presence_);
  const double scale = 0.9 + 0.1 * presence_;
  p.translate(width() / 2.0, height() / 2.0);
  p.scale(scale, scale);
  p.translate(-width() / 2.0, -height() / 2.0);
  const bool light = Palette::light();
  const QColor fill = Palette::withAlpha(Palette::calm(), light ? 0.18 : 0.14);
  const QColor ink = Palette::calmText().resolve();
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const double radius = box.height() / 2;
  p.setPen(focusRingShown(this) ? QPen(ink, 1.5) : Qt::NoPen);  // keyboard focus shows as a ring
  p.setBrush(fill);
  p.drawRoundedRect(box, radius, radius);

  const int symbol = symbolWidth();
  const QString words = shownText();
  if (words.isEmpty()) {  // the symbol alone, in the middle
    Glyphs::draw(p, QRectF(0, 0, width(), height()), symbol_, symbolSize_, ink);
    return;
  }
  Glyphs::draw(p, QRectF(padding, 0, symbol, height()), symbol_, symbolSize_, ink);
  p.setFont(font());
  p.setPen(ink);
  const int textLeft = padding + symbol + spacing;
  const QString shown = QFontMetricsF(font()).elidedText(words, Qt::ElideRight, width() - textLeft - padding);
  p.drawText(QRectF(textLeft, 0, width(), height()), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

}  // namespace qel
