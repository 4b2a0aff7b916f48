#pragma once
// The panel's metric tile: a swatch, a name and a small extra figure, the value large, and the
// last sixty seconds as a sparkline. The whole tile is one button.
#include <QAbstractButton>

#include <optional>
#include <vector>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class Sparkline;

class MenuCell : public QAbstractButton {
  Q_OBJECT

 public:
  MenuCell(const QString& name, AdaptiveColor color, std::optional<double> maxValue, QWidget* parent = nullptr);

  void setFigures(const QString& value, const QString& extra, std::vector<double> values);
  const QString& value() const { return value_; }
  const QString& extra() const { return extra_; }
  // Whether `extra` fits beside the name on the tile's first line at `width`.
  bool fitsBeside(const QString& extra, int width) const;
  // Puts the extra on a line of its own under the name, whatever it reads.
  void setExtraBelow(bool below);

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Whether the extra figure goes on a line of its own under the name, at `width`.
  bool extraBelow(int width) const;

  QString name_, value_, extra_;
  bool below_ = false;
  AdaptiveColor color_;
  Sparkline* spark_;
};

}  // namespace qel
