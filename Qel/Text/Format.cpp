#include "Qel/Text/Format.hpp"

#include <charconv>
#include <cmath>
#include <ctime>

#include "Qel/Text/Loc.hpp"

namespace qel {

std::string fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "—";
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return "—";
  std::string out(buf, r.ptr);
  // "-0" and "-0.0" read as a sign error; show zero plainly.
  if (out.front() == '-' && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
  return out;
}

std::string fmtDuration(long long minutes) {
  const long long m = minutes < 0 ? 0 : minutes;
  if (m <= 59) return L("%@ min", {std::to_string(m)});
  const long long h = m / 60, r = m % 60;
  if (r == 0) return L("%@ h", {std::to_string(h)});
  return L("%@ h %@ min", {std::to_string(h), std::to_string(r)});
}

std::string fmtBytes(std::uint64_t bytes) {
  const double g = double(bytes) / 1073741824.0;
  if (g >= 1.0) return fixed(g, 1) + " GB";
  return fixed(double(bytes) / 1048576.0, 0) + " MB";
}

std::string wholeNumber(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.0e18) return "—";
  return std::to_string(std::llround(value));  // llround rounds halves away from zero
}

std::string fmtPercent(double fraction) {
  const std::string p = wholeNumber(fraction * 100.0);
  return p == "—" ? p : p + "%";
}

std::pair<std::string, std::string> splitRate(double rate) {
  if (!std::isfinite(rate)) return {"—", "KB/s"};
  if (rate >= 1048576.0) return {fixed(rate / 1048576.0, 1), "MB/s"};
  return {fixed(rate / 1024.0, 0), "KB/s"};
}

std::string fmtRate(double rate) {
  if (!std::isfinite(rate)) return "—";
  auto [number, unit] = splitRate(rate);
  return number + " " + unit;
}

std::string fmtWattHours(double wh) {
  if (wh < 1.0) return fixed(wh * 1000.0, 0) + " mWh";
  return fixed(wh, 1) + " Wh";
}

std::string ClockFormatter::string(Date d) const {
  const std::time_t t = std::chrono::system_clock::to_time_t(d);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[8];
  std::strftime(buf, sizeof buf, "%H:%M", &tm);
  return buf;
}

const ClockFormatter& clockFormatter() {
  static const ClockFormatter formatter;
  return formatter;
}

}  // namespace qel
