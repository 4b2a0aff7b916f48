#pragma once
// The day in the panel: 144 ten-minute bars of CPU and a dot above every event of the day. A
// dot's click asks for its slot.
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "Qel/History/DayBucket.hpp"
#include "Qel/History/DayEvent.hpp"
#include "Qel/Store/Parts/DayState.hpp"

namespace qel {


enum class StripTone { empty, calm, warm, hot };

struct StripBar {
  QRectF rect;
  StripTone tone;
};

// The bars of `day` (144 slots) in a strip of `size`; the top ten pixels stay free for the dots.
std::vector<StripBar> stripBars(const std::vector<std::optional<DayBucket>>& day, QSizeF size);
// The centre of the dot for `slot` in a strip `width` wide.
QPointF stripDot(int slot, double width);

class TodayStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 44;

  TodayStrip(const DayState& day, std::function<void(int slot)> jump, QWidget* parent = nullptr);
  // Takes the store's day and events; repaints only when they changed.
  void refresh();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  std::optional<DayEvent> eventAt(QPointF at) const;

  DayState dayState_;
  std::function<void(int)> jump_;
  std::vector<std::optional<DayBucket>> day_;
  std::vector<DayEvent> events_;
};

}  // namespace qel
