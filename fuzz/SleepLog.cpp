#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/History/SleepLogReader.hpp"

// Journal output and a charge history separated by a NUL byte, folded into sleeps.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const auto nul = all.find('\0');
  const std::string_view journal = all.substr(0, nul);
  const std::string_view history = nul == std::string_view::npos ? std::string_view{} : all.substr(nul + 1);
  const auto records = qel::parseChargeHistory(history);
  for (const auto& r : records)
    if (r.percent < 0 || r.percent > 100) __builtin_trap();
  auto entries = qel::SleepLogReader::parseJournal(journal);
  qel::SleepLogReader::addCharge(entries, records);
  for (const auto& s : qel::SleepLogReader::sessions(entries))
    if (s.end - s.start < std::chrono::minutes(30)) __builtin_trap();
  return 0;
}
