#pragma once
// The program's scroll bars, drawn for every scroll area of every window: a 6-pixel rounded knob
// in a faint 8-pixel slot, laid over the content's edge, nothing at all when the content fits.
// At rest only a faint knob shows, so content cut at an edge always hints that it scrolls; the
// slot and a stronger knob show while scrolling, when the pointer comes over the area
// (HoverFlasher) and while the pointer rests on the bar, where they draw darker.
#include <QProxyStyle>
#include <QRectF>

namespace qel {

// The share of the content that is visible; 1 when there is nothing to scroll.
double knobProportion(int minimum, int maximum, int pageStep);

struct KnobSpan {
  double start, length;
};
// Where the knob lies along a groove `grooveLength` long.
KnobSpan knobSpan(int minimum, int maximum, int pageStep, int position, double grooveLength, double minLength,
                  bool upsideDown = false);

// A drawn bar `thickness` across, centred across a scroller of `bounds` (horizontal when it is
// wider than high) and running along `part`, shortened by 3 pixels at each end.
QRectF slimBar(const QRectF& bounds, const QRectF& part, double thickness);

class SlimScroller : public QProxyStyle {
  Q_OBJECT

 public:
  static constexpr int kWidth = 12;

  // Draws over a fresh copy of the style named `baseStyle`.
  explicit SlimScroller(const QString& baseStyle);

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  void polish(QWidget* widget) override;
  using QProxyStyle::polish;
};

}  // namespace qel
