#pragma once
// The one main window ("main"). Closing it hides it and lets its content go, so nothing of the
// root view runs while it is away; showing it again builds a fresh root view. The program keeps
// running in the tray while it is closed.
#include <QPointer>
#include <QSize>
#include <QWidget>

#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class RootView;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kDefaultSize{1180, 780};
  static constexpr QSize kMinimumSize{1040, 700};
  // Room the window manager's title bar and borders take, before it has said how much.
  static constexpr int kFrameAllowance = 40;

  // The size the window first opens at on a screen whose free area is `available`: the usual
  // size where it fits with its frame, else as much as fits, never below the minimum.
  static QSize openingSize(const QSize& available);

  MainWindow(const ViewContext& context, const ViewRegistry& registry, QWidget* parent = nullptr);

  // The content while the window is open; null while it is closed.
  RootView* rootView() const;

 signals:
  // The content came on screen.
  void appeared();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  ViewContext context_;
  const ViewRegistry& registry_;
  QPointer<RootView> root_;
};

}  // namespace qel
