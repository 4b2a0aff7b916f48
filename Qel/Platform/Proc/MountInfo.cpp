#include "Qel/Platform/Proc/MountInfo.hpp"

#include <array>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
bool isOctal(char c) { return c >= '0' && c <= '7'; }

std::optional<std::pair<unsigned, unsigned>> parseDevice(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto major = parseU64(text.substr(0, colon));
  const auto minor = parseU64(text.substr(colon + 1));
  if (!major || !minor || *major > 0xffffffffu || *minor > 0xffffffffu) return std::nullopt;
  return std::pair{unsigned(*major), unsigned(*minor)};
}
}  // namespace

std::string unescapeMountField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
        isOctal(field[i + 3])) {
      const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      if (value > 0 && value < 256) {
        out.push_back(char(value));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

std::vector<MountEntry> parseMountInfo(std::string_view text) {
  // id parent major:minor root mount-point options [optional fields...] - type source super-options
  std::vector<MountEntry> out;
  std::string_view line;
  while (nextLine(text, line)) {
    nextField(line);  // mount id
    nextField(line);  // parent id
    const auto device = parseDevice(nextField(line));
    const auto root = nextField(line);
    const auto mountPoint = nextField(line);
    nextField(line);  // mount options
    std::string_view field;
    do field = nextField(line);
    while (!field.empty() && field != "-");
    const auto fsType = nextField(line);
    const auto source = nextField(line);
    if (!device || root.empty() || !mountPoint.starts_with('/') || field != "-" || fsType.empty() || source.empty())
      continue;
    out.push_back({device->first, device->second, unescapeMountField(root), unescapeMountField(mountPoint),
                   unescapeMountField(fsType), unescapeMountField(source)});
  }
  return out;
}

bool isNetworkFilesystem(std::string_view fsType) {
  static constexpr std::array<std::string_view, 14> network{
      "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "ceph", "glusterfs", "9p", "afs", "coda", "lustre",
      "davfs", "fuse.sshfs"};
  for (const auto n : network)
    if (fsType == n) return true;
  return false;
}

bool isDeviceVolume(const MountEntry& m) {
  // squashfs is a packed read-only image (snap packages, live systems): always full, never
  // where anyone keeps files.
  return m.source.starts_with("/dev/") && !isNetworkFilesystem(m.fsType) && m.fsType != "squashfs";
}

std::filesystem::path pathUnderRoot(const SysRoot& root, std::string_view absolute) {
  while (absolute.starts_with('/')) absolute.remove_prefix(1);
  return root.path(std::string(absolute));
}

std::optional<std::vector<MountEntry>> readMountInfo(const SysRoot& root) {
  const auto text = readText(root.proc("self/mountinfo"), 16u << 20);
  if (!text) return std::nullopt;
  return parseMountInfo(*text);
}

}  // namespace qel
