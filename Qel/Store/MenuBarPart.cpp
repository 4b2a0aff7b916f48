#include "Qel/Store/MenuBarPart.hpp"

namespace qel {

namespace {

std::string joined(const std::vector<MenuBarPart>& parts, std::string MenuBarPart::*field) {
  std::string text;
  for (const MenuBarPart& part : parts) {
    if (!text.empty()) text += "  ";
    text += part.*field;
  }
  return text;
}

}  // namespace

std::string menuBarText(const std::vector<MenuBarPart>& parts) { return joined(parts, &MenuBarPart::text); }

std::string menuBarGuide(const std::vector<MenuBarPart>& parts) { return joined(parts, &MenuBarPart::widest); }

}  // namespace qel
