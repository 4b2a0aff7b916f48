#pragma once
// A paint device that draws nothing and keeps every text painted on it: the text, its font,
// where its glyphs' ink lands and the clip it was drawn under, all in device coordinates.
// A widget rendered onto it shows what it writes and what its own painting cuts away.
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
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

class TextRecorder : public QPaintDevice {
 public:
  explicit TextRecorder(QSize size);
  ~TextRecorder() override;

  QPaintEngine* paintEngine() const override;
  const std::vector<DrawnText>& texts() const;
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
