#pragma once
#include <QWidget>

namespace qel {

// The panel's small text tile: a title, a value that shrinks to fit, and a note; the words go on
// as many lines as they need.
class MiniCell : public QWidget {
  Q_OBJECT

 public:
  explicit MiniCell(QWidget* parent = nullptr);
  void setTexts(const QString& title, const QString& value, const QString& note);
  const QString& value() const { return value_; }
  const QString& note() const { return note_; }

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_, value_, note_;
  QString shownNote_;  // the note as it wraps
};

}  // namespace qel
