#include "Qel/Processes/CpuHistory.hpp"

#include <algorithm>
#include <cmath>

namespace qel {

CpuHistory::CpuHistory(double opening) : last_(opening) {}

bool CpuHistory::see(double cpu) {
  if (!std::isfinite(cpu) || cpu == last_) return false;
  last_ = cpu;
  values_.push_back(cpu);
  if (values_.size() > kMost) values_.erase(values_.begin(), values_.end() - std::ptrdiff_t(kMost));
  return true;
}

double CpuHistory::scale() const {
  double top = 100;
  for (const double v : values_) top = std::max(top, v);
  return top;
}

}  // namespace qel
