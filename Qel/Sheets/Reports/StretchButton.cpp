#include "Qel/Sheets/Reports/StretchButton.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Legible.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kPadX = Space::l, kGap = Space::s, kFlag = 11, kStop = 9;

QString loc(std::string_view key) { return QString::fromStdString(L(key)); }
QFont wordFont() { return Fonts::text(Type::footnote, QFont::Medium); }

}  // namespace

QString elapsedReference(const QString& elapsed) {
  return elapsed.size() <= 5 ? QStringLiteral("00:00") : QStringLiteral("0:00:00");
}

StretchButton::StretchButton(StretchState stretches, StretchActions& actions, bool compact, QWidget* parent)
    : QAbstractButton(parent), stretches_(stretches), actions_(actions), compact_(compact) {
  setFont(wordFont());
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (stretches_.recording()) actions_.stopStretch();
    else actions_.startStretch();
  });
  follow(stretches_.changed(), this, [this] { refresh(); });
  retext();
  recording_ = !stretches_.recording();  // so the first refresh sets everything
  refresh();
  Palette::followAppearance(this);
}

void StretchButton::retext() {
  mark_ = loc(Lkey("Mark a stretch"));
  end_ = loc(Lkey("End"));
  const QString endTip = loc(Lkey("End this stretch and see its summary"));
  setToolTip(plainToolTip(recording_ ? endTip : loc(Lkey("Mark a stretch of time: Qel sums up what happened "
                                                          "between start and end"))));
  setAccessibleName(recording_ ? endTip : mark_);
  updateGeometry();
  update();
}

void StretchButton::refresh() {
  const bool recording = stretches_.recording().has_value();
  const QString elapsed = recording ? QString::fromStdString(stretches_.recordingText()) : QString();
  if (recording == recording_ && elapsed == elapsed_) return;
  const bool wider = elapsedReference(elapsed) != elapsedReference(elapsed_);
  elapsed_ = elapsed;
  if (recording != recording_) {
    recording_ = recording;
    retext();
    // The top bar's form is there only while a stretch is recorded.
    if (compact_) setVisible(recording_);
  } else {
    if (wider) updateGeometry();
    update();
  }
}

void StretchButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retext();
  QAbstractButton::changeEvent(event);
}

QSize StretchButton::sizeHint() const {
  const QFontMetricsF words(font());
  if (!recording_) {
    if (compact_) return {0, 0};
    return {int(std::ceil(kPadX + kFlag + kGap + words.horizontalAdvance(mark_) + kPadX)),
            int(std::ceil(words.height() + 10))};
  }
  double width = kPadX + kStop + kGap + words.horizontalAdvance(elapsedReference(elapsed_)) + kPadX;
  if (!compact_) width += kGap + words.horizontalAdvance(end_);
  return {int(std::ceil(width)), compact_ ? 34 : 26};
}

void StretchButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  const double h = box.height();
  const QFontMetricsF words(font());
  p.setPen(Qt::NoPen);
  p.setFont(font());
  if (!recording_) {
    p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
    p.drawRoundedRect(box, h / 2, h / 2);
    const QColor grey = Palette::secondaryText().resolve();
    Glyphs::draw(p, QRectF(kPadX, 0, kFlag, h), "flag", kFlag, grey);
    p.setPen(grey);
    p.drawText(QRectF(kPadX + kFlag + kGap, 0, box.width(), h), Qt::AlignLeft | Qt::AlignVCenter, mark_);
  } else {
    // The light capsule, turned dark with light words where it would vanish into a light page.
    const PillButton::Look look = PillButton::look(Palette::paper(), Palette::ink(), Legible::ground());
    p.setBrush(look.fill);
    p.drawRoundedRect(box, h / 2, h / 2);
    const QColor ink = look.ink;
    Glyphs::draw(p, QRectF(kPadX, 0, kStop, h), "stop.fill", kStop, ink);
    // Right-aligned in the reference's width, so the seconds never move what follows.
    const double left = kPadX + kStop + kGap, width = words.horizontalAdvance(elapsedReference(elapsed_));
    p.setPen(ink);
    p.drawText(QRectF(left, 0, width, h), Qt::AlignRight | Qt::AlignVCenter, elapsed_);
    if (!compact_) p.drawText(QRectF(left + width + kGap, 0, box.width(), h), Qt::AlignLeft | Qt::AlignVCenter, end_);
  }
  if (focusRingShown(this)) paintFocusRing(p, box, h / 2);
}

}  // namespace qel
