#pragma once
// What the main window is built from: a factory per page, the tab bar, the items of the top
// bar, and the sheets with the store property that presents each. The views of later parts of
// the program plug in here; a page or sheet without a factory yet is shown by its stand-in
// (a page's headline) or not at all (a sheet, whose request is kept).
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Store/Desktop.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/InsightActions.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/SettingsActions.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"
#include "Qel/Store/Parts/SleepState.hpp"
#include "Qel/Store/Parts/StretchActions.hpp"
#include "Qel/Store/Parts/StretchState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"

namespace qel {

// What every view of the main window is made with: the parts of the store it may read, and the
// doors through which it acts. Each view takes out only what it uses.
struct ViewContext {
  LiveState live;
  ProcessState processes;
  DayState day;
  InsightState insights;
  SleepState sleep;
  StretchState stretches;
  TamingState taming;
  SettingsState settings;
  NavigationState navigation;
  // Every part's changes at once, for a view that reads across them all.
  Notice::Part everything;
  Navigator& navigator;
  ProcessActions& processActions;
  SettingsActions& settingsActions;
  StretchActions& stretchActions;
  InsightActions& insightActions;
  Desktop* desktop = nullptr;
};

using ViewFactory = std::function<QWidget*(const ViewContext&, QWidget* parent)>;

struct SheetEntry {
  std::string name;
  // The sheet's request: none while it is not asked for; a value while it is, which changes
  // when another item is asked for (another process, another incident).
  std::function<std::optional<std::string>(const NavigationState&)> request;
  // Withdraws the request (the sheet was closed).
  std::function<void(Navigator&)> clear;
  // The sheet's content; empty until the sheet is built.
  ViewFactory factory;
  // For a request read outside the store: calls `recheck` on each change of its source for as
  // long as `host` lives. The store's own changes are followed without it.
  std::function<void(QObject* host, std::function<void()> recheck)> watch;
};

class ViewRegistry {
 public:
  void setPage(Page page, ViewFactory factory) { pages_[page] = std::move(factory); }
  // The page's factory; null when the page has none yet.
  const ViewFactory* page(Page page) const;

  void setTabBar(ViewFactory factory) { tabBar_ = std::move(factory); }
  const ViewFactory& tabBar() const { return tabBar_; }

  // A named place inside a page that a later part of the program fills (the overview's finding
  // card, its process table); a place without a view shows nothing.
  void setSlot(const std::string& name, ViewFactory factory) { slots_[name] = std::move(factory); }
  // The slot's view, made now; null when nothing fills the slot.
  QWidget* makeSlot(const std::string& name, const ViewContext& context, QWidget* parent) const;

  // Items of the top bar before its replay button, leading to trailing.
  void addTopBarItem(ViewFactory factory) { topBarItems_.push_back(std::move(factory)); }
  const std::vector<ViewFactory>& topBarItems() const { return topBarItems_; }

  // Adds a sheet, or replaces the one of the same name (keeping its place).
  void addSheet(SheetEntry sheet);
  // Gives a known sheet its content; false when no sheet has that name.
  bool setSheetFactory(const std::string& name, ViewFactory factory);
  // In priority order: of two asked for at once, the earlier opens first.
  const std::vector<SheetEntry>& sheets() const { return sheets_; }

  // The replay of the last sixty seconds ("What just happened").
  void setReplay(std::function<void()> replay) { replay_ = std::move(replay); }
  void replay() const {
    if (replay_) replay_();
  }

 private:
  std::map<Page, ViewFactory> pages_;
  ViewFactory tabBar_;
  std::map<std::string, ViewFactory> slots_;
  std::vector<ViewFactory> topBarItems_;
  std::vector<SheetEntry> sheets_;
  std::function<void()> replay_;
};

}  // namespace qel
