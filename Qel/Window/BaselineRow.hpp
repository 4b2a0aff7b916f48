#pragma once
// Texts of different sizes side by side, sitting on one shared baseline (a big number with its
// small unit, a title with its note), left-aligned.
#include <QFont>
#include <QString>
#include <QWidget>

#include <span>
#include <vector>

#include "Qel/Window/AdaptiveColor.hpp"

namespace qel {

struct TextRun {
  QString text;
  QFont font;
  AdaptiveColor color;
};

// Where runs of the given widths and font extents go: the left edge of each run, the shared
// baseline and the whole size. Empty runs take no width but still take their spacing.
struct BaselineLayout {
  std::vector<double> x;
  double baseline = 0;
  QSizeF size;
};
struct RunExtent {
  double width, ascent, descent;
};
BaselineLayout layoutBaselineRow(std::span<const RunExtent> runs, double spacing);

class BaselineRow : public QWidget {
  Q_OBJECT

 public:
  explicit BaselineRow(double spacing, QWidget* parent = nullptr);

  void setRuns(std::vector<TextRun> runs);
  const std::vector<TextRun>& runs() const { return runs_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BaselineLayout layout() const;

  double spacing_;
  std::vector<TextRun> runs_;
};

}  // namespace qel
