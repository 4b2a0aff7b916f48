#pragma once
// The row of small controls over the upper right corner of the main window: the items other
// parts add (the updater's notices, the stretch button), then the replay and settings buttons.
#include <QWidget>

#include "Qel/Kit/Widgets/CapsuleButton.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class CircleIconButton;

class TopBar : public QWidget {
  Q_OBJECT

 public:
  TopBar(const ViewContext& context, const ViewRegistry& registry, QWidget* parent = nullptr);

  CircleIconButton* replayButton() const { return replay_; }
  CircleIconButton* settingsButton() const { return settings_; }

  // Its notices (the capsules among its items) say all, less, or show their symbols alone, as
  // the room beside the tabs allows.
  void setForm(CapsuleButton::Form form);
  CapsuleButton::Form form() const { return form_; }
  // Its width with its notices in `form`, with the items it shows now.
  int widthAt(CapsuleButton::Form form) const;

 private:
  CircleIconButton* replay_;
  CircleIconButton* settings_;
  CapsuleButton::Form form_ = CapsuleButton::Form::full;
};

}  // namespace qel
