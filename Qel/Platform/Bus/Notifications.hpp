#pragma once
// Desktop notifications through org.freedesktop.Notifications on the session bus.
#include <string>
#include <string_view>

namespace qel {

// Posts one notification (shown at once, default timeout); false when no notification
// service answers. Blocks for at most the bus timeout.
bool postNotification(const std::string& appName, const std::string& title, const std::string& body);

// The body as sent: a service that reads markup gets "&", "<" and ">" escaped, so a process
// name in it stays text (never a link, an image or a broken tag that hides the rest); bytes
// that are not UTF-8 are replaced, since the bus refuses such a string whole.
std::string notificationBody(std::string_view body, bool markup);

}  // namespace qel
