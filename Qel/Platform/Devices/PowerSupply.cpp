#include "Qel/Platform/Devices/PowerSupply.hpp"

#include <algorithm>
#include <system_error>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

std::optional<std::string_view> PowerSupply::text(const std::string& key) const {
  const auto it = props.find(key);
  if (it == props.end()) return std::nullopt;
  return std::string_view(it->second);
}

std::optional<std::int64_t> PowerSupply::number(const std::string& key) const {
  const auto t = text(key);
  if (!t) return std::nullopt;
  return parseI64(*t);
}

std::map<std::string, std::string> parseUevent(std::string_view text) {
  constexpr std::string_view prefix = "POWER_SUPPLY_";
  std::map<std::string, std::string> out;
  std::string_view line;
  while (nextLine(text, line)) {
    if (!line.starts_with(prefix)) continue;
    line.remove_prefix(prefix.size());
    const auto eq = line.find('=');
    if (eq == 0 || eq == std::string_view::npos) continue;
    out.insert_or_assign(std::string(line.substr(0, eq)), std::string(trim(line.substr(eq + 1))));
  }
  return out;
}

std::vector<PowerSupply> readPowerSupplies(const SysRoot& root) {
  std::vector<PowerSupply> out;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(root.sys("class/power_supply"), ec), end; !ec && it != end;
       it.increment(ec)) {
    const auto text = readText(it->path() / "uevent", 65536);
    if (!text) continue;
    out.push_back({it->path().filename().string(), parseUevent(*text)});
  }
  std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return out;
}

}  // namespace qel
