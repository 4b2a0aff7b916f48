#include "Qel/Platform/Bus/StatusNotifierItem.hpp"

#include <unistd.h>

#include <cstring>

namespace qel {
namespace {

constexpr const char* kPath = "/StatusNotifierItem";
constexpr const char* kInterface = "org.kde.StatusNotifierItem";
constexpr const char* kMenuPath = "/MenuBar";
constexpr const char* kWatcher = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";

int appendPixmaps(sd_bus_message* r, const std::vector<TrayPixmap>& sizes) {
  int k = sd_bus_message_open_container(r, 'a', "(iiay)");
  for (const TrayPixmap& p : sizes) {
    if (k >= 0) k = sd_bus_message_open_container(r, 'r', "iiay");
    if (k >= 0) k = sd_bus_message_append(r, "ii", p.width, p.height);
    if (k >= 0) k = sd_bus_message_append_array(r, 'y', p.argb.data(), p.argb.size());
    if (k >= 0) k = sd_bus_message_close_container(r);
  }
  return k < 0 ? k : sd_bus_message_close_container(r);
}

}  // namespace

std::unique_ptr<StatusNotifierItem> StatusNotifierItem::open(const std::string& id, const std::string& title,
                                                             Handlers handlers) {
  Bus bus = openBus(BusKind::session);
  if (!bus) return nullptr;
  std::unique_ptr<StatusNotifierItem> item(new StatusNotifierItem(std::move(bus), id, title, std::move(handlers)));
  if (!item->serve()) return nullptr;
  item->watcher_ = item->askWatcher();
  if (item->watcher_) item->registerItem();
  return item;
}

StatusNotifierItem::StatusNotifierItem(Bus bus, std::string id, std::string title, Handlers handlers)
    : bus_(std::move(bus)), id_(std::move(id)), title_(std::move(title)), handlers_(std::move(handlers)) {}

StatusNotifierItem::~StatusNotifierItem() {
  // The slots and the menu go before the bus, so no callback reaches a half-destroyed item.
  registering_.reset();
  asking_.reset();
  object_.reset();
  ownerMatch_.reset();
  hostsMatch_.reset();
  hostsGoneMatch_.reset();
  menu_.reset();
  if (pollFd_ >= 0) ::close(pollFd_);
}

const sd_bus_vtable* StatusNotifierItem::vtable() {
  static const sd_bus_vtable table[] = {
      SD_BUS_VTABLE_START(0),
      SD_BUS_PROPERTY("Category", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("Id", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("Title", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("Status", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("WindowId", "i", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("IconThemePath", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("IconName", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("IconPixmap", "a(iiay)", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("OverlayIconName", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("OverlayIconPixmap", "a(iiay)", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("AttentionIconName", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("AttentionIconPixmap", "a(iiay)", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("AttentionMovieName", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("ToolTip", "(sa(iiay)ss)", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("ItemIsMenu", "b", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("Menu", "o", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("XAyatanaLabel", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_PROPERTY("XAyatanaLabelGuide", "s", &StatusNotifierItem::getProperty, 0, 0),
      SD_BUS_METHOD("Activate", "ii", "", &StatusNotifierItem::onActivate, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("ContextMenu", "ii", "", &StatusNotifierItem::onContextMenu, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("SecondaryActivate", "ii", "", &StatusNotifierItem::onIgnored, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_METHOD("Scroll", "is", "", &StatusNotifierItem::onIgnored, SD_BUS_VTABLE_UNPRIVILEGED),
      SD_BUS_SIGNAL("NewTitle", "", 0),
      SD_BUS_SIGNAL("NewIcon", "", 0),
      SD_BUS_SIGNAL("NewAttentionIcon", "", 0),
      SD_BUS_SIGNAL("NewOverlayIcon", "", 0),
      SD_BUS_SIGNAL("NewToolTip", "", 0),
      SD_BUS_SIGNAL("NewStatus", "s", 0),
      SD_BUS_SIGNAL("XAyatanaNewLabel", "ss", 0),
      SD_BUS_VTABLE_END};
  return table;
}

bool StatusNotifierItem::serve() {
  pollFd_ = busPollFd(bus_.get());
  if (pollFd_ < 0) return false;
  sd_bus* bus = bus_.get();
  name_ = "org.kde.StatusNotifierItem-" + std::to_string(::getpid()) + "-1";
  if (sd_bus_request_name(bus, name_.c_str(), 0) < 0) return false;
  sd_bus_slot* slot = nullptr;
  if (sd_bus_add_object_vtable(bus, &slot, kPath, kInterface, vtable(), this) < 0) return false;
  object_.reset(slot);
  menu_ = std::make_unique<DBusMenu>(bus, kMenuPath, handlers_.menuClicked);
  if (!menu_->ok()) return false;
  // A watcher that starts (or starts again) knows nothing of the item: it is told anew.
  if (sd_bus_add_match(bus, &slot,
                       "type='signal',sender='org.freedesktop.DBus',path='/org/freedesktop/DBus',"
                       "interface='org.freedesktop.DBus',member='NameOwnerChanged',"
                       "arg0='org.kde.StatusNotifierWatcher'",
                       &onWatcherOwner, this) < 0)
    return false;
  ownerMatch_.reset(slot);
  // Any sender: the watcher's name may be taken after this program starts.
  if (sd_bus_match_signal(bus, &slot, nullptr, kWatcherPath, kWatcher, "StatusNotifierHostRegistered",
                          &onHostsChanged, this) < 0)
    return false;
  hostsMatch_.reset(slot);
  if (sd_bus_match_signal(bus, &slot, nullptr, kWatcherPath, kWatcher, "StatusNotifierHostUnregistered",
                          &onHostsChanged, this) < 0)
    return false;
  hostsGoneMatch_.reset(slot);
  return true;
}

void StatusNotifierItem::process() {
  while (sd_bus_process(bus_.get(), nullptr) > 0) {
  }
}

bool StatusNotifierItem::askWatcher() const {
  BusError error;
  auto reply = callMethod(bus_.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", error, "s", kWatcher);
  int has = 0;
  return reply && sd_bus_message_read(reply.get(), "b", &has) >= 0 && has;
}

void StatusNotifierItem::registerItem() {
  sd_bus_slot* slot = nullptr;
  // Answered later: a watcher may read the item's properties before it answers.
  if (sd_bus_call_method_async(bus_.get(), &slot, kWatcher, kWatcherPath, kWatcher, "RegisterStatusNotifierItem",
                               &onRegistered, this, "s", name_.c_str()) < 0) {
    setShown(false, hostPresent_);
    return;
  }
  registering_.reset(slot);
}

void StatusNotifierItem::askForHost() {
  sd_bus_slot* slot = nullptr;
  if (sd_bus_call_method_async(bus_.get(), &slot, kWatcher, kWatcherPath, "org.freedesktop.DBus.Properties", "Get",
                               &onHostAnswer, this, "ss", kWatcher, "IsStatusNotifierHostRegistered") < 0) {
    setShown(registered_, true);
    return;
  }
  asking_.reset(slot);
}

void StatusNotifierItem::setShown(bool registered, bool host) {
  registered_ = registered;
  hostPresent_ = host;
  if (handlers_.shown) handlers_.shown(shown());
}

int StatusNotifierItem::onWatcherOwner(sd_bus_message* m, void* self, sd_bus_error*) {
  const char* name = nullptr;
  const char* before = nullptr;
  const char* after = nullptr;
  if (sd_bus_message_read(m, "sss", &name, &before, &after) < 0 || !name || std::strcmp(name, kWatcher) != 0)
    return 0;
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->registering_.reset();
  item->asking_.reset();
  item->watcher_ = after && *after;
  if (item->watcher_) item->registerItem();
  else item->setShown(false, false);
  return 0;
}

int StatusNotifierItem::onHostsChanged(sd_bus_message*, void* self, sd_bus_error*) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  if (item->registered_) item->askForHost();
  return 0;
}

int StatusNotifierItem::onRegistered(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->registering_.reset();
  if (sd_bus_message_is_method_error(m, nullptr)) {
    item->setShown(false, item->hostPresent_);
    return 0;
  }
  item->registered_ = true;
  item->askForHost();
  return 0;
}

int StatusNotifierItem::onHostAnswer(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->asking_.reset();
  // A watcher that can't say is taken at its word that it took the item.
  BusValue value;
  bool host = true;
  if (!sd_bus_message_is_method_error(m, nullptr) && readVariant(m, value))
    if (const bool* b = std::get_if<bool>(&value)) host = *b;
  item->setShown(item->registered_, host);
  return 0;
}

int StatusNotifierItem::getProperty(sd_bus*, const char*, const char*, const char* property, sd_bus_message* reply,
                                    void* self, sd_bus_error*) {
  const auto* item = static_cast<const StatusNotifierItem*>(self);
  const std::string p(property);
  if (p == "Category") return sd_bus_message_append(reply, "s", "ApplicationStatus");
  if (p == "Id") return sd_bus_message_append(reply, "s", item->id_.c_str());
  if (p == "Title") return sd_bus_message_append(reply, "s", item->title_.c_str());
  if (p == "Status") return sd_bus_message_append(reply, "s", "Active");
  if (p == "WindowId") return sd_bus_message_append(reply, "i", 0);
  if (p == "ItemIsMenu") return sd_bus_message_append(reply, "b", 0);
  if (p == "Menu") return sd_bus_message_append(reply, "o", kMenuPath);
  if (p == "IconPixmap") return appendPixmaps(reply, item->icon_);
  if (p == "OverlayIconPixmap" || p == "AttentionIconPixmap") return appendPixmaps(reply, {});
  if (p == "XAyatanaLabel") return sd_bus_message_append(reply, "s", item->label_.c_str());
  if (p == "XAyatanaLabelGuide") return sd_bus_message_append(reply, "s", item->guide_.c_str());
  if (p == "ToolTip") {
    int k = sd_bus_message_open_container(reply, 'r', "sa(iiay)ss");
    if (k >= 0) k = sd_bus_message_append(reply, "s", "");
    if (k >= 0) k = appendPixmaps(reply, {});
    if (k >= 0) k = sd_bus_message_append(reply, "ss", item->tipTitle_.c_str(), item->tipText_.c_str());
    return k < 0 ? k : sd_bus_message_close_container(reply);
  }
  // The theme path and the icon, overlay, attention and movie names: none, the pixmaps say all.
  return sd_bus_message_append(reply, "s", "");
}

int StatusNotifierItem::onActivate(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  std::int32_t x = 0, y = 0;
  if (int r = sd_bus_message_read(m, "ii", &x, &y); r < 0) return r;
  const int r = sd_bus_reply_method_return(m, "");
  if (item->handlers_.activate) item->handlers_.activate(x, y);
  return r;
}

int StatusNotifierItem::onContextMenu(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  std::int32_t x = 0, y = 0;
  if (int r = sd_bus_message_read(m, "ii", &x, &y); r < 0) return r;
  const int r = sd_bus_reply_method_return(m, "");
  if (item->handlers_.contextMenu) item->handlers_.contextMenu(x, y);
  return r;
}

int StatusNotifierItem::onIgnored(sd_bus_message* m, void*, sd_bus_error*) {
  // The middle button and the wheel do nothing here; hosts still get their answer.
  return sd_bus_reply_method_return(m, "");
}

void StatusNotifierItem::announce(const char* member) {
  sd_bus_emit_signal(bus_.get(), kPath, kInterface, member, nullptr);
}

void StatusNotifierItem::setIcon(std::vector<TrayPixmap> sizes) {
  if (sizes == icon_) return;
  icon_ = std::move(sizes);
  announce("NewIcon");
}

void StatusNotifierItem::setLabel(const std::string& label, const std::string& guide) {
  if (label == label_ && guide == guide_) return;
  label_ = label;
  guide_ = guide;
  sd_bus_emit_signal(bus_.get(), kPath, kInterface, "XAyatanaNewLabel", "ss", label_.c_str(), guide_.c_str());
}

void StatusNotifierItem::setToolTip(const std::string& title, const std::string& text) {
  if (title == tipTitle_ && text == tipText_) return;
  tipTitle_ = title;
  tipText_ = text;
  announce("NewToolTip");
}

}  // namespace qel
