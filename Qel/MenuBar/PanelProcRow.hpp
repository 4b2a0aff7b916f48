#pragma once
// One row of the panel's busiest processes: icon, name, a CPU bar and figure; hovering shows
// "End" (or "System" for another user's process). The row keeps the process it was made for,
// pid and start time, so a click after that process ended does nothing rather than acting on
// a newcomer that reused its pid.
#include <QWidget>
#include <QIcon>

#include <functional>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QPainter;

namespace qel {

class ProcessActions;

class PanelProcRow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 26;
  // The End column's least width; a longer word in the language in use widens it.
  static constexpr int kEndWidth = 40;
  // The End column's width now.
  static int endWidth();

  // `open` is called with the still-running process when the row is clicked.
  PanelProcRow(ProcessState processes, ProcessActions& actions, std::function<void(const ProcInfo&)> open,
               QWidget* parent = nullptr);

  // `ended`: the process has gone while the list held still; the row stays, faded, and offers
  // nothing.
  void setProc(const ProcInfo& proc, const QIcon& icon, bool ended = false);
  bool ended() const { return ended_; }
  const ProcInfo& proc() const { return proc_; }
  bool hovering() const { return hovering_; }
  // Where "End" stands, for clicks and tests.
  QRect endRect() const;

  QSize sizeHint() const override { return {340, kHeight}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Under the pointer, at the row's end: "End" in a pill, or "System" where the process is not the user's to end.
  void paintEnd(QPainter& p, double mid) const;
  void openRow();
  void endProc();

  ProcessState processes_;
  ProcessActions& actions_;
  std::function<void(const ProcInfo&)> open_;
  ProcInfo proc_;
  QIcon icon_;
  bool hovering_ = false;
  bool ended_ = false;
};

}  // namespace qel
