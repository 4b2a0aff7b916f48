#pragma once
// The short message near the foot of the main window, as the tray panel's stands near the foot of
// the panel: a light capsule with dark text and a soft shadow, clear of every page's headline. It
// slides up while fading in, and leaves the same way. While a sheet's window is open over the
// main one the toast stands in the sheet instead, so it is always seen. It never lies on a
// control, nor on the row of the control whose press raised it (where its explanation stands):
// where its usual place would, it rests at the nearest place that is clear.
#include <QPointer>
#include <QWidget>

#include <optional>

#include "Qel/Kit/FrameTimer.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

class Toast : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBottom = Space::windowBottom;  // its resting distance from the foot of the window

  explicit Toast(QWidget* parent = nullptr);

  // Shows `text` (as plain text), or takes the toast away when there is none.
  void setMessage(const std::optional<QString>& text);
  // The text shown, kept while the toast leaves.
  const QString& text() const { return text_; }

  // Places the toast in a parent of `size`: at rest where it is clear, slid by its progress.
  void place(QSize size);
  // Where it rests now, in its parent.
  QRect restingPlace() const { return rest_; }

  // Stands over `window` (a sheet) while it is shown; back over the main window when it hides or
  // when `window` is null.
  void standOver(QWidget* window);

  QSize sizeHint() const override;
  // Its size when it may be at most `width` wide.
  QSize sizeWithin(int width) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void animateTo(double target);
  void frame();
  // Finds where it rests in a parent of `size`, clear of the parent's controls.
  void findRest(QSize size);

  QString text_;
  bool showing_ = false;
  QPointer<QWidget> home_;   // the main window's view it belongs to
  QPointer<QWidget> sheet_;  // the sheet it stands over for now
  Motion::Tween progress_;  // 0 hidden below the window, 1 in place
  double drawnProgress_ = 0;
  QRect rest_;
  QSize restIn_;               // the parent's size `rest_` was found for
  QPointer<QWidget> source_;   // the control whose press raised the message
  FrameTimer frames_;
};

}  // namespace qel
