#include "Qel/Pages/Network/NetTalkers.hpp"

#include <algorithm>
#include <cmath>

namespace qel {
namespace {

// A rate that is not a number counts as no traffic, so the order stays well defined.
double rateOf(const ProcInfo& p) {
  const double r = p.netDown + p.netUp;
  return std::isfinite(r) ? r : 0.0;
}

}  // namespace

std::vector<ProcInfo> netTalkers(const std::vector<ProcInfo>& procs) {
  std::vector<ProcInfo> out;
  for (const auto& p : procs)
    if (p.netTotal != 0) out.push_back(p);
  std::stable_sort(out.begin(), out.end(), [](const ProcInfo& a, const ProcInfo& b) {
    const double ra = rateOf(a), rb = rateOf(b);
    if (ra != rb) return ra > rb;
    return double(a.netTotal) > double(b.netTotal);
  });
  return out;
}

int onlineCount(const std::vector<ProcInfo>& talkers) {
  return int(std::count_if(talkers.begin(), talkers.end(), [](const ProcInfo& p) { return rateOf(p) > 0; }));
}

}  // namespace qel
