#pragma once
// The tray item's pictures: the seven drawn styles, the logo and the text picture used when the
// chosen items leave only text. Each is drawn in `ink` (the tray's text colour) on transparent,
// at the device pixel ratio; runner frames come from RunnerArt.
#include <QColor>
#include <QImage>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "Qel/Store/Enums.hpp"

class QPainter;
class QRectF;

namespace qel {

// What the drawn styles show: the machine's load now and lately.
struct MenuIconInputs {
  bool busy = false;
  std::vector<double> cpuHist;  // oldest first
  double cpu = 0;
};

bool isRunner(MenuIconStyle style);
// The style's title and one-line description, in the interface language.
std::string menuIconTitle(MenuIconStyle style);
std::string menuIconDetail(MenuIconStyle style);

// What a drawn style's picture is made of at `dpr`, in eighths of a device pixel: inputs with
// the same shape draw the same picture, so a tray icon is drawn again only when this changes.
std::vector<int> menuIconShape(MenuIconStyle style, const MenuIconInputs& inputs, double dpr);

// The picture of a drawn style (auto, logo, ring, bars, gauge, wave, dot), 18 × 18 logical
// pixels; a runner style gives its first frame.
QImage menuIcon(MenuIconStyle style, const MenuIconInputs& inputs, QColor ink, double dpr);
// The logo in `rect`.
void paintMenuLogo(QPainter& painter, const QRectF& rect, QColor ink);

// `text` as a picture `height` logical pixels high, as wide as it needs.
QImage menuTextImage(const QString& text, int height, QColor ink, double dpr);

}  // namespace qel
