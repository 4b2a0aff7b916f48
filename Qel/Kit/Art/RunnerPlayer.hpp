#pragma once
// Runs the tray item's runner: a tray shows still pictures, so the figure moves by replacing the
// picture at the pace of the CPU load. The once-a-second sync only changes the pace (keeping the
// frame); only another runner starts over. The timer runs only while a runner is shown.
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

#include "Qel/Kit/Art/RunnerPace.hpp"
#include "Qel/Store/Enums.hpp"

namespace qel {

class RunnerPlayer : public QObject {
  Q_OBJECT

 public:
  using Show = std::function<void(const QImage&)>;
  explicit RunnerPlayer(Show show, QObject* parent = nullptr);

  // Shows `style`'s runner at the pace of `cpu`; a drawn style or none stops it.
  void sync(std::optional<MenuIconStyle> style, double cpu, QColor ink, double dpr);
  void stop();

  std::optional<MenuIconStyle> running() const { return style_; }
  // The stored frame shown now.
  int frame() const;
  float speed() const { return clock_.speed(); }

 private:
  void showStep();
  double now() const;

  Show show_;
  QTimer timer_;
  QElapsedTimer elapsed_;
  RunnerClock clock_;
  std::optional<MenuIconStyle> style_;
  QColor ink_;
  double dpr_ = 1;
  int shownFrame_ = -1;
  // The running style's frames as drawn for the present ink and scale: drawing one from its
  // vector art costs far more than showing it, and a runner shows its few frames again and again.
  std::vector<QImage> drawn_;
};

}  // namespace qel
