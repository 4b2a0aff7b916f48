#pragma once
// The pieces every settings tab is built from: a tab body that re-reads its controls from the
// store, the rounded card (`SettingGroup`), the labelled row (`SettingRow`), the switch, the
// pop-up, the washed capsule button and a slider that moves in whole steps. Controls only write
// when the user acts: bringing them in line with the store never writes anything back.
#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Qel/Kit/AdaptiveColor.hpp"

namespace qel {

class PlainLabel;

// A tab's body: its controls register how to re-read the store, run on every store change.
class TabBody : public QWidget {
  Q_OBJECT

 public:
  explicit TabBody(QWidget* parent = nullptr);

  void onSync(std::function<void()> sync) { syncs_.push_back(std::move(sync)); }
  // Runs every registered re-read.
  void sync();
  QVBoxLayout* column() const { return column_; }

 private:
  std::vector<std::function<void()>> syncs_;
  QVBoxLayout* column_;
};

// A card: a column of rows on a faint rounded wash.
class SettingGroup : public QWidget {
  Q_OBJECT

 public:
  explicit SettingGroup(QWidget* parent = nullptr);
  QVBoxLayout* column() const { return column_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVBoxLayout* column_;
};

// One labelled setting: title, an optional detail under it, and the control at the trailing
// edge; a hairline along the bottom.
class SettingRow : public QWidget {
  Q_OBJECT

 public:
  SettingRow(const QString& title, const QString& detail, QWidget* control, QWidget* parent = nullptr);

  void setDetail(const QString& detail);
  PlainLabel* titleLabel() const { return title_; }
  PlainLabel* detailLabel() const { return detail_; }
  QWidget* control() const { return control_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PlainLabel* title_;
  PlainLabel* detail_;
  QWidget* control_;
};

// The hairline under a row: black 5 % on light, white 5 % on dark; none under the last row shown
// in its layout, which the card's own edge closes.
void paintHairline(QWidget* widget);

// An on/off switch. Clicking flips it and reports the new state through `clicked(bool)`.
class Switch : public QAbstractButton {
  Q_OBJECT

 public:
  Switch(const QString& accessibleName, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {38, 22}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A switch bound to a getter and a setter.
Switch* boundSwitch(TabBody* body, const QString& name, std::function<bool()> get, std::function<void(bool)> set);

// A pop-up of (value, title) entries bound to a getter and a setter. A stored value that is not
// among the entries selects nothing. `separatorAfter` puts a line after that many entries.
QComboBox* boundChoice(TabBody* body, const QString& name, int width,
                       std::vector<std::pair<std::string, QString>> entries,
                       std::function<std::string()> get, std::function<void(const std::string&)> set,
                       int separatorAfter = -1);

// A short text on a capsule wash: "Show in File Manager", "Erase…", the menu-bar chips.
class WashButton : public QAbstractButton {
  Q_OBJECT

 public:
  WashButton(const QString& text, double pixelSize, QWidget* parent = nullptr);
  // Text and capsule colours.
  void setColors(AdaptiveColor text, AdaptiveColor fill);
  void setBold(bool on);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AdaptiveColor text_;
  AdaptiveColor fill_;
  double pixelSize_;
  bool bold_ = false;
};

}  // namespace qel
