#pragma once
// The mount table of /proc/self/mountinfo, and which mounts are volumes a user would call a
// disk: backed by a block device, not a network share, not a packed read-only image.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct MountEntry {
  unsigned major{}, minor{};
  std::string root;        // the mounted subtree of its filesystem ("/" unless a bind mount)
  std::string mountPoint;  // unescaped ("\040" → space)
  std::string fsType;
  std::string source;      // "/dev/nvme0n1p2", "server:/export", "tmpfs"
  bool operator==(const MountEntry&) const = default;
};

// Every well-formed line in file order; a malformed line is left out.
std::vector<MountEntry> parseMountInfo(std::string_view text);
// Undoes the kernel's octal escapes ("\040", "\011", "\012", "\134").
std::string unescapeMountField(std::string_view field);

bool isNetworkFilesystem(std::string_view fsType);
// A block-device-backed mount of a filesystem that holds files a user keeps.
bool isDeviceVolume(const MountEntry& m);

// Where an absolute path of the machine (a mount point, a device node) lies under the root.
std::filesystem::path pathUnderRoot(const SysRoot& root, std::string_view absolute);

// Absent when the table can't be read.
std::optional<std::vector<MountEntry>> readMountInfo(const SysRoot& root);

}  // namespace qel
