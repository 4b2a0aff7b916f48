#pragma once
// The row of page tabs at the top of the main window: the program's mark, then one capsule
// per page in tab order. Each tab may carry its part's live number, an amber dot when that
// part is unusually busy, a load line, or a bubble with the number while hovered, as the
// tab-value setting says. Numbers take the room of their widest text, so the bar never moves
// as digits change. Tabs are reached with the Tab key and show their focus.
#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

#include "Qel/Window/TabButton.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class ValueBubble;

class TabBar : public QWidget {
  Q_OBJECT

 public:
  explicit TabBar(const ViewContext& context, QWidget* parent = nullptr);
  ~TabBar() override;

  TabButton* tab(Page page) const { return tabs_[std::size_t(page)]; }
  // The bubble under the hovered tab; null while none shows.
  ValueBubble* bubble() const;
  std::optional<Page> hoveredPage() const { return hovered_; }

  // Where the window leaves the bar little room beside the top bar, the tabs take the condensed
  // face; where even that is too wide, the tabs other than the current one leave out their
  // numbers, as the "selected" style shows them.
  struct Fit {
    bool condensed = false;
    bool currentOnly = false;
  };
  void setFit(Fit fit);
  Fit fit() const { return fit_; }
  // The bar's width as it would be in `fit`.
  int widthWith(Fit fit) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void refresh();
  void setHovered(Page page, bool inside);
  void placeBubble();

  LiveState live_;
  SettingsState settings_;
  NavigationState navigation_;
  Navigator& navigator_;
  std::array<TabButton*, 7> tabs_{};
  std::optional<Page> hovered_;
  Fit fit_;
  QPointer<ValueBubble> bubble_;  // owned by the window it hangs in
};

}  // namespace qel
