#include "Qel/Window/Overview/DayRingPainter.hpp"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kDegrees = 180 / std::numbers::pi;

struct Ring {
  QPainter& p;
  const DayRingGeometry& g;
  const DayRingPicture& pic;
  bool light;

  // Black on the light look, white on the dark one, at `alpha`; the look is the picture's own.
  QColor base(double alpha) const { return Palette::withAlpha(light ? Palette::black() : Palette::white(), alpha); }
  QColor selectedInk() const { return light ? Palette::ink() : Palette::white(); }
  bool isSelected(int i) const { return pic.selected == i; }

  void tracks() {
    const std::vector<std::optional<double>>* values[] = {&pic.cpu, &pic.mem};
    const QColor colors[] = {Palette::cpu(), Palette::mem()};
    const int n = pic.count();
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 2; ++k) {
      const double from = g.trackInner(k), w = g.trackWidth();
      for (int i = 0; i < n; ++i) {
        const bool future = i >= pic.limit;
        p.fillPath(g.wedge(i, from, g.trackOuter(k)), base(future ? 0.03 : 0.06));
        const auto& v = (*values[k])[std::size_t(i)];
        if (future || !v) continue;
        p.fillPath(g.wedge(i, from, from + w * barFraction(*v)), barColour(i, *v, colors[k]));
      }
    }
  }

  // Slot `i`'s bar of value `v` on a track of `series` colour: the selection's ink, else the
  // value's tone, faded in the live ring towards its oldest second.
  QColor barColour(int i, double v, const QColor& series) const {
    if (isSelected(i)) return selectedInk();
    const BarTone tone = barTone(v);
    QColor c = tone == BarTone::strain ? Palette::strain() : tone == BarTone::warn ? Palette::warn() : series;
    c.setAlphaF(float(pic.mode == RingMode::day ? 0.85 : liveBarOpacity(i, pic.count())));
    return c;
  }

  void arc(int from, int to, double radius) {
    const double start = g.angle(from) - g.halfWidth(), end = g.angle(to) + g.halfWidth();
    const QRectF box(g.centre.x() - radius, g.centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, int(std::lround(-start * kDegrees * 16)), int(std::lround(-(end - start) * kDegrees * 16)));
  }

  // `slot` may be fractional: the text then stands between slot centres.
  void label(const QString& text, double slot, double distance, Qt::Alignment anchor) {
    const QPointF at = g.at(g.angle(slot), g.outer + distance);
    const QFontMetricsF fm(p.font());
    const double w = fm.horizontalAdvance(text), h = fm.height();
    double x = at.x() - w / 2;
    if (anchor & Qt::AlignLeading) x = at.x();
    if (anchor & Qt::AlignTrailing) x = at.x() - w;
    p.drawText(QRectF(x, at.y() - h / 2, w + 1, h), Qt::AlignCenter, text);
  }

  void sleeps() {
    sleepArcs();
    darkWakeStubs();
    sleepWords();
  }

  // A dashed arc outside the ring over each sleep.
  void sleepArcs() {
    QPen dashed(base(0.28), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashed.setDashPattern({2, 4});
    for (const auto& s : pic.sleeps) {
      p.setPen(dashed);
      arc(s.from, s.to, g.outer + 4);
    }
  }

  // A short amber stub on each track where the machine woke briefly in its sleep, if the slot has
  // no sample of its own.
  void darkWakeStubs() {
    p.setPen(Qt::NoPen);
    const std::vector<std::optional<double>>* values[] = {&pic.cpu, &pic.mem};
    for (int s : pic.darkWakes)
      for (int k = 0; k < 2; ++k) {
        if ((*values[k])[std::size_t(s)]) continue;  // samples while asleep: no stub
        const QColor c = isSelected(s) ? selectedInk() : Palette::withAlpha(Palette::warn(), 0.85);
        p.fillPath(g.wedge(s, g.trackInner(k), g.trackInner(k) + 0.36 * g.trackWidth()), c);
      }
  }

  // "Asleep" across the tracks of every sleep long enough to hold the word.
  void sleepWords() {
    p.setPen(Palette::tertiaryText().resolve());
    for (const auto& s : pic.sleeps)
      if (s.to - s.from >= 8) {
        const QPointF at = g.at(g.angle((s.from + s.to) / 2.0), (g.outer + g.inner) / 2);
        const QString text = QString::fromStdString(L("Asleep"));
        const QFontMetricsF fm(p.font());
        const QSizeF size(fm.horizontalAdvance(text) + 1, fm.height());
        p.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, text);
      }
  }

  void usual() {
    if (pic.usual.empty()) return;
    QPainterPath path;
    bool joined = false;
    const double w = g.trackWidth();
    for (int i = 0; i < int(pic.usual.size()); ++i) {
      const auto& v = pic.usual[std::size_t(i)];
      if (!v) {
        joined = false;
        continue;
      }
      const QPointF pt = g.at(g.angle(i), (g.outer - w) + w * barFraction(*v));
      if (joined)
        path.lineTo(pt);
      else
        path.moveTo(pt);
      joined = true;
    }
    p.strokePath(path, QPen(base(0.55), 1));
  }

  void hourLabels() {
    p.setPen(Palette::tertiaryText().resolve());
    label(QString::fromStdString(L("0:00")), -0.5, 18, Qt::AlignCenter);
    label(QString::fromStdString(L("6:00")), 35.5, 10, Qt::AlignLeading);
    label(QString::fromStdString(L("12:00")), 71.5, 18, Qt::AlignCenter);
    label(QString::fromStdString(L("18:00")), 107.5, 10, Qt::AlignTrailing);
  }

  void secondLabels() {
    p.setPen(Palette::tertiaryText().resolve());
    label(QString::fromStdString(L("Now")), 59.5, 18, Qt::AlignCenter);
    label(QString::fromStdString(L("45 s ago")), 14.5, 10, Qt::AlignLeading);
    label(QString::fromStdString(L("30 s ago")), 29.5, 18, Qt::AlignCenter);
    label(QString::fromStdString(L("15 s ago")), 44.5, 10, Qt::AlignTrailing);
  }

  void events() {
    p.setPen(Qt::NoPen);
    for (const auto& e : pic.events) {
      const double radius = pic.selectedEvent && *pic.selectedEvent == e.slot ? 6 : 4.5;
      p.setBrush(e.isMemory ? Palette::strain() : Palette::warn());
      p.drawEllipse(g.at(g.angle(e.slot), g.outer + 6), radius, radius);
    }
  }

  void stretches() {
    p.setPen(QPen(base(0.6), 2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (const auto& s : pic.stretches) arc(s.from, s.to, g.outer + 12);
  }

  void marks() {
    for (int slot : pic.marks) {
      const QPointF at = g.at(g.angle(slot), g.inner - 10);
      if (isSelected(slot)) {
        p.setPen(Qt::NoPen);
        p.setBrush(base(0.9));
        p.drawEllipse(at, 3, 3);
      } else {
        p.setPen(QPen(base(0.55), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, 3 - 0.65, 3 - 0.65);  // the stroke inside the 6 × 6 circle
      }
    }
  }

  void hand() {
    if (!pic.hand) return;
    const double a = g.angle(*pic.hand);
    p.setPen(QPen(base(pic.selected ? 0.85 : 0.35), 1.2));
    p.drawLine(g.at(a, g.inner - 8), g.at(a, g.outer + 6));
  }
};

// The tracks are hundreds of wedges, each large enough for the raster engine to hand to the thread
// pool and wait: filled into an image in one task instead (see OneTaskPaint.hpp) and laid under
// the rest, whose words stay on this thread.
void tracksInOneTask(QPainter& painter, const DayRingGeometry& geometry, const DayRingPicture& picture, bool light) {
  QPaintDevice* device = painter.device();
  if (!device) return;
  QImage image(device->width(), device->height(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(device->devicePixelRatioF());
  image.fill(Qt::transparent);
  const QTransform transform = painter.worldTransform();
  paintInOneTask([&] {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(transform);
    Ring{p, geometry, picture, light}.tracks();
  });
  painter.save();
  painter.resetTransform();
  painter.drawImage(QPointF(0, 0), image);
  painter.restore();
}

}  // namespace

void paintDayRing(QPainter& painter, const DayRingGeometry& geometry, const DayRingPicture& picture, bool light) {
  if (geometry.empty() || picture.count() != geometry.count || picture.mem.size() != picture.cpu.size()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(Fonts::text(Type::caption));
  tracksInOneTask(painter, geometry, picture, light);
  Ring ring{painter, geometry, picture, light};
  if (picture.mode == RingMode::day) {
    ring.sleeps();
    ring.usual();
    ring.hourLabels();
    ring.events();
    ring.stretches();
    ring.marks();
  } else {
    ring.secondLabels();
  }
  ring.hand();
  painter.restore();
}

}  // namespace qel
