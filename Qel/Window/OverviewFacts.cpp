#include "Qel/Window/OverviewFacts.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/TabReadout.hpp"

namespace qel {

std::vector<ChipFacts> statusChips(const Store& store) {
  std::vector<ChipFacts> chips;
  const ThermalState t = store.thermal();
  const AdaptiveColor heat = t == ThermalState::nominal ? Palette::calm()
                             : t == ThermalState::fair  ? Palette::warn()
                                                        : Palette::strain();
  chips.push_back({"thermometer", qs(store.thermalText()), heat, qs(L("Thermal state: %@", {store.thermalText()}))});

  const auto& b = store.battery();
  if (b.present) {
    const std::string percent = std::to_string(b.percent);
    std::string help = L("Battery %@%", {percent});
    if (b.onAC) help += L(", on AC power");
    chips.push_back({b.onAC ? "bolt.fill" : "battery.50", qs(percent + "%"),
                     !b.onAC && b.percent <= 19 ? Palette::strain() : Palette::calm(), qs(help)});
  }
  if (store.diskTotal() > 0) {
    const std::string free = fmtBytes(store.diskFree());
    chips.push_back({"internaldrive", qs(free), Palette::secondaryText(), qs(L("%@ disk free", {free}))});
  }
  return chips;
}

std::vector<MetricFacts> metricRows(const Store& store) {
  std::vector<MetricFacts> rows;
  rows.push_back({Page::cpu, qs(L("CPU")), Palette::cpu(), store.cpuHist(), 1.0, qs(fmtPercent(store.cpu().total))});
  if (const auto& gpu = store.gpu())
    rows.push_back({Page::gpu, QStringLiteral("GPU"), Palette::gpu(), store.gpuHist(), 1.0, qs(fmtPercent(gpu->util))});
  rows.push_back({Page::mem, qs(L("Memory")), Palette::mem(), store.memHist(), 1.0,
                  qs(*tabReadout(store, Page::mem).value)});
  rows.push_back({Page::net, qs(L("Network")), Palette::net(), store.netHist(), std::nullopt, qs(fmtRate(store.netDown()))});
  rows.push_back({Page::disk, qs(L("Disk")), Palette::disk(), store.diskHist(), std::nullopt,
                  qs(fmtRate(store.diskRead() + store.diskWrite()))});
  rows.push_back({Page::energy, qs(L("Energy")), Palette::energy(), store.powerHist(), std::nullopt,
                  qs(*tabReadout(store, Page::energy).value)});
  if (store.moment().isNow) return rows;

  const auto text = [](Page page, double v) {
    switch (page) {
      case Page::net:
      case Page::disk: return qs(fmtRate(v));
      case Page::energy: return qs(wattsText(v));
      default: return qs(fmtPercent(v));
    }
  };
  const int slot = store.selectedSlot().value_or(-1);
  if (store.ringMode() == RingMode::live) {
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
  const auto& day = store.viewDay() ? store.pastDay() : store.day();
  const int last = slot >= 0 ? std::min(slot, int(day.size()) - 1) : int(day.size()) - 1;
  const Moment moment = store.moment();
  for (auto& row : rows) {
    row.values.clear();
    row.text = QStringLiteral("—");
    if (row.page != Page::cpu && row.page != Page::mem) continue;
    for (int s = std::max(0, last - 59); s <= last; ++s)
      if (const auto& b = day[std::size_t(s)]) row.values.push_back(row.page == Page::cpu ? b->cpu : b->mem);
    const auto value = row.page == Page::cpu ? moment.cpu : moment.mem;
    if (value) row.text = text(row.page, *value);
  }
  return rows;
}

}  // namespace qel
