#pragma once
// /proc/[pid]/fd: one symbolic link per open descriptor; a socket's reads "socket:[inode]".
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// The inode of a "socket:[inode]" link text; absent for anything else.
std::optional<std::uint64_t> parseSocketLink(std::string_view link);

// Appends the socket inodes the process holds open; false when its descriptors can't be read
// (another user's process, or it is gone).
bool readSocketInodes(const SysRoot& root, std::int32_t pid, std::vector<std::uint64_t>& out);

// Whether a descriptor's link names a graphics processor's device: a DRM render node
// ("/dev/dri/renderD128") or an NVIDIA device node ("/dev/nvidia0").
bool isGpuDeviceLink(std::string_view link);

// Whether the process holds a graphics processor's device open; absent when its descriptors
// can't be read (another user's process, or it is gone).
std::optional<bool> holdsGpuDevice(const SysRoot& root, std::int32_t pid);

}  // namespace qel
