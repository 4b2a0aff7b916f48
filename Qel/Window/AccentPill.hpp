#pragma once
// A capsule button tinted with a page's accent: a symbol and words in the accent as words take it,
// on a faint fill of the accent. The whole capsule takes the click; it shows the keyboard focus.
#include <QAbstractButton>

#include <string>

#include "Qel/Store/Enums.hpp"

namespace qel {

class AccentPill : public QAbstractButton {
  Q_OBJECT

 public:
  AccentPill(std::string symbol, const QString& text, QWidget* parent = nullptr);
  // The page whose accent it takes.
  void setPage(Page page);
  Page page() const { return page_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string symbol_;
  Page page_ = Page::overview;
};

}  // namespace qel
