#include "Qel/Kit/Scrollers/ScrollerRestyler.hpp"

#include <QApplication>

#include "Qel/Kit/Scrollers/SlimScroller.hpp"

namespace qel::ScrollerRestyler {

void start() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  if (qobject_cast<SlimScroller*>(QApplication::style())) return;
  // A fresh copy of the current style underneath: the application deletes the one it replaces.
  QApplication::setStyle(new SlimScroller(QApplication::style()->name()));
}

}  // namespace qel::ScrollerRestyler
