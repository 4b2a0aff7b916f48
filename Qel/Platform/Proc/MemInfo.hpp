#pragma once
// Memory figures from /proc/meminfo (in bytes) and the memory zram devices hold for their
// compressed pages (/sys/block/zram*/mm_stat).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct MemInfo {
  std::uint64_t memTotal{}, memAvailable{}, anonPages{}, unevictable{}, sUnreclaim{}, kernelStack{},
      pageTables{}, zswap{}, swapTotal{}, swapFree{};
  bool hasAvailable{};  // kernels before 3.14 have no MemAvailable
  bool operator==(const MemInfo&) const = default;
};

// Missing or malformed lines read as 0.
MemInfo parseMemInfo(std::string_view text);
// Bytes of memory a zram device uses (the third field of mm_stat); absent when malformed.
std::optional<std::uint64_t> parseZramMemUsed(std::string_view mmStat);

// /proc/meminfo and every zram device's mm_stat, kept open.
class MemInfoReader {
 public:
  explicit MemInfoReader(const SysRoot& root);
  std::optional<MemInfo> read();
  // Sum over the zram devices found at creation; one that went away adds nothing.
  std::uint64_t zramBytes();

 private:
  KeptFile meminfo_;
  std::vector<KeptFile> zram_;
  std::string buffer_;
};

}  // namespace qel
