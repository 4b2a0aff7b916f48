#include "Qel/Window/Overview/RingLegend.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

enum class Mark { dot, circle, dash };
struct Item {
  const char* text;
  Mark mark;
};
constexpr Item kItems[] = {{Lkey("Worth a look"), Mark::dot}, {Lkey("System events"), Mark::circle}, {Lkey("Marked by you"), Mark::dash}};

double markWidth(Mark m) { return m == Mark::dash ? 14 : 8; }

}  // namespace

RingLegend::RingLegend(const DayState& day, QWidget* parent) : QWidget(parent), dayState_(day) {
  setFont(Fonts::text(Type::footnote));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  Palette::followAppearance(this);
  day_ = dayState_.ringMode() == RingMode::day;
  QString names;
  for (const auto& item : kItems) names += QString::fromStdString(L(item.text)) + QStringLiteral(", ");
  setAccessibleName(names.chopped(2));
  follow(dayState_.changed(), this, [this] {
    const bool day = dayState_.ringMode() == RingMode::day;
    if (day == day_) return;
    day_ = day;
    update();
  });
}

QSize RingLegend::sizeHint() const {
  const QFontMetricsF fm(font());
  double w = 0;
  for (const auto& item : kItems) w += markWidth(item.mark) + 6 + fm.horizontalAdvance(QString::fromStdString(L(item.text)));
  w += 14 * (std::size(kItems) - 1);
  return {int(std::ceil(w)), int(std::ceil(fm.height()))};
}

void RingLegend::paintEvent(QPaintEvent*) {
  if (!day_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF fm(font());
  const QColor grey = Palette::secondaryText().resolve();
  double x = (width() - sizeHint().width()) / 2.0;
  const double mid = height() / 2.0;
  for (const auto& item : kItems) {
    const QRectF box(x, mid - 4, markWidth(item.mark), 8);
    switch (item.mark) {
      case Mark::dot:
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::warn());
        p.drawEllipse(box);
        break;
      case Mark::circle:
        p.setPen(QPen(grey, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(box.adjusted(0.65, 0.65, -0.65, -0.65));
        break;
      case Mark::dash:
        p.setPen(Qt::NoPen);
        p.setBrush(grey);
        p.drawRoundedRect(QRectF(x, mid - 1, 14, 2), Radius::line, Radius::line);
        break;
    }
    x += box.width() + 6;
    const QString text = QString::fromStdString(L(item.text));
    p.setPen(Palette::tertiaryText().resolve());
    p.setFont(font());
    p.drawText(QPointF(x, mid - fm.height() / 2 + fm.ascent()), text);
    x += fm.horizontalAdvance(text) + 14;
  }
}

}  // namespace qel
