#include <gtest/gtest.h>

#include "Qel/Platform/Utf8.hpp"

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

TEST(Utf8, displayNameDropsControlsAndDirectionOverrides) {
  const std::string r = "\xEF\xBF\xBD";
  const struct {
    std::string in, out;
  } cases[] = {
      {"Firefox", "Firefox"},
      {"Ærø 鍵盤 🎧 עברית", "Ærø 鍵盤 🎧 עברית"},  // right-to-left letters themselves stay
      {"evil\xE2\x80\xAEgpj.exe", "evilgpj.exe"},   // U+202E turned the rest of a toast around
      {"\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC\xE2\x80\xAD" "a", "a"},  // U+202A–U+202D
      {"\xE2\x81\xA6" "b\xE2\x81\xA7\xE2\x81\xA8\xE2\x81\xA9", "b"},   // U+2066–U+2069
      {"\xE2\x80\xA9\xE2\x81\xAA", "\xE2\x80\xA9\xE2\x81\xAA"},      // neighbours of the ranges
      {"two\nlines\r\tand\x1B[31mred\x7F", "twolinesand[31mred"},
      {"c1\xC2\x85\xC2\x9B" "x\xC2\xA0y", "c1x\xC2\xA0y"},  // C1 controls go, no-break space stays
      {std::string("nul\0ok", 6), "nulok"},
      {"kworker/u16:3-ev\xE2\x82", "kworker/u16:3-ev" + r},  // a 15-byte name cut inside a character
      {"\xFF\xFE", r + r},
  };
  for (const auto& c : cases) EXPECT_EQ(displayName(c.in), c.out) << c.in;
}
