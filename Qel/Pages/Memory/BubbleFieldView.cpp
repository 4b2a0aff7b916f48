#include "Qel/Pages/Memory/BubbleFieldView.hpp"

#include <QDateTime>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/Memory/BubbleGeometry.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

BubbleFieldView::BubbleFieldView(LiveState live, ProcessState processes, Navigator& navigator, QWidget* parent)
    : QWidget(parent),
      live_(live),
      processes_(processes),
      navigator_(navigator),
      frames_([this] { frame(); }),
      screen_(this, [this] {
        if (!screen_.on()) {
          frames_.stop();
        } else if (!frames_.isActive()) {
          takeItems();
          frame();
        }
      }) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(qtL("Memory bubble chart"));
  Palette::followAppearance(this);
}

QPointF BubbleFieldView::centre() const {
  const QRectF square = squareFit(QSizeF(size()));
  return square.center();
}

double BubbleFieldView::fieldRadius() const { return std::max(squareFit(QSizeF(size())).width() / 2 - 24, 0.0); }

void BubbleFieldView::schedule() {
  if (!screen_.on()) {
    frames_.stop();
    return;
  }
  // Without motion the field still settles, a step a second.
  frames_.startNextStep();
}

void BubbleFieldView::takeItems() { items_ = bubbleItems(processes_.procs(), live_.mem()); }

void BubbleFieldView::frame() {
  const MemSample& mem = live_.mem();
  model_.sync(items_, mem.total, fieldRadius());
  // Seconds since 2001, as the drift's phase.
  model_.step(double(QDateTime::currentMSecsSinceEpoch()) / 1000.0 - 978307200.0);
  const QString description = QString::fromStdString(L("%@ used", {fmtPercent(mem.usedFraction())}));
  if (description != accessibleDescription()) setAccessibleDescription(description);
  // The field's square only, and only when a pixel of it moves: the rest of the view stays.
  if (painter_.changes(model_, centre(), live_.mem().pressure, devicePixelRatioF(), Palette::light()))
    update(squareFit(QSizeF(size())).toAlignedRect());
  schedule();
}

void BubbleFieldView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  painter_.paint(p, model_, centre(), live_.mem().pressure);
}

void BubbleFieldView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPointF at = event->position() - centre();
  if (std::hypot(at.x(), at.y()) > squareFit(QSizeF(size())).width() / 2) return;
  const Bubble* b = model_.hit(at.x(), at.y());
  if (b && b->pid) navigator_.setDetailPID(*b->pid);
}

}  // namespace qel
