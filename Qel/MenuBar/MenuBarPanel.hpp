#pragma once
// The borderless panel that opens from the tray item. It measures its card, stands where
// panelFrame() says, and asks to be closed on Escape and on a click in its margin; the tray item
// decides everything else about closing it. Without a compositor it has no transparent margin
// and takes the card's rounded shape.
#include <QPointer>
#include <QWidget>

#include <optional>

#include "Qel/MenuBar/PanelCard.hpp"
#include "Qel/MenuBar/PanelPlacement.hpp"

namespace qel {

class MenuBarPanel : public QWidget {
  Q_OBJECT

 public:
  // Placed at `icon` (screen coordinates; unknown → at `pointer`) on the screen holding it, with
  // `content` on its card (scrolling when the screen is too short for it).
  MenuBarPanel(std::optional<QRect> icon, QPoint pointer, QWidget* content = nullptr);

  const PanelPlacement& placement() const { return placement_; }
  PanelCard* card() const { return card_; }
  // Whether a screen point lies on the card (not in the margin or its rounded corners).
  bool containsContent(QPoint global) const;

  // Whether a compositor can show a transparent margin on this display.
  static bool compositorActive();
  // Where `card` stands in `visible` (as panelFrame() says), as tall as all it holds or as the
  // room there allows; where its panel then scrolls, no taller than lets it end between two rows.
  static PanelPlacement place(const PanelCard& card, std::optional<QRectF> icon, const QRectF& visible, QPointF pointer,
                              bool translucent);

 signals:
  // Escape, or a click in the transparent margin.
  void dismissRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  PanelCard* card_;
  PanelPlacement placement_;
  bool translucent_;
};

}  // namespace qel
