#pragma once
// The process list's column titles, laid on the same cells as the rows.
#include <QWidget>

namespace qel {

class ColumnTitles : public QWidget {
  Q_OBJECT

 public:
  explicit ColumnTitles(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
