#pragma once
// One row of a page's list of the busiest processes: icon, name, a bar full at one busy core
// and the CPU figure. The whole row is one button (a click or Space opens the process's
// details); it shows keyboard focus with a ring.
#include <QAbstractButton>

#include <optional>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class IconCache;
class Navigator;
class ThinBar;

class TopRow : public QAbstractButton {
  Q_OBJECT

 public:
  // `icons` must outlive the row.
  TopRow(ProcessState processes, Navigator& navigator, IconCache& icons, ProcInfo proc, QWidget* parent = nullptr);

  void setProc(ProcInfo proc);
  // Shows `text` and a bar of `fraction` in `color`, `figureWidth` wide, in place of the CPU
  // figure (for lists ranked by something else).
  void setFigure(double fraction, const QString& text, AdaptiveColor color, int figureWidth);
  const ProcInfo& proc() const { return proc_; }
  ThinBar* bar() const { return bar_; }

  QSize sizeHint() const override;

  static constexpr int kIcon = 22, kBarWidth = 80, kFigureWidth = 64, kSpacing = Space::ml, kPad = Space::ml;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect figureRect() const;

  ProcessState processes_;
  Navigator& navigator_;
  IconCache& icons_;
  ProcInfo proc_;
  ThinBar* bar_;
  std::optional<QString> figure_;
  AdaptiveColor accent_;
  int figureWidth_ = kFigureWidth;
};

}  // namespace qel
