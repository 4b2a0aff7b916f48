#pragma once
// The tray item as a StatusNotifierItem of its own on the session bus: icon, tooltip, the label
// beside the icon that indicator hosts show (XAyatanaLabel, with the widest text it may reach as
// its guide), its clicks and its menu (a DBusMenu at /MenuBar). It registers with the
// StatusNotifierWatcher, and again whenever a watcher takes the name anew; shown() says whether
// a host is there to show it, so the caller knows when to fall back to an XEmbed tray. Like the
// other watches it has no thread: the host's event loop watches fd() and calls process(). Every
// handler runs inside process(), so what it starts should be queued, not run there.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Qel/Platform/Bus/DBus.hpp"
#include "Qel/Platform/Bus/DBusMenu.hpp"

namespace qel {

// One size of the icon: ARGB32, each pixel's bytes in network order (alpha first), rows top down.
struct TrayPixmap {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> argb;
  bool operator==(const TrayPixmap&) const = default;
};

class StatusNotifierItem {
 public:
  struct Handlers {
    std::function<void(int x, int y)> activate;     // a click (or a host's double click) on the item
    std::function<void(int x, int y)> contextMenu;  // a host that opens no menu of its own asks for one
    DBusMenu::Clicked menuClicked;
    // Told each time it is settled whether a host shows the item; the same answer may come again.
    std::function<void(bool shown)> shown;
  };

  // Null when the session bus can't be reached or the item can't be served on it. `id` names
  // the program to hosts; `title` is its name for people.
  static std::unique_ptr<StatusNotifierItem> open(const std::string& id, const std::string& title, Handlers handlers);
  ~StatusNotifierItem();
  StatusNotifierItem(const StatusNotifierItem&) = delete;
  StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

  int fd() const { return pollFd_; }
  // Handles everything that has arrived; never blocks.
  void process();

  // Whether a watcher owns its name: asked of the bus at open, then followed as the name changes
  // hands. Never asked again later: a blocking call reads the item's pending messages into its
  // queue, where the socket no longer shows them as readable.
  bool watcherPresent() const { return watcher_; }
  // Whether the watcher took the item and has a host to show it.
  bool shown() const { return registered_ && hostPresent_; }
  const std::string& busName() const { return name_; }

  // Each tells hosts only of a change.
  void setIcon(std::vector<TrayPixmap> sizes);
  void setLabel(const std::string& label, const std::string& guide);
  void setToolTip(const std::string& title, const std::string& text);
  void setMenu(std::vector<DBusMenuEntry> entries) { menu_->setEntries(std::move(entries)); }

  const std::string& label() const { return label_; }
  const std::string& guide() const { return guide_; }
  const std::vector<TrayPixmap>& icon() const { return icon_; }

 private:
  StatusNotifierItem(Bus bus, std::string id, std::string title, Handlers handlers);
  static const sd_bus_vtable* vtable();  // the item's properties, methods and signals
  bool serve();
  bool askWatcher() const;
  void registerItem();
  void askForHost();
  void setShown(bool registered, bool host);
  void announce(const char* member);

  static int onWatcherOwner(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onHostsChanged(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onRegistered(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onHostAnswer(sd_bus_message* m, void* self, sd_bus_error* error);
  static int getProperty(sd_bus* bus, const char* path, const char* interface, const char* property,
                         sd_bus_message* reply, void* self, sd_bus_error* error);
  static int onActivate(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onContextMenu(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onIgnored(sd_bus_message* m, void* self, sd_bus_error* error);

  Bus bus_;
  int pollFd_ = -1;  // an epoll descriptor over the bus's socket (see SleepWatch)
  std::string id_, title_, name_;
  Handlers handlers_;
  std::vector<TrayPixmap> icon_;
  std::string label_, guide_, tipTitle_, tipText_;
  bool watcher_ = false;
  bool registered_ = false;
  bool hostPresent_ = false;
  std::unique_ptr<DBusMenu> menu_;
  BusSlot object_, ownerMatch_, hostsMatch_, hostsGoneMatch_, registering_, asking_;
};

}  // namespace qel
