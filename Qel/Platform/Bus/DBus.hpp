#pragma once
// A thin layer over sd-bus: owned handles, short call timeouts, and readers for the few value
// shapes Qel needs (variants and property dictionaries). The bus addresses follow
// DBUS_SYSTEM_BUS_ADDRESS and DBUS_SESSION_BUS_ADDRESS, so tests point them at a private bus.
#include <systemd/sd-bus.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace qel {

enum class BusKind { system, session };

struct BusDeleter {
  void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
using Bus = std::unique_ptr<sd_bus, BusDeleter>;

struct MessageDeleter {
  void operator()(sd_bus_message* m) const { sd_bus_message_unref(m); }
};
using BusMessage = std::unique_ptr<sd_bus_message, MessageDeleter>;

struct SlotDeleter {
  void operator()(sd_bus_slot* s) const { sd_bus_slot_unref(s); }
};
using BusSlot = std::unique_ptr<sd_bus_slot, SlotDeleter>;

// A call that gets no answer within this time fails instead of stalling its queue.
inline constexpr std::chrono::milliseconds kBusTimeout{500};

// A fresh connection (never the shared default one, so each queue owns its own); null when
// the bus can't be reached.
Bus openBus(BusKind kind, std::chrono::milliseconds timeout = kBusTimeout);

// An epoll descriptor that becomes readable when the bus's socket does: what an event loop
// watches. Not the socket itself: sd-bus closes that when the connection ends, and a host still
// watching its number would then watch whatever file is opened next under it. -1 on failure.
int busPollFd(sd_bus* bus);

class BusError {
 public:
  BusError() = default;
  ~BusError() { sd_bus_error_free(&error_); }
  BusError(const BusError&) = delete;
  BusError& operator=(const BusError&) = delete;
  sd_bus_error* get() { return &error_; }
  std::string name() const { return error_.name ? error_.name : ""; }
  std::string message() const { return error_.message ? error_.message : ""; }

 private:
  sd_bus_error error_ = SD_BUS_ERROR_NULL;
};

// Calls a method; the reply, or null with `error` filled.
template <class... Args>
BusMessage callMethod(sd_bus* bus, const char* destination, const char* path, const char* interface,
                      const char* member, BusError& error, const char* types, Args... args) {
  sd_bus_message* reply = nullptr;
  if (!bus) return nullptr;
  if (sd_bus_call_method(bus, destination, path, interface, member, error.get(), &reply, types, args...) < 0)
    return nullptr;
  return BusMessage(reply);
}

// One value of a D-Bus variant in the shapes Qel reads; other shapes read as monostate.
using BusValue = std::variant<std::monostate, bool, std::int64_t, std::uint64_t, double, std::string,
                              std::vector<std::string>>;
using BusProperties = std::map<std::string, BusValue>;

// Reads a "v" at the message's position. Returns false when the message is malformed.
bool readVariant(sd_bus_message* m, BusValue& out);
// Reads an "a{sv}" at the message's position.
bool readProperties(sd_bus_message* m, BusProperties& out);

std::optional<std::string> stringValue(const BusProperties& p, const std::string& key);
std::optional<bool> boolValue(const BusProperties& p, const std::string& key);
// Any integer or a finite double inside the range of int64.
std::optional<std::int64_t> integerValue(const BusProperties& p, const std::string& key);

// Reads one property of an object with org.freedesktop.DBus.Properties.Get.
std::optional<BusValue> getProperty(sd_bus* bus, const char* destination, const char* path,
                                    const char* interface, const char* name);

}  // namespace qel
