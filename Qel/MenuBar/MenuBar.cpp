#include "Qel/MenuBar/MenuBar.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWindow>
#include <QScreen>
#include <QWidget>

#include "Qel/Kit/Art/MenuIcons.hpp"
#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/MenuBar/NotifierParts.hpp"
#include "Qel/Platform/Bus/StatusNotifierItem.hpp"
#include "Qel/Store/MenuBarPart.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

// A press on the item that closed the panel by taking the focus away must not open it again.
constexpr qint64 kReopenGuardMs = 300;
// How often a desktop without a tray is asked again whether one has appeared.
constexpr int kTrayWatchMs = 5000;
// The picture's height when the tray doesn't say how tall its icons are.
constexpr int kTrayHeight = 22;

QString menuText(const char* key) {
  return QString::fromStdString(L(key)).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The tray's text colour: dark on a light desktop, light on a dark one. The tray belongs to the
// desktop, so its colour scheme decides, not Qel's own appearance setting.
QColor trayInk() {
  return Palette::desktopLight() ? Palette::primaryText().forLight() : Palette::primaryText().forDark();
}

double trayRatio() { return qApp ? qApp->devicePixelRatio() : 1.0; }

// The icon of an item that shows only its label: a host keeps a place for an icon all the same.
const QImage& blankImage() {
  static const QImage blank = [] {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
  }();
  return blank;
}

}  // namespace

MenuBar::MenuBar(PanelParts parts, SettingsState settings, const QList<QAction*>& commands, QWidget& window,
                 Actions actions, QObject* parent)
    : QObject(parent),
      parts_(parts),
      settings_(settings),
      window_(&window),
      actions_(std::move(actions)),
      menu_(std::make_unique<QMenu>()),
      runner_([this](const QImage& frame) { setTrayImage(frame); }) {
  showPanel_ = menu_->addAction(QString(), this, [this] {
    if (!panel_) toggle();
  });
  openMain_ = menu_->addAction(QString(), this, &MenuBar::showMain);
  whatHappened_ = menu_->addAction(QString(), this, [this] {
    closePanel();
    if (actions_.replay) actions_.replay();
  });
  menu_->addSeparator();
  menu_->addActions(commands);
  retranslate();
  trayWatch_.setInterval(kTrayWatchMs);
  connect(&trayWatch_, &QTimer::timeout, this, &MenuBar::watchForTray);
}

MenuBar::~MenuBar() {
  closePanel();
  if (window_) window_->removeEventFilter(this);
}

void MenuBar::connectTray() {
  if (connected_) return;
  connected_ = true;
  hotKey_ = std::make_unique<HotKey>([self = QPointer<MenuBar>(this)] {
    if (!self) return;
    self->closePanel();
    if (self->actions_.replay) self->actions_.replay();
  });
  follow(parts_.changes, this, [this] { scheduleUpdate(); });
  connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, this, &MenuBar::scheduleUpdate);

  // Screens changing close the panel; so does another application coming to the front.
  auto watchScreen = [this](QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &MenuBar::closePanel);
    connect(screen, &QScreen::availableGeometryChanged, this, &MenuBar::closePanel);
  };
  for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
  connect(qApp, &QGuiApplication::screenAdded, this, [this, watchScreen](QScreen* screen) {
    watchScreen(screen);
    closePanel();
  });
  connect(qApp, &QGuiApplication::screenRemoved, this, &MenuBar::closePanel);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive || !panel_ || pointerOnItem()) return;
    closePanel();
    sinceDeactivationClose_.start();
  });

  if (window_) window_->installEventFilter(this);
  // Ending the session closes every window; that close must go through.
  connect(qApp, &QGuiApplication::commitDataRequest, this, &MenuBar::prepareToQuit);
  openNotifier();
  // Qt's icon only where no watcher takes Qel's own item: made while one is there, it would
  // register a second item, Qt's, with it. Where one is, its answer decides (notifierShown).
  if (!notifier_ || !notifier_->watcherPresent()) makeXEmbedTray();
}

