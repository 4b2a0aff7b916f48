#pragma once
// A flat menu offered over the bus as com.canonical.dbusmenu, the way a StatusNotifierItem host
// (GNOME's indicator extension, Plasma, the Ayatana indicator panels) reads and opens an item's
// menu. Hosts fetch the layout when they show it and again after LayoutUpdated; a click comes
// back as Event "clicked" with the entry's id.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {

struct DBusMenuEntry {
  std::int32_t id = 0;  // 1 and up; 0 is the menu itself
  std::string label;    // with "_" before an access key and "__" for an underscore
  bool enabled = true;
  bool visible = true;
  bool separator = false;
  bool operator==(const DBusMenuEntry&) const = default;
};

class DBusMenu {
 public:
  using Clicked = std::function<void(std::int32_t id)>;

  // Serves the menu at `path` on `bus` (which outlives it). ok() is false when it can't.
  DBusMenu(sd_bus* bus, const char* path, Clicked clicked);
  DBusMenu(const DBusMenu&) = delete;
  DBusMenu& operator=(const DBusMenu&) = delete;

  bool ok() const { return slot_ != nullptr; }
  // Replaces the entries; hosts are told only when they differ from the last ones.
  void setEntries(std::vector<DBusMenuEntry> entries);
  const std::vector<DBusMenuEntry>& entries() const { return entries_; }

 private:
  const DBusMenuEntry* find(std::int32_t id) const;
  static int getLayout(sd_bus_message* m, void* self, sd_bus_error* error);
  static int getGroupProperties(sd_bus_message* m, void* self, sd_bus_error* error);
  static int event(sd_bus_message* m, void* self, sd_bus_error* error);
  static int eventGroup(sd_bus_message* m, void* self, sd_bus_error* error);
  static int aboutToShow(sd_bus_message* m, void* self, sd_bus_error* error);
  static int aboutToShowGroup(sd_bus_message* m, void* self, sd_bus_error* error);

  sd_bus* bus_;
  std::string path_;
  Clicked clicked_;
  std::vector<DBusMenuEntry> entries_;
  std::uint32_t revision_ = 1;
  BusSlot slot_;
};

}  // namespace qel
