#pragma once
// A store on Qt's event loop with no readers, its bridge and the program's view registry, for
// tests of the main window. Motion is off, so every animation ends at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>

#include <memory>

#include "Qel/App/MainViews.hpp"
#include "Qel/App/QtExecutor.hpp"
#include "Qel/App/StoreBridge.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/ViewRegistry.hpp"
#include "tests/support/TempDir.hpp"

namespace qel::test {

// Runs what is posted to the event loop (store notifications, queued rebuilds, deletions).
inline void settle() {
  for (int i = 0; i < 6; ++i) {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// A left click at `pos` in `widget`.
inline void click(QWidget* widget, QPoint pos) {
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
  }
}

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() {
    Motion::setEnabled(false);
    StoreServices services;
    services.main = &main;
    services.defaults = &defaults;
    store = std::make_unique<Store>(std::move(services));
    bridge = std::make_unique<StoreBridge>(*store);
    registerMainViews(registry, updater);
  }
  ~ShellTest() override {
    if (store->setting(Setting::language) != "en") Loc::set("en", nullptr);
    settle();
  }

  ViewContext context() { return viewContext(*store); }

  // Sets the CPU load as a tick would.
  void setLoad(double total) {
    Snapshot s;
    s.cpu = CPUSample{.total = total};
    store->apply(s);
  }

  TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  QtExecutor main;
  std::unique_ptr<Store> store;
  std::unique_ptr<StoreBridge> bridge;
  Updater updater{defaults, {}};
  ViewRegistry registry;
};

}  // namespace qel::test
