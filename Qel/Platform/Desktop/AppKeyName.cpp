#include "Qel/Platform/Desktop/AppKeyName.hpp"

#include <filesystem>

#include "Qel/Platform/Desktop/AppRegistry.hpp"

namespace qel {

std::string appKeyName(AppRegistry* apps, const std::string& key) {
  if (apps && isAppKey(key)) {
    const auto table = apps->table();
    if (const AppEntry* entry = table->byKey(key); entry && !entry->name.empty()) return entry->name;
  }
  const std::filesystem::path path(key);
  std::string name = (isAppKey(key) ? path.stem() : path.filename()).string();
  return name.empty() ? key : name;
}

}  // namespace qel
