#pragma once
// A short word on a capsule ("Done", "View"): its width follows the text, its colours follow the
// appearance. It shows the keyboard focus.
#include <QAbstractButton>

#include "Qel/Window/AdaptiveColor.hpp"

namespace qel {

class PillButton : public QAbstractButton {
  Q_OBJECT

 public:
  PillButton(const QString& text, double pixelSize, QFont::Weight weight, AdaptiveColor ink, AdaptiveColor fill,
             QSize padding, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AdaptiveColor ink_;
  AdaptiveColor fill_;
  QSize padding_;
};

}  // namespace qel
