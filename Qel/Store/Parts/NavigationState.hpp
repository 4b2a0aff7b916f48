#pragma once
// Where the user is: the page, the sheets asked for, the toast.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct Navigation {
  Page page = Page::overview;
  std::optional<std::int32_t> detailPID;
  std::optional<std::string> toast;
  bool showingSettings = false;
  bool showingLicenses = false;
  std::string settingsTab = "general";
  std::optional<Incident> incident;
  std::optional<PosterData> exporting;
  std::optional<SleepSession> sleepReport;
  std::optional<Stretch> stretchReport;
};

class NavigationState : public StorePart<Concern::navigation> {
 public:
  explicit NavigationState(const Store& store);

  Page page() const { return state_.page; }
  std::optional<std::int32_t> detailPID() const { return state_.detailPID; }
  const std::optional<std::string>& toast() const { return state_.toast; }
  bool showingSettings() const { return state_.showingSettings; }
  bool showingLicenses() const { return state_.showingLicenses; }
  const std::string& settingsTab() const { return state_.settingsTab; }
  const std::optional<Incident>& incident() const { return state_.incident; }
  const std::optional<PosterData>& exporting() const { return state_.exporting; }
  const std::optional<SleepSession>& sleepReport() const { return state_.sleepReport; }
  const std::optional<Stretch>& stretchReport() const { return state_.stretchReport; }

 private:
  const Navigation& state_;
};

}  // namespace qel
