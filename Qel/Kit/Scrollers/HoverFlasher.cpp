#include "Qel/Kit/Scrollers/HoverFlasher.hpp"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QScrollBar>

#include <chrono>

namespace qel {

namespace {

constexpr const char* kShownUntil = "qelShownUntil";

std::int64_t nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

HoverFlasher* HoverFlasher::attach(QAbstractScrollArea* area) {
  if (!area) return nullptr;
  if (auto* existing = area->findChild<HoverFlasher*>(QString(), Qt::FindDirectChildrenOnly)) return existing;
  return new HoverFlasher(area);
}

bool HoverFlasher::isShown(const QWidget* scrollBar) {
  if (!scrollBar) return false;
  const QVariant until = scrollBar->property(kShownUntil);
  return until.isValid() && until.toLongLong() > nowMs();
}

HoverFlasher::HoverFlasher(QAbstractScrollArea* area) : QObject(area), area_(area) {
  area->installEventFilter(this);
  area->viewport()->installEventFilter(this);
  area->viewport()->setAttribute(Qt::WA_Hover);
  for (auto* bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, [this] { show(); });
  hide_.setSingleShot(true);
  connect(&hide_, &QTimer::timeout, this, [this] {
    if (!area_) return;
    area_->verticalScrollBar()->update();
    area_->horizontalScrollBar()->update();
  });
}

void HoverFlasher::flash(bool force) {
  if (gate_.pass(nowMs(), force)) show();
}

void HoverFlasher::show() {
  if (!area_) return;
  const qint64 until = nowMs() + kShownMs;
  for (auto* bar : {area_->verticalScrollBar(), area_->horizontalScrollBar()}) {
    bar->setProperty(kShownUntil, until);
    bar->update();
  }
  hide_.start(kShownMs + 20);
}

bool HoverFlasher::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter: flash(true); break;
    case QEvent::HoverMove:
    case QEvent::MouseMove: flash(false); break;
    default: break;
  }
  return false;
}

}  // namespace qel
