#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

const ViewFactory* ViewRegistry::page(Page page) const {
  auto it = pages_.find(page);
  return it != pages_.end() && it->second ? &it->second : nullptr;
}

QWidget* ViewRegistry::makeSlot(const std::string& name, const ViewContext& context, QWidget* parent) const {
  auto it = slots_.find(name);
  return it != slots_.end() && it->second ? it->second(context, parent) : nullptr;
}

void ViewRegistry::addSheet(SheetEntry sheet) {
  for (auto& s : sheets_)
    if (s.name == sheet.name) {
      s = std::move(sheet);
      return;
    }
  sheets_.push_back(std::move(sheet));
}

bool ViewRegistry::setSheetFactory(const std::string& name, ViewFactory factory) {
  for (auto& s : sheets_)
    if (s.name == name) {
      s.factory = std::move(factory);
      return true;
    }
  return false;
}

}  // namespace qel
