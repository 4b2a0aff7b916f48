#pragma once
// The plain settings. Each is declared once here: its key in the settings file, its default,
// its range where it has one, and the parts of the store its change reaches. The store reads,
// checks, keeps, writes back and publishes every one of them from that declaration alone.
#include <cstddef>
#include <limits>
#include <set>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "Qel/Store/Concern.hpp"

namespace qel {

// A setting's value as the program holds it.
using SettingValue = std::variant<bool, int, std::string, std::set<std::string>>;

// The values a whole-number setting may take; a stored one outside is brought to the nearer end.
struct SettingRange {
  int least = std::numeric_limits<int>::min();
  int most = std::numeric_limits<int>::max();
};

class SettingDeclaration {
 public:
  SettingDeclaration(const SettingDeclaration&) = delete;
  SettingDeclaration& operator=(const SettingDeclaration&) = delete;

  // Every declared setting, in the order declared; `index` is the place in it.
  static const std::vector<const SettingDeclaration*>& all();

  // `value` brought inside the range (only a whole number has one).
  SettingValue fit(SettingValue value) const;

  const char* const key;
  const SettingValue fallback;
  const Notice::Topics concerns;
  const SettingRange range;
  const std::size_t index;

 protected:
  SettingDeclaration(const char* key, SettingValue fallback, Notice::Topics concerns, SettingRange range);
};

template <class T>
class SettingOf : public SettingDeclaration {
 public:
  SettingOf(const char* key, T fallback, Notice::Topics concerns = Concern::settings)
      : SettingDeclaration(key, SettingValue(std::move(fallback)), concerns, {}) {}
  SettingOf(const char* key, T fallback, SettingRange range)
    requires std::is_same_v<T, int>
      : SettingDeclaration(key, SettingValue(fallback), Concern::settings, range) {}
};

namespace Setting {

// "system" or a language code. A switch reaches every view: all of them hold words.
inline const SettingOf<std::string> language{"qel.language", "system", Concern::all};
// The readings beside the tray icon: "ring" (the icon), "cpu", "gpu", "mem", "net".
inline const SettingOf<std::set<std::string>> menuItems{"qel.menuItems", {"ring", "cpu"}};
// A TabValueStyle's raw value.
inline const SettingOf<std::string> tabValues{"qel.tabValues", "always"};
// A MenuIconStyle's raw value.
inline const SettingOf<std::string> menuIconStyle{"qel.menuIconStyle", "auto"};
// "system", "light" or "dark".
inline const SettingOf<std::string> appearance{"qel.appearance", "system"};
// The load drawn in the taskbar icon.
inline const SettingOf<bool> dockLoad{"qel.dockLoad", true};
// Days of history kept, 0 for ever. Bounded so date arithmetic on the retention can't overflow.
inline const SettingOf<int> keepDays{"qel.keepDays", 30, SettingRange{0, 36500}};

}  // namespace Setting

}  // namespace qel
