#pragma once
// The short message near the foot of the main window, as the tray panel's stands near the foot of
// the panel: a light capsule with dark text and a soft shadow, clear of every page's headline. It
// slides up from the bottom edge while fading in, and leaves the same way. While a sheet's window
// is open over the main one the toast stands at the foot of the sheet instead, so it is always
// seen.
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

  // Centres the toast at the foot of a parent of `size` (and slides it by its progress).
  void place(QSize size);

  // Stands over `window` (a sheet) while it is shown; back over the main window when it hides or
  // when `window` is null.
  void standOver(QWidget* window);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void animateTo(double target);
  void frame();

  QString text_;
  bool showing_ = false;
  QPointer<QWidget> home_;   // the main window's view it belongs to
  QPointer<QWidget> sheet_;  // the sheet it stands over for now
  Motion::Tween progress_;  // 0 hidden below the window, 1 in place
  double drawnProgress_ = 0;
  FrameTimer frames_;
};

}  // namespace qel
