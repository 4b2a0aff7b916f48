#pragma once
// The logical cores in the order the CPU page shows them: the efficiency cores first, then the
// performance cores, each in kernel order, with the mean load of each group. Worked out once per
// sample for every view that shows cores.
#include <span>
#include <vector>

#include "Qel/Samplers/Samples.hpp"

namespace qel {

struct CoreGroups {
  double performance{}, efficiency{};  // mean loads, 0 for an empty group
  bool operator==(const CoreGroups&) const = default;
};

struct CoreOrder {
  std::vector<double> loads, peaks;  // per logical core, the efficiency cores first
  int efficiencyCores = 0;
  CoreGroups groups;
  bool operator==(const CoreOrder&) const = default;
};

// `perCore` and `peaks` in kernel order; a missing peak counts as the load.
CoreOrder coreOrder(std::span<const double> perCore, std::span<const double> peaks, const ChipInfo& chip);

// The order that puts the efficiency cores first: the entries numbered in `efficiencyCpus`
// (processor numbers, which are the entries' indices while every processor is online), then the
// rest, each in kernel order. The identity when the list does not fit `count`.
std::vector<int> efficiencyFirst(int count, std::span<const unsigned> efficiencyCpus);

// The means of the first `efficiencyCores` entries (at most all) and of the rest.
CoreGroups coreGroups(std::span<const double> loads, int efficiencyCores);

}  // namespace qel
