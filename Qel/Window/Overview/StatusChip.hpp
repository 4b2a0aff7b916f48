#pragma once
// A capsule with a symbol and a short value for the status row; read by accessibility (and
// shown as a tooltip) as its help text.
#include <QWidget>

#include <string>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class StatusChip : public QWidget {
  Q_OBJECT

 public:
  StatusChip(std::string icon, const QString& text, AdaptiveColor tint, const QString& help, QWidget* parent = nullptr);

  const std::string& icon() const { return icon_; }
  const QString& text() const { return text_; }
  const AdaptiveColor& tint() const { return tint_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string icon_;
  QString text_;
  AdaptiveColor tint_;
};

}  // namespace qel
