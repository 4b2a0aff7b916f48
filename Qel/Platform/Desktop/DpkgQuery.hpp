#pragma once
// Which Debian package installed a file, and that package's version, from dpkg-query.
#include <optional>
#include <string>
#include <string_view>

namespace qel {

// The first package that `dpkg-query -S <file>` names for exactly `file`; absent when none does.
std::optional<std::string> parseDpkgSearch(std::string_view output, std::string_view file);
// The version printed by `dpkg-query -W -f '${Version}'`; empty when it is not a version.
std::string parseDpkgVersion(std::string_view output);

// The version of the package that installed the executable `file`, or "" when no package did
// or the package manager can't tell. Runs dpkg-query (twice): never call it on the main thread.
std::string packageVersionOf(const std::string& file, const std::string& dpkgQuery = "/usr/bin/dpkg-query");

}  // namespace qel
