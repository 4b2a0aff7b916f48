#pragma once
// What a tab of the tab bar says of its part of the machine: its number, whether that part is
// unusually busy, and the length of its load line.
#include <optional>
#include <string>

#include "Qel/Store/Enums.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"

namespace qel {

struct TabReadout {
  std::optional<std::string> value;  // none: the tab shows no number
  bool unusual{};
  double load{};  // 0 to 1 (cpu, gpu and memory as measured)
  bool operator==(const TabReadout&) const = default;
};

TabReadout tabReadout(const LiveState& live, Page page);

// Watts with one decimal, as the tab and the rows write them ("23.2 W").
std::string wattsText(double w);

// The widest text a tab's number usually takes, so the tab keeps its width as its digits change;
// a wider one (a disk past 1,000 MB/s) widens its tab for as long as it shows.
std::string widestTabValue(Page page);

// The style in force: an unknown or empty setting counts as "always".
TabValueStyle tabValueStyle(const SettingsState& settings);

}  // namespace qel
