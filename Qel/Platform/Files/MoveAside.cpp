#include "Qel/Platform/Files/MoveAside.hpp"

#include <ctime>
#include <string>

namespace qel {
namespace fs = std::filesystem;

std::optional<fs::path> moveAside(const fs::path& file) {
  char stamp[32];
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
  fs::path aside = file;
  aside += std::string(".broken-") + stamp;
  std::error_code ec;
  for (int n = 2; fs::exists(fs::symlink_status(aside, ec)) && n < 1000; ++n) {
    aside = file;
    aside += std::string(".broken-") + stamp + "-" + std::to_string(n);
  }
  fs::rename(file, aside, ec);
  if (ec) return std::nullopt;
  return aside;
}

}  // namespace qel
