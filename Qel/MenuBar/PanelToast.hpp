#pragma once
// The store's short message inside the tray panel: a pill in the reverse of the panel's colours.
// It stands just above the switches, over the network figures, so the switch that was pressed
// stays in sight with its new state; without switches in view it keeps to the card's lower part.
// It never takes clicks.
#include <QWidget>

#include <QRect>

#include <optional>

#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

// The pill's frame (shadow room included, `toast` big) on a card of `card` size: centred, its
// lower edge a little above `controlsTop` when given, else `PanelToast::kRaise` above the card's
// lower edge; always inside the card.
QRect panelToastFrame(QSize card, QSize toast, std::optional<int> controlsTop);

class PanelToast : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRaise = 62;   // from the card's lower edge to the pill's, without controls to keep clear of
  static constexpr int kShadow = 12;  // room around the pill for its shadow
  static constexpr int kGap = Space::s;  // between the pill and the controls below it

  explicit PanelToast(QWidget* parent = nullptr);
  // Shows `text` as plain text, or hides the pill when there is none.
  void setMessage(const std::optional<QString>& text);
  const QString& text() const { return text_; }
  // Keeps the pill above the controls whose top edge is at `controlsTop` on the card.
  void setControlsTop(std::optional<int> controlsTop) { controlsTop_ = controlsTop; }
  // Places the pill on a card of `card` size.
  void place(QSize card);
  // The pill itself, without the shadow's room, in the toast's coordinates.
  QRect pill() const { return rect().adjusted(kShadow, kShadow, -kShadow, -kShadow); }

  QSize sizeHint() const override;
  // The toast's size, shadow room included, on a card `cardWidth` wide.
  QSize sizeFor(int cardWidth) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  std::optional<int> controlsTop_;
};

}  // namespace qel
