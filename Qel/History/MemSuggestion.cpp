#include "Qel/History/MemSuggestion.hpp"

#include <algorithm>
#include <set>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr std::uint64_t kWorthQuitting = 300ull << 20;

}  // namespace

bool adviceWanted(double pressure, bool showingNow) {
  if (pressure >= 60.0) return true;
  if (pressure < 50.0) return false;
  return showingNow;
}

std::string idleText(std::optional<Date> lastFront, Date launch, Date now) {
  using std::chrono::duration_cast;
  if (lastFront) {
    const long long s = duration_cast<std::chrono::seconds>(now - *lastFront).count();
    if (s <= 59) return L("used just now");
    if (s <= 3599) return L("unused for %@ min", {std::to_string(s / 60)});
    return L("unused for %@ h", {std::to_string(s / 3600)});
  }
  const long long m = duration_cast<std::chrono::minutes>(now - launch).count();
  if (m <= 0) return L("not used since Qel started");
  if (m <= 59) return L("unused for at least %@ min", {std::to_string(m)});
  return L("unused for at least %@ h", {std::to_string(m / 60)});
}

std::vector<MemSuggestion> memorySuggestions(const AdviceInput& in) {
  // Per app key, the memory of its processes; an app's key is also what the front app has.
  std::map<std::string, std::uint64_t> totals;
  for (const auto& p : in.procs) {
    if (p.isSystem || p.pid == in.ownPID || !isAppKey(p.appKey)) continue;
    if (in.frontKey && p.appKey == *in.frontKey) continue;
    auto& t = totals[p.appKey];
    t = p.mem > ~t ? ~std::uint64_t{0} : t + p.mem;
  }

  std::set<std::string> leaking;
  for (const auto& f : in.findings) {
    if (!f.facts.isMemory) continue;
    const auto p = std::find_if(in.procs.begin(), in.procs.end(), [&](const ProcInfo& q) { return q.pid == f.pid; });
    if (p != in.procs.end()) leaking.insert(p->appKey);
  }

  struct Scored {
    std::string key;
    std::uint64_t bytes;
    double score;
  };
  std::vector<Scored> candidates;
  for (const auto& [key, bytes] : totals) {
    if (bytes < kWorthQuitting) continue;
    const auto last = in.lastFront.find(key);
    const Date since = last != in.lastFront.end() ? last->second : in.launch;
    const double hours = std::chrono::duration<double>(in.now - since).count() / 3600.0;
    // Idle time weighs from 1× (just used) to 5× (idle four hours or more).
    const double score = (std::clamp(hours, 0.0, 4.0) + 1.0) * double(bytes) * (leaking.count(key) ? 1.5 : 1.0);
    candidates.push_back({key, bytes, score});
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const Scored& a, const Scored& b) { return a.score > b.score; });
  if (candidates.size() > 3) candidates.resize(3);

  std::vector<MemSuggestion> out;
  for (const auto& c : candidates) {
    const auto last = in.lastFront.find(c.key);
    out.push_back({.key = c.key,
                   .name = in.appName ? in.appName(c.key) : c.key,
                   .bytes = c.bytes,
                   .idleText = idleText(last != in.lastFront.end() ? std::optional(last->second) : std::nullopt,
                                        in.launch, in.now),
                   .leaking = leaking.count(c.key) > 0});
  }
  return out;
}

}  // namespace qel
