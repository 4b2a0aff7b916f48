#include "Qel/Platform/Proc/ProcPidStatm.hpp"

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

std::optional<std::uint64_t> parseStatmResident(std::string_view text) {
  const bool sized = parseU64(nextField(text)).has_value();
  const auto resident = parseU64(nextField(text));
  return sized ? resident : std::nullopt;
}

}  // namespace qel
