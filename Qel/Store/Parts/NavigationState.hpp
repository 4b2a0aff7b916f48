#pragma once
// Where the user is: the page, the sheets asked for, the toast.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class NavigationState : public StorePart<Concern::navigation> {
 public:
  using StorePart::StorePart;

  Page page() const;
  std::optional<std::int32_t> detailPID() const;
  const std::optional<std::string>& toast() const;
  bool showingSettings() const;
  bool showingLicenses() const;
  const std::string& settingsTab() const;
  const std::optional<Incident>& incident() const;
  const std::optional<PosterData>& exporting() const;
  const std::optional<SleepSession>& sleepReport() const;
  const std::optional<Stretch>& stretchReport() const;
};

}  // namespace qel
