#include "Qel/Pages/Network/StarMapView.hpp"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QToolTip>

#include <algorithm>

#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

double seconds() { return double(FrameTimer::now()) / 1000.0; }

bool pulsing(const std::vector<ProcInfo>& nodes) {
  for (const auto& p : nodes)
    if (p.netDown + p.netUp > 512) return true;
  return false;
}

}  // namespace

StarMapView::StarMapView(ProcessState processes, Navigator& navigator, QWidget* parent)
    : QWidget(parent),
      processes_(processes),
      navigator_(navigator),
      frames_([this] { frame(); }, this),
      screen_(this, [this] { frame(); }) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(qtL("Network star map"));
  letElideWithTipsPerItem(this);  // a long name ends in "…"; the tool tip over its dot has it whole
  setAccessibleDescription(QString::fromStdString(Ln("%n apps online", 0)));
  Palette::followAppearance(this);
}

void StarMapView::setNodes(std::vector<ProcInfo> nodes) {
  if (nodes == nodes_) return;
  nodes_ = std::move(nodes);
  setAccessibleDescription(QString::fromStdString(Ln("%n apps online", nodes_.size())));
  update();
  frame();
}

QRect StarMapView::pulseArea(const StarFrame& f) const {
  QRectF area;
  for (const auto& dot : f.dots)
    if (!dot.pulses.empty()) area |= QRectF(dot.centre, f.centre).normalized();
  return area.isNull() ? QRect() : area.adjusted(-3, -3, 3, 3).toAlignedRect();
}

void StarMapView::frame() {
  if (!screen_.on() || !pulsing(nodes_)) {
    frames_.stop();
    return;
  }
  if (frames_.isActive()) return;
  update(pulseArea(starFrame(nodes_, size(), seconds(), centreLabelSize())));
  // With motion off (durations of 0) the pulses step once a second.
  frames_.startNextStep();
}

void StarMapView::paintEvent(QPaintEvent*) {
  const StarFrame f = starFrame(nodes_, size(), seconds(), centreLabelSize());
  if (!f.drawn) return;
  hits_ = f.dots;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor net = Palette::net();

  QPen guide(Palette::wash(0.1), 1);
  guide.setDashPattern({2, 5});
  guide.setCapStyle(Qt::FlatCap);
  p.setBrush(Qt::NoBrush);
  p.setPen(guide);
  for (double r : f.guides) p.drawEllipse(f.centre, r, r);

  const QFont labelFont = Fonts::text(Type::footnote, QFont::Medium);
  const QFontMetricsF metrics(labelFont);
  p.setFont(labelFont);
  for (const auto& dot : f.dots) {
    p.setPen(QPen(Palette::withAlpha(net, 0.14), 1));
    p.drawLine(f.centre, dot.centre);
    p.setPen(Qt::NoPen);
    for (std::size_t k = 0; k < dot.pulses.size(); ++k) {
      p.setBrush(Palette::withAlpha(net, dot.pulseOpacity[k]));
      p.drawEllipse(dot.pulses[k], kStarPulseRadius, kStarPulseRadius);
    }
    p.setBrush(Palette::withAlpha(net, dot.opacity));
    p.drawEllipse(dot.centre, dot.radius, dot.radius);
    const double w = metrics.horizontalAdvance(dot.label);
    const double left = dot.anchor == LabelAnchor::leading ? dot.labelPoint.x()
                        : dot.anchor == LabelAnchor::centre ? dot.labelPoint.x() - w / 2
                                                            : dot.labelPoint.x() - w;
    p.setPen(Palette::secondaryText().resolve());
    p.drawText(QRectF(left, dot.labelPoint.y() - metrics.height() / 2, w + 1, metrics.height()),
               Qt::AlignLeft | Qt::AlignVCenter, dot.label);
  }

  QRadialGradient glow(f.centre, 40);
  glow.setColorAt(0, Palette::withAlpha(net, 0.35));
  glow.setColorAt(1, Palette::withAlpha(net, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(f.centre, 40, 40);
  p.setBrush(Palette::starCentre());
  p.drawEllipse(f.centre, 9, 9);

  p.setFont(Fonts::text(Type::caption));
  p.setPen(Palette::secondaryText().resolve());
  p.drawText(starCentreLabel(f.centre, centreLabelSize()), Qt::AlignCenter, qtL("This computer"));
  if (f.dots.empty()) {
    // Across the map's width, on a second line where one is too short.
    const QFont font = Fonts::text(Type::body);
    const QFontMetricsF fm(font);
    const QRectF room(Space::xl, f.centre.y() + 60 - fm.height() / 2, width() - 2 * Space::xl, height());
    p.setFont(font);
    p.setPen(Palette::tertiaryText().resolve());
    p.drawText(room, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, emptyText());
  }
}

QSizeF StarMapView::centreLabelSize() const {
  const QFontMetricsF fm(Fonts::text(Type::caption));
  return {fm.horizontalAdvance(qtL("This computer")) + 2, fm.height()};
}

// Over a dot, its app's whole name: the map cuts a long one short.
bool StarMapView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const auto pid = starHit(hits_, help->pos());
  const auto node = std::find_if(nodes_.begin(), nodes_.end(), [&](const ProcInfo& p) { return pid && p.pid == *pid; });
  if (node == nodes_.end()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), plainToolTip(QString::fromStdString(displayName(node->name))), this);
  }
  return true;
}

QString StarMapView::emptyText() const {
  // Traffic is counted per TCP connection: an app on UDP alone (QUIC, say) may still be online.
  return processes_.netPerApp() ? qtL("None of your apps has a TCP connection right now")
                            : qtL("Per-app traffic unavailable");
}

void StarMapView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (const auto pid = starHit(hits_, event->position())) navigator_.setDetailPID(*pid);
}

}  // namespace qel
