#pragma once
// What the small sheets share: a fixed width, the background of the page on show, a header with
// a title and a close button, and a body that scrolls once it is taller than its cap and is
// exactly as high as its content below that.
#include <QScrollArea>
#include <QWidget>

#include <functional>

#include "Qel/Store/Parts/NavigationState.hpp"

class QAbstractButton;

namespace qel {

class PlainLabel;

// A report's headline, in the size and weight the reports share.
PlainLabel* sheetTitle(const QString& text, QWidget* parent);

// A small sheet's header: the release notes and the notices have a large bold title beside a
// bare cross; the export's is smaller, with a line under it and the cross on a faint disc.
struct SheetHeader {
  enum class Kind { notes, framed };
  Kind kind = Kind::notes;
  QString title;
  QString subtitle;  // under the title (framed headers only); none when empty
};

// A vertical scroll area whose height follows its content's, up to `maxHeight`.
class FittedScrollArea : public QScrollArea {
  Q_OBJECT

 public:
  FittedScrollArea(QWidget* content, int maxHeight, int initialHeight, QWidget* parent = nullptr);

  // Measures the content again (also done on every change of its layout).
  void fit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int maxHeight_;
};

class SheetFrame : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMaxBodyHeight = 420;

  // `close` withdraws the sheet's request; the body is placed in a FittedScrollArea.
  SheetFrame(const NavigationState& navigation, int width, const SheetHeader& header, QWidget* body,
             int initialBodyHeight, std::function<void()> close, QWidget* parent = nullptr);

  QAbstractButton* closeButton() const { return close_; }
  FittedScrollArea* scrollArea() const { return scroll_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  NavigationState navigation_;
  QAbstractButton* close_;
  FittedScrollArea* scroll_;
};

}  // namespace qel
