#include "Qel/Platform/Bus/DBusMenu.hpp"

#include <algorithm>

namespace qel {
namespace {

constexpr const char* kInterface = "com.canonical.dbusmenu";

// Reads an "as" at the message's position.
int readStrings(sd_bus_message* m, std::vector<std::string>& out) {
  int r = sd_bus_message_enter_container(m, 'a', "s");
  if (r < 0) return r;
  const char* s = nullptr;
  while ((r = sd_bus_message_read_basic(m, 's', &s)) > 0) out.emplace_back(s ? s : "");
  if (r < 0) return r;
  return sd_bus_message_exit_container(m);
}

bool wanted(const std::vector<std::string>& names, const char* name) {
  return names.empty() || std::find(names.begin(), names.end(), name) != names.end();
}

// An entry's properties as an "a{sv}"; those at their default values are left out, as hosts
// expect. `entry` null is the menu itself.
int appendProperties(sd_bus_message* r, const DBusMenuEntry* entry, const std::vector<std::string>& names) {
  int k = sd_bus_message_open_container(r, 'a', "{sv}");
  if (k < 0) return k;
  if (!entry) {
    if (wanted(names, "children-display")) k = sd_bus_message_append(r, "{sv}", "children-display", "s", "submenu");
  } else if (entry->separator) {
    if (wanted(names, "type")) k = sd_bus_message_append(r, "{sv}", "type", "s", "separator");
  } else if (wanted(names, "label")) {
    k = sd_bus_message_append(r, "{sv}", "label", "s", entry->label.c_str());
  }
  if (k >= 0 && entry && !entry->enabled && wanted(names, "enabled"))
    k = sd_bus_message_append(r, "{sv}", "enabled", "b", 0);
  if (k >= 0 && entry && !entry->visible && wanted(names, "visible"))
    k = sd_bus_message_append(r, "{sv}", "visible", "b", 0);
  return k < 0 ? k : sd_bus_message_close_container(r);
}

// One item of the layout, "(ia{sv}av)", with its children down to `depth` levels (-1: all).
int appendItem(sd_bus_message* r, const DBusMenuEntry* entry, const std::vector<DBusMenuEntry>& all, int depth,
               const std::vector<std::string>& names) {
  int k = sd_bus_message_open_container(r, 'r', "ia{sv}av");
  if (k >= 0) k = sd_bus_message_append(r, "i", entry ? entry->id : 0);
  if (k >= 0) k = appendProperties(r, entry, names);
  if (k >= 0) k = sd_bus_message_open_container(r, 'a', "v");
  if (!entry && depth != 0) {
    for (const DBusMenuEntry& child : all) {
      if (k >= 0) k = sd_bus_message_open_container(r, 'v', "(ia{sv}av)");
      if (k >= 0) k = appendItem(r, &child, all, depth - 1, names);
      if (k >= 0) k = sd_bus_message_close_container(r);
    }
  }
  if (k >= 0) k = sd_bus_message_close_container(r);
  return k < 0 ? k : sd_bus_message_close_container(r);
}

int getVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*) {
  return sd_bus_message_append(reply, "u", 3u);
}
int getTextDirection(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*) {
  return sd_bus_message_append(reply, "s", "ltr");
}
int getStatus(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*) {
  return sd_bus_message_append(reply, "s", "normal");
}
int getIconThemePath(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*) {
  return sd_bus_message_append(reply, "as", 0);
}

}  // namespace

