#pragma once
// The store's short message inside the tray panel: a pill in the reverse of the panel's colours,
// standing a little above the card's lower edge. It never takes clicks.
#include <QWidget>

#include <optional>

namespace qel {

class PanelToast : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRaise = 62;  // from the card's lower edge to the pill's

  explicit PanelToast(QWidget* parent = nullptr);
  // Shows `text` as plain text, or hides the pill when there is none.
  void setMessage(const std::optional<QString>& text);
  const QString& text() const { return text_; }
  // Centres the pill on a card of `card` size.
  void place(QSize card);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace qel
