#include "Qel/Platform/Desktop/SessionProcesses.hpp"

#include <algorithm>
#include <array>

namespace qel {
namespace {

constexpr std::array<std::string_view, 76> kPrograms{
    // display servers
    "Xorg", "X", "Xwayland", "Xvfb", "Xephyr", "Xnest",
    // compositors, window managers and shells
    "gnome-shell", "mutter", "kwin_x11", "kwin_wayland", "kwin_wayland_wrapper", "plasmashell", "weston", "sway",
    "Hyprland", "river", "labwc", "wayfire", "niri", "cosmic-comp", "xfwm4", "openbox", "i3", "marco", "muffin",
    "cinnamon", "metacity", "compiz", "budgie-wm", "enlightenment", "picom", "compton", "gala", "phoc",
    // panels and desktops
    "xfce4-panel", "xfdesktop", "mate-panel", "lxqt-panel", "lxpanel", "budgie-panel", "waybar", "polybar", "tint2",
    "cosmic-panel",
    // session managers and the session's plumbing
    "gnome-session-binary", "gnome-session", "ksmserver", "startplasma-x11", "startplasma-wayland",
    "plasma_session", "xfce4-session", "lxqt-session", "lxsession", "mate-session", "cinnamon-session",
    "gdm-x-session", "gdm-wayland-session", "sddm-helper", "lightdm", "systemd", "dbus-daemon", "dbus-broker",
    "dbus-broker-launch", "at-spi-bus-launcher", "at-spi2-registryd",
    // audio
    "pipewire", "pipewire-pulse", "wireplumber", "pipewire-media-session", "pulseaudio", "jackd",
    // portals (the file chooser and screen sharing of sandboxed apps go through them)
    "xdg-desktop-portal", "xdg-desktop-portal-gnome", "xdg-desktop-portal-kde", "xdg-desktop-portal-gtk",
    "xdg-desktop-portal-wlr",
};

}  // namespace

bool isSessionProcess(std::string_view path, std::string_view name) {
  std::string_view program = name;
  if (!path.empty()) {
    const auto slash = path.rfind('/');
    program = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // A program updated while it runs: its executable link reads "<path> (deleted)".
    if (program.ends_with(" (deleted)")) program.remove_suffix(10);
  }
  return !program.empty() && std::find(kPrograms.begin(), kPrograms.end(), program) != kPrograms.end();
}

}  // namespace qel
