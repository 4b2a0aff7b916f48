#include "Qel/App/QtExecutor.hpp"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>

namespace qel {

void QtExecutor::post(std::function<void()> work) {
  QMetaObject::invokeMethod(&context_, std::move(work), Qt::QueuedConnection);
}

void QtExecutor::postAfter(std::chrono::milliseconds delay, std::function<void()> work) {
  // The timer must start in the GUI thread, so it is started from there.
  const auto wait = std::max(delay, std::chrono::milliseconds(0));
  post([this, wait, work = std::move(work)]() mutable { QTimer::singleShot(wait, &context_, std::move(work)); });
}

}  // namespace qel
