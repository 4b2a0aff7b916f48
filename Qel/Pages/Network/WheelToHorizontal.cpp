#include "Qel/Pages/Network/WheelToHorizontal.hpp"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPointingDevice>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qel {

namespace {
constexpr double kPixelsPerNotch = 40;
constexpr double kAnglePerNotch = 120;
}

std::optional<double> wheelToHorizontal(const WheelFacts& f) {
  if (f.precise || !f.sameWindow) return std::nullopt;
  if (std::abs(f.angleDelta.x()) >= std::abs(f.angleDelta.y())) return std::nullopt;
  if (!f.inside || !(f.room > 0)) return std::nullopt;
  const double notches = f.angleDelta.y() / kAnglePerNotch;
  return std::clamp(f.offset - kPixelsPerNotch * notches, 0.0, f.room);
}

WheelToHorizontal::WheelToHorizontal(QAbstractScrollArea* area) : QObject(area), area_(area) {
  // An application-wide filter sees the event before any widget in the area can take it.
  qApp->installEventFilter(this);
}

bool WheelToHorizontal::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel || !area_) return false;
  auto* target = qobject_cast<QWidget*>(watched);
  if (!target) return false;
  auto* wheel = static_cast<QWheelEvent*>(event);
  auto* bar = area_->horizontalScrollBar();
  const auto* device = wheel->pointingDevice();
  WheelFacts facts;
  facts.angleDelta = wheel->angleDelta();
  facts.precise = !wheel->pixelDelta().isNull() || wheel->phase() != Qt::NoScrollPhase ||
                  (device && device->type() == QInputDevice::DeviceType::TouchPad);
  facts.sameWindow = target->window() == area_->window();
  facts.inside = area_->rect().contains(area_->mapFromGlobal(wheel->globalPosition().toPoint()));
  facts.offset = bar->value() - bar->minimum();
  facts.room = bar->maximum() - bar->minimum();
  const auto x = wheelToHorizontal(facts);
  if (!x) return false;
  bar->setValue(bar->minimum() + int(std::lround(*x)));
  wheel->accept();
  return true;
}

}  // namespace qel
