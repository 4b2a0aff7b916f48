#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "Qel/Platform/Net/SockDiag.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exactly sized copy: any read past the datagram's end is caught.
  std::vector<std::byte> datagram(size);
  if (size) std::memcpy(datagram.data(), data, size);
  qel::SockDiagReply reply;
  qel::parseSockDiag(datagram, reply);
  return 0;
}
