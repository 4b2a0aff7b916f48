#pragma once
#include <string>
#include <vector>

namespace qel {

// One short text beside the menu-bar icon, with the widest text it can reach (so the item
// keeps a steady width).
struct MenuBarPart {
  std::string text;
  std::string widest;
  bool operator==(const MenuBarPart&) const = default;
};

// The text beside the icon: each part's text joined with two spaces; empty without parts.
std::string menuBarText(const std::vector<MenuBarPart>& parts);
// The widest that text can grow to: each part's widest text, joined the same way.
std::string menuBarGuide(const std::vector<MenuBarPart>& parts);

}  // namespace qel
