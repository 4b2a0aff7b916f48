#pragma once
// Follows whether a desktop notification service is there to take notifications: a program
// owning org.freedesktop.Notifications on the session bus, or one the bus starts on the first
// call. Like SleepWatch it has no thread: the host's event loop watches fd() and calls
// process() when it is readable (and once after opening); the handler runs on that thread, at
// the first answer and at each change.
#include <functional>
#include <memory>
#include <optional>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {

class NotificationWatch {
 public:
  using Handler = std::function<void(bool present)>;

  // Null when the session bus can't be reached or its signals can't be subscribed to.
  static std::unique_ptr<NotificationWatch> open(Handler handler);
  ~NotificationWatch();
  NotificationWatch(const NotificationWatch&) = delete;
  NotificationWatch& operator=(const NotificationWatch&) = delete;

  int fd() const { return pollFd_; }
  // Handles everything that has arrived; never blocks.
  void process();

 private:
  NotificationWatch(Bus bus, Handler handler);
  // Asks, without waiting, whether the name has an owner, and failing that whether the bus can
  // start one.
  void askOwner();
  void askActivatable();
  void tell(bool present);
  static int onOwnerChanged(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onHasOwner(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onActivatable(sd_bus_message* m, void* self, sd_bus_error* error);

  Bus bus_;
  int pollFd_ = -1;  // an epoll descriptor over the bus's socket (see SleepWatch)
  Handler handler_;
  BusSlot signalSlot_;
  BusSlot call_;
  std::optional<bool> present_;
};

}  // namespace qel
