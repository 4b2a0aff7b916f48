#pragma once
// What the desktop program tells the store about the desktop: the application in front (from
// the X server's active window and the pid it announces, followed as the window manager changes
// it; unknown elsewhere, e.g. on Wayland), the number of screens, the appearance and the
// application icon. Main thread only.
#include <QAbstractNativeEventFilter>
#include <QIcon>
#include <QWidget>

#include <memory>

#include "Qel/App/FrontWindowWatch.hpp"
#include "Qel/Kit/Art/DockIcon.hpp"
#include "Qel/Store/Desktop.hpp"

namespace qel {

class Store;

class QtDesktop final : public Desktop, public QAbstractNativeEventFilter {
 public:
  QtDesktop();
  ~QtDesktop() override;

  // The store whose load the window icon shows; none draws the icon with the water at rest.
  void setStore(const Store* store) { store_ = store; }
  // The window that shows the icon: while it is closed the icon follows the load no more (it is
  // drawn again, forced, when the window comes back).
  void setWindow(const QWidget* window) { window_ = window; }

  FrontApp frontApp() const override;
  int screenCount() const override;
  void applyAppearance(const std::string& appearance) override;
  void updateDockIcon(bool force) override;

  // The program's own icon, from its resources.
  static QIcon appIcon();
  const DockPicture& dockPicture() const { return shown_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  std::unique_ptr<FrontWindowWatch> front_;  // on the application's X connection; none elsewhere
  const Store* store_ = nullptr;
  const QWidget* window_ = nullptr;
  DockPicture shown_;
};

}  // namespace qel
