#include "Qel/Store/MenuBarPart.hpp"

namespace qel {

std::string menuBarText(const std::vector<MenuBarPart>& parts) {
  std::string text;
  for (const MenuBarPart& part : parts) {
    if (!text.empty()) text += "  ";
    text += part.text;
  }
  return text;
}

}  // namespace qel
