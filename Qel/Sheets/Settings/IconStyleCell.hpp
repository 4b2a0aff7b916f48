#pragma once
// One tray icon style in the tray tab's grid: its live picture over its title, the chosen one in
// the reverse of the sheet's colours.
#include <QAbstractButton>

#include <optional>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Sheets/Settings/IconStylePicture.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"

namespace qel {

// The reverse of the sheet's colours, for what is picked.
AdaptiveColor invertedFill();
AdaptiveColor invertedText();

class IconStyleCell : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr int kLeastWidth = 84;

  IconStyleCell(MenuIconStyle style, QWidget* parent);

  QSize sizeHint() const override { return {kLeastWidth, heightForWidth(kLeastWidth)}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

  void sync(const SettingsState& settings, const LiveState& live);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  // The title's font: semibold when picked (its room is the semibold's either way), set a little
  // smaller where one word is wider than the cell.
  QFont titleFont(int width) const;

  MenuIconStyle style_;
  IconStylePicture picture_;
  // The readings of the last sync, for the picture to catch up when shown again.
  std::optional<LiveState> live_;
};

}  // namespace qel
