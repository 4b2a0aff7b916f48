#include "Qel/Platform/Devices/CpuTopology.hpp"

#include <unistd.h>

#include <utility>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
constexpr std::uint64_t kMaxCpu = 1u << 20;

struct CpuRange {
  std::uint64_t first, last;
};

// The ranges of a kernel cpu list ("0-3,8" is 0-3 and 8-8) with how many processors they name;
// absent when malformed or when they name more than kMaxCpu.
std::optional<std::pair<std::vector<CpuRange>, std::uint64_t>> cpuRanges(std::string_view text) {
  text = trim(text);
  if (text.empty()) return std::nullopt;
  std::vector<CpuRange> ranges;
  std::uint64_t count = 0;
  while (!text.empty()) {
    const auto comma = text.find(',');
    const auto part = text.substr(0, comma);
    text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    const auto dash = part.find('-');
    const auto first = parseU64(part.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : parseU64(part.substr(dash + 1));
    if (!first || !last || *last < *first || *last >= kMaxCpu) return std::nullopt;
    count += *last - *first + 1;
    if (count > kMaxCpu) return std::nullopt;
    ranges.push_back({*first, *last});
  }
  return std::pair{std::move(ranges), count};
}

std::optional<unsigned> readCount(const std::filesystem::path& file) {
  const auto text = readText(file, 65536);
  if (!text) return std::nullopt;
  return parseCpuListCount(*text);
}
}  // namespace

std::optional<std::vector<unsigned>> parseCpuList(std::string_view text) {
  const auto ranges = cpuRanges(text);
  if (!ranges || ranges->second > 65536) return std::nullopt;
  std::vector<unsigned> out;
  out.reserve(ranges->second);
  for (const auto& r : ranges->first)
    for (auto n = r.first; n <= r.last; ++n) out.push_back(unsigned(n));
  return out;
}

std::optional<unsigned> parseCpuListCount(std::string_view text) {
  const auto ranges = cpuRanges(text);
  if (!ranges) return std::nullopt;
  return unsigned(ranges->second);
}

std::optional<std::string> parseModelName(std::string_view cpuinfo) {
  std::string_view line;
  while (nextLine(cpuinfo, line)) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || trim(line.substr(0, colon)) != "model name") continue;
    const auto value = trim(line.substr(colon + 1));
    if (value.empty()) return std::nullopt;
    return std::string(value);
  }
  return std::nullopt;
}

CpuTopology readCpuTopology(const SysRoot& root) {
  CpuTopology t;
  t.online = readCount(root.sys("devices/system/cpu/online"));
  if (!t.online) {
    const long n = ::sysconf(_SC_NPROCESSORS_ONLN);
    if (n > 0) t.online = unsigned(n);
  }
  t.performance = readCount(root.sys("devices/cpu_core/cpus"));
  if (const auto text = readText(root.sys("devices/cpu_atom/cpus"), 65536)) {
    t.efficiency = parseCpuListCount(*text);
    if (auto cpus = parseCpuList(*text)) t.efficiencyCpus = std::move(*cpus);
  }
  // The first processor's block is enough; reading less keeps the kernel from visiting every CPU.
  if (const auto text = readText(root.proc("cpuinfo"), 16384)) t.modelName = parseModelName(*text);
  return t;
}

}  // namespace qel
