#include "Qel/Sheets/Reports/SleepLine.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Qel/History/WakeKind.hpp"
#include "Qel/Kit/Follow.hpp"

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/AppearanceNotifier.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr int kGap = Space::m;
constexpr int kMoon = 14;

}  // namespace

SleepLine::SleepLine(SleepState sleep, NavigationState navigation, Navigator& navigator, QWidget* parent)
    : QAbstractButton(parent), sleep_(sleep), navigation_(navigation), navigator_(navigator) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(qs(L("View sleep report")));
  setFont(Fonts::text(Type::body));
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (session_) navigator_.setSleepReport(session_);
  });
  follow(sleep_.changed() | navigation_.changed(), this, [this] {
    auto last = sleep_.lastSleep();
    if (last == session_) return;
    session_ = std::move(last);
    update();
  });
  session_ = sleep_.lastSleep();
  Palette::followAppearance(this);
}

QSize SleepLine::sizeHint() const {
  const QFontMetrics m(font());
  return {kMoon + kGap + m.horizontalAdvance(session_ ? qs(sleep_.sleepSummary(*session_)) : QString()) + kGap +
              QFontMetrics(Fonts::text(Type::body, QFont::Medium)).horizontalAdvance(qs(L("View"))) + 4,
          m.height() + 4};
}

void SleepLine::paintEvent(QPaintEvent*) {
  if (!session_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  Glyphs::draw(p, QRectF(0, 0, kMoon, box.height()), "moon.fill", 11 * 1.3, Palette::warn());
  const QFont medium = Fonts::text(Type::body, QFont::Medium);
  const QString view = qs(L("View"));
  const double viewWidth = QFontMetricsF(medium).horizontalAdvance(view);
  const double textLeft = kMoon + kGap;
  const double textRoom = std::max(0.0, box.width() - textLeft - kGap - viewWidth - 2);
  const QString summary = elidedName(this, QFontMetricsF(font()), qs(sleep_.sleepSummary(*session_)), textRoom);
  const double summaryWidth = fontMetrics().horizontalAdvance(summary);
  p.setFont(font());
  p.setPen(Palette::secondaryText().resolve());
  p.drawText(QRectF(textLeft, 0, textRoom, box.height()), Qt::AlignLeft | Qt::AlignVCenter, summary);
  p.setFont(medium);
  p.setPen(accentText(navigation_.page()).resolve());
  p.drawText(QRectF(textLeft + summaryWidth + kGap, 0, viewWidth + 2, box.height()), Qt::AlignLeft | Qt::AlignVCenter,
             view);
  if (focusRingShown(this)) paintFocusRing(p, box, 6);
}

}  // namespace qel
