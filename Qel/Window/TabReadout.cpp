#include "Qel/Window/TabReadout.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"

namespace qel {

namespace {

double capped(double v) { return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0; }

}  // namespace

std::string wattsText(double w) { return fixed(std::isfinite(w) ? std::clamp(w, -1e9, 1e9) : 0.0, 1) + " W"; }

TabReadout tabReadout(const Store& store, Page page) {
  switch (page) {
    case Page::overview: return {};
    case Page::cpu: {
      const double t = store.cpu().total;
      return {fmtPercent(t), t >= 0.7, t};
    }
    case Page::gpu: {
      const auto& gpu = store.gpu();
      if (!gpu) return {std::nullopt, false, 0};
      return {fmtPercent(gpu->util), gpu->util >= 0.7, gpu->util};
    }
    case Page::mem: {
      const double f = store.mem().usedFraction();
      return {fmtPercent(f), store.mem().pressure >= 60, f};
    }
    case Page::disk: {
      const double rate = store.diskRead() + store.diskWrite();
      return {fmtRate(rate), false, capped(rate / 52428800.0)};
    }
    case Page::net: return {fmtRate(store.netDown()), false, capped(store.netDown() / 5242880.0)};
    case Page::energy: {
      const double w = store.power().value_or(store.procWatts());
      const bool hot = store.thermal() == ThermalState::serious || store.thermal() == ThermalState::critical;
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

TabValueStyle tabValueStyle(const Store& store) {
  return tabValueStyleFromRaw(store.setting(Setting::tabValues)).value_or(TabValueStyle::always);
}

}  // namespace qel
