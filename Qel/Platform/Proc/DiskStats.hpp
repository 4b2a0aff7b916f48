#pragma once
// Sectors read and written per block device from /proc/diskstats. Only whole physical disks
// count (those with a `device` link in /sys/block): partitions, loop, device-mapper, md and zram
// devices would count the same bytes twice or count memory.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/CounterReading.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// Sectors are 512 bytes in /proc/diskstats whatever the device's own sector size.
inline constexpr std::uint64_t kDiskStatsSectorBytes = 512;

struct DiskCounters {
  std::string name;
  std::uint64_t sectorsRead{}, sectorsWritten{};
  bool operator==(const DiskCounters&) const = default;
};

// Every well-formed line, in file order.
std::vector<DiskCounters> parseDiskStats(std::string_view text);

class DiskStatsReader {
 public:
  explicit DiskStatsReader(SysRoot root);
  // Sectors read (first) and written (second) per whole disk; absent when the file can't be read.
  std::optional<CounterReading> read();

 private:
  bool isWholeDisk(const std::string& name);

  SysRoot root_;
  KeptFile file_;
  std::string buffer_;
  std::map<std::string, bool> wholeDisk_;  // names seen in the last reading, judged once each
};

}  // namespace qel
