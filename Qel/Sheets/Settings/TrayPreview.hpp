#pragma once
// The tray item as it will look: the icon (when shown) and the text, on a faint wash. It is as
// wide as the widest text the figures can grow to, so changing figures do not shake the row,
// and no wider: an icon switched off takes its room with it.
#include <QWidget>

#include <optional>

#include "Qel/Sheets/Settings/IconStylePicture.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"

namespace qel {

// Whether the tray shows its icon: asked for, or nothing else to show.
bool iconShown(const SettingsState& settings);
MenuIconStyle chosenStyle(const SettingsState& settings);

class TrayPreview : public QWidget {
  Q_OBJECT

 public:
  explicit TrayPreview(QWidget* parent);

  void sync(const SettingsState& settings, const LiveState& live);
  QSize sizeHint() const override;
  bool showsIcon() const { return icon_; }
  const QString& text() const { return text_; }
  // Where the icon and the text are drawn, in the preview's coordinates.
  QRectF iconBox() const;
  QRectF textBox() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  // Shows what the parts of the last sync hold.
  void refresh();

  IconStylePicture picture_;
  std::optional<SettingsState> settings_;
  std::optional<LiveState> live_;
  bool icon_ = true;
  double iconWidth_ = 0;
  QString text_;
  QString guide_;  // the widest the text can grow to
  QSize hinted_;
};

}  // namespace qel
