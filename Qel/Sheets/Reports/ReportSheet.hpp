#pragma once
// What the report sheets share (the replay, the sleep report, the stretch summary): a fixed
// width on the page's background, a header of a coloured kicker over a large headline with a
// round close button, the sheet's own blocks, and a footer of a hint and a Done button.
// Return closes the sheet wherever the focus is in its window, unless the sheet takes Return
// for itself; Escape is the window's own.
#include <QWidget>

#include <functional>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"

class QAbstractButton;
class QHBoxLayout;
class QVBoxLayout;

namespace qel {

class PlainLabel;

class ReportSheet : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 560;

  QAbstractButton* closeButton() const { return close_; }
  QAbstractButton* doneButton() const { return done_; }

 protected:
  // `close` withdraws the sheet's request. The kicker takes `kickerColor`, or the page's accent
  // when none is given. An empty kicker or headline is left out, for a sheet with titles of its own.
  ReportSheet(const NavigationState& navigation, const QString& kicker, std::optional<AdaptiveColor> kickerColor,
              const QString& headline, const QString& hint, std::function<void()> close, QWidget* parent);

  // The column under the header (spacing 18), for the sheet's blocks.
  QVBoxLayout* blocks() const { return blocks_; }
  // The column of the kicker and the headline, for a subtitle.
  QVBoxLayout* titles() const { return titles_; }
  // The footer's row; the close action runs on Return and on Done.
  QHBoxLayout* footer() const { return footer_; }
  void closeSheet() const { closeAction_(); }
  PlainLabel* hint() const { return hint_; }
  // Return pressed on `receiver` (the focus) anywhere in the sheet's window; closes the sheet
  // unless a sheet says otherwise.
  virtual void returnPressed(QObject* receiver) {
    (void)receiver;
    closeAction_();
  }

  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  NavigationState navigation_;
  std::function<void()> closeAction_;
  QVBoxLayout* blocks_;
  QVBoxLayout* titles_;
  QHBoxLayout* footer_;
  PlainLabel* kicker_ = nullptr;
  PlainLabel* hint_;
  std::optional<AdaptiveColor> kickerColor_;
  QWidget* divider_;
  QAbstractButton* close_;
  QAbstractButton* done_;
};

}  // namespace qel
