#pragma once
// The row of page tabs at the top of the main window: the program's mark, then one capsule
// per page in tab order. Each tab may carry its part's live number, an amber dot when that
// part is unusually busy, a load line, or a bubble with the number while hovered, as the
// tab-value setting says. Numbers take the room of their widest text, so the bar never moves
// as digits change. Tabs are reached with the Tab key and show their focus.
#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

#include "Qel/Window/TabReadout.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class ValueBubble;

class TabButton : public QAbstractButton {
  Q_OBJECT

 public:
  TabButton(Page page, QWidget* parent = nullptr);

  struct State {
    bool current{};
    bool showValue{};  // the number inside the tab
    bool dot{};        // the amber dot
    bool line{};       // the load line
    TabReadout readout;
    bool operator==(const State&) const = default;
  };
  void setState(const State& state);
  const State& state() const { return state_; }
  Page page() const { return page_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void hovered(bool inside);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The room the value takes: its page's widest expected text, or a wider value it has now.
  double valueSlot() const;

  Page page_;
  State state_;
};

class TabBar : public QWidget {
  Q_OBJECT

 public:
  explicit TabBar(const ViewContext& context, QWidget* parent = nullptr);
  ~TabBar() override;

  TabButton* tab(Page page) const { return tabs_[std::size_t(page)]; }
  // The bubble under the hovered tab; null while none shows.
  ValueBubble* bubble() const;
  std::optional<Page> hoveredPage() const { return hovered_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void refresh();
  void setHovered(Page page, bool inside);
  void placeBubble();

  Store& store_;
  std::array<TabButton*, 7> tabs_{};
  std::optional<Page> hovered_;
  QPointer<ValueBubble> bubble_;  // owned by the window it hangs in
};

}  // namespace qel
