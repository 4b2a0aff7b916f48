#include "Qel/Platform/Proc/LoadAvg.hpp"

#include <charconv>
#include <cmath>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

std::optional<double> parseLoadAvg(std::string_view text) {
  const auto field = nextField(text);
  double value = 0;
  const auto* end = field.data() + field.size();
  const auto r = std::from_chars(field.data(), end, value, std::chars_format::fixed);
  if (field.empty() || r.ec != std::errc() || r.ptr != end || !std::isfinite(value) || value < 0)
    return std::nullopt;
  return value;
}

LoadAvgReader::LoadAvgReader(const SysRoot& root) : file_(root.proc("loadavg")) {}

std::optional<double> LoadAvgReader::read() {
  if (!file_.read(buffer_, 256)) return std::nullopt;
  return parseLoadAvg(buffer_);
}

}  // namespace qel
