#include "Qel/Platform/Bus/DesktopPortal.hpp"

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {
namespace {

constexpr const char* kService = "org.freedesktop.portal.Desktop";
constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.Settings";
constexpr const char* kNamespace = "org.freedesktop.appearance";
constexpr const char* kKey = "color-scheme";

// ReadOne answers with the value in one variant; the older Read wraps it in a second one.
std::optional<std::uint32_t> readNumber(sd_bus_message* m, int depth = 0) {
  char type = 0;
  const char* contents = nullptr;
  if (sd_bus_message_peek_type(m, &type, &contents) <= 0) return std::nullopt;
  if (type == 'v') {
    if (depth > 2 || !contents || sd_bus_message_enter_container(m, 'v', contents) < 0) return std::nullopt;
    return readNumber(m, depth + 1);
  }
  if (type == 'u') {
    std::uint32_t v = 0;
    if (sd_bus_message_read_basic(m, 'u', &v) < 0) return std::nullopt;
    return v;
  }
  if (type == 'i') {
    std::int32_t v = 0;
    if (sd_bus_message_read_basic(m, 'i', &v) < 0 || v < 0) return std::nullopt;
    return std::uint32_t(v);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> readPortalColorScheme() {
  auto bus = openBus(BusKind::session);
  if (!bus) return std::nullopt;
  BusError error;
  auto reply = callMethod(bus.get(), kService, kPath, kInterface, "ReadOne", error, "ss", kNamespace, kKey);
  if (!reply) {
    // Portals before version 2 have only Read; any other failure means no answer.
    if (error.name() != "org.freedesktop.DBus.Error.UnknownMethod") return std::nullopt;
    BusError again;
    reply = callMethod(bus.get(), kService, kPath, kInterface, "Read", again, "ss", kNamespace, kKey);
    if (!reply) return std::nullopt;
  }
  return readNumber(reply.get());
}

}  // namespace qel
