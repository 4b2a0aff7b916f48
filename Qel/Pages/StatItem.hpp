#pragma once
// A title above a large figure, for the rows of figures in the pages' headers. The figure
// rolls when its text changes and keeps the width of `widest`.
#include <QWidget>

namespace qel {

class PlainLabel;
class RollingFigure;

class StatItem : public QWidget {
  Q_OBJECT

 public:
  StatItem(const QString& title, const QString& value, const QString& widest, QWidget* parent = nullptr);

  void setValue(const QString& value);
  RollingFigure* figure() const { return value_; }

 private:
  PlainLabel* title_;
  RollingFigure* value_;
};

}  // namespace qel
