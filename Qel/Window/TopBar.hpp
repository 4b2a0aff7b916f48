#pragma once
// The row of small controls over the upper right corner of the main window: the items other
// parts add (the updater's notices, the stretch button), then the replay and settings buttons.
#include <QWidget>

#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class CircleIconButton;

class TopBar : public QWidget {
  Q_OBJECT

 public:
  TopBar(const ViewContext& context, const ViewRegistry& registry, QWidget* parent = nullptr);

  CircleIconButton* replayButton() const { return replay_; }
  CircleIconButton* settingsButton() const { return settings_; }

 private:
  CircleIconButton* replay_;
  CircleIconButton* settings_;
};

}  // namespace qel
