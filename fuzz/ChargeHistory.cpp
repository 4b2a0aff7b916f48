#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Qel/Platform/Devices/UPowerHistory.hpp"

// UPower's charge history as the file may hold it; its first two lines also stand for the
// battery's model and serial, the rest for the folder's file names.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto history = qel::parseChargeHistory(text);
  for (std::size_t i = 0; i < history.size(); ++i) {
    if (history[i].percent < 0 || history[i].percent > 100) __builtin_trap();
    if (i > 0 && history[i].time < history[i - 1].time) __builtin_trap();
  }
  if (!history.empty()) (void)qel::chargeAt(history, history.back().time);

  std::vector<std::string> lines;
  for (std::string_view rest = text; !rest.empty();) {
    const auto nl = rest.find('\n');
    lines.emplace_back(rest.substr(0, nl));
    rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
  }
  if (lines.size() >= 2) {
    const std::vector<std::string> names(lines.begin() + 2, lines.end());
    if (const auto chosen = qel::pickChargeFile(names, lines[0], lines[1]);
        chosen && std::find(names.begin(), names.end(), *chosen) == names.end())
      __builtin_trap();
  }
  return 0;
}
