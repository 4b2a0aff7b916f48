#include "Qel/App/QtDesktop.hpp"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

namespace {

struct FreeReply {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::uint16_t(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

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

QtDesktop::QtDesktop() = default;

FrontApp QtDesktop::frontApp() const {
  auto* app = qGuiApp;
  auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c || xcb_connection_has_error(c)) return {};
  static const xcb_atom_t active = atom(c, "_NET_ACTIVE_WINDOW");
  static const xcb_atom_t pid = atom(c, "_NET_WM_PID");
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  if (!screen) return {};
  const auto window = readCardinal(c, screen->root, active, XCB_ATOM_WINDOW);
  const bool someWindow = window && *window != 0;
  return frontAppFrom(window, someWindow ? readCardinal(c, *window, pid, XCB_ATOM_CARDINAL) : std::nullopt);
}

int QtDesktop::screenCount() const { return qGuiApp ? int(QGuiApplication::screens().size()) : 0; }

void QtDesktop::applyAppearance(const std::string& appearance) { Palette::setAppearance(appearance); }

void QtDesktop::updateDockIcon(bool force) {
  if (!force && window_ && !window_->isVisible()) return;
  const bool light = Palette::light();
  static const std::vector<double> noHistory;
  const auto next = nextDockPicture(shown_, store_ ? store_->cpuHist() : noHistory, store_ ? store_->dockLoad() : false,
                                    force);
  if (!next) return;
  shown_ = *next;
  const double load = std::max(shown_.level, 0.0);
  constexpr std::array sizes{32, 64, 128, 256};
  std::array<QImage, sizes.size()> images;
  paintInOneTask([&] {
    for (std::size_t i = 0; i < sizes.size(); ++i) images[i] = dockIconImage(load, shown_.warm, light, sizes[i]);
  });
  QIcon icon;
  for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
  QGuiApplication::setWindowIcon(icon);
}

QIcon QtDesktop::appIcon() { return QIcon(QStringLiteral(":/icons/qel.svg")); }

}  // namespace qel
