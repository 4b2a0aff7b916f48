#pragma once
// One graphics processor's figures as its driver reports them.
#include <cstdint>
#include <optional>

namespace qel {

struct GpuReading {
  double busyPercent{};        // 0 to 100
  std::uint64_t memoryBytes{};  // memory in use by the GPU
  std::optional<int> cores;
  bool operator==(const GpuReading&) const = default;
};

}  // namespace qel
