#pragma once
// The panel's sleep row: a moon, the summary on one line and "View", on the cells' shade.
#include <QAbstractButton>

namespace qel {

class SleepRowButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit SleepRowButton(QWidget* parent = nullptr);
  void setSummary(const QString& summary);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
