#include "Qel/Window/Overview/OverviewFacts.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/TabReadout.hpp"

namespace qel {

std::vector<ChipFacts> statusChips(const LiveState& live) {
  std::vector<ChipFacts> chips;
  const ThermalState t = live.thermal();
  const AdaptiveColor heat = t == ThermalState::nominal ? Palette::calm()
                             : t == ThermalState::fair  ? Palette::warn()
                                                        : Palette::strain();
  chips.push_back({"thermometer", qs(live.thermalText()), heat, qs(L("Thermal state: %@", {live.thermalText()}))});

  const auto& b = live.battery();
  if (b.present) {
    const std::string percent = std::to_string(b.percent);
    std::string help = L("Battery %@%", {percent});
    if (b.onAC) help += L(", on AC power");
    chips.push_back({b.onAC ? "bolt.fill" : "battery.50", qs(percent + "%"),
                     !b.onAC && b.percent <= 19 ? Palette::strain() : Palette::calm(), qs(help)});
  }
  if (live.diskTotal() > 0) {
    const std::string free = fmtBytes(live.diskFree());
    chips.push_back({"internaldrive", qs(free), Palette::secondaryText(), qs(L("%@ disk free", {free}))});
  }
  return chips;
}

std::vector<MetricFacts> metricRows(const LiveState& live, const DayState& day) {
  std::vector<MetricFacts> rows;
  rows.push_back({Page::cpu, qs(L("CPU")), Palette::cpu(), live.cpuHist(), 1.0, qs(fmtPercent(live.cpu().total))});
  if (const auto& gpu = live.gpu())
    rows.push_back({Page::gpu, QStringLiteral("GPU"), Palette::gpu(), live.gpuHist(), 1.0, qs(fmtPercent(gpu->util))});
  rows.push_back({Page::mem, qs(L("Memory")), Palette::mem(), live.memHist(), 1.0,
                  qs(*tabReadout(live, Page::mem).value)});
  rows.push_back({Page::net, qs(L("Network")), Palette::net(), live.netHist(), std::nullopt, qs(fmtRate(live.netDown()))});
  rows.push_back({Page::disk, qs(L("Disk")), Palette::disk(), live.diskHist(), std::nullopt,
                  qs(fmtRate(live.diskRead() + live.diskWrite()))});
  rows.push_back({Page::energy, qs(L("Energy")), Palette::energy(), live.powerHist(), std::nullopt,
                  qs(*tabReadout(live, Page::energy).value)});
  if (day.moment().isNow) return rows;

  const auto text = [](Page page, double v) {
    switch (page) {
      case Page::net:
      case Page::disk: return qs(fmtRate(v));
      case Page::energy: return qs(wattsText(v));
      default: return qs(fmtPercent(v));
    }
  };
  const int slot = day.selectedSlot().value_or(-1);
  if (day.ringMode() == RingMode::live) {
    // A second of the last minute: each line up to it, and its value then.
    for (auto& row : rows) {
      if (slot >= 0 && std::size_t(slot) < row.values.size()) {
        row.values.resize(std::size_t(slot) + 1);
        row.text = text(row.page, row.values.back());
      } else {
        row.values.clear();
        row.text = QStringLiteral("—");
      }
    }
    return rows;
  }
  // A slot of a day (or a past day as a whole): only CPU and memory were kept for it.
  const auto& shown = day.viewDay() ? day.pastDay() : day.day();
  const int last = slot >= 0 ? std::min(slot, int(shown.size()) - 1) : int(shown.size()) - 1;
  const Moment moment = day.moment();
  for (auto& row : rows) {
    row.values.clear();
    row.text = QStringLiteral("—");
    if (row.page != Page::cpu && row.page != Page::mem) continue;
    for (int s = std::max(0, last - 59); s <= last; ++s)
      if (const auto& b = shown[std::size_t(s)]) row.values.push_back(row.page == Page::cpu ? b->cpu : b->mem);
    const auto value = row.page == Page::cpu ? moment.cpu : moment.mem;
    if (value) row.text = text(row.page, *value);
  }
  return rows;
}

}  // namespace qel
