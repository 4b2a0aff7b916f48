#pragma once
// A stretch's name in its report, as plain as a title until it has the keyboard focus.
#include <QLineEdit>

#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

class StretchNameField : public QLineEdit {
  Q_OBJECT

 public:
  // The text starts this far in, so the focus ring has room around it; the subtitle under the
  // field starts as far in.
  static constexpr int kInset = Space::m;

  explicit StretchNameField(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
