#include "Qel/History/DayMark.hpp"

#include <charconv>

#include "Qel/Text/Loc.hpp"

namespace qel {

std::string DayMark::id() const {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, toSeconds(date));
  return std::string(buf, r.ec == std::errc() ? r.ptr : buf) + "-" + kind + "-" + arg;
}

std::string DayMark::title() const {
  if (kind == "plug") return L("Power adapter connected");
  if (kind == "unplug") return L("Switched to battery power");
  if (kind == "display+") return L("External display connected");
  if (kind == "display-") return L("External display disconnected");
  if (kind == "wake") return L("Woke from sleep");
  if (kind == "net-") return L("Network disconnected");
  if (kind == "net+") return L("Network reconnected");
  return L("%@ opened", {arg});
}

}  // namespace qel
