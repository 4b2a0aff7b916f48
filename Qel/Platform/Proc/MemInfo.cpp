#include "Qel/Platform/Proc/MemInfo.hpp"

#include <algorithm>
#include <array>
#include <system_error>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

MemInfo parseMemInfo(std::string_view text) {
  MemInfo m;
  struct Key {
    std::string_view name;
    std::uint64_t MemInfo::*field;
  };
  static constexpr std::array<Key, 10> keys{{
      {"MemTotal", &MemInfo::memTotal},
      {"MemAvailable", &MemInfo::memAvailable},
      {"AnonPages", &MemInfo::anonPages},
      {"Unevictable", &MemInfo::unevictable},
      {"SUnreclaim", &MemInfo::sUnreclaim},
      {"KernelStack", &MemInfo::kernelStack},
      {"PageTables", &MemInfo::pageTables},
      {"Zswap", &MemInfo::zswap},
      {"SwapTotal", &MemInfo::swapTotal},
      {"SwapFree", &MemInfo::swapFree},
  }};
  std::string_view line;
  while (nextLine(text, line)) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const auto name = line.substr(0, colon);
    const auto key = std::find_if(keys.begin(), keys.end(), [&](const Key& k) { return k.name == name; });
    if (key == keys.end()) continue;
    auto rest = line.substr(colon + 1);
    const auto value = parseU64(nextField(rest));
    const auto unit = nextField(rest);
    if (!value) continue;
    const auto bytes = unit == "kB" ? checkedMul(*value, 1024) : (unit.empty() ? value : std::nullopt);
    if (!bytes) continue;
    m.*(key->field) = *bytes;
    if (key->field == &MemInfo::memAvailable) m.hasAvailable = true;
  }
  return m;
}

std::optional<std::uint64_t> parseZramMemUsed(std::string_view mmStat) {
  nextField(mmStat);  // orig_data_size
  nextField(mmStat);  // compr_data_size
  return parseU64(nextField(mmStat));
}

MemInfoReader::MemInfoReader(const SysRoot& root) : meminfo_(root.proc("meminfo")) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(root.sys("block"), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().starts_with("zram")) zram_.emplace_back(it->path() / "mm_stat");
  }
}

std::optional<MemInfo> MemInfoReader::read() {
  if (!meminfo_.read(buffer_)) return std::nullopt;
  return parseMemInfo(buffer_);
}

std::uint64_t MemInfoReader::zramBytes() {
  std::uint64_t sum = 0;
  for (const auto& f : zram_) {
    if (!f.read(buffer_, 4096)) continue;
    if (const auto used = parseZramMemUsed(buffer_)) sum = saturatingAdd(sum, *used);
  }
  return sum;
}

}  // namespace qel
