#include "Qel/Pages/Memory/BubbleFieldPainter.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Pages/Memory/BubbleGeometry.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

BubbleFieldPainter::BubbleFieldPainter()
    : nameFont_(Fonts::text(Type::footnote, QFont::DemiBold)),
      sizeFont_(Fonts::text(Type::caption)),
      initialFont_(Fonts::text(Type::caption, QFont::DemiBold)),
      nameHeight_(QFontMetricsF(nameFont_).height()) {}

namespace {

// The side, in device pixels, of a square image holding a circle of `radius` points.
int imageSide(double radius, double dpr) { return int(std::ceil(2 * radius * dpr)) + 4; }

// A square image of whole device pixels holding a circle of `radius` points at its centre, with
// the painter set to draw around that centre.
QImage centredImage(double radius, double dpr) {
  const int side = imageSide(radius, dpr);
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::transparent);
  return image;
}

QPointF imageCentre(const QImage& image) { return QPointF(image.width(), image.height()) / (2 * image.devicePixelRatio()); }

// Where an image `side` device pixels square goes with its centre at `centre` (in device
// pixels): on whole device pixels, so Qt copies it without resampling.
QPoint devicePlace(QPointF centre, int side) {
  return {int(std::lround(centre.x() - side / 2.0)), int(std::lround(centre.y() - side / 2.0))};
}

}  // namespace

void BubbleFieldPainter::drawLabel(QImage& image, const Look& look) const {
  const double r = look.radius / look.dpr;
  const BubbleLabel label = bubbleLabel(r, QString::fromStdString(look.label));
  if (label.band == BubbleLabelBand::none) return;
  const QColor colour = look.kind == BubbleKind::user ? Palette::bubbleUserText() : Palette::withAlpha(Palette::white(), 0.85);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(imageCentre(image));
  p.setPen(colour);
  if (label.band == BubbleLabelBand::initial) {
    if (!label.name.isEmpty()) Chart::drawText(p, label.name, initialFont_, {0, label.nameY}, Qt::AlignCenter);
    return;
  }
  // A wide name on a bubble just large enough for two lines ends in "…" sooner, at the rim, rather
  // than spill past the bubble onto its neighbours.
  const double room = bubbleLineRoom(r, label.nameY, nameHeight_);
  const QString name = QFontMetricsF(nameFont_).elidedText(label.name, Qt::ElideRight, room);
  if (!name.isEmpty()) Chart::drawText(p, name, nameFont_, {0, label.nameY}, Qt::AlignCenter);
  p.setPen(Palette::withAlpha(colour, colour.alphaF() * 0.7));
  Chart::drawText(p, look.size, sizeFont_, {0, label.sizeY}, Qt::AlignCenter);
}

