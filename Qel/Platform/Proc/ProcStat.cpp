#include "Qel/Platform/Proc/ProcStat.hpp"

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
constexpr unsigned kMaxCpu = 1u << 20;

std::optional<CpuTicks> parseCpuLine(std::string_view line) {
  const auto name = nextField(line);
  if (name.size() < 4 || !name.starts_with("cpu")) return std::nullopt;
  const auto id = parseU64(name.substr(3));
  if (!id || *id >= kMaxCpu) return std::nullopt;
  // user nice system idle iowait irq softirq steal guest guest_nice; old kernels stop early.
  std::uint64_t v[8] = {};
  int count = 0;
  for (; count < 8; ++count) {
    const auto field = nextField(line);
    if (field.empty()) break;
    const auto n = parseU64(field);
    if (!n) return std::nullopt;
    v[count] = *n;
  }
  if (count < 4) return std::nullopt;
  // Unsigned sums wrap rather than overflow; at 100 ticks a second they never get near.
  return CpuTicks{.cpu = unsigned(*id),
                  .user = v[0],
                  .nice = v[1],
                  .system = v[2] + v[5] + v[6],
                  .steal = v[7],
                  .idle = v[3] + v[4]};
}
}  // namespace

std::vector<CpuTicks> parseProcStat(std::string_view text) {
  std::vector<CpuTicks> out;
  std::string_view line;
  while (nextLine(text, line)) {
    if (!line.starts_with("cpu")) {
      if (!out.empty()) break;  // the cpu lines come first and together
      continue;
    }
    if (auto ticks = parseCpuLine(line)) out.push_back(*ticks);
  }
  return out;
}

ProcStat::ProcStat(const SysRoot& root) : file_(root.proc("stat")) {}

std::optional<std::vector<CpuTicks>> ProcStat::read() {
  if (!file_.read(buffer_)) return std::nullopt;
  auto ticks = parseProcStat(buffer_);
  if (ticks.empty()) return std::nullopt;
  return ticks;
}

}  // namespace qel
