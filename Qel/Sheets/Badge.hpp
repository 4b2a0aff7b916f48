#pragma once
// A small capsule label tinted with a colour ("New", "Improved", "Fixed").
#include <QColor>
#include <QWidget>

namespace qel {

class Badge : public QWidget {
  Q_OBJECT

 public:
  Badge(const QString& text, QColor tint, QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor tint_;
};

}  // namespace qel
