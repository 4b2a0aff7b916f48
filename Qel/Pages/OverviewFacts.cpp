#include "Qel/Pages/OverviewFacts.hpp"

#include <cmath>

#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/QtString.hpp"
#include "Qel/Window/TabReadout.hpp"

namespace qel {

namespace {
}  // namespace

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
  return rows;
}

}  // namespace qel
