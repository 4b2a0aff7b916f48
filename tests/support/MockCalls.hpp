#pragma once
// The calls a python3-dbusmock object has received (its org.freedesktop.DBus.Mock interface),
// each as its list of arguments.
#include <vector>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel::test {

inline std::vector<std::vector<BusValue>> mockCalls(sd_bus* bus, const char* destination, const char* path,
                                                    const char* method) {
  std::vector<std::vector<BusValue>> calls;
  BusError error;
  auto reply = callMethod(bus, destination, path, "org.freedesktop.DBus.Mock", "GetMethodCalls", error, "s", method);
  if (!reply) return calls;
  sd_bus_message* m = reply.get();
  if (sd_bus_message_enter_container(m, 'a', "(tav)") < 0) return calls;
  while (sd_bus_message_enter_container(m, 'r', "tav") > 0) {
    std::uint64_t when = 0;
    std::vector<BusValue> args;
    if (sd_bus_message_read(m, "t", &when) < 0 || sd_bus_message_enter_container(m, 'a', "v") < 0) break;
    while (sd_bus_message_at_end(m, false) == 0) {
      BusValue v;
      if (!readVariant(m, v)) return calls;
      args.push_back(std::move(v));
    }
    sd_bus_message_exit_container(m);
    sd_bus_message_exit_container(m);
    calls.push_back(std::move(args));
  }
  return calls;
}

// The string argument at `index`, or "" when it is not one.
inline std::string stringArg(const std::vector<BusValue>& args, std::size_t index) {
  if (index >= args.size()) return {};
  const auto* s = std::get_if<std::string>(&args[index]);
  return s ? *s : std::string();
}

}  // namespace qel::test
