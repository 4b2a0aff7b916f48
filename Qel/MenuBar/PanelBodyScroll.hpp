#pragma once
// The tray panel's sections, scrolled once the card is shorter than they are; it asks for their
// whole height.
#include <QScrollArea>

namespace qel {

class PanelBodyScroll : public QScrollArea {
  Q_OBJECT

 public:
  explicit PanelBodyScroll(QWidget* content);

  // The sections' height at the panel's width, wrapped lines as they really wrap there.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
};

}  // namespace qel
