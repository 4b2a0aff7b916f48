#include "Qel/Samplers/NetTopSampler.hpp"

#include <algorithm>
#include <memory>

namespace qel {
namespace {

constexpr double kMinInterval = 0.5;  // seconds

double rate(std::uint64_t now, std::uint64_t before, double seconds) {
  return now >= before ? double(now - before) / seconds : 0.0;
}

}  // namespace

NetTopSampler::NetTopSampler()
    : NetTopSampler([traffic = std::make_shared<ProcessTraffic>()] { return traffic->sample(); }) {}

NetTopSampler::NetTopSampler(Source source, const Clock& clock)
    : source_(std::move(source)), clock_(clock), lastTime_(clock.monotonic()) {}

std::optional<std::map<std::int32_t, NetUse>> NetTopSampler::sample() {
  auto totals = source_ ? source_() : std::nullopt;
  if (!totals) return std::nullopt;
  const MonoTime now = clock_.monotonic();
  const double elapsed = std::max(Seconds(now - lastTime_).count(), kMinInterval);

  std::map<std::int32_t, NetUse> out;
  for (const auto& [pid, bytes] : *totals) {
    NetUse use;
    const auto last = last_.find(pid);
    // Only the same process (pid and start time) has a rate; a reused pid starts afresh.
    if (last != last_.end() && last->second.startTime == bytes.startTime) {
      use.down = rate(bytes.in, last->second.in, elapsed);
      use.up = rate(bytes.out, last->second.out, elapsed);
    }
    use.total = bytes.in + std::min(bytes.out, ~bytes.in);
    out.emplace(pid, use);
  }
  last_ = std::move(*totals);
  lastTime_ = now;
  return out;
}

}  // namespace qel
