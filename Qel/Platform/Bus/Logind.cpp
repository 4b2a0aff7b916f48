#include "Qel/Platform/Bus/Logind.hpp"

#include <fcntl.h>
#include <unistd.h>

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

InhibitLock& InhibitLock::operator=(InhibitLock&& other) noexcept {
  if (this != &other) {
    release();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

void InhibitLock::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

InhibitLock inhibit(sd_bus* bus, const std::string& what, const std::string& who, const std::string& why,
                    const std::string& mode) {
  BusError error;
  auto reply = callMethod(bus, "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
                          "Inhibit", error, "ssss", what.c_str(), who.c_str(), why.c_str(), mode.c_str());
  if (!reply) return {};
  int fd = -1;
  if (sd_bus_message_read(reply.get(), "h", &fd) < 0 || fd < 0) return {};
  // The message owns its descriptor and closes it when freed: keep a copy of our own.
  return InhibitLock(::fcntl(fd, F_DUPFD_CLOEXEC, 3));
}

}  // namespace qel
