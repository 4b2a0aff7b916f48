#pragma once
// Texts of different sizes side by side, sitting on one shared baseline (a big number with its
// small unit, a title with its note), left-aligned. A row made to wrap puts a run that doesn't
// fit beside the others on a line of its own below.
#include <QFont>
#include <QString>
#include <QWidget>

#include <limits>
#include <span>
#include <vector>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

struct TextRun {
  QString text;
  QFont font;
  AdaptiveColor color;
};

// Where runs of the given widths and font extents go: the left edge and the baseline of each run,
// the first line's baseline and the whole size. Empty runs take no width but still take their
// spacing. Within `width`, a run that would reach past it starts a new line (a line holds at
// least one run), `lineGap` below the one above; the runs of a line share its deepest ascent.
struct BaselineLayout {
  std::vector<double> x;
  std::vector<double> y;
  double baseline = 0;
  QSizeF size;
};
struct RunExtent {
  double width, ascent, descent;
};
BaselineLayout layoutBaselineRow(std::span<const RunExtent> runs, double spacing,
                                 double width = std::numeric_limits<double>::infinity(), double lineGap = 2);

class BaselineRow : public QWidget {
  Q_OBJECT

 public:
  explicit BaselineRow(double spacing, QWidget* parent = nullptr);

  void setRuns(std::vector<TextRun> runs);
  const std::vector<TextRun>& runs() const { return runs_; }
  // Runs that don't fit beside the others go on lines below (the row then asks for their height).
  void setWraps(bool wraps);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return wraps_; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BaselineLayout layout(double width) const;

  double spacing_;
  bool wraps_ = false;
  std::vector<TextRun> runs_;
};

}  // namespace qel
