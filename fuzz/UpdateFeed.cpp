#include <cstddef>
#include <cstdint>

#include "Qel/Updates/UpdateFeed.hpp"

// An update feed of any content: nothing crashes, and the update picked is newer than the
// running version and downloads from a web page.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto items = qel::parseUpdateFeed(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!items) return 0;
  const auto running = *qel::AppVersion::parse("1.0");
  if (const auto u = qel::newestUpdate(*items, running, true)) {
    const QString scheme = u->download.scheme();
    if (!(u->version > running) || (scheme != u"http" && scheme != u"https")) __builtin_trap();
  }
  return 0;
}