QImage BubbleFieldPainter::drawDisc(const Look& look) {
  const double r = look.radius / look.dpr;
  QImage image = centredImage(r, look.dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(imageCentre(image));
  QColor fill;
  switch (look.kind) {
    case BubbleKind::user: fill = Palette::withAlpha(Palette::mem(), 0.82); break;
    case BubbleKind::system: fill = Palette::bubbleSystem(); break;
    case BubbleKind::compressed: fill = Palette::bubbleCompressed(); break;
    case BubbleKind::wired: fill = Palette::bubbleWired(); break;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawEllipse(QPointF(), r, r);
  if (look.kind == BubbleKind::compressed) {
    // Diagonals 6 apart rising to the right, each cut to the circle so the stroke stays inside.
    const QPen hatch(Palette::bubbleHatch(), 1.5, Qt::SolidLine, Qt::FlatCap);
    std::vector<QLineF> lines;
    bubbleHatch(r, hatch.widthF() / 2, lines);
    p.setPen(hatch);
    p.drawLines(lines.data(), int(lines.size()));
  }
  return image;
}

QImage BubbleFieldPainter::drawField(const Field& f) {
  const double R = f.radius;
  QImage image = centredImage(R + 14, f.dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c = imageCentre(image);
  p.setPen(QPen(Palette::washIn(f.light, 0.1), 1));
  p.setBrush(Palette::washIn(f.light, 0.03));
  p.drawEllipse(c, R, R);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Palette::washIn(f.light, 0.06), 4));
  p.drawEllipse(c, R + 11, R + 11);
  if (f.share > 0) {
    const double percent = f.share * 100;
    const QColor ring = percent >= 85 ? Palette::strain() : percent >= 60 ? Palette::warn() : Palette::calm();
    p.setPen(QPen(ring, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(Chart::arc(c, R + 11, -Chart::kPi / 2, -Chart::kPi / 2 + 2 * Chart::kPi * f.share));
  }
  return image;
}

BubbleFieldPainter::Scene BubbleFieldPainter::scene(const BubbleModel& model, QPointF c, double pressure, double dpr,
                                                    bool light) {
  Scene scene;
  const double R = model.radius();
  if (!(R > 0)) return scene;
  scene.field = {R, std::isfinite(pressure) ? std::clamp(pressure, 0.0, 100.0) / 100 : 0, dpr, light};
  for (const Bubble& b : model.bubbles()) {
    if (!(b.r > 0) || !std::isfinite(b.x) || !std::isfinite(b.y)) continue;
    // Sizes in quarters of a device pixel: a bubble easing by less is not drawn anew.
    Look look{b.kind, std::round(b.r * dpr * 4) / 4, b.label, QString::fromStdString(fmtBytes(b.bytes)), light, dpr};
    if (!(look.radius > 0)) continue;
    const QPoint at = devicePlace(QPointF(c.x() + b.x, c.y() + b.y) * dpr, imageSide(look.radius / dpr, dpr));
    scene.bubbles.push_back({b.key, std::move(look), at});
  }
  scene.fieldAt = devicePlace(c * dpr, imageSide(R + 14, dpr));
  return scene;
}

bool BubbleFieldPainter::changes(const BubbleModel& model, QPointF centre, double pressure, double dpr,
                                 bool light) const {
  return !(scene(model, centre, pressure, dpr, light) == painted_);
}

void BubbleFieldPainter::paint(QPainter& p, const BubbleModel& model, QPointF c, double pressure) {
  const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  painted_ = scene(model, c, pressure, dpr, Palette::light());
  if (!(painted_.field.radius > 0)) return;
  const bool fieldStale = !(painted_.field == fieldLook_) || field_.isNull();
  fieldLook_ = painted_.field;

  for (auto& [key, sprite] : sprites_) sprite.seen = false;
  std::vector<std::pair<const Sprite*, QPoint>> placed;
  std::vector<Sprite*> stale;  // the map's elements stay where they are as it grows
  for (const Placed& b : painted_.bubbles) {
    Sprite& sprite = sprites_[b.key];
    sprite.seen = true;
    if (!(sprite.look == b.look) || sprite.image.isNull()) {
      sprite.look = b.look;
      stale.push_back(&sprite);
    }
    placed.emplace_back(&sprite, b.at);
  }
  if (fieldStale || !stale.empty()) {
    paintInOneTask([&] {
      if (fieldStale) field_ = drawField(fieldLook_);
      for (Sprite* sprite : stale) sprite->image = drawDisc(sprite->look);
    });
    // Text stays on this thread: it costs no fill hand-off, and each pool thread would keep
    // glyph caches of its own.
    for (Sprite* sprite : stale) drawLabel(sprite->image, sprite->look);
  }
  p.drawImage(QPointF(painted_.fieldAt) / dpr, field_);
  for (const auto& [sprite, at] : placed) p.drawImage(QPointF(at) / dpr, sprite->image);
  std::erase_if(sprites_, [](const auto& entry) { return !entry.second.seen; });
}

}  // namespace qel
