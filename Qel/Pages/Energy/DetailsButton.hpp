#pragma once
#include <QAbstractButton>

namespace qel {

// A capsule button of few words on a faint fill.
class DetailsButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit DetailsButton(const QString& text, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
