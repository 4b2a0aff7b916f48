#pragma once
// A settings sidebar entry: symbol and title, all of it clickable; the selected one on a wash.
#include <QAbstractButton>

#include <string>

namespace qel {

struct SettingsTabInfo;

class SettingsTabButton : public QAbstractButton {
  Q_OBJECT

 public:
  SettingsTabButton(const SettingsTabInfo& tab, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string symbol_;
};

}  // namespace qel
