#pragma once
// The panel's switch tile: a symbol in a disc, a title and a note; tinted with the accent while
// on. A click runs the action once; the tile shows whatever state it is given next.
#include <QAbstractButton>

#include <string>

namespace qel {

class PanelToggle : public QAbstractButton {
  Q_OBJECT

 public:
  PanelToggle(std::string icon, const QString& title, QWidget* parent = nullptr);

  void setState(bool on, const QString& note);
  bool isOn() const { return on_; }
  const QString& note() const { return note_; }

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont titleFont(double width) const;

  std::string icon_;
  QString title_, note_;
  QString shownNote_;  // the note as it wraps
  bool on_ = false;
};

}  // namespace qel
