#pragma once
// Lets a mouse wheel scroll a horizontal strip: vertical wheel turns over the scroll area move
// it sideways, 40 pixels a notch. Touchpad input (which scrolls sideways by itself) and mostly
// horizontal turns pass on unchanged, as does everything while the content fits.
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class QAbstractScrollArea;

namespace qel {

struct WheelFacts {
  QPoint angleDelta;        // eighths of a degree; one wheel notch is 120
  bool precise = false;     // from a touchpad or another device with its own pixel deltas
  bool sameWindow = false;  // the event belongs to the scroll area's window
  bool inside = false;      // it happened over the scroll area
  double offset = 0;        // the current horizontal offset
  double room = 0;          // how far the content can move: its width minus the visible width
};

// The new horizontal offset for a wheel event, or nothing when the event is to be handed on.
std::optional<double> wheelToHorizontal(const WheelFacts& facts);

class WheelToHorizontal : public QObject {
  Q_OBJECT

 public:
  // Watches the wheel events of `area`'s window for as long as the area lives.
  explicit WheelToHorizontal(QAbstractScrollArea* area);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QAbstractScrollArea> area_;
};

}  // namespace qel
