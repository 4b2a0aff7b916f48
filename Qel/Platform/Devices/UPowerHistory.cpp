#include "Qel/Platform/Devices/UPowerHistory.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "Qel/Platform/Devices/PowerSupply.hpp"
#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {

constexpr std::string_view kPrefix = "history-charge-";
constexpr std::string_view kSuffix = ".dat";

std::optional<ChargeRecord> parseLine(std::string_view line) {
  const auto tab1 = line.find('\t');
  if (tab1 == std::string_view::npos) return std::nullopt;
  const auto tab2 = line.find('\t', tab1 + 1);
  if (tab2 == std::string_view::npos) return std::nullopt;
  const auto seconds = parseU64(line.substr(0, tab1));
  const std::string_view valueText = line.substr(tab1 + 1, tab2 - tab1 - 1);
  const std::string_view state = trim(line.substr(tab2 + 1));
  if (!seconds || *seconds > UINT32_MAX) return std::nullopt;  // UPower writes a 32-bit count
  double value = 0;
  auto v = std::from_chars(valueText.data(), valueText.data() + valueText.size(), value);
  if (v.ec != std::errc() || v.ptr != valueText.data() + valueText.size() || valueText.empty()) return std::nullopt;
  if (!std::isfinite(value) || value < 0 || value > 100) return std::nullopt;
  if (state.empty()) return std::nullopt;
  return ChargeRecord{.time = fromSeconds(double(*seconds)),
                      .percent = int(std::lround(value)),
                      .onBattery = state == "discharging" || state == "empty"};
}

}  // namespace

std::vector<ChargeRecord> parseChargeHistory(std::string_view text) {
  std::vector<ChargeRecord> out;
  std::string_view line;
  while (nextLine(text, line))
    if (auto record = parseLine(line)) out.push_back(*record);
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.time < b.time; });
  return out;
}

std::string upowerFileId(std::string_view text) {
  std::string id(text);
  for (char& c : id)
    if (std::string_view("\\\t\"?' /,.").find(c) != std::string_view::npos) c = '_';
  return id;
}

std::optional<std::string> pickChargeFile(const std::vector<std::string>& fileNames, std::string_view model,
                                          std::string_view serial) {
  model = trim(model);
  serial = trim(serial);
  const std::string modelId = model.size() > 2 ? upowerFileId(model) : "";
  const std::string serialId = serial.size() > 2 ? upowerFileId(serial) : "";
  std::vector<std::string> charges;
  for (const auto& name : fileNames)
    if (name.starts_with(kPrefix) && name.ends_with(kSuffix) && name.size() > kPrefix.size() + kSuffix.size())
      charges.push_back(name);

  std::optional<std::string> best;
  int bestScore = 0;
  for (const auto& name : charges) {
    const std::string_view id =
        std::string_view(name).substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    int score = 0;
    if (!serialId.empty() && (id == serialId || id.ends_with("-" + serialId))) score += 2;
    if (!modelId.empty() && (id == modelId || id.starts_with(modelId + "-"))) score += 1;
    if (modelId.empty() && serialId.empty() && id == "generic_id") score += 1;
    if (score > bestScore) best = name, bestScore = score;
  }
  if (!best && charges.size() == 1) best = charges.front();
  return best;
}

std::vector<ChargeRecord> readChargeHistory(const SysRoot& root) {
  std::string model, serial;
  for (const auto& supply : readPowerSupplies(root)) {
    if (supply.text("TYPE") != "Battery" || supply.text("SCOPE") == "Device") continue;
    model = std::string(supply.text("MODEL_NAME").value_or(""));
    serial = std::string(supply.text("SERIAL_NUMBER").value_or(""));
    break;
  }
  const auto folder = root.path("var/lib/upower");
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  const auto chosen = pickChargeFile(names, model, serial);
  if (!chosen) return {};
  const auto text = readText(folder / *chosen, 8 << 20);
  return text ? parseChargeHistory(*text) : std::vector<ChargeRecord>{};
}

std::optional<ChargeRecord> chargeAt(const std::vector<ChargeRecord>& history, Date t) {
  auto after = std::upper_bound(history.begin(), history.end(), t,
                                [](Date d, const ChargeRecord& r) { return d < r.time; });
  if (after == history.begin()) return std::nullopt;
  return *std::prev(after);
}

}  // namespace qel
