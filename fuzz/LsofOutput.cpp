#include <cstddef>
#include <cstdint>
#include <string>

#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/PortSampler.hpp"

// Input: one byte choosing listenOnly, then lsof's output as it may come (not always UTF-8).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool listenOnly = data[0] & 1;
  const std::string text = qel::repairUtf8({reinterpret_cast<const char*>(data + 1), size - 1});
  if (qel::repairUtf8(text) != text) __builtin_trap();  // repaired text is valid
  for (const auto& e : qel::PortSampler::parse(text, listenOnly)) {
    // No entry may name a process group or a port that doesn't exist.
    if (e.pid <= 0 || e.port < 0 || e.port > 65535 || (listenOnly && e.port == 0)) __builtin_trap();
  }
  return 0;
}
