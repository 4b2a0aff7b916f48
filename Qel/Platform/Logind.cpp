#include "Qel/Platform/Logind.hpp"

namespace qel {

std::optional<std::vector<Inhibitor>> listInhibitors(sd_bus* bus) {
  BusError error;
  auto reply = callMethod(bus, "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
                          "ListInhibitors", error, "");
  if (!reply) return std::nullopt;
  sd_bus_message* m = reply.get();
  if (sd_bus_message_enter_container(m, 'a', "(ssssuu)") < 0) return std::nullopt;
  std::vector<Inhibitor> out;
  for (;;) {
    const char *what = nullptr, *who = nullptr, *why = nullptr, *mode = nullptr;
    std::uint32_t uid = 0, pid = 0;
    const int r = sd_bus_message_read(m, "(ssssuu)", &what, &who, &why, &mode, &uid, &pid);
    if (r < 0) return std::nullopt;
    if (r == 0) break;
    out.push_back({what ? what : "", who ? who : "", why ? why : "", mode ? mode : "", uid, pid});
  }
  if (sd_bus_message_exit_container(m) < 0) return std::nullopt;
  return out;
}

}  // namespace qel
