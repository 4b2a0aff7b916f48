#pragma once
// The tray panel's parts and doors, all of them the one store's.
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

inline PanelParts panelParts(Store& store) {
  return {.live = LiveState(store),
          .processes = ProcessState(store),
          .day = DayState(store),
          .insights = InsightState(store),
          .sleep = SleepState(store),
          .taming = TamingState(store),
          .navigation = NavigationState(store),
          .changes = store.changes(Concern::all),
          .navigator = store,
          .processActions = store,
          .settingsActions = store};
}

}  // namespace qel
