#pragma once
// The editor of one alert rule: its title and description (and when it last fired), the
// threshold slider with its value, the sustain pop-up where the rule has one, and the on/off
// switch. It reads its rule from the settings by index on every sync and writes each edit at once.
#include <QWidget>

#include <cstddef>

#include "Qel/Store/Parts/SettingsActions.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"

class QComboBox;
class QSlider;

namespace qel {

class PlainLabel;
class Switch;
class TabBody;
struct RuleMeta;

class RuleRow : public QWidget {
  Q_OBJECT

 public:
  // Registers its re-read with `body`. A rule with no description makes an empty, hidden row.
  RuleRow(SettingsState settings, SettingsActions& actions, std::size_t index, TabBody* body,
          QWidget* parent = nullptr);

  std::size_t index() const { return index_; }
  // The parts; null where the rule has none.
  QSlider* slider() const { return slider_; }
  QComboBox* sustain() const { return sustain_; }
  Switch* onSwitch() const { return switch_; }
  PlainLabel* valueLabel() const { return value_; }
  PlainLabel* firedLabel() const { return fired_; }
  QWidget* thresholdControls() const { return controls_; }
  QWidget* texts() const { return texts_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* buildTexts(const RuleMeta& m);
  QWidget* buildThreshold(const RuleMeta& m);
  void sync();
  template <class Edit>
  void edit(Edit change);

  const SettingsState settings_;
  SettingsActions& actions_;
  std::size_t index_;
  const RuleMeta* meta_ = nullptr;
  QWidget* texts_ = nullptr;
  PlainLabel* fired_ = nullptr;
  QWidget* controls_ = nullptr;
  QSlider* slider_ = nullptr;
  PlainLabel* value_ = nullptr;
  QComboBox* sustain_ = nullptr;
  Switch* switch_ = nullptr;
};

}  // namespace qel
