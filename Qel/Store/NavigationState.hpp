#pragma once
// Where the user is: the page, the sheets asked for, the toast.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class NavigationState : public StorePart<Concern::navigation> {
 public:
  using StorePart::StorePart;

  Page page() const { return store_.page(); }
  std::optional<std::int32_t> detailPID() const { return store_.detailPID(); }
  const std::optional<std::string>& toast() const { return store_.toast(); }
  bool showingSettings() const { return store_.showingSettings(); }
  bool showingLicenses() const { return store_.showingLicenses(); }
  const std::string& settingsTab() const { return store_.settingsTab(); }
  const std::optional<Incident>& incident() const { return store_.incident(); }
  const std::optional<PosterData>& exporting() const { return store_.exporting(); }
  const std::optional<SleepSession>& sleepReport() const { return store_.sleepReport(); }
  const std::optional<Stretch>& stretchReport() const { return store_.stretchReport(); }
};

}  // namespace qel
