#include "Qel/Kit/PageMeta.hpp"

#include "Qel/Kit/Palette.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

QString title(Page page) {
  const char* key = Lkey("Overview");
  switch (page) {
    case Page::overview: key = Lkey("Overview"); break;
    case Page::cpu: key = Lkey("CPU"); break;
    case Page::gpu: key = Lkey("GPU"); break;
    case Page::mem: key = Lkey("Memory"); break;
    case Page::disk: key = Lkey("Disk"); break;
    case Page::net: key = Lkey("Network"); break;
    case Page::energy: key = Lkey("Energy"); break;
  }
  return QString::fromStdString(L(key));
}

AdaptiveColor background(Page page) {
  switch (page) {
    case Page::overview: return Palette::adaptive(0xF3F5F4, 0x1B2126);
    case Page::cpu: return Palette::adaptive(0xEAF3F0, 0x11251F);
    case Page::gpu: return Palette::adaptive(0xF8F0F4, 0x2A1A26);
    case Page::mem: return Palette::adaptive(0xF3F0F8, 0x211C33);
    case Page::disk: return Palette::adaptive(0xF7F3EE, 0x29221A);
    case Page::net: return Palette::adaptive(0xEEF2F8, 0x142037);
    case Page::energy: return Palette::adaptive(0xF3F6EC, 0x21271A);
  }
  return Palette::adaptive(0xF3F5F4, 0x1B2126);
}

QColor accent(Page page) {
  switch (page) {
    case Page::overview: return Palette::rgb(0x9FD3C7);
    case Page::cpu: return Palette::cpu();
    case Page::gpu: return Palette::gpu();
    case Page::mem: return Palette::mem();
    case Page::disk: return Palette::disk();
    case Page::net: return Palette::net();
    case Page::energy: return Palette::energy();
  }
  return Palette::rgb(0x9FD3C7);
}

AdaptiveColor accentText(Page page) {
  switch (page) {
    case Page::overview: return Palette::adaptive(0x40655C, 0x9FD3C7);
    case Page::cpu: return Palette::adaptive(0x226958, 0x6FDCBF);
    case Page::gpu: return Palette::adaptive(0xA12D6B, 0xFF9ECF);
    case Page::mem: return Palette::adaptive(0x674FA4, 0xB8A1FF);
    case Page::disk: return Palette::adaptive(0x78582A, 0xEFB96F);
    case Page::net: return Palette::adaptive(0x325F99, 0x80B4FF);
    case Page::energy: return Palette::adaptive(0x4D6616, 0xCDE36D);
  }
  return Palette::adaptive(0x40655C, 0x9FD3C7);
}

}  // namespace qel
