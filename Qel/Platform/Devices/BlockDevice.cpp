#include "Qel/Platform/Devices/BlockDevice.hpp"

#include <sys/statvfs.h>

#include <system_error>

#include "Qel/Platform/Proc/MountInfo.hpp"
#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::filesystem::path resolved(const std::filesystem::path& p) {
  std::error_code ec;
  auto out = std::filesystem::weakly_canonical(p, ec);
  return ec ? p.lexically_normal() : out;
}
}  // namespace

std::string unescapeUdevName(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
      const int hi = hexDigit(name[i + 2]), lo = hexDigit(name[i + 3]);
      if (hi >= 0 && lo >= 0) {
        out.push_back(char(hi * 16 + lo));
        i += 3;
        continue;
      }
    }
    out.push_back(name[i]);
  }
  return out;
}

DiskLabels::DiskLabels(const SysRoot& root) : root_(root) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(root.path("dev/disk/by-label"), ec), end; !ec && it != end;
       it.increment(ec)) {
    labels_.emplace(resolved(it->path()), unescapeUdevName(it->path().filename().string()));
  }
}

std::optional<std::string> DiskLabels::labelOf(const std::string& source) const {
  if (labels_.empty()) return std::nullopt;
  const auto it = labels_.find(resolved(pathUnderRoot(root_, source)));
  if (it == labels_.end() || it->second.empty()) return std::nullopt;
  return it->second;
}

bool isInternalDevice(const SysRoot& root, unsigned major, unsigned minor) {
  std::error_code ec;
  const auto link = root.sys("dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
  auto device = std::filesystem::canonical(link, ec);
  if (ec) return true;  // no sysfs entry (a virtual device): nothing says it is external
  const auto inRoot = device.lexically_relative(resolved(root.root)).generic_string();
  if (inRoot.find("/usb") != std::string::npos) return false;
  // A partition's removable flag lives on its whole disk, the folder above.
  if (std::filesystem::exists(device / "partition", ec)) device = device.parent_path();
  const auto removable = readText(device / "removable", 64);
  return !(removable && trim(*removable) == "1");
}

FsSpace fsSpaceFromBlocks(std::uint64_t blocks, std::uint64_t freeBlocks, std::uint64_t availableBlocks,
                          std::uint64_t blockSize) {
  const auto bytes = [blockSize](std::uint64_t n) { return checkedMul(n, blockSize).value_or(UINT64_MAX); };
  return FsSpace{.total = bytes(blocks),
                 .available = bytes(availableBlocks),
                 .used = bytes(freeBlocks < blocks ? blocks - freeBlocks : 0)};
}

std::optional<FsSpace> filesystemSpace(const std::filesystem::path& path) {
  struct statvfs st {};
  if (::statvfs(path.c_str(), &st) != 0) return std::nullopt;
  return fsSpaceFromBlocks(st.f_blocks, st.f_bfree, st.f_bavail, st.f_frsize);
}

}  // namespace qel
