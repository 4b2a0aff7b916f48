#include "Qel/Platform/Bus/PortalSettingsWatch.hpp"

#include <unistd.h>

#include <cstring>

namespace qel {
namespace {
constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.Settings";
}  // namespace

std::unique_ptr<PortalSettingsWatch> PortalSettingsWatch::open(Handler onColorSchemeChanged) {
  Bus bus = openBus(BusKind::session);
  if (!bus) return nullptr;
  std::unique_ptr<PortalSettingsWatch> watch(new PortalSettingsWatch(std::move(bus), std::move(onColorSchemeChanged)));
  watch->pollFd_ = busPollFd(watch->bus_.get());
  if (watch->pollFd_ < 0) return nullptr;
  sd_bus_slot* slot = nullptr;
  // Any sender: the portal's well-known name may be taken after this program starts.
  if (sd_bus_match_signal(watch->bus_.get(), &slot, nullptr, kPath, kInterface, "SettingChanged", &onChanged,
                          watch.get()) < 0)
    return nullptr;
  watch->slot_.reset(slot);
  return watch;
}

PortalSettingsWatch::PortalSettingsWatch(Bus bus, Handler handler)
    : bus_(std::move(bus)), handler_(std::move(handler)) {}

PortalSettingsWatch::~PortalSettingsWatch() {
  slot_.reset();  // before the bus, so no callback reaches a half-destroyed watch
  if (pollFd_ >= 0) ::close(pollFd_);
}

void PortalSettingsWatch::process() {
  while (sd_bus_process(bus_.get(), nullptr) > 0) {
  }
}

int PortalSettingsWatch::onChanged(sd_bus_message* m, void* self, sd_bus_error*) {
  const char* space = nullptr;
  const char* key = nullptr;
  if (sd_bus_message_read(m, "ss", &space, &key) < 0 || !space || !key) return 0;
  if (std::strcmp(space, "org.freedesktop.appearance") != 0 || std::strcmp(key, "color-scheme") != 0) return 0;
  auto* watch = static_cast<PortalSettingsWatch*>(self);
  if (watch->handler_) watch->handler_();
  return 0;
}

}  // namespace qel
