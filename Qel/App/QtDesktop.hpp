#pragma once
// What the desktop program tells the store about the desktop: the application in front (from
// the X server's active window and the pid it announces; unknown elsewhere, e.g. on Wayland),
// the number of screens, the appearance and the application icon. Main thread only.
#include <QIcon>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <span>

#include "Qel/Kit/DockIcon.hpp"
#include "Qel/Store/Desktop.hpp"

namespace qel {

class Store;

class QtDesktop final : public Desktop {
 public:
  QtDesktop();

  // The store whose load the window icon shows; none draws the icon with the water at rest.
  void setStore(const Store* store) { store_ = store; }
  // The window that shows the icon: while it is closed the icon follows the load no more (it is
  // drawn again, forced, when the window comes back).
  void setWindow(const QWidget* window) { window_ = window; }

  FrontApp frontApp() const override;
  int screenCount() const override;
  void applyAppearance(const std::string& appearance) override;
  void updateDockIcon(bool force) override;

  // The program's own icon, from its resources.
  static QIcon appIcon();
  const DockPicture& dockPicture() const { return shown_; }

 private:
  const Store* store_ = nullptr;
  const QWidget* window_ = nullptr;
  DockPicture shown_;
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
