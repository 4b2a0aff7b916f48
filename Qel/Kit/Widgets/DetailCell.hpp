#pragma once
// One labelled live number of the process detail sheet: a small title over a large value on a
// faint rounded wash. A value too wide for the cell shrinks to 70 % of its size, then is cut
// with an ellipsis; the cell's height never changes with its value.
#include <QString>
#include <QWidget>

namespace qel {

class DetailCell : public QWidget {
  Q_OBJECT

 public:
  DetailCell(const QString& title, const QString& value, QWidget* parent = nullptr);

  // Repaints only when the text differs.
  void setTitle(const QString& title);
  void setValue(const QString& value);
  const QString& title() const { return title_; }
  const QString& value() const { return value_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  QString value_;
};

}  // namespace qel
