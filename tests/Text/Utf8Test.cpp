#include <gtest/gtest.h>

#include "Qel/Text/Utf8.hpp"

using namespace qel;

TEST(Utf8, repairReplacesEachBadSubpartOnce) {
  const std::string r = "\xEF\xBF\xBD";
  const struct {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"plain", "plain"},
      {"Ærø 鍵盤 🎧", "Ærø 鍵盤 🎧"},
      {"a\xFFz", "a" + r + "z"},
      {"\x80\x80", r + r},                            // lone continuation bytes
      {"\xC0\xAF", r + r},                            // overlong form
      {"\xE0\x80\x80", r + r + r},                    // overlong three-byte form
      {"\xED\xA0\x80", r + r + r},                    // a surrogate
      {"\xF4\x90\x80\x80", r + r + r + r},            // above U+10FFFF
      {"x\xF0\x9F\x8E", "x" + r},                     // truncated at the end: one character
      {"\xE2\x82z", r + "z"},                         // truncated in the middle
      {std::string("nul\0ok", 6), std::string("nul\0ok", 6)},
  };
  for (const auto& c : cases) EXPECT_EQ(repairUtf8(c.in), c.out) << c.in;
}
