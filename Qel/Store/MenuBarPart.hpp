#pragma once
#include <string>

namespace qel {

// One short text beside the menu-bar icon, with the widest text it can reach (so the item
// keeps a steady width).
struct MenuBarPart {
  std::string text;
  std::string widest;
  bool operator==(const MenuBarPart&) const = default;
};

}  // namespace qel
