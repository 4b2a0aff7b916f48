#include "Qel/Platform/Desktop/DpkgQuery.hpp"

#include <algorithm>

#include "Qel/Platform/Proc/ProcText.hpp"
#include "Qel/Platform/Runtime/CommandRunner.hpp"

namespace qel {
namespace {

constexpr std::size_t kMaxVersion = 128;

bool isPackageChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == ':';
}

std::optional<std::string> packageOwning(const std::string& file, const std::string& dpkgQuery) {
  const auto r = runCommand(dpkgQuery, {"-S", file}, RunOptions{.timeout = std::chrono::seconds(5), .maxOutput = 1 << 20});
  if (!r.succeeded()) return std::nullopt;
  return parseDpkgSearch(r.output, file);
}

}  // namespace

std::optional<std::string> parseDpkgSearch(std::string_view output, std::string_view file) {
  std::string_view line;
  while (nextLine(output, line)) {
    // "pkg-a, pkg-b:amd64: /path"; diversions are reported on lines of their own.
    if (line.starts_with("diversion by ")) continue;
    const auto sep = line.find(": ");
    if (sep == std::string_view::npos || line.substr(sep + 2) != file) continue;
    std::string_view package = line.substr(0, sep);
    package = trim(package.substr(0, package.find(',')));
    if (package.empty() || !std::all_of(package.begin(), package.end(), isPackageChar)) continue;
    return std::string(package);
  }
  return std::nullopt;
}

std::string parseDpkgVersion(std::string_view output) {
  const std::string_view v = trim(output);
  if (v.empty() || v.size() > kMaxVersion) return {};
  const bool plain = std::all_of(v.begin(), v.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '+' ||
           c == '~' || c == '-' || c == ':';
  });
  return plain ? std::string(v) : std::string();
}

std::string packageVersionOf(const std::string& file, const std::string& dpkgQuery) {
  // dpkg-query takes anything with wildcards as a pattern: such a path could name other files.
  if (!file.starts_with('/') || file.find_first_of("*?[]\\") != std::string::npos) return {};
  auto package = packageOwning(file, dpkgQuery);
  // With a merged /usr the running path may be /usr/bin/x while the package lists /bin/x.
  if (!package && file.starts_with("/usr/") && file.find('/', 5) != std::string::npos)
    package = packageOwning(file.substr(4), dpkgQuery);
  if (!package) return {};
  const auto r = runCommand(dpkgQuery, {"-W", "-f", "${Version}", *package},
                            RunOptions{.timeout = std::chrono::seconds(5), .maxOutput = 4096});
  return r.succeeded() ? parseDpkgVersion(r.output) : std::string();
}

}  // namespace qel
