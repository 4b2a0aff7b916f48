#pragma once
// The main window's sheets as the program presents them: every view registered, over a stand-in
// for the window, opened and closed by the fixture's store.
#include <QDialog>
#include <QWidget>

#include "Qel/App/MainViews.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/Window/BusyAfternoon.hpp"

namespace qel::test {

struct HostedSheets {
  explicit HostedSheets(BusyAfternoon& day)
      : updater(day.defaults, {}), owner(), host((registerMainViews(registry, updater), day.context()), registry, &owner) {
    owner.resize(900, 700);
    owner.show();
  }
  // The sheet of type T on show, or none.
  template <class T>
  T* shown() const {
    return host.dialog() ? host.dialog()->findChild<T*>() : nullptr;
  }

  Updater updater;
  ViewRegistry registry;
  QWidget owner;
  SheetHost host;
};

}  // namespace qel::test
