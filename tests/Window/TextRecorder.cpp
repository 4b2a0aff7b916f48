#include "tests/Window/TextRecorder.hpp"

#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QPolygonF>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>

#include <algorithm>
#include <array>

namespace qel::test {

namespace {

class RecordingEngine final : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  bool begin(QPaintDevice*) override {
    transform_ = QTransform();
    clip_.reset();
    clipEnabled_ = true;
    pen_ = QPen();
    brush_ = QBrush();
    opacity_ = 1;
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
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & DirtyOpacity) opacity_ = state.opacity();
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
                    .clip = currentClip()};
    texts.push_back(std::move(drawn));
  }

  void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override { drawImage(r, pm.toImage(), sr, {}); }
  void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override {
    if (image.isNull() || r.isEmpty()) return;
    // The picture's pixels as they land: its source scaled to its target, then the transform
    // (kept to scaling and moving, as the views draw their cached pictures).
    images.push_back({.image = image, .target = transform_.mapRect(r), .source = sr, .opacity = opacity_,
                      .clip = currentClip()});
  }
  void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}

  void drawPath(const QPainterPath& path) override { record(path); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
    if (mode != PolylineMode) path.closeSubpath();
    record(path, mode == PolylineMode);
  }
  void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
    QPolygonF polygon;
    for (int i = 0; i < count; ++i) polygon << QPointF(points[i]);
    drawPolygon(polygon.constData(), int(polygon.size()), mode);
  }
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) {
      QPainterPath path;
      path.addRect(rects[i]);
      record(path);
    }
  }
  void drawRects(const QRect* rects, int count) override {
    for (int i = 0; i < count; ++i) drawRects(std::array{QRectF(rects[i])}.data(), 1);
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) {
      QPainterPath path(lines[i].p1());
      path.lineTo(lines[i].p2());
      record(path, true);
    }
  }
  void drawLines(const QLine* lines, int count) override {
    for (int i = 0; i < count; ++i) drawLines(std::array{QLineF(lines[i])}.data(), 1);
  }
  void drawEllipse(const QRectF& r) override {
    QPainterPath path;
    path.addEllipse(r);
    record(path);
  }
  void drawEllipse(const QRect& r) override { drawEllipse(QRectF(r)); }
  void drawPoints(const QPointF*, int) override {}
  void drawPoints(const QPoint*, int) override {}

  std::vector<DrawnText> texts;
  std::vector<DrawnShape> shapes;
  std::vector<DrawnImage> images;

 private:
  std::optional<QRegion> currentClip() const { return clipEnabled_ ? clip_ : std::nullopt; }

  static double alphaOf(const QBrush& brush) {
    if (brush.style() == Qt::NoBrush) return 0;
    if (const QGradient* g = brush.gradient()) {
      double most = 0;
      for (const auto& stop : g->stops()) most = std::max(most, double(stop.second.alphaF()));
      return most;
    }
    return brush.color().alphaF();
  }

  // The fill and the stroke of `path` (in the painter's coordinates), each as it lands.
  void record(const QPainterPath& path, bool open = false) {
    const auto keep = [&](QPainterPath area, double alpha, bool gradient) {
      if (alpha * opacity_ <= 0 || area.isEmpty()) return;
      area = transform_.map(area);
      if (const auto clip = currentClip()) {
        QPainterPath inside;
        inside.addRegion(*clip);
        area = area.intersected(inside);
      }
      shapes.push_back({.area = std::move(area), .opacity = alpha * opacity_, .gradient = gradient});
    };
    if (!open) keep(path, alphaOf(brush_), brush_.gradient() != nullptr);
    if (pen_.style() != Qt::NoPen) {
      QPainterPathStroker stroker(pen_);
      if (pen_.widthF() <= 0) stroker.setWidth(1);  // a cosmetic pen is a pixel wide
      keep(stroker.createStroke(path), alphaOf(pen_.brush()), pen_.brush().gradient() != nullptr);
    }
  }

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
  QPen pen_;
  QBrush brush_;
  double opacity_ = 1;
};

}  // namespace

TextRecorder::TextRecorder(QSize size) : size_(size), engine_(std::make_unique<RecordingEngine>()) {}
TextRecorder::~TextRecorder() = default;

QPaintEngine* TextRecorder::paintEngine() const { return engine_.get(); }

const std::vector<DrawnText>& TextRecorder::texts() const { return static_cast<RecordingEngine*>(engine_.get())->texts; }
const std::vector<DrawnShape>& TextRecorder::shapes() const { return static_cast<RecordingEngine*>(engine_.get())->shapes; }
const std::vector<DrawnImage>& TextRecorder::images() const { return static_cast<RecordingEngine*>(engine_.get())->images; }

void TextRecorder::clear() {
  auto* engine = static_cast<RecordingEngine*>(engine_.get());
  engine->texts.clear();
  engine->shapes.clear();
  engine->images.clear();
}

DrawnImage::Cover DrawnImage::covers(const QRectF& box, double least) const {
  const QRect pixels = box.intersected(target).toAlignedRect();
  if (pixels.isEmpty()) return Cover::none;
  const QImage argb = image.format() == QImage::Format_ARGB32_Premultiplied
                          ? image
                          : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QRectF from = source.isEmpty() ? QRectF(argb.rect()) : source;
  const double sx = from.width() / target.width(), sy = from.height() / target.height();
  bool any = false, every = QRectF(pixels).contains(box.toAlignedRect());
  for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
    for (int x = pixels.left(); x <= pixels.right(); ++x) {
      const QPoint at(int(from.left() + (x + 0.5 - target.left()) * sx), int(from.top() + (y + 0.5 - target.top()) * sy));
      const bool inClip = !clip || clip->contains(QPoint(x, y));
      const bool inked = inClip && argb.valid(at) && qAlpha(argb.pixel(at)) * opacity >= least * 255;
      any = any || inked;
      every = every && inked;
    }
  }
  return every ? Cover::all : any ? Cover::some : Cover::none;
}

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
