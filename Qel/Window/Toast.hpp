#pragma once
// The short message near the top of the main window: a light capsule with dark text and a soft
// shadow. It slides down from the top edge while fading in, and leaves the same way.
#include <QWidget>

#include <optional>

#include "Qel/Window/FrameTimer.hpp"
#include "Qel/Window/Motion.hpp"

namespace qel {

class Toast : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTop = 64;  // its resting distance from the top of the window

  explicit Toast(QWidget* parent = nullptr);

  // Shows `text` (as plain text), or takes the toast away when there is none.
  void setMessage(const std::optional<QString>& text);
  // The text shown, kept while the toast leaves.
  const QString& text() const { return text_; }
  // True from the moment a message is set until it is taken away.
  bool isShowing() const { return showing_; }

  // Centres the toast at the top of a parent `width` wide (and slides it by its progress).
  void place(int width);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void animateTo(double target);
  void frame();

  QString text_;
  bool showing_ = false;
  Motion::Tween progress_;  // 0 hidden above the window, 1 in place
  double drawnProgress_ = 0;
  FrameTimer frames_;
};

}  // namespace qel
