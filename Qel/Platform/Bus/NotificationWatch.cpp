#include "Qel/Platform/Bus/NotificationWatch.hpp"

#include <unistd.h>

#include <cstring>

namespace qel {
namespace {
constexpr const char* kName = "org.freedesktop.Notifications";
constexpr const char* kBus = "org.freedesktop.DBus";
constexpr const char* kBusPath = "/org/freedesktop/DBus";
// Only the changes of this one name: the session's other clients come and go unheard.
constexpr const char* kOwnerChanges =
    "type='signal',sender='org.freedesktop.DBus',path='/org/freedesktop/DBus',interface='org.freedesktop.DBus',"
    "member='NameOwnerChanged',arg0='org.freedesktop.Notifications'";
}  // namespace

std::unique_ptr<NotificationWatch> NotificationWatch::open(Handler handler) {
  Bus bus = openBus(BusKind::session);
  if (!bus) return nullptr;
  std::unique_ptr<NotificationWatch> watch(new NotificationWatch(std::move(bus), std::move(handler)));
  watch->pollFd_ = busPollFd(watch->bus_.get());
  if (watch->pollFd_ < 0) return nullptr;
  sd_bus_slot* slot = nullptr;
  if (sd_bus_add_match(watch->bus_.get(), &slot, kOwnerChanges, &onOwnerChanged, watch.get()) < 0) return nullptr;
  watch->signalSlot_.reset(slot);
  watch->askOwner();
  return watch;
}

NotificationWatch::NotificationWatch(Bus bus, Handler handler) : bus_(std::move(bus)), handler_(std::move(handler)) {}

NotificationWatch::~NotificationWatch() {
  // The slots go before the bus, so no callback reaches a half-destroyed watch.
  call_.reset();
  signalSlot_.reset();
  if (pollFd_ >= 0) ::close(pollFd_);
}

void NotificationWatch::process() {
  while (sd_bus_process(bus_.get(), nullptr) > 0) {
  }
}

void NotificationWatch::askOwner() {
  sd_bus_slot* slot = nullptr;
  call_.reset();  // a newer question makes the older answer moot
  if (sd_bus_call_method_async(bus_.get(), &slot, kBus, kBusPath, kBus, "NameHasOwner", &onHasOwner, this, "s",
                               kName) >= 0)
    call_.reset(slot);
  else
    tell(false);
}

void NotificationWatch::askActivatable() {
  sd_bus_slot* slot = nullptr;
  call_.reset();
  if (sd_bus_call_method_async(bus_.get(), &slot, kBus, kBusPath, kBus, "ListActivatableNames", &onActivatable, this,
                               "") >= 0)
    call_.reset(slot);
  else
    tell(false);
}

void NotificationWatch::tell(bool present) {
  if (present_ == present) return;
  present_ = present;
  if (handler_) handler_(present);
}

int NotificationWatch::onOwnerChanged(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* watch = static_cast<NotificationWatch*>(self);
  const char* name = nullptr;
  const char* before = nullptr;
  const char* after = nullptr;
  if (sd_bus_message_read(m, "sss", &name, &before, &after) < 0 || !name || std::strcmp(name, kName) != 0) return 0;
  if (after && *after) {
    watch->call_.reset();
    watch->tell(true);
  } else {
    // Gone; the bus may still start another on the next notification.
    watch->askActivatable();
  }
  return 0;
}

int NotificationWatch::onHasOwner(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* watch = static_cast<NotificationWatch*>(self);
  int owned = 0;
  const bool answered = !sd_bus_message_is_method_error(m, nullptr) && sd_bus_message_read_basic(m, 'b', &owned) > 0;
  if (answered && owned) {
    watch->call_.reset();
    watch->tell(true);
    return 0;
  }
  watch->askActivatable();
  return 0;
}

int NotificationWatch::onActivatable(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* watch = static_cast<NotificationWatch*>(self);
  bool found = false;
  if (!sd_bus_message_is_method_error(m, nullptr) && sd_bus_message_enter_container(m, 'a', "s") > 0) {
    const char* name = nullptr;
    while (!found && sd_bus_message_read_basic(m, 's', &name) > 0) found = name && std::strcmp(name, kName) == 0;
  }
  watch->call_.reset();
  watch->tell(found);
  return 0;
}

}  // namespace qel
