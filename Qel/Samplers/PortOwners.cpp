#include "Qel/Samplers/PortOwners.hpp"

#include <time.h>
#include <unistd.h>

#include "Qel/Platform/Proc/ProcPidStat.hpp"

namespace qel {

bool commandMatches(std::string_view listed, std::string_view comm) {
  return !listed.empty() && comm.substr(0, listed.size()) == listed;
}

std::optional<RunningProcess> readRunningProcess(std::int32_t pid, const SysRoot& root) {
  if (pid <= 0) return std::nullopt;
  const auto text = readText(root.proc(std::to_string(pid) + "/stat"), 4096);
  const auto stat = text ? parsePidStat(*text) : std::nullopt;
  if (!stat) return std::nullopt;
  return RunningProcess{std::string(stat->comm), stat->startTime};
}

std::uint64_t bootTicksNow() {
  timespec ts{};
  if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0) return 0;
  const long hz = sysconf(_SC_CLK_TCK);
  const auto perSecond = std::uint64_t(hz > 0 ? hz : 100);
  return std::uint64_t(ts.tv_sec) * perSecond + std::uint64_t(ts.tv_nsec) * perSecond / 1'000'000'000u;
}

std::optional<std::int32_t> portEndTarget(const PortEntry& entry, const std::optional<ProcInfo>& sampled,
                                          const std::optional<RunningProcess>& now, std::uint64_t listedAt) {
  if (entry.pid <= 1 || !sampled || !now || sampled->pid != entry.pid || sampled->isSystem) return std::nullopt;
  if (sampled->startTime == 0 || now->startTime != sampled->startTime) return std::nullopt;
  if (!commandMatches(entry.command, now->comm) || now->startTime > listedAt) return std::nullopt;
  return entry.pid;
}

}  // namespace qel
