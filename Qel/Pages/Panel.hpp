#pragma once
// The soft rounded card that groups content: a faint wash (black on light, white on dark) behind
// its content, with the same inner margin on all four edges.
#include <QPointer>
#include <QWidget>

#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

class Panel : public QWidget {
  Q_OBJECT

 public:
  explicit Panel(QWidget* content = nullptr, double padding = Space::xl, QWidget* parent = nullptr);

  // Replaces the content (the old one is deleted).
  void setContent(QWidget* content);
  QWidget* content() const { return content_; }
  double padding() const { return padding_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointer<QWidget> content_;
  double padding_;
};

}  // namespace qel
