#pragma once
// A paint device that draws nothing and keeps every text painted on it: the text, its font,
// where its glyphs' ink lands and the clip it was drawn under, all in device coordinates; and
// where the shapes and pictures beside the texts land, so that what crosses a text shows.
// A widget rendered onto it shows what it writes and what its own painting cuts away.
#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRectF>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace qel::test {

struct DrawnText {
  QString text;
  QFont font;
  QRectF ink;                 // the glyphs' tight box
  QRectF advance;             // from the pen position over the text's advance, ascent to descent
  QPointF origin;             // the pen position: the start of the baseline
  std::optional<QRegion> clip;  // what the painter's own clip leaves, when one was set
};

// A shape as it lands: the area its fill or its stroke covers, and how opaque that is. A
// gradient (a glow, a backdrop) is a ground, never a mark that could cross a text.
struct DrawnShape {
  QPainterPath area;
  double opacity = 0;
  bool gradient = false;
};

// A picture drawn into `target`, of which `source` is the part shown.
struct DrawnImage {
  QImage image;
  QRectF target, source;
  double opacity = 1;
  std::optional<QRegion> clip;

  // How much of `box` (whole device pixels) the picture covers with ink at least `least` opaque:
  // none, some or all of it.
  enum class Cover { none, some, all };
  Cover covers(const QRectF& box, double least) const;
};

class TextRecorder : public QPaintDevice {
 public:
  explicit TextRecorder(QSize size);
  ~TextRecorder() override;

  QPaintEngine* paintEngine() const override;
  const std::vector<DrawnText>& texts() const;
  const std::vector<DrawnShape>& shapes() const;
  const std::vector<DrawnImage>& images() const;
  void clear();

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QSize size_;
  std::unique_ptr<QPaintEngine> engine_;
};

// Every text `window` and its visible children paint, each widget painted alone.
std::vector<DrawnText> textsShown(const QWidget& window);

}  // namespace qel::test
