#pragma once
// The one-minute load average from /proc/loadavg (what getloadavg reads), kept open.
#include <optional>
#include <string>
#include <string_view>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// The first field; absent when it is not a finite, non-negative number.
std::optional<double> parseLoadAvg(std::string_view text);

class LoadAvgReader {
 public:
  explicit LoadAvgReader(const SysRoot& root);
  std::optional<double> read();

 private:
  KeptFile file_;
  std::string buffer_;
};

}  // namespace qel
