#pragma once
// An 8 by 8 ordered-dither pattern: spreads the rounding of a slow fade over neighbouring pixels,
// so faint gradients show no rings where they have only a few 8-bit levels to step through.
namespace qel {

// The pattern's threshold at device pixel (x, y): 0 to 63, each once in every 8 by 8 block.
inline int bayer(int x, int y) {
  static constexpr int kBayer[8][8] = {
      {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
      {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
      {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21},
  };
  return kBayer[y & 7][x & 7];
}

}  // namespace qel
