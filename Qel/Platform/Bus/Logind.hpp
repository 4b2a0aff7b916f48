#pragma once
// systemd-logind's inhibitor locks: who keeps the machine from sleeping or idling, and why
// (ListInhibitors), and taking one of our own (Inhibit).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {

struct Inhibitor {
  std::string what;  // colon-separated: "sleep", "idle", "shutdown", "handle-lid-switch", …
  std::string who, why;
  std::string mode;  // "block" or "delay"
  std::uint32_t uid{}, pid{};
  bool operator==(const Inhibitor&) const = default;
};

// Absent when logind can't be asked or its answer is malformed.
std::optional<std::vector<Inhibitor>> listInhibitors(sd_bus* bus);

// A held inhibitor lock: logind keeps it while its descriptor stays open.
class InhibitLock {
 public:
  InhibitLock() = default;
  explicit InhibitLock(int fd) : fd_(fd) {}
  ~InhibitLock() { release(); }
  InhibitLock(InhibitLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  InhibitLock& operator=(InhibitLock&& other) noexcept;
  InhibitLock(const InhibitLock&) = delete;
  InhibitLock& operator=(const InhibitLock&) = delete;

  bool held() const { return fd_ >= 0; }
  void release();

 private:
  int fd_ = -1;
};

// Takes a lock (`what` such as "idle:sleep", `mode` "block" or "delay"); not held when logind
// can't be asked or refuses.
InhibitLock inhibit(sd_bus* bus, const std::string& what, const std::string& who, const std::string& why,
                    const std::string& mode);

}  // namespace qel
