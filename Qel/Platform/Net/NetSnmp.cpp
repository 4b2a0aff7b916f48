#include "Qel/Platform/Net/NetSnmp.hpp"

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

std::optional<TcpSegments> parseTcpSegments(std::string_view snmp) {
  std::string_view line, names;
  while (nextLine(snmp, line)) {
    if (!line.starts_with("Tcp:")) continue;
    if (names.empty()) {
      names = line;
      continue;
    }
    // The values, in the order of the names.
    std::optional<std::uint64_t> in, out;
    for (std::string_view name = nextField(names), value = nextField(line); !name.empty() && !value.empty();
         name = nextField(names), value = nextField(line)) {
      if (name == "InSegs") in = parseU64(value);
      if (name == "OutSegs") out = parseU64(value);
    }
    if (!in || !out) return std::nullopt;
    return TcpSegments{*in, *out};
  }
  return std::nullopt;
}

}  // namespace qel
