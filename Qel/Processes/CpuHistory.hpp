#pragma once
// The CPU values one process showed while its detail sheet is open. The value seen when the
// sheet opens only starts the comparison; each later value that differs from the one before is
// kept, and only the newest sixty stay.
#include <cstddef>
#include <vector>

namespace qel {

class CpuHistory {
 public:
  static constexpr std::size_t kMost = 60;

  // `opening`: the process's CPU when the sheet opened (percent of one core).
  explicit CpuHistory(double opening);

  // Takes the value of a new evaluation; true when it was kept. A value that is not a number
  // is passed over.
  bool see(double cpu);

  const std::vector<double>& values() const { return values_; }
  // The top of the chart: one full core, or the largest value kept when that is higher.
  double scale() const;

 private:
  std::vector<double> values_;
  double last_;
};

}  // namespace qel
