#include "Qel/Kit/PageTable.hpp"

#include <vector>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::span<const PageEntry> pageTable() {
  namespace P = Palette;
  static const std::vector<PageEntry> table{
      {Page::overview,
       Lkey("Overview"),
       P::overviewGround(),
       P::overview(),
       P::overviewText(),
       {0, 300}},
      {Page::cpu,
       Lkey("CPU"),
       P::cpuGround(),
       P::cpu(),
       P::cpuText(),
       {1, -300},
       TileLook{1.0, P::cpuPanelTint()}},
      {Page::gpu,
       Lkey("GPU"),
       P::gpuGround(),
       P::gpu(),
       P::gpuText(),
       {0, 300}},
      {Page::mem,
       Lkey("Memory"),
       P::memGround(),
       P::mem(),
       P::memText(),
       {0, 300},
       TileLook{1.0, P::memPanelTint()}},
      {Page::disk,
       Lkey("Disk"),
       P::diskGround(),
       P::disk(),
       P::diskText(),
       {0, 300}},
      {Page::net,
       Lkey("Network"),
       P::netGround(),
       P::net(),
       P::netText(),
       {0.32, 0},
       TileLook{std::nullopt, P::netPanelTint()}},
      {Page::energy,
       Lkey("Energy"),
       P::energyGround(),
       P::energy(),
       P::energyText(),
       {0.5, 0},
       TileLook{std::nullopt, P::energyPanelTint()}},
  };
  return table;
}

const PageEntry &pageEntry(Page page) {
  for (const PageEntry &entry : pageTable())
    if (entry.page == page)
      return entry;
  return pageTable().front();
}

} // namespace qel
