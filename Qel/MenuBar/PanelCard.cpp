#include "Qel/MenuBar/PanelCard.hpp"

#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

PanelCard::PanelCard(QWidget* parent)
    : QWidget(parent),
      fromTint_(panelGlowTint(Level::calm)),
      toTint_(fromTint_),
      frames_([this] { frame(); }) {
  setFixedWidth(int(kPanelWidth));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kPanelCardPadding, kPanelCardPadding, kPanelCardPadding, kPanelCardPadding);
  layout->setSpacing(Space::l);
  Palette::followAppearance(this);
}

void PanelCard::setLevel(Level level) {
  if (level_ == level) return;
  const bool first = !level_;
  level_ = level;
  const std::int64_t now = FrameTimer::now();
  fromTint_ = first ? panelGlowTint(level) : glowTint();
  toTint_ = panelGlowTint(level);
  ease_ = {0, 1, now, first || !isVisible() ? 0 : Motion::duration(800)};
  frame();
}

QColor PanelCard::glowTint() const {
  const double t = ease_.at(FrameTimer::now());
  const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
  return QColor(mix(fromTint_.red(), toTint_.red()), mix(fromTint_.green(), toTint_.green()),
                mix(fromTint_.blue(), toTint_.blue()));
}

void PanelCard::frame() {
  // Only the corner the glow reaches changes while it eases.
  update(QRect(0, 0, int(std::ceil(kPanelGlowRadius)) + 1, int(std::ceil(kPanelGlowRadius)) + 1));
  if (ease_.runs(FrameTimer::now()) && isVisible()) frames_.startNextFrame();
  else frames_.stop();
}

void PanelCard::paintEvent(QPaintEvent*) {
  const PanelBackdropLook look{size(), devicePixelRatioF(), Palette::light(), glowTint().rgb()};
  if (look != drawn_) {
    PanelBackdropLook glowOnly = drawn_;
    glowOnly.tint = look.tint;
    if (!backdrop_.isNull() && glowOnly == look) repaintPanelGlow(backdrop_, look);
    else backdrop_ = paintPanelBackdrop(look);
    drawn_ = look;
  }
  QPainter(this).drawImage(QPointF(0, 0), backdrop_);
}

}  // namespace qel