DBusMenu::DBusMenu(sd_bus* bus, const char* path, Clicked clicked)
    : bus_(bus), path_(path), clicked_(std::move(clicked)) {
  static const sd_bus_vtable vtable[] = {
      SD_BUS_VTABLE_START(0),
      SD_BUS_METHOD("GetLayout", "iias", "u(ia{sv}av)", &DBusMenu::getLayout, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("GetGroupProperties", "aias", "a(ia{sv})", &DBusMenu::getGroupProperties,
                    SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("Event", "isvu", "", &DBusMenu::event, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("EventGroup", "a(isvu)", "ai", &DBusMenu::eventGroup, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("AboutToShow", "i", "b", &DBusMenu::aboutToShow, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("AboutToShowGroup", "ai", "aiai", &DBusMenu::aboutToShowGroup, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_PROPERTY("Version", "u", getVersion, 0, SD_BUS_VTABLE_PROPERTY_CONST),
      SD_BUS_PROPERTY("TextDirection", "s", getTextDirection, 0, SD_BUS_VTABLE_PROPERTY_CONST),
      SD_BUS_PROPERTY("Status", "s", getStatus, 0, SD_BUS_VTABLE_PROPERTY_CONST),
      SD_BUS_PROPERTY("IconThemePath", "as", getIconThemePath, 0, SD_BUS_VTABLE_PROPERTY_CONST),
      SD_BUS_SIGNAL("LayoutUpdated", "ui", 0),
      SD_BUS_SIGNAL("ItemsPropertiesUpdated", "a(ia{sv})a(ias)", 0),
      SD_BUS_SIGNAL("ItemActivationRequested", "iu", 0),
      SD_BUS_VTABLE_END};
  sd_bus_slot* slot = nullptr;
  if (bus_ && sd_bus_add_object_vtable(bus_, &slot, path, kInterface, vtable, this) >= 0) slot_.reset(slot);
}

void DBusMenu::setEntries(std::vector<DBusMenuEntry> entries) {
  if (entries == entries_) return;
  entries_ = std::move(entries);
  ++revision_;
  if (slot_) sd_bus_emit_signal(bus_, path_.c_str(), kInterface, "LayoutUpdated", "ui", revision_, 0);
}

const DBusMenuEntry* DBusMenu::find(std::int32_t id) const {
  for (const DBusMenuEntry& e : entries_)
    if (e.id == id) return &e;
  return nullptr;
}

int DBusMenu::getLayout(sd_bus_message* m, void* self, sd_bus_error* error) {
  auto* menu = static_cast<DBusMenu*>(self);
  std::int32_t parent = 0, depth = -1;
  std::vector<std::string> names;
  if (int r = sd_bus_message_read(m, "ii", &parent, &depth); r < 0) return r;
  if (int r = readStrings(m, names); r < 0) return r;
  const DBusMenuEntry* entry = parent == 0 ? nullptr : menu->find(parent);
  if (parent != 0 && !entry) return sd_bus_error_set(error, SD_BUS_ERROR_INVALID_ARGS, "No such menu item");
  sd_bus_message* reply = nullptr;
  int r = sd_bus_message_new_method_return(m, &reply);
  if (r < 0) return r;
  BusMessage owned(reply);
  r = sd_bus_message_append(reply, "u", menu->revision_);
  if (r >= 0) r = appendItem(reply, entry, menu->entries_, depth, names);
  return r < 0 ? r : sd_bus_send(nullptr, reply, nullptr);
}

int DBusMenu::getGroupProperties(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* menu = static_cast<DBusMenu*>(self);
  const void* ids = nullptr;
  size_t size = 0;
  std::vector<std::string> names;
  if (int r = sd_bus_message_read_array(m, 'i', &ids, &size); r < 0) return r;
  if (int r = readStrings(m, names); r < 0) return r;
  std::vector<std::int32_t> wantedIds(static_cast<const std::int32_t*>(ids),
                                      static_cast<const std::int32_t*>(ids) + size / sizeof(std::int32_t));
  // No ids asks for every item.
  if (wantedIds.empty()) {
    wantedIds.push_back(0);
    for (const DBusMenuEntry& e : menu->entries_) wantedIds.push_back(e.id);
  }
  sd_bus_message* reply = nullptr;
  int r = sd_bus_message_new_method_return(m, &reply);
  if (r < 0) return r;
  BusMessage owned(reply);
  r = sd_bus_message_open_container(reply, 'a', "(ia{sv})");
  for (const std::int32_t id : wantedIds) {
    const DBusMenuEntry* entry = id == 0 ? nullptr : menu->find(id);
    if (id != 0 && !entry) continue;
    if (r >= 0) r = sd_bus_message_open_container(reply, 'r', "ia{sv}");
    if (r >= 0) r = sd_bus_message_append(reply, "i", id);
    if (r >= 0) r = appendProperties(reply, entry, names);
    if (r >= 0) r = sd_bus_message_close_container(reply);
  }
  if (r >= 0) r = sd_bus_message_close_container(reply);
  return r < 0 ? r : sd_bus_send(nullptr, reply, nullptr);
}

int DBusMenu::event(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* menu = static_cast<DBusMenu*>(self);
  std::int32_t id = 0;
  const char* kind = nullptr;
  if (int r = sd_bus_message_read(m, "is", &id, &kind); r < 0) return r;
  const DBusMenuEntry* entry = menu->find(id);
  // Answered first: what a click does may take a while, and the host waits for no result.
  const int r = sd_bus_reply_method_return(m, "");
  if (entry && kind && std::string(kind) == "clicked" && entry->enabled && !entry->separator && menu->clicked_)
    menu->clicked_(id);
  return r;
}

int DBusMenu::eventGroup(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* menu = static_cast<DBusMenu*>(self);
  std::vector<std::int32_t> clicked, unknown;
  int r = sd_bus_message_enter_container(m, 'a', "(isvu)");
  while (r >= 0 && (r = sd_bus_message_enter_container(m, 'r', "isvu")) > 0) {
    std::int32_t id = 0;
    const char* kind = nullptr;
    if ((r = sd_bus_message_read(m, "is", &id, &kind)) < 0 || (r = sd_bus_message_skip(m, "vu")) < 0 ||
        (r = sd_bus_message_exit_container(m)) < 0)
      break;
    const DBusMenuEntry* entry = menu->find(id);
    if (!entry) unknown.push_back(id);
    else if (kind && std::string(kind) == "clicked" && entry->enabled && !entry->separator) clicked.push_back(id);
  }
  if (r < 0) return r;
  sd_bus_message* reply = nullptr;
  if ((r = sd_bus_message_new_method_return(m, &reply)) < 0) return r;
  BusMessage owned(reply);
  r = sd_bus_message_append_array(reply, 'i', unknown.data(), unknown.size() * sizeof(std::int32_t));
  if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
  for (const std::int32_t id : clicked)
    if (menu->clicked_) menu->clicked_(id);
  return r;
}

int DBusMenu::aboutToShow(sd_bus_message* m, void*, sd_bus_error*) {
  // The entries are always current: nothing to fetch before showing.
  return sd_bus_reply_method_return(m, "b", 0);
}

int DBusMenu::aboutToShowGroup(sd_bus_message* m, void*, sd_bus_error*) {
  return sd_bus_reply_method_return(m, "aiai", 0, 0);
}

}  // namespace qel
