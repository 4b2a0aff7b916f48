#pragma once
// The small enumerations shared by the store and the views. The ones kept in the user defaults
// or shown in a fixed order have text raw values; converting from text accepts exactly those
// words (case-sensitive) and gives nothing for any other text.
#include <array>
#include <optional>
#include <string_view>

namespace qel {

// The main window's pages, in tab order.
enum class Page { overview, cpu, gpu, mem, disk, net, energy };
inline constexpr std::array<Page, 7> allPages{Page::overview, Page::cpu,  Page::gpu,   Page::mem,
                                              Page::disk,     Page::net, Page::energy};

// The day ring's mode: the last sixty seconds, or the day's 144 ten-minute slots.
enum class RingMode { live, day };

// The process table's order.
enum class SortKey { cpu, mem };

// What the tab bar shows under each tab ("qel.tabValues").
enum class TabValueStyle { always, hover, alert, bars, selected };
inline constexpr std::array<TabValueStyle, 5> allTabValueStyles{
    TabValueStyle::always, TabValueStyle::hover, TabValueStyle::alert, TabValueStyle::bars, TabValueStyle::selected};

// The level of the status line.
enum class Level { calm, notable, high };

// The menu-bar icon styles ("qel.menuIconStyle"). `auto_` is the style whose raw value is
// "auto" (a keyword in C++); `cat` to `mochi` are the animated runner styles.
enum class MenuIconStyle {
  auto_, logo, ring, bars, gauge, wave, dot, cat, dog, slime, drop, coffee, newtonCradle, engine, mochi
};
inline constexpr std::array<MenuIconStyle, 15> allMenuIconStyles{
    MenuIconStyle::auto_, MenuIconStyle::logo,  MenuIconStyle::ring,   MenuIconStyle::bars,
    MenuIconStyle::gauge, MenuIconStyle::wave,  MenuIconStyle::dot,    MenuIconStyle::cat,
    MenuIconStyle::dog,   MenuIconStyle::slime, MenuIconStyle::drop,   MenuIconStyle::coffee,
    MenuIconStyle::newtonCradle, MenuIconStyle::engine, MenuIconStyle::mochi};

std::string_view rawValue(Page page);
std::string_view rawValue(TabValueStyle style);
std::string_view rawValue(MenuIconStyle style);

std::optional<TabValueStyle> tabValueStyleFromRaw(std::string_view raw);
std::optional<MenuIconStyle> menuIconStyleFromRaw(std::string_view raw);

}  // namespace qel
