#include "Qel/Store/Enums.hpp"

namespace qel {
namespace {

template <class Enum, std::size_t N>
std::optional<Enum> fromRaw(const std::array<Enum, N>& all, std::string_view raw) {
  for (Enum e : all)
    if (rawValue(e) == raw) return e;
  return std::nullopt;
}

}  // namespace

std::string_view rawValue(Page page) {
  switch (page) {
    case Page::overview: return "overview";
    case Page::cpu: return "cpu";
    case Page::gpu: return "gpu";
    case Page::mem: return "mem";
    case Page::disk: return "disk";
    case Page::net: return "net";
    case Page::energy: return "energy";
  }
  return "overview";
}

std::string_view rawValue(TabValueStyle style) {
  switch (style) {
    case TabValueStyle::always: return "always";
    case TabValueStyle::hover: return "hover";
    case TabValueStyle::alert: return "alert";
    case TabValueStyle::bars: return "bars";
    case TabValueStyle::selected: return "selected";
  }
  return "always";
}

std::string_view rawValue(MenuIconStyle style) {
  switch (style) {
    case MenuIconStyle::auto_: return "auto";
    case MenuIconStyle::logo: return "logo";
    case MenuIconStyle::ring: return "ring";
    case MenuIconStyle::bars: return "bars";
    case MenuIconStyle::gauge: return "gauge";
    case MenuIconStyle::wave: return "wave";
    case MenuIconStyle::dot: return "dot";
    case MenuIconStyle::cat: return "cat";
    case MenuIconStyle::dog: return "dog";
    case MenuIconStyle::slime: return "slime";
    case MenuIconStyle::drop: return "drop";
    case MenuIconStyle::coffee: return "coffee";
    case MenuIconStyle::newtonCradle: return "newtonCradle";
    case MenuIconStyle::engine: return "engine";
    case MenuIconStyle::mochi: return "mochi";
  }
  return "auto";
}

std::optional<TabValueStyle> tabValueStyleFromRaw(std::string_view raw) { return fromRaw(allTabValueStyles, raw); }
std::optional<MenuIconStyle> menuIconStyleFromRaw(std::string_view raw) { return fromRaw(allMenuIconStyles, raw); }

}  // namespace qel
