#pragma once
// The tray item and everything hanging from it: its picture, text and tooltip (redrawn at most
// once per event-loop turn however often the store changes), the panel with its closing rules,
// the context menu (some tray hosts only ever open that), the replay shortcut and the way back to
// the main window. Where a StatusNotifierWatcher has a host, the item is a StatusNotifierItem of
// Qel's own, whose label carries the chosen figures beside the icon; elsewhere it is Qt's tray
// icon (XEmbed): the tray gives it a square, too small for the figures beside the icon, so they
// are in its tooltip (with only text chosen, the text fills the square). Where the desktop has
// no tray, closing the main window minimises it instead, so the program is never left running
// out of sight; a tray that appears later is taken up.
#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Qel/Kit/Art/RunnerPlayer.hpp"
#include "Qel/MenuBar/HotKey.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"

class QWidget;

namespace qel {


class StatusNotifierItem;

class MenuBar : public QObject {
  Q_OBJECT

 public:
  struct Actions {
    std::function<void()> showMain;  // brings the main window forward
    std::function<void()> replay;    // analyses the last sixty seconds and shows them
    std::function<void()> quit;      // ends the program
    std::function<QWidget*()> memoryAdvice;  // makes the panel's compact memory advice card
  };

  // `window` is the main window whose closing is watched; `commands` the application's commands
  // offered at the end of the context menu. Both outlive this object.
  // `parts` is handed to the panel each time it opens; the item itself reads the live part and
  // the settings and follows all of `parts.changes`.
  MenuBar(PanelParts parts, SettingsState settings, const QList<QAction*>& commands, QWidget& window, Actions actions,
          QObject* parent = nullptr);
  ~MenuBar() override;

  // Makes the tray item (when a tray is there), the shortcut and the first picture. Once.
  void connectTray();

  // Opens the panel, or closes it when it is open.
  void toggle();
  void closePanel();
  void showMain();
  // The program is ending: closing the window no longer minimises it.
  void prepareToQuit() { quitting_ = true; }
  // Queues one update of the item for the next loop turn; more calls before it runs add nothing.
  void scheduleUpdate();
  // Makes the words of the item and its menus again in the language now chosen.
  void retranslate();

  MenuBarPanel* panel() const { return panel_; }
  // Qt's tray icon, while the item is one (no StatusNotifierItem host shows it).
  QSystemTrayIcon* trayIcon() const { return tray_.get(); }
  // The item on the bus, while a StatusNotifierItem host shows it.
  const StatusNotifierItem* notifierItem() const { return notifierShown_ ? notifier_.get() : nullptr; }
  QMenu* contextMenu() const { return menu_.get(); }
  // The shortcut's state in words, for where the shortcut is shown.
  QString hotKeyNote() const;
  const HotKey* hotKey() const { return hotKey_.get(); }
  const RunnerPlayer& runner() const { return runner_; }
  // The style last drawn; none while the item shows text only.
  std::optional<MenuIconStyle> iconStyle() const { return iconStyle_; }
  // How many times the item was brought up to date (one per loop turn at most).
  int updates() const { return updates_; }
  // Whether a tray shows the item; without one, closing the window minimises it.
  bool inTray() const;

 signals:
  void panelOpened();
  void panelClosed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void updateButton();
  void setTrayImage(const QImage& image);
  void openNotifier();
  void notifierShown(bool shown);
  void syncNotifierMenu();
  void makeXEmbedTray();
  void watchForTray();
  void toggleAt(std::optional<QPoint> pointer);
  bool pointerOnItem() const;
  void explainNoTray();

  PanelParts parts_;
  SettingsState settings_;
  QPointer<QWidget> window_;
  Actions actions_;
  std::unique_ptr<QMenu> menu_;
  QAction* showPanel_;
  QAction* openMain_;
  QAction* whatHappened_;
  std::unique_ptr<QSystemTrayIcon> tray_;
  std::unique_ptr<StatusNotifierItem> notifier_;
  std::unique_ptr<QSocketNotifier> notifierWatch_;
  bool notifierShown_ = false;
  bool menuSyncScheduled_ = false;
  QPointer<MenuBarPanel> panel_;
  std::unique_ptr<HotKey> hotKey_;
  RunnerPlayer runner_;
  QTimer trayWatch_;
  QElapsedTimer sinceDeactivationClose_;
  // What the tray's picture was drawn from.
  struct TrayLook {
    std::optional<MenuIconStyle> style;
    QRgb ink = 0;
    double dpr = 0;
    QString text;
    int height = 0;
    std::vector<int> shape;
    bool operator==(const TrayLook&) const = default;
  };
  QImage shown_;
  TrayLook drawn_;
  std::optional<MenuIconStyle> iconStyle_;
  bool connected_ = false;
  bool updateScheduled_ = false;
  bool explainedNoTray_ = false;
  bool quitting_ = false;
  int updates_ = 0;
};

}  // namespace qel
