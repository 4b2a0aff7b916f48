#include "Qel/Platform/Utf8.hpp"

#include <cstdint>

namespace qel {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the valid sequence at the start of `s`, or the length of its maximal bad
// subpart as a negative number.
int sequenceLength(std::string_view s) {
  const auto b0 = std::uint8_t(s[0]);
  if (b0 < 0x80) return 1;
  int need = 0;
  std::uint8_t lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) need = 1;
  else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 2;
    if (b0 == 0xE0) lo = 0xA0;       // no overlong forms
    else if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 3;
    if (b0 == 0xF0) lo = 0x90;
    else if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return -1;
  }
  for (int i = 1; i <= need; ++i) {
    if (std::size_t(i) >= s.size()) return -i;
    const auto b = std::uint8_t(s[std::size_t(i)]);
    const bool ok = i == 1 ? (b >= lo && b <= hi) : (b >= 0x80 && b <= 0xBF);
    if (!ok) return -i;
  }
  return need + 1;
}

}  // namespace

CodePoint firstCodePoint(std::string_view text) {
  const int n = sequenceLength(text);
  if (n < 0) return {0xFFFD, std::size_t(-n)};
  const auto b0 = std::uint8_t(text[0]);
  char32_t c = n == 1 ? b0 : b0 & (0x7F >> n);
  for (int i = 1; i < n; ++i) c = (c << 6) | (std::uint8_t(text[std::size_t(i)]) & 0x3F);
  return {c, std::size_t(n)};
}

std::string repairUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const int n = sequenceLength(bytes);
    if (n > 0) {
      out.append(bytes.substr(0, std::size_t(n)));
      bytes.remove_prefix(std::size_t(n));
    } else {
      out.append(kReplacement);
      bytes.remove_prefix(std::size_t(-n));
    }
  }
  return out;
}

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

std::string displayName(std::string_view name) {
  const std::string valid = repairUtf8(name);
  std::string out;
  out.reserve(valid.size());
  std::string_view rest = valid;
  while (!rest.empty()) {
    const auto n = std::size_t(sequenceLength(rest));  // valid now: always positive
    const auto b0 = std::uint8_t(rest[0]);
    const auto b1 = n > 1 ? std::uint8_t(rest[1]) : 0, b2 = n > 2 ? std::uint8_t(rest[2]) : 0;
    const bool c0 = b0 < 0x20 || b0 == 0x7F;
    const bool c1 = b0 == 0xC2 && b1 >= 0x80 && b1 <= 0x9F;                      // U+0080–U+009F
    const bool embedding = b0 == 0xE2 && b1 == 0x80 && b2 >= 0xAA && b2 <= 0xAE;  // U+202A–U+202E
    const bool isolate = b0 == 0xE2 && b1 == 0x81 && b2 >= 0xA6 && b2 <= 0xA9;    // U+2066–U+2069
    if (!c0 && !c1 && !embedding && !isolate) out.append(rest.substr(0, n));
    rest.remove_prefix(n);
  }
  return out;
}

}  // namespace qel
