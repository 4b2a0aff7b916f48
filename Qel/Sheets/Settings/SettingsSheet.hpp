#pragma once
// The settings window: a sidebar of five tabs, a header with the tab's title and a close button,
// the tab's body in a scroll area, and a footer with a note and "Done". Every control writes
// through at once, so closing needs no save. The tab on show is the store's, kept for the run.
#include <QAbstractButton>
#include <QWidget>

#include <array>
#include <string>

#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Text/Loc.hpp"

class QLayout;
class QScrollArea;

namespace qel {

class PlainLabel;
class TabBody;

struct SettingsTabInfo {
  const char* id;
  const char* symbol;
  const char* title;  // English key
};
inline constexpr std::array<SettingsTabInfo, 5> kSettingsTabs{{
    {"general", "gearshape", Lkey("General")},
    {"menubar", "menubar.rectangle", Lkey("Tray")},
    {"alerts", "bell", Lkey("Alerts")},
    {"background", "moon", Lkey("Background rules")},
    {"data", "externaldrive", Lkey("Data")},
}};

class SettingsSheet : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 860, kHeight = 600;

  SettingsSheet(SettingsEnv env, QWidget* parent = nullptr);

  QAbstractButton* closeButton() const { return close_; }
  QAbstractButton* doneButton() const { return done_; }
  // The body on show and the tab it was built for.
  TabBody* body() const { return body_; }
  const std::string& bodyTab() const { return bodyTab_; }
  PlainLabel* titleLabel() const { return title_; }
  QScrollArea* scrollArea() const { return scroll_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* buildSidebar();
  QLayout* buildMain();
  void sync();
  void showTab(const std::string& tab);

  SettingsEnv env_;
  std::array<QAbstractButton*, kSettingsTabs.size()> tabButtons_{};
  PlainLabel* title_;
  QAbstractButton* close_;
  QAbstractButton* done_;
  QScrollArea* scroll_;
  TabBody* body_ = nullptr;
  std::string bodyTab_;
};

}  // namespace qel
