#pragma once
// The application in front on an X server, followed rather than asked for: the window manager
// announces a change of the active window as a property change on the root window, so the front
// window and its pid are read once per change instead of on every question. One X connection,
// whose events the owner hands to see().
#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <span>

#include "Qel/Store/Desktop.hpp"

namespace qel {

class FrontWindowWatch {
 public:
  // Asks the server for the root window's property changes (keeping what else this
  // connection listens to there).
  explicit FrontWindowWatch(xcb_connection_t* connection);

  // The app in front as of the last change seen; read from the server only after a change.
  FrontApp front();
  // An event of the connection: a change of the active window makes the next front() read.
  void see(const xcb_generic_event_t* event);

 private:
  FrontApp read() const;

  xcb_connection_t* c_;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  xcb_atom_t active_ = XCB_ATOM_NONE;
  xcb_atom_t pid_ = XCB_ATOM_NONE;
  std::optional<FrontApp> front_;  // none: to be read
};

// The first 32-bit item of an X window property as a window id or a pid: none unless the
// property has format 32 and at least one item.
std::optional<std::uint32_t> firstCardinal(int format, std::span<const std::uint32_t> items);
// The app in front from the root window's _NET_ACTIVE_WINDOW (none: not published) and that
// window's _NET_WM_PID. Window 0 means no window is active, so nothing is in front.
FrontApp frontAppFrom(std::optional<std::uint32_t> activeWindow, std::optional<std::uint32_t> windowPid);
// A pid from a _NET_WM_PID value: none unless it is a pid another process could have (> 1).
std::optional<std::int32_t> pidFromCardinal(std::optional<std::uint32_t> value);

}  // namespace qel
