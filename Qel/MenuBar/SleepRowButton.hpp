#pragma once
// The panel's sleep row: a moon, the summary (on a second line where one is too short, broken
// between its parts) and "View", on the cells' shade.
#include <QAbstractButton>

namespace qel {

class SleepRowButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit SleepRowButton(QWidget* parent = nullptr);
  void setSummary(const QString& summary);

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the summary's lines go at `width`, from the top of the row.
  QRectF summaryRect(int width) const;
  // The summary as its lines go at `width`, one "\n" between two.
  QString summaryLines(int width) const;
};

}  // namespace qel
