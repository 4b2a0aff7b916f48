#pragma once
// The busy afternoon in the main window at a given size, with the views the program registers.
#include <QWidget>

#include "Qel/App/MainViews.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Window/BusyAfternoon.hpp"

namespace qel::test {

struct AfternoonWindow {
  AfternoonWindow(BusyAfternoon& day, QSize size) : updater(day.defaults, {}) {
    registerMainViews(registry, updater);
    window.resize(size);
    root = new RootView(day.context(), registry, &window);
    root->setGeometry(window.rect());
    window.show();
  }

  Updater updater;
  ViewRegistry registry;
  QWidget window;
  RootView* root;
};

}  // namespace qel::test
