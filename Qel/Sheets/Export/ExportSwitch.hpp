#pragma once
// The export sheet's on/off switch: a capsule track with a round knob, the accent colour when on.
// It starts on, as the picture shows everything until told otherwise.
#include <QAbstractButton>

namespace qel {

class ExportSwitch : public QAbstractButton {
  Q_OBJECT

 public:
  explicit ExportSwitch(const QString& name, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
