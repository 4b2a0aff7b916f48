#pragma once
// A sheet's window; its content is made again when the language changes. It is as tall as its
// content, up to the screen's available height; beyond that the content scrolls, so every part of
// a sheet can be reached on any screen.
#include <QDialog>

#include <functional>

class QScrollArea;

namespace qel {

class SheetWindow : public QDialog {
  Q_OBJECT

 public:
  SheetWindow(QWidget* owner, std::function<void()> refill);

  // Shows `content` in place of the last.
  void setContent(QWidget* content);
  // As tall as the content wants at its width, but never taller than the screen leaves room for.
  void fit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // With no control holding the focus (as a sheet opens) the window gets the keys: Return and
  // Enter go to the sheet, whose default action they are; Escape closes as ever.
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What a window manager's title bar and edges take from the screen's height.
  static constexpr int kFrameAllowance = 48;

  std::function<void()> refill_;
  QScrollArea* scroll_;
  bool refillPending_ = false;
  bool fitPending_ = false;
  bool forwarding_ = false;
};

}  // namespace qel
