#pragma once
// The program's own icon, shown by the taskbar: a rounded tile holding the mark, a ring whose
// off-centre hole holds water. The water follows the CPU load of the last five seconds in steps
// of 1/50 and the colours turn warm while the machine stays busy; the picture changes only when
// the step or the warmth changes, so a steady load redraws nothing.
#include <QColor>
#include <QImage>

#include <array>
#include <optional>
#include <span>

namespace qel {

struct DockPicture {
  double level = -1;  // water level 0…1 in steps of 1/50; -1 the picture with the option off
  bool warm = false;
  bool operator==(const DockPicture&) const = default;
};

// The picture to draw now, or none when the one shown stays. `cpuHist` newest last.
std::optional<DockPicture> nextDockPicture(const DockPicture& shown, std::span<const double> cpuHist, bool dockLoad,
                                           bool force);

struct DockPalette {
  std::array<QColor, 3> ring;   // stops 0, 0.55, 1
  std::array<QColor, 2> water;  // stops 0, 1
  QColor accent;
};
DockPalette dockPalette(bool warm, bool light);

// The water's surface in the mark's 100-unit space: 63 idle, 34 at full load.
double waterSurface(double load);

// The tile with the mark, `size` × `size` pixels.
QImage dockIconImage(double load, bool warm, bool light, int size);
// The mark alone with the water at its lowest, `size` × `size` logical pixels.
QImage markImage(int size, bool light, double dpr = 1);

}  // namespace qel
