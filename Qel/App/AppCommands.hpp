#pragma once
// The application's commands: Settings…, Check for Updates…, What's new, Open Source Licenses
// and Quit. The main window offers them (shortcuts and its context menu); the tray item's menu
// shows the same actions. Their texts follow the interface language. Ctrl+Q quits from every
// window of the program, the sheets included.
#include <QAction>
#include <QList>
#include <QObject>

#include <functional>

namespace qel {

class Executor;
class Store;

class AppCommands : public QObject {
  Q_OBJECT

 public:
  explicit AppCommands(QObject* parent = nullptr);

  QAction* settings() const { return settings_; }
  // Disabled while no update check can run.
  QAction* checkForUpdates() const { return checkForUpdates_; }
  // Disabled while there are no release notes.
  QAction* whatsNew() const { return whatsNew_; }
  QAction* licenses() const { return licenses_; }
  QAction* quit() const { return quit_; }

  // In menu order, with separators between the groups.
  QList<QAction*> menu() const;

  // Sets every text again from the current language.
  void retranslate();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* settings_;
  QAction* checkForUpdates_;
  QAction* whatsNew_;
  QAction* licenses_;
  QAction* quit_;
  QAction* separator1_;
  QAction* separator2_;
};

// Dismisses whatever sheet the main window shows, then, one main-loop turn later, runs `open`
// (which sets the property of the sheet wanted): never both in the same turn.
void dismissSheetsThen(Store& store, Executor& main, std::function<void()> open);

}  // namespace qel