void MenuBar::openNotifier() {
  // The item's handlers run while its bus is read; each leaves its work to the next loop turn.
  StatusNotifierItem::Handlers handlers{
      .activate =
          [this](int x, int y) {
            QMetaObject::invokeMethod(
                this, [this, x, y] { toggleAt(x || y ? std::optional(QPoint(x, y)) : std::nullopt); },
                Qt::QueuedConnection);
          },
      .contextMenu =
          [this](int x, int y) {
            QMetaObject::invokeMethod(this, [this, x, y] { menu_->popup(QPoint(x, y)); }, Qt::QueuedConnection);
          },
      .menuClicked =
          [this](std::int32_t id) {
            QMetaObject::invokeMethod(
                this,
                [this, id] {
                  const QList<QAction*> actions = menu_->actions();
                  if (id >= 1 && id <= actions.size()) actions[id - 1]->trigger();
                },
                Qt::QueuedConnection);
          },
      .shown =
          [this](bool) {
            QMetaObject::invokeMethod(
                this, [this] { notifierShown(notifier_ && notifier_->shown()); }, Qt::QueuedConnection);
          }};
  notifier_ = StatusNotifierItem::open("qel", "Qel", std::move(handlers));
  if (!notifier_) return;
  notifier_->setMenu(dbusMenuEntries(menu_->actions()));
  for (QAction* a : menu_->actions()) connect(a, &QAction::changed, this, &MenuBar::syncNotifierMenu);
  notifierWatch_ = std::make_unique<QSocketNotifier>(notifier_->fd(), QSocketNotifier::Read);
  connect(notifierWatch_.get(), &QSocketNotifier::activated, this, [this] { notifier_->process(); });
  notifier_->process();
}

void MenuBar::notifierShown(bool shown) {
  if (shown == notifierShown_ && (shown || tray_)) return;
  notifierShown_ = shown;
  if (!shown) {
    makeXEmbedTray();
    return;
  }
  // A host shows Qel's own item now: Qt's icon would be a second one.
  trayWatch_.stop();
  tray_.reset();
  drawn_ = {};
  shown_ = {};
  updateButton();
}

void MenuBar::syncNotifierMenu() {
  // A language switch renames every action at once: the host hears of it once.
  if (!notifier_ || menuSyncScheduled_) return;
  menuSyncScheduled_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        menuSyncScheduled_ = false;
        if (notifier_) notifier_->setMenu(dbusMenuEntries(menu_->actions()));
      },
      Qt::QueuedConnection);
}

void MenuBar::makeXEmbedTray() {
  if (tray_) return;
  tray_ = std::make_unique<QSystemTrayIcon>();
  tray_->setContextMenu(menu_.get());
  connect(tray_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) toggle();
  });
  drawn_ = {};
  shown_ = {};
  updateButton();
  if (QSystemTrayIcon::isSystemTrayAvailable()) tray_->show();
  else trayWatch_.start();
}

bool MenuBar::inTray() const {
  return notifierShown_ || (tray_ && tray_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable());
}

void MenuBar::watchForTray() {
  if (!tray_ || !QSystemTrayIcon::isSystemTrayAvailable()) return;
  trayWatch_.stop();
  tray_->show();
}

QString MenuBar::hotKeyNote() const {
  return qel::hotKeyNote(hotKey_ ? hotKey_->status() : HotKey::Status::noX11);
}

void MenuBar::scheduleUpdate() {
  if (updateScheduled_) return;
  updateScheduled_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        updateScheduled_ = false;
        updateButton();
      },
      Qt::QueuedConnection);
}

void MenuBar::updateButton() {
  if (!tray_ && !notifierShown_) return;
  ++updates_;
  const std::vector<MenuBarPart> parts = settings_.menuBarParts();
  const QString text = QString::fromStdString(menuBarText(parts));
  if (tray_) tray_->setToolTip(text.isEmpty() ? QStringLiteral("Qel") : text);
  if (notifierShown_) {
    // Hosts hear of the label only when its words change, not on every tick.
    notifier_->setLabel(text.toStdString(), menuBarGuide(parts));
    notifier_->setToolTip("Qel", text.toStdString());
  }
  std::optional<MenuIconStyle> style;
  if (settings_.get(Setting::menuItems).count("ring") || text.isEmpty())
    style = menuIconStyleFromRaw(settings_.get(Setting::menuIconStyle)).value_or(MenuIconStyle::auto_);
  const QColor ink = trayInk();
  const double dpr = trayRatio();
  // Drawn only when the picture would change: the text, or the shape of a drawn icon.
  TrayLook look{.style = style, .ink = ink.rgba(), .dpr = dpr};
  if (!style && notifierShown_) {
    // The label carries the text; the icon's place stays empty.
    if (look != drawn_) setTrayImage(blankImage());
  } else if (!style) {
    const QRect g = tray_->geometry();
    look.text = text;
    look.height = g.height() > 0 ? g.height() : kTrayHeight;
    if (look != drawn_) setTrayImage(menuTextImage(text, look.height, ink, dpr));
  } else if (!isRunner(*style)) {
    const MenuIconInputs inputs{
        .busy = parts_.live.menuBusy(), .cpuHist = parts_.live.cpuHist(), .cpu = parts_.live.cpu().total};
    look.shape = menuIconShape(*style, inputs, dpr);
    if (look != drawn_) setTrayImage(menuIcon(*style, inputs, ink, dpr));
  }
  drawn_ = std::move(look);
  // A runner shows its own frames; the same runner carries on, only its pace follows.
  iconStyle_ = style;
  runner_.sync(style, parts_.live.cpu().total, ink, dpr);
}

