#pragma once
// The settings sheet's sidebar ground: a faint wash over the sheet's.
#include <QWidget>

namespace qel {

class SettingsSidebar : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsSidebar(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
