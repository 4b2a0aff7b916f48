#pragma once
// The main window's sheets as the program presents them: every view registered, over a stand-in
// for the window, opened and closed by the fixture's store.
#include <QDialog>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

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

  // Every sheet but the settings, each with what opens it.
  std::vector<std::pair<std::string, std::function<void()>>> everySheet(Store& store) {
    return {
        {"what's new", [this] { updater.setShowingWhatsNew(true); }},
        {"licenses", [&store] { store.setShowingLicenses(true); }},
        {"export", [&store] { store.setExporting(store.posterData()); }},
        {"replay", [&store] { store.setIncident(store.insightFindings().insight.analyze(store.clock().now())); }},
        {"sleep", [&store] { store.setSleepReport(store.lastSleep()); }},
        {"stretch", [&store] { store.setStretchReport(store.stretchLog().stretches.front()); }},
        {"process", [&store] { store.setDetailPID(4410); }},
    };
  }
  // Closes whichever of them is open.
  void closeAll(Store& store) {
    updater.setShowingWhatsNew(false);
    store.setShowingLicenses(false);
    store.setExporting(std::nullopt);
    store.setIncident(std::nullopt);
    store.setSleepReport(std::nullopt);
    store.setStretchReport(std::nullopt);
    store.setDetailPID(std::nullopt);
    BusyAfternoon::settle();
  }

  Updater updater;
  ViewRegistry registry;
  QWidget owner;
  SheetHost host;
};

}  // namespace qel::test