void MenuBar::setTrayImage(const QImage& image) {
  // The tray host redraws (or is sent) every new picture: only a different one is handed over.
  if (image == shown_) return;
  shown_ = image;
  if (tray_) tray_->setIcon(QIcon(QPixmap::fromImage(image)));
  if (notifierShown_) notifier_->setIcon({trayPixmap(image)});
}

void MenuBar::retranslate() {
  showPanel_->setText(menuText(Lkey("Show panel")));
  openMain_->setText(menuText(Lkey("Open Qel")));
  whatHappened_->setText(menuText(Lkey("What just happened")));
}

bool MenuBar::pointerOnItem() const {
  if (!tray_) return false;
  const QRect g = tray_->geometry();
  return g.isValid() && g.contains(QCursor::pos());
}

void MenuBar::toggle() { toggleAt(std::nullopt); }

void MenuBar::toggleAt(std::optional<QPoint> pointer) {
  if (panel_) {
    closePanel();
    return;
  }
  if (sinceDeactivationClose_.isValid() && sinceDeactivationClose_.elapsed() < kReopenGuardMs) return;
  std::optional<QRect> icon;
  if (tray_) {
    const QRect g = tray_->geometry();
    if (g.isValid() && !g.isEmpty()) icon = g;
  }
  auto* content = new MenuPanel(parts_, MenuPanel::Actions{.openMain = [this] { showMain(); },
                                                            .replay =
                                                                [this] {
                                                                  closePanel();
                                                                  if (actions_.replay) actions_.replay();
                                                                },
                                                            .quit = actions_.quit,
                                                            .memoryAdvice = actions_.memoryAdvice});
  panel_ = new MenuBarPanel(icon, pointer.value_or(QCursor::pos()), content);
  connect(panel_, &MenuBarPanel::dismissRequested, this, &MenuBar::closePanel);
  panel_->show();
  panel_->raise();
  panel_->activateWindow();
  panel_->setFocus();
  qApp->installEventFilter(this);
  emit panelOpened();
}

void MenuBar::closePanel() {
  if (!panel_) return;
  MenuBarPanel* panel = panel_;
  panel_ = nullptr;
  if (qApp) qApp->removeEventFilter(this);
  panel->hide();
  panel->deleteLater();
  emit panelClosed();
}

void MenuBar::showMain() {
  closePanel();
  if (actions_.showMain) actions_.showMain();
}

bool MenuBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Close && !quitting_ && !inTray()) {
    // Closed with no tray to come back from, the program would run on out of sight.
    event->ignore();
    window_->showMinimized();
    explainNoTray();
    return true;
  }
  // A press in another of our windows closes the panel and still acts there.
  if (panel_ && event->type() == QEvent::MouseButtonPress && watched->isWindowType() &&
      watched != static_cast<QObject*>(panel_->windowHandle())) {
    // A press on the item itself is left to its own toggle, which closes the panel once.
    const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    const QRect item = tray_ ? tray_->geometry() : QRect();
    if (!item.contains(at) && !panel_->containsContent(at)) closePanel();
  }
  return false;
}

void MenuBar::explainNoTray() {
  if (explainedNoTray_) return;
  explainedNoTray_ = true;
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Qel"),
                              QString::fromStdString(L("Qel keeps running while its window is closed, and usually "
                                                       "waits in the tray. This desktop has no tray, so the window "
                                                       "was minimised instead. To end Qel, choose Quit (Ctrl+Q).")));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  box->setObjectName(QStringLiteral("qel.noTray"));
  box->open();
}

}  // namespace qel
