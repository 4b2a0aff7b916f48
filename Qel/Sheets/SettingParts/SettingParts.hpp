#pragma once
// The pieces every settings tab is built from: a tab body that re-reads its controls from the
// store (`TabBody`), the rounded card (`SettingGroup`), the labelled row (`SettingRow`), the
// switch, the pop-up and the washed capsule button (`WashButton`). Controls only write
// when the user acts: bringing them in line with the store never writes anything back.
#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Qel/Sheets/SettingParts/SettingGroup.hpp"
#include "Qel/Sheets/SettingParts/SettingRow.hpp"
#include "Qel/Sheets/SettingParts/TabBody.hpp"
#include "Qel/Sheets/SettingParts/WashButton.hpp"
#include "Qel/Store/Parts/SettingsActions.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"

namespace qel {

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
// among the entries selects nothing; `unlisted`, where given, names it in the closed pop-up.
// `separatorAfter` puts a line after that many entries.
QComboBox* boundChoice(TabBody* body, const QString& name, int width,
                       std::vector<std::pair<std::string, QString>> entries,
                       std::function<std::string()> get, std::function<void(const std::string&)> set,
                       int separatorAfter = -1, std::function<QString(const std::string&)> unlisted = {});

// The same, bound to a plain setting.
Switch* boundSwitch(TabBody* body, const QString& name, SettingsState settings, SettingsActions& actions,
                    const SettingOf<bool>& setting);
QComboBox* boundChoice(TabBody* body, const QString& name, int width,
                       std::vector<std::pair<std::string, QString>> entries, SettingsState settings,
                       SettingsActions& actions, const SettingOf<std::string>& setting, int separatorAfter = -1);

}  // namespace qel
