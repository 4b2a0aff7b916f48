#pragma once
// The tray item as it will look: the icon (when shown) and the text, on a faint wash. It never
// gets narrower while open, so changing figures do not shake the row.
#include <QWidget>

#include "Qel/Sheets/IconStylePicture.hpp"

namespace qel {

class Store;

// Whether the tray shows its icon: asked for, or nothing else to show.
bool iconShown(const Store& store);
MenuIconStyle chosenStyle(const Store& store);

class TrayPreview : public QWidget {
  Q_OBJECT

 public:
  explicit TrayPreview(QWidget* parent);

  void sync(const Store& store);
  QSize sizeHint() const override;
  bool showsIcon() const { return icon_; }
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  IconStylePicture picture_;
  const Store* store_ = nullptr;
  bool icon_ = true;
  QString text_;
  mutable int widest_ = 0;
};

}  // namespace qel
