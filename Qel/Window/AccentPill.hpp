#pragma once
// A capsule button tinted with a page's accent: a symbol and words in the accent on a faint
// fill of it. The whole capsule takes the click; it shows the keyboard focus.
#include <QAbstractButton>

#include <string>

namespace qel {

// The pill's symbol and words: the accent itself on a dark ground; on a light one, pale accents
// would read as switched off, so the ink is taken most of the way to the palette's ink.
QColor accentPillInk(const QColor& accent, bool light);

class AccentPill : public QAbstractButton {
  Q_OBJECT

 public:
  AccentPill(std::string symbol, const QString& text, QWidget* parent = nullptr);
  void setAccent(const QColor& accent);
  const QColor& accent() const { return accent_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string symbol_;
  QColor accent_;
};

}  // namespace qel
