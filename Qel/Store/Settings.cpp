#include "Qel/Store/Settings.hpp"

#include <algorithm>

namespace qel {

namespace {

// Filled as the declarations are initialised, before main() runs; read-only from then on.
std::vector<const SettingDeclaration*>& registry() {
  static std::vector<const SettingDeclaration*> declared;
  return declared;
}

}  // namespace

const std::vector<const SettingDeclaration*>& SettingDeclaration::all() { return registry(); }

SettingDeclaration::SettingDeclaration(const char* key, SettingValue fallback, Notice::Topics concerns,
                                       SettingRange range)
    : key(key), fallback(std::move(fallback)), concerns(concerns), range(range), index(registry().size()) {
  registry().push_back(this);
}

SettingValue SettingDeclaration::fit(SettingValue value) const {
  if (const int* number = std::get_if<int>(&value)) return std::clamp(*number, range.least, range.most);
  return value;
}

}  // namespace qel
