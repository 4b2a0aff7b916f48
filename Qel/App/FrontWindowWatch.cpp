#include "Qel/App/FrontWindowWatch.hpp"

#include <cstdlib>
#include <memory>

#include <limits>

namespace qel {

namespace {

struct FreeReply {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

// The first item of `property` of `window`, when it is a 32-bit value of `type`.
std::optional<std::uint32_t> readCardinal(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                          xcb_atom_t type) {
  if (property == XCB_ATOM_NONE) return std::nullopt;
  Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1), nullptr));
  if (!reply || reply->type != type) return std::nullopt;
  const int length = xcb_get_property_value_length(reply.get());
  if (length < 4) return std::nullopt;
  const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return firstCardinal(reply->format, std::span(data, std::size_t(length) / 4));
}

}  // namespace

std::optional<std::uint32_t> firstCardinal(int format, std::span<const std::uint32_t> items) {
  if (format != 32 || items.empty()) return std::nullopt;
  return items.front();
}

std::optional<std::int32_t> pidFromCardinal(std::optional<std::uint32_t> value) {
  if (!value || *value <= 1 || *value > std::uint32_t(std::numeric_limits<std::int32_t>::max())) return std::nullopt;
  return std::int32_t(*value);
}

FrontApp frontAppFrom(std::optional<std::uint32_t> activeWindow, std::optional<std::uint32_t> windowPid) {
  if (!activeWindow) return {};  // the window manager doesn't publish the active window
  if (*activeWindow == 0) return FrontApp::nothing();
  if (const auto pid = pidFromCardinal(windowPid)) return FrontApp::process(*pid);
  return {};  // a window that doesn't say whose it is
}

FrontWindowWatch::FrontWindowWatch(xcb_connection_t* connection) : c_(connection) {
  if (!c_ || xcb_connection_has_error(c_)) return;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
  if (!screen) return;
  root_ = screen->root;
  // Both names are asked for before either answer is awaited: one round trip, not two. They are
  // made if no one has yet, so a window manager that starts later is heard too.
  const auto activeCookie = xcb_intern_atom(c_, 0, 18, "_NET_ACTIVE_WINDOW");
  const auto pidCookie = xcb_intern_atom(c_, 0, 11, "_NET_WM_PID");
  const auto attributesCookie = xcb_get_window_attributes(c_, root_);
  Reply<xcb_intern_atom_reply_t> active(xcb_intern_atom_reply(c_, activeCookie, nullptr));
  Reply<xcb_intern_atom_reply_t> pid(xcb_intern_atom_reply(c_, pidCookie, nullptr));
  Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(c_, attributesCookie, nullptr));
  if (active) active_ = active->atom;
  if (pid) pid_ = pid->atom;
  // A window's event mask is per client: setting it replaces what this connection asked for
  // before (the toolkit's own), so that is kept.
  const std::uint32_t mask = (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c_);
}

FrontApp FrontWindowWatch::front() {
  if (!front_) front_ = read();
  return *front_;
}

void FrontWindowWatch::see(const xcb_generic_event_t* event) {
  if (!event || (event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return;
  const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
  if (change->window == root_ && change->atom == active_) front_.reset();
}

FrontApp FrontWindowWatch::read() const {
  if (!c_ || xcb_connection_has_error(c_) || root_ == XCB_WINDOW_NONE) return {};
  const auto window = readCardinal(c_, root_, active_, XCB_ATOM_WINDOW);
  const bool someWindow = window && *window != 0;
  return frontAppFrom(window, someWindow ? readCardinal(c_, *window, pid_, XCB_ATOM_CARDINAL) : std::nullopt);
}

}  // namespace qel
