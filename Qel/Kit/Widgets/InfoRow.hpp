#pragma once
// A label at the leading edge and its value at the trailing edge, at least 12 pixels apart.
#include <QWidget>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class PlainLabel;

class InfoRow : public QWidget {
  Q_OBJECT

 public:
  InfoRow(const QString& label, const QString& value, AdaptiveColor valueColor, QWidget* parent = nullptr);

  void setValue(const QString& value);

  PlainLabel* label() const { return label_; }
  PlainLabel* value() const { return value_; }

 private:
  PlainLabel* label_;
  PlainLabel* value_;
};

}  // namespace qel
