#pragma once
// The desktop program: the one store on Qt's event loop, the main window, the application's
// commands, the channel a second start talks to, and the orderly end however it comes (Quit,
// Ctrl+Q, SIGTERM, SIGINT, SIGHUP, the session ending).
#include <QObject>
#include <QSocketNotifier>

#include <memory>

#include "Qel/App/AppCommands.hpp"
#include "Qel/App/AppLanguage.hpp"
#include "Qel/App/InstanceChannel.hpp"
#include "Qel/App/QtDesktop.hpp"
#include "Qel/App/QtExecutor.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Runtime/QuitSignals.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class InstanceLock;
class MainWindow;
class MenuBar;
class NotificationWatch;
class PortalSettingsWatch;
class Store;
class StoreBridge;

class QelApp : public QObject {
  Q_OBJECT

 public:
  // Needs the QApplication and the two locks, which outlive it: the history folder's, without
  // which no history is kept, and the one that keeps the instance single (the same one, or one
  // in the runtime folder when the history folder can't hold it).
  QelApp(const InstanceLock& historyLock, InstanceLock& instanceLock);
  ~QelApp() override;

  // Starts sampling, shows the main window and serves `request` as if a second start asked.
  void start(InstanceRequest request);

  Store& store() const { return *store_; }
  MainWindow& window() const { return *window_; }
  MenuBar& menuBar() const { return *menuBar_; }

  // Brings the main window forward (building its content when it was closed).
  void showMain();
  // A request of another start of the program.
  void handle(InstanceRequest request);
  // The replay of the last sixty seconds. Until the store can analyse them, it shows the
  // window and a toast.
  void replay();
  // The orderly end: the store saves the day and the history is written, then the loop ends.
  void quit();

 private:
  void listenForOtherStarts(InstanceLock& instanceLock);
  void makeStore(const InstanceLock& historyLock);
  void makeWindow();
  void makeMenuBar();
  void connectCommands();
  void connectQuitting();
  void runReplay();
  void openLicenses();
  void openWhatsNew();
  void updateCommands();
  void watchColorScheme();
  void watchNotifications();

  QtExecutor executor_;  // first: the store's queued work may still arrive until it goes
  Defaults defaults_;
  AppLanguage language_;  // before anything that holds a text: the commands are made in the saved language
  std::unique_ptr<AppRegistry> apps_;
  QtDesktop desktop_;
  std::unique_ptr<Store> store_;
  std::unique_ptr<StoreBridge> bridge_;
  std::unique_ptr<Updater> updater_;
  ViewRegistry registry_;
  AppCommands commands_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<MenuBar> menuBar_;
  bool openedOnce_ = false;  // the first opening fits the window to the screen
  InstanceServer server_;
  QuitSignals quitSignals_;
  std::unique_ptr<QSocketNotifier> quitNotifier_;
  std::unique_ptr<QSocketNotifier> sleepNotifier_;
  std::unique_ptr<PortalSettingsWatch> schemeWatch_;
  std::unique_ptr<QSocketNotifier> schemeNotifier_;
  std::unique_ptr<NotificationWatch> notificationWatch_;
  std::unique_ptr<QSocketNotifier> notificationNotifier_;
};

// Runs the desktop program: takes the one-instance lock (before the history opens), or hands
// `request` to the instance that holds it and returns.
int runDesktop(int& argc, char** argv, InstanceRequest request);

}  // namespace qel
