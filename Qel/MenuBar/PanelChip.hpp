#pragma once
#include <QWidget>

namespace qel {

// A small grey chip of text, shown as it is (no translation).
class PanelChip : public QWidget {
  Q_OBJECT

 public:
  explicit PanelChip(QWidget* parent = nullptr);
  void setText(const QString& text);
  const QString& text() const { return text_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace qel
