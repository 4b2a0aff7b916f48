#pragma once
// Hears the desktop portal announce a change of the desktop's colour scheme (SettingChanged of
// "org.freedesktop.appearance" "color-scheme"), so a switch between light and dark reaches the
// program while it runs. Like SleepWatch it has no thread: the host's event loop watches fd()
// and calls process() when it is readable.
#include <functional>
#include <memory>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {

class PortalSettingsWatch {
 public:
  using Handler = std::function<void()>;

  // Null when the session bus can't be reached or the signal can't be subscribed to.
  static std::unique_ptr<PortalSettingsWatch> open(Handler onColorSchemeChanged);
  ~PortalSettingsWatch();
  PortalSettingsWatch(const PortalSettingsWatch&) = delete;
  PortalSettingsWatch& operator=(const PortalSettingsWatch&) = delete;

  int fd() const { return pollFd_; }
  // Handles everything that has arrived; never blocks.
  void process();

 private:
  PortalSettingsWatch(Bus bus, Handler handler);
  static int onChanged(sd_bus_message* m, void* self, sd_bus_error* error);

  Bus bus_;
  int pollFd_ = -1;  // an epoll descriptor over the bus's socket (see SleepWatch)
  Handler handler_;
  BusSlot slot_;
};

}  // namespace qel
