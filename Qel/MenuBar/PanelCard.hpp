#pragma once
#include <QImage>
#include <QWidget>

#include <optional>

#include "Qel/Kit/FrameTimer.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/MenuBar/PanelBackdrop.hpp"
#include "Qel/MenuBar/PanelPlacement.hpp"

namespace qel {

// The card's padding on every side, and the width its content has inside it.
inline constexpr int kPanelCardPadding = Space::xl;
inline constexpr int kPanelContentWidth = int(kPanelWidth) - 2 * kPanelCardPadding;

// The card the panel shows: 384 wide, rounded, padded, on its backdrop; it holds the panel's
// content. The backdrop's glow takes the tint of the status level, easing into a new one.
class PanelCard : public QWidget {
  Q_OBJECT

 public:
  explicit PanelCard(QWidget* parent = nullptr);

  // The machine's status level now: a change eases the glow to the level's tint.
  void setLevel(Level level);
  // The glow's tint as drawn now (partway while it eases).
  QColor glowTint() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void frame();

  std::optional<Level> level_;
  QColor fromTint_, toTint_;
  Motion::Tween ease_{1, 1};
  FrameTimer frames_;
  PanelBackdropLook drawn_;
  QImage backdrop_;
};

}  // namespace qel
