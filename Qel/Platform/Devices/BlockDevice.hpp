#pragma once
// Facts about the block device behind a mount: its filesystem label (/dev/disk/by-label), whether
// it is built into the machine (/sys/dev/block/MAJ:MIN: not removable, not on USB), and the
// space of a mounted filesystem (statvfs).
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// Undoes udev's "\x20" escapes in link names.
std::string unescapeUdevName(std::string_view name);

// Filesystem labels keyed by the device node each label link resolves to.
class DiskLabels {
 public:
  explicit DiskLabels(const SysRoot& root);
  // The label of the device node at `source` ("/dev/sda1", "/dev/mapper/root"); absent without one.
  std::optional<std::string> labelOf(const std::string& source) const;

 private:
  SysRoot root_;
  std::map<std::filesystem::path, std::string> labels_;
};

// Internal when neither the device nor its whole disk is removable and it does not hang off USB.
bool isInternalDevice(const SysRoot& root, unsigned major, unsigned minor);

// Bytes, as df shows them: `available` is what an unprivileged user may still write, `used` is
// what is written (total less every free block, so the blocks kept for root count as neither).
struct FsSpace {
  std::uint64_t total{}, available{}, used{};
  bool operator==(const FsSpace&) const = default;
};
// From statvfs's block counts; a product past 64 bits reads as the largest value.
FsSpace fsSpaceFromBlocks(std::uint64_t blocks, std::uint64_t freeBlocks, std::uint64_t availableBlocks,
                          std::uint64_t blockSize);
std::optional<FsSpace> filesystemSpace(const std::filesystem::path& path);

}  // namespace qel
