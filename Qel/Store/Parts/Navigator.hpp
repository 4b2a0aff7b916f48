#pragma once
// Where the user goes: the page, the ring's slot and day, the process table's search and choice,
// the sheets and the toast. What a view is given that moves the user, and nothing more.
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "Qel/History/Incident.hpp"
#include "Qel/History/SleepSession.hpp"
#include "Qel/History/Stretch.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/PosterData.hpp"

namespace qel {

class Navigator {
 public:
  virtual ~Navigator() = default;

  virtual void setPage(Page page) = 0;
  virtual void setRingMode(RingMode mode) = 0;
  virtual void setSelectedSlot(std::optional<int> slot) = 0;
  // Picks a slot (or a second in live mode); a slot beside a day's event picks the event's slot.
  virtual void select(int slot) = 0;
  // Shows a past day; nothing or today's key goes back to today.
  virtual void showDay(std::optional<std::string> key) = 0;
  virtual void stepDay(int delta) = 0;
  virtual void setSort(SortKey key) = 0;
  virtual void setQuery(std::string query) = 0;
  virtual void setSelection(std::set<std::int32_t> selection) = 0;
  virtual void setDetailPID(std::optional<std::int32_t> pid) = 0;
  virtual void show(std::string toast) = 0;
  // A view that shows the toast came on screen or left it.
  virtual void setToastViewer(const void* viewer, bool onScreen) = 0;
  virtual void setShowingSettings(bool on) = 0;
  void openSettings() { setShowingSettings(true); }
  virtual void setShowingLicenses(bool on) = 0;
  virtual void setSettingsTab(std::string tab) = 0;
  virtual void setPortQuery(std::string query) = 0;
  virtual void setIncident(std::optional<Incident> incident) = 0;
  virtual void setSleepReport(std::optional<SleepSession> session) = 0;
  virtual void setStretchReport(std::optional<Stretch> stretch) = 0;
  // The day summed up for a picture; none ends the export.
  virtual void setExporting(std::optional<PosterData> data) = 0;
};

}  // namespace qel
