#pragma once
// A page's headline: its name in the page's accent, the big number with its small unit on one
// baseline, and a line of explanation that may wrap.
#include <QWidget>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class BaselineRow;
class PlainLabel;

class PageHead : public QWidget {
  Q_OBJECT

 public:
  PageHead(const QString& name, AdaptiveColor color, const QString& value, const QString& unit, const QString& sub,
           double size, QWidget* parent = nullptr);

  void setColor(AdaptiveColor color);
  void setValue(const QString& value, const QString& unit);
  void setSub(const QString& sub);

  PlainLabel* nameLabel() const { return name_; }
  BaselineRow* figure() const { return figure_; }
  PlainLabel* subLabel() const { return sub_; }

 private:
  PlainLabel* name_;
  BaselineRow* figure_;
  PlainLabel* sub_;
  double size_;
};

}  // namespace qel
