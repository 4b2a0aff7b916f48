#include "tests/Window/TextRecorder.hpp"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>

namespace qel::test {

namespace {

class RecordingEngine final : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  bool begin(QPaintDevice*) override {
    transform_ = QTransform();
    clip_.reset();
    clipEnabled_ = true;
    return true;
  }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }

  void updateState(const QPaintEngineState& state) override {
    const auto dirty = state.state();
    if (dirty & DirtyTransform) transform_ = state.transform();
    if (dirty & DirtyClipEnabled) clipEnabled_ = state.isClipEnabled();
    if (dirty & DirtyClipRegion) clipWith(state.clipOperation(), transform_.map(state.clipRegion()));
    if (dirty & DirtyClipPath)
      clipWith(state.clipOperation(), QRegion(transform_.map(state.clipPath()).boundingRect().toAlignedRect()));
  }

  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    if (item.text().isEmpty()) return;
    const QFontMetricsF fm(item.font());
    DrawnText drawn{.text = item.text(),
                    .font = item.font(),
                    .ink = transform_.mapRect(fm.tightBoundingRect(item.text()).translated(p)),
                    .advance = transform_.mapRect(QRectF(p.x(), p.y() - item.ascent(), item.width(),
                                                         item.ascent() + item.descent())),
                    .origin = transform_.map(p),
                    .clip = clipEnabled_ ? clip_ : std::nullopt};
    texts.push_back(std::move(drawn));
  }

  // Nothing but text is kept.
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
  void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  void drawRects(const QRectF*, int) override {}
  void drawRects(const QRect*, int) override {}
  void drawLines(const QLineF*, int) override {}
  void drawLines(const QLine*, int) override {}
  void drawEllipse(const QRectF&) override {}
  void drawEllipse(const QRect&) override {}
  void drawPoints(const QPointF*, int) override {}
  void drawPoints(const QPoint*, int) override {}

  std::vector<DrawnText> texts;

 private:
  void clipWith(Qt::ClipOperation op, const QRegion& region) {
    switch (op) {
      case Qt::NoClip: clip_.reset(); break;
      case Qt::ReplaceClip: clip_ = region; break;
      case Qt::IntersectClip: clip_ = clip_ ? clip_->intersected(region) : region; break;
    }
  }

  QTransform transform_;
  std::optional<QRegion> clip_;
  bool clipEnabled_ = true;
};

}  // namespace

TextRecorder::TextRecorder(QSize size) : size_(size), engine_(std::make_unique<RecordingEngine>()) {}
TextRecorder::~TextRecorder() = default;

QPaintEngine* TextRecorder::paintEngine() const { return engine_.get(); }

const std::vector<DrawnText>& TextRecorder::texts() const { return static_cast<RecordingEngine*>(engine_.get())->texts; }

void TextRecorder::clear() { static_cast<RecordingEngine*>(engine_.get())->texts.clear(); }

int TextRecorder::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmWidthMM: return size_.width() * 254 / 960;
    case PdmHeightMM: return size_.height() * 254 / 960;
    case PdmNumColors: return 0;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
  }
  return 0;
}

}  // namespace qel::test

namespace qel::test {

std::vector<DrawnText> textsShown(const QWidget& window) {
  std::vector<DrawnText> out;
  std::vector<const QWidget*> widgets{&window};
  for (const QWidget* w : window.findChildren<QWidget*>())
    if (!w->isWindow() && w->isVisibleTo(&window)) widgets.push_back(w);
  for (const QWidget* w : widgets) {
    if (w->width() <= 0 || w->height() <= 0) continue;
    TextRecorder recorder(w->size());
    const_cast<QWidget*>(w)->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    out.insert(out.end(), recorder.texts().begin(), recorder.texts().end());
  }
  return out;
}

}  // namespace qel::test
