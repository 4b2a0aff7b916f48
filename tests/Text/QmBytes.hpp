#pragma once
// Builds a compiled translation file as lrelease writes one, for the reader's tests.
#include <cstdint>
#include <string>
#include <vector>

#include "Qel/Text/QmFile.hpp"

namespace qel::test {

inline void putWord(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += char((v >> shift) & 0xff);
}

inline std::string utf16(const std::string& utf8) {
  std::u32string points;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = std::uint8_t(utf8[i]);
    const int extra = b < 0x80 ? 0 : b < 0xe0 ? 1 : b < 0xf0 ? 2 : 3;
    char32_t c = extra == 0 ? b : b & (0x3f >> extra);
    for (int k = 1; k <= extra; ++k) c = (c << 6) | (std::uint8_t(utf8[i + k]) & 0x3f);
    points += c;
    i += 1 + extra;
  }
  std::string out;
  auto unit = [&](char32_t u) {
    out += char(u >> 8);
    out += char(u & 0xff);
  };
  for (char32_t c : points) {
    if (c < 0x10000) {
      unit(c);
    } else {
      unit(0xd800 + ((c - 0x10000) >> 10));
      unit(0xdc00 + ((c - 0x10000) & 0x3ff));
    }
  }
  return out;
}

inline const std::string kQmMagic("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd", 16);

// A file of the magic and one block of messages written out byte by byte.
inline std::string qmWithMessages(const std::string& body) {
  std::string out = kQmMagic + '\x69';
  putWord(out, std::uint32_t(body.size()));
  return out + body;
}

inline std::string qmBytes(const std::string& language, const std::vector<std::uint8_t>& rule,
                           const std::vector<QmMessage>& messages) {
  std::string out = kQmMagic;
  auto block = [&](char tag, const std::string& data) {
    out += tag;
    putWord(out, std::uint32_t(data.size()));
    out += data;
  };
  auto field = [](std::string& to, char tag, const std::string& data) {
    to += tag;
    putWord(to, std::uint32_t(data.size()));
    to += data;
  };
  block('\xa7', language);
  block('\x88', std::string(rule.begin(), rule.end()));
  std::string body;
  for (const auto& m : messages) {
    for (const auto& t : m.translations) field(body, 3, utf16(t));
    field(body, 8, m.comment);
    field(body, 6, m.source);
    field(body, 7, m.context);
    body += '\x01';
  }
  block('\x69', body);
  return out;
}

// Qt's plural rule of Russian: one (1, 21, 31…), few (2–4, 22–24…), many.
inline const std::vector<std::uint8_t> kRussianRule{0x11, 0x01, 0xfd, 0x29, 0x0b, 0xff, 0x14, 0x02,
                                                    0x04, 0xfd, 0x2c, 0x0a, 0x13};

}  // namespace qel::test
