#include "Qel/Platform/Proc/DiskStats.hpp"

#include <sys/stat.h>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

std::vector<DiskCounters> parseDiskStats(std::string_view text) {
  // major minor name reads merged sectors-read ms writes merged sectors-written ...
  std::vector<DiskCounters> out;
  std::string_view line;
  while (nextLine(text, line)) {
    std::string_view f[10];
    for (auto& field : f) field = nextField(line);
    if (f[9].empty() || !parseU64(f[0]) || !parseU64(f[1])) continue;
    const auto read = parseU64(f[5]);
    const auto written = parseU64(f[9]);
    if (!read || !written || f[2].empty()) continue;
    out.push_back({std::string(f[2]), *read, *written});
  }
  return out;
}

DiskStatsReader::DiskStatsReader(SysRoot root) : root_(std::move(root)), file_(root_.proc("diskstats")) {}

bool DiskStatsReader::isWholeDisk(const std::string& name) {
  if (!isPlainName(name)) return false;
  struct stat st {};
  return ::lstat(root_.sys("block/" + name + "/device").c_str(), &st) == 0;
}

std::optional<CounterReading> DiskStatsReader::read() {
  if (!file_.read(buffer_)) return std::nullopt;
  std::map<std::string, bool> seen;
  CounterReading out;
  for (auto& disk : parseDiskStats(buffer_)) {
    // A name is judged when it first appears; one that disappears is forgotten, so a new
    // device that takes its name is judged afresh.
    auto known = wholeDisk_.find(disk.name);
    const bool whole = known != wholeDisk_.end() ? known->second : isWholeDisk(disk.name);
    seen.emplace(disk.name, whole);
    if (whole) out.emplace(std::move(disk.name), CounterPair{disk.sectorsRead, disk.sectorsWritten});
  }
  wholeDisk_ = std::move(seen);
  return out;
}

}  // namespace qel
