#pragma once
// A short word on a capsule ("Done", "View"): its width follows the text, its colours follow the
// appearance. It shows the keyboard focus. An opaque capsule that would melt into the window's
// ground trades colours with its words, so an enabled button never reads as switched off.
#include <QAbstractButton>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class PillButton : public QAbstractButton {
  Q_OBJECT

 public:
  PillButton(const QString& text, double pixelSize, QFont::Weight weight, AdaptiveColor ink, AdaptiveColor fill,
             QSize padding, QWidget* parent = nullptr);
  // The sheets' main button ("Done", "Save image…"): 14 semibold ink on a pale capsule, which
  // on a light ground turns into pale words on an ink capsule.
  static PillButton* primary(const QString& text, QWidget* parent = nullptr);

  // The capsule and word colours drawn on `ground`.
  struct Look {
    QColor fill, ink;
  };
  static Look look(const QColor& fill, const QColor& ink, const QColor& ground);

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
