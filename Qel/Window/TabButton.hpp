#pragma once
// One page's capsule in the tab bar: the page's name, its live number when the tab-value setting
// shows it, an amber dot or a load line; the current page's tab is filled with its accent.
#include <QAbstractButton>

#include "Qel/Store/Enums.hpp"
#include "Qel/Window/TabReadout.hpp"

namespace qel {

class TabButton : public QAbstractButton {
  Q_OBJECT

 public:
  TabButton(Page page, QWidget* parent = nullptr);

  struct State {
    bool current{};
    bool showValue{};  // the number inside the tab
    bool dot{};        // the amber dot
    bool line{};       // the load line
    bool condensed{};  // words and number in the condensed face, where the window is narrow
    TabReadout readout;
    bool operator==(const State&) const = default;
  };
  void setState(const State& state);
  const State& state() const { return state_; }
  Page page() const { return page_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  // Its width with its number shown or not, in the condensed face or not, whatever it shows now.
  int widthShowingValue(bool shown) const { return widthAt(shown, state_.condensed); }
  int widthAt(bool shown, bool condensed) const;

 signals:
  void hovered(bool inside);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The room the value takes: its page's widest expected text, or a wider value it has now.
  double valueSlot(bool condensed) const;

  Page page_;
  State state_;
};

}  // namespace qel
