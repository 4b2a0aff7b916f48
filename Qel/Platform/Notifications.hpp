#pragma once
// Desktop notifications through org.freedesktop.Notifications on the session bus.
#include <string>

namespace qel {

// Posts one notification (shown at once, default timeout); false when no notification
// service answers. Blocks for at most the bus timeout.
bool postNotification(const std::string& appName, const std::string& title, const std::string& body);

}  // namespace qel
