#include "Qel/Window/TabReadout.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Text/Format.hpp"

namespace qel {

namespace {

double capped(double v) { return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0; }

}  // namespace

std::string wattsText(double w) { return fixed(std::isfinite(w) ? std::clamp(w, -1e9, 1e9) : 0.0, 1) + " W"; }

TabReadout tabReadout(const LiveState& live, Page page) {
  switch (page) {
    case Page::overview: return {};
    case Page::cpu: {
      const double t = live.cpu().total;
      return {fmtPercent(t), t >= 0.7, t};
    }
    case Page::gpu: {
      const auto& gpu = live.gpu();
      if (!gpu) return {std::nullopt, false, 0};
      return {fmtPercent(gpu->util), gpu->util >= 0.7, gpu->util};
    }
    case Page::mem: {
      const double f = live.mem().usedFraction();
      return {fmtPercent(f), live.mem().pressure >= 60, f};
    }
    case Page::disk: {
      const double rate = live.diskRead() + live.diskWrite();
      return {fmtRate(rate), false, capped(rate / 52428800.0)};
    }
    case Page::net: return {fmtRate(live.netDown()), false, capped(live.netDown() / 5242880.0)};
    case Page::energy: {
      const double w = live.power().value_or(live.procWatts());
      const bool hot = live.thermal() == ThermalState::serious || live.thermal() == ThermalState::critical;
      return {wattsText(w), w >= 40 || hot, capped(w / 60)};
    }
  }
  return {};
}

std::string widestTabValue(Page page) {
  switch (page) {
    case Page::overview: return "";
    case Page::cpu:
    case Page::gpu:
    case Page::mem: return "100%";
    case Page::disk:
    case Page::net: return "9999.9 MB/s";  // a fast disk or network passes 1000 MB/s
    case Page::energy: return "999.9 W";
  }
  return "";
}

TabValueStyle tabValueStyle(const SettingsState& settings) {
  return tabValueStyleFromRaw(settings.get(Setting::tabValues)).value_or(TabValueStyle::always);
}

}  // namespace qel
