#include "Qel/Kit/PageTable.hpp"

#include <vector>

#include "Qel/Kit/Palette.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::span<const PageEntry> pageTable() {
  namespace P = Palette;
  static const std::vector<PageEntry> table{
      {Page::overview, Lkey("Overview"), P::adaptive(0xF3F5F4, 0x1B2126), P::rgb(0x9FD3C7),
       P::adaptive(0x40655C, 0x9FD3C7), {0, 300}},
      {Page::cpu, Lkey("CPU"), P::adaptive(0xEAF3F0, 0x11251F), P::cpu(), P::adaptive(0x226958, 0x6FDCBF), {1, -300},
       TileLook{1.0, P::adaptive(0x216656, 0x6FDCBF)}},
      {Page::gpu, Lkey("GPU"), P::adaptive(0xF8F0F4, 0x2A1A26), P::gpu(), P::adaptive(0xA12D6B, 0xFF9ECF), {0, 300}},
      {Page::mem, Lkey("Memory"), P::adaptive(0xF3F0F8, 0x211C33), P::mem(), P::adaptive(0x674FA4, 0xB8A1FF), {0, 300},
       TileLook{1.0, P::adaptive(0x654DA0, 0xB8A1FF)}},
      {Page::disk, Lkey("Disk"), P::adaptive(0xF7F3EE, 0x29221A), P::disk(), P::adaptive(0x78582A, 0xEFB96F), {0, 300}},
      {Page::net, Lkey("Network"), P::adaptive(0xEEF2F8, 0x142037), P::net(), P::adaptive(0x325F99, 0x80B4FF),
       {0.32, 0}, TileLook{std::nullopt, P::adaptive(0x315C95, 0x80B4FF)}},
      {Page::energy, Lkey("Energy"), P::adaptive(0xF3F6EC, 0x21271A), P::energy(), P::adaptive(0x4D6616, 0xCDE36D),
       {0.5, 0}, TileLook{std::nullopt, P::adaptive(0x4B6315, 0xCDE36D)}},
  };
  return table;
}

const PageEntry& pageEntry(Page page) {
  for (const PageEntry& entry : pageTable())
    if (entry.page == page) return entry;
  return pageTable().front();
}

}  // namespace qel
