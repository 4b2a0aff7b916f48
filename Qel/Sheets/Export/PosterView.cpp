#include "Qel/Sheets/Export/PosterView.hpp"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QSaveFile>

#include "Qel/Kit/Art/DockIcon.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Sheets/Export/PosterRing.hpp"
#include "Qel/Text/Fill.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kSideInset = 36;
constexpr double kTopInset = 30;
constexpr double kBottomInset = 26;
constexpr double kRing = 370;

double lineHeight(const QFont& font) { return QFontMetricsF(font).height(); }

// One line of text in `box`: a long one in another language set smaller, down to three quarters,
// before it is cut with an ellipsis (only a list of app names ever is).
void drawLine(QPainter& painter, const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align) {
  const QFont fitted = shrunkToFit(font.pixelSize(), QFont::Weight(font.weight()), 0.75,
                                   [&](const QFontMetricsF& fm) { return fm.horizontalAdvance(text) <= box.width(); });
  painter.setFont(fitted);
  painter.drawText(box, int(align) | Qt::AlignVCenter | Qt::TextSingleLine,
                   QFontMetricsF(fitted).elidedText(text, Qt::ElideRight, box.width()));
}

// The poster's fonts, which both its layout and its painting read.
struct PosterFonts {
  QFont brand = Fonts::text(Type::title3, QFont::DemiBold), date = Fonts::text(Type::body),
        small = Fonts::text(Type::footnote), peak = Fonts::text(Type::posterPeak, QFont::Light),
        statTitle = Fonts::text(Type::footnote), statValue = Fonts::text(Type::largeTitle, QFont::Medium),
        used = Fonts::text(Type::footnote);
};

void paintGround(QPainter& painter, bool sea) {
  const QRectF frame(0, 0, kPosterSide, kPosterSide);
  QLinearGradient background(frame.topLeft(), frame.bottomLeft());
  background.setColorAt(0, sea ? Palette::posterSeaTop() : Palette::posterInkTop());
  background.setColorAt(1, sea ? Palette::posterSeaBottom() : Palette::posterInkBottom());
  painter.fillRect(frame, background);
  const QColor glowColour = sea ? Palette::net() : Palette::overview();
  QRadialGradient glow(QPointF(0.5 * kPosterSide, 0.47 * kPosterSide), 300);
  glow.setColorAt(0, Palette::withAlpha(glowColour, 0.17));
  glow.setColorAt(1, Palette::withAlpha(glowColour, 0));
  painter.fillRect(frame, glow);
}

// The mark and the name at the left of `box`, the date at its right.
void paintHeader(QPainter& painter, const PosterData& data, const PosterFonts& f, const QRectF& box) {
  const QColor ink = Palette::posterText();
  const double left = box.left(), y = box.top(), header = box.height();
  static const QImage mark = markImage(22, false, 2);
  painter.drawImage(QRectF(left, y + (header - 22) / 2, 22, 22), mark);
  painter.setPen(ink);
  const double brandWidth = QFontMetricsF(f.brand).horizontalAdvance(QStringLiteral("Qel"));
  drawLine(painter, QStringLiteral("Qel"), f.brand, QRectF(left + 30, y, brandWidth + 2, header), Qt::AlignLeft);
  painter.setPen(Palette::withAlpha(ink, 0.6));
  const double dateLeft = left + 30 + brandWidth + 8;
  drawLine(painter, qs(data.dateText), f.date, QRectF(dateLeft, y, box.right() - dateLeft, header), Qt::AlignRight);
}

// The day's ring and, in its middle, the busiest moment.
void paintRing(QPainter& painter, const PosterData& data, const PosterOptions& options, const PosterFonts& f,
               const QRectF& ring) {
  const QColor ink = Palette::posterText();
  painter.save();
  painter.translate(ring.topLeft());
  drawPosterRing(painter, ring.size(), data, options.showDots);
  painter.restore();
  QString peakLine = qs(data.peakTime);
  if (options.showApps && !data.peakApp.empty()) peakLine += QStringLiteral(" · ") + qs(displayName(data.peakApp));
  const double centre = lineHeight(f.small) * 2 + lineHeight(f.peak) + 4;
  double cy = ring.center().y() - centre / 2;
  const auto centred = [&](const QString& text, const QFont& font, double w) {
    drawLine(painter, text, font, QRectF(ring.center().x() - w / 2, cy, w, lineHeight(font)), Qt::AlignHCenter);
    cy += lineHeight(font) + 2;
  };
  painter.setPen(Palette::withAlpha(ink, 0.6));
  centred(qs(L("Busiest moment")), f.small, kRing);
  painter.setPen(ink);
  centred(data.peak ? qs(fmtPercent(*data.peak)) : QStringLiteral("—"), f.peak, kRing);
  painter.setPen(Palette::withAlpha(ink, 0.6));
  centred(peakLine, f.small, 170);
}

// The three figures in columns across `box`.
void paintFigures(QPainter& painter, const PosterData& data, const PosterFonts& f, const QRectF& box) {
  const QColor ink = Palette::posterText();
  const std::pair<std::string, std::string> figures[] = {
      {L("Time recorded"), fmtDuration(data.recordedMinutes)},
      {L("CPU, daily average"), fmtPercent(data.average)},
      {L("Worth a look"), std::to_string(data.events.size())}};
  const double column = box.width() / 3;
  const double y = box.top();
  for (int i = 0; i < 3; ++i) {
    const double x = box.left() + i * column;
    painter.setPen(Palette::withAlpha(ink, 0.45));
    drawLine(painter, qs(figures[i].first), f.statTitle, QRectF(x, y, column - 6, lineHeight(f.statTitle)), Qt::AlignLeft);
    painter.setPen(ink);
    drawLine(painter, qs(figures[i].second), f.statValue,
             QRectF(x, y + lineHeight(f.statTitle) + 3, column - 6, lineHeight(f.statValue)), Qt::AlignLeft);
  }
}

}  // namespace

void paintPoster(QPainter& painter, const PosterData& data, const PosterOptions& options) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintGround(painter, options.sea);

  const PosterFonts f;
  const double header = std::max({22.0, lineHeight(f.brand), lineHeight(f.date)});
  const double stats = lineHeight(f.statTitle) + 3 + lineHeight(f.statValue);
  const double content = header + 4 + kRing + stats + 12 + lineHeight(f.used);
  const double width = kPosterSide - 2 * kSideInset;
  // The column sits in the middle of the space the insets leave.
  double y = kTopInset + std::max(0.0, (kPosterSide - kTopInset - kBottomInset - content) / 2);
  const double left = kSideInset;

  paintHeader(painter, data, f, QRectF(left, y, width, header));
  y += header + 4;
  paintRing(painter, data, options, f, QRectF(left + (width - kRing) / 2, y, kRing, kRing));
  y += kRing;
  paintFigures(painter, data, f, QRectF(left, y, width, stats));
  y += stats + 12;

  // Laid out always, drawn only with app names on, so the card never moves.
  if (options.showApps && !data.topApps.empty()) {
    std::string names;
    for (const auto& name : data.topApps) names += (names.empty() ? "" : L(", ")) + displayName(name);
    painter.setPen(Palette::withAlpha(Palette::posterText(), 0.6));
    drawLine(painter, qs(L("Most used: %@", {names})), f.used, QRectF(left, y, width, lineHeight(f.used)),
             Qt::AlignLeft);
  }
  painter.restore();
}

QByteArray posterPng(const PosterData& data, const PosterOptions& options) {
  QImage image(int(kPosterSide * 2), int(kPosterSide * 2), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.scale(2, 2);
    paintPoster(painter, data, options);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return bytes;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace qel
