#include "Qel/App/QelApp.hpp"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstring>
#include <cstdlib>

#include "Qel/App/MainViews.hpp"
#include "Qel/App/MainWindow.hpp"
#include "Qel/App/PanelParts.hpp"
#include "Qel/App/StoreBridge.hpp"
#include "Qel/History/HistoryDB.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/Scrollers/ScrollerRestyler.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/NoMnemonics.hpp"
#include "Qel/MenuBar/HotKey.hpp"
#include "Qel/MenuBar/MenuBar.hpp"
#include "Qel/Pages/Memory/MemoryAdviceCard.hpp"
#include "Qel/Platform/Bus/NotificationWatch.hpp"
#include "Qel/Platform/Bus/PortalSettingsWatch.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Store/MachineSources.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

// Qt would stop the program with a core dump when it finds no display.
bool hasDisplay() {
  for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* v = std::getenv(var); v && *v) return true;
  return false;
}

}  // namespace

QelApp::QelApp(const InstanceLock& historyLock, InstanceLock& instanceLock)
    : defaults_(Defaults::standardPath()), language_(defaults_) {
  listenForOtherStarts(instanceLock);
  if (const auto aside = defaults_.movedAside())
    std::fprintf(stderr, "qel: the settings file could not be read; it was kept as %s and the settings start from their defaults\n",
                 displayName(aside->string()).c_str());
  if (const auto why = defaults_.unreadable())
    std::fprintf(stderr, "qel: the settings file %s can't be read (%s); the settings start from their defaults and changes are not saved\n",
                 displayName(defaults_.path().string()).c_str(), why->c_str());
  updater_ = std::make_unique<Updater>(defaults_, Updater::buildOptions());  // notes in the language
  apps_ = std::make_unique<AppRegistry>(AppRegistry::environmentOptions(Loc::code()));  // names in the language
  Fonts::load();
  ScrollerRestyler::start();
  refuseButtonMnemonics(*QApplication::instance());
  addSystemIconPaths();

  makeStore(historyLock);
  makeWindow();
  makeMenuBar();
  connectCommands();
  connectQuitting();
}

// First, so a second start waits as little as possible; requests arrive once the loop runs.
void QelApp::listenForOtherStarts(InstanceLock& instanceLock) {
  connect(&server_, &InstanceServer::requested, this, [this](InstanceRequest request) {
    std::printf("qel: %s, asked by another start\n", requestWord(request).data());
    std::fflush(stdout);
    handle(request);
  });
  if (instanceLock.acquired() && !server_.listen(instanceLock))
    std::fprintf(stderr, "qel: other starts can't reach this one: %s\n", qPrintable(server_.errorString()));
}

void QelApp::makeStore(const InstanceLock& historyLock) {
  StoreServices services;
  services.main = &executor_;
  services.defaults = &defaults_;
  services.toastsWaitToBeSeen = true;
  useMachineSources(services, apps_.get());
  // Ending Qel from its own process list takes the orderly quit, after the store's current work.
  services.quitProgram = [this] { QMetaObject::invokeMethod(this, &QelApp::quit, Qt::QueuedConnection); };
  services.openHistory = [&historyLock](HistoryDB::ProblemHandler onProblem) {
    return std::make_unique<HistoryDB>(HistoryDB::folder(), historyLock, std::move(onProblem));
  };
  store_ = std::make_unique<Store>(std::move(services));
  store_->setDesktop(&desktop_);
  desktop_.setStore(store_.get());
  bridge_ = std::make_unique<StoreBridge>(*store_);
}

void QelApp::makeWindow() {
  registerMainViews(registry_, *updater_, [this] {
    const HotKey* key = menuBar_ ? menuBar_->hotKey() : nullptr;
    return key && key->status() == HotKey::Status::active ? QString() : menuBar_ ? menuBar_->hotKeyNote() : QString();
  });
  registry_.setReplay([this] { runReplay(); });
  window_ = std::make_unique<MainWindow>(viewContext(*store_), registry_);
  desktop_.setWindow(window_.get());
  window_->addActions(commands_.menu());
  window_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(window_.get(), &MainWindow::appeared, this, [this] {
    desktop_.updateDockIcon(true);
    window_->raise();
    window_->activateWindow();
  });
}

void QelApp::makeMenuBar() {
  menuBar_ = std::make_unique<MenuBar>(panelParts(*store_), SettingsState(*store_), commands_.menu(), *window_,
                                       MenuBar::Actions{.showMain = [this] { showMain(); },
                                                        .replay = [this] { replay(); },
                                                        .quit = [this] { commands_.quit()->trigger(); },
                                                        .memoryAdvice = [this] {
                                                          Store& s = *store_;
                                                          return new MemoryAdviceCard(LiveState(s), ProcessState(s),
                                                                                      InsightState(s), s, s, true);
                                                        }});
}

void QelApp::connectCommands() {
  connect(commands_.settings(), &QAction::triggered, this, [this] {
    showMain();
    store_->openSettings();
  });
  connect(commands_.licenses(), &QAction::triggered, this, &QelApp::openLicenses);
  connect(commands_.whatsNew(), &QAction::triggered, this, &QelApp::openWhatsNew);
  connect(commands_.checkForUpdates(), &QAction::triggered, updater_.get(), &Updater::checkForUpdates);
  connect(updater_.get(), &Updater::changed, this, &QelApp::updateCommands);
  connect(updater_.get(), &Updater::reported, this, [this](const QString& text) {
    showMain();
    store_->show(text.toStdString());
  });
  updateCommands();
  connect(commands_.quit(), &QAction::triggered, this, &QelApp::quit);
  connect(bridge_.get(), &StoreBridge::languageChanged, this, [this] {
    menuBar_->retranslate();
    language_.follow();
    commands_.retranslate();
  });
}

// The signals that end Qel, and the end of the loop however it comes: both save first.
void QelApp::connectQuitting() {
  if (quitSignals_.fd() >= 0) {
    // A main loop stuck in a read that never returns would never quit: the signal ends Qel anyway.
    quitSignals_.onStuck(std::chrono::seconds(5), [this](int signal) {
      std::fprintf(stderr, "qel: %s came while the program did not answer; ending it now\n", strsignal(signal));
      store_->lastWords();
    });
    quitNotifier_ = std::make_unique<QSocketNotifier>(quitSignals_.fd(), QSocketNotifier::Read);
    connect(quitNotifier_.get(), &QSocketNotifier::activated, this, [this] {
      quitSignals_.wait();
      quit();
    });
  }
  // The session ending, or anything else that ends the loop, still saves.
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { store_->shutdown(); });
}

QelApp::~QelApp() {
  // The views go before the store they read.
  menuBar_.reset();
  window_.reset();
}

void QelApp::start(InstanceRequest request) {
  store_->start();
  // Logind's sleep signals arrive on the watch's own connection, read on this loop.
  if (const int fd = store_->sleepWatchFd(); fd >= 0) {
    sleepNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(sleepNotifier_.get(), &QSocketNotifier::activated, this, [this] { store_->processSleepWatch(); });
  }
  store_->tickEvery(std::chrono::seconds(1));
  watchColorScheme();
  watchNotifications();
  menuBar_->connectTray();
  handle(request);
}

void QelApp::watchColorScheme() {
  // A switch between light and dark on the desktop reaches the palette, every open view and the
  // window icon at once.
  schemeWatch_ = PortalSettingsWatch::open([this] {
    Palette::refreshSystemAppearance();
    desktop_.updateDockIcon(true);
  });
  if (!schemeWatch_) return;
  schemeNotifier_ = std::make_unique<QSocketNotifier>(schemeWatch_->fd(), QSocketNotifier::Read);
  connect(schemeNotifier_.get(), &QSocketNotifier::activated, this, [this] { schemeWatch_->process(); });
  schemeWatch_->process();
}

void QelApp::watchNotifications() {
  // A notification service that starts or ends while the program runs is heard at once.
  notificationWatch_ = NotificationWatch::open([this](bool present) { store_->setNotificationsAvailable(present); });
  if (!notificationWatch_) return;
  notificationNotifier_ = std::make_unique<QSocketNotifier>(notificationWatch_->fd(), QSocketNotifier::Read);
  connect(notificationNotifier_.get(), &QSocketNotifier::activated, this, [this] { notificationWatch_->process(); });
  notificationWatch_->process();
}

void QelApp::showMain() {
  menuBar_->closePanel();
  if (window_->isMinimized()) window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  // A short screen (1280×720) would leave the window's foot below its edge.
  if (!openedOnce_)
    if (const QScreen* screen = window_->screen()) window_->resize(MainWindow::openingSize(screen->availableSize()));
  openedOnce_ = true;
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QelApp::handle(InstanceRequest request) {
  switch (request) {
    case InstanceRequest::show: showMain(); break;
    case InstanceRequest::replay: replay(); break;
  }
}

void QelApp::replay() {
  showMain();
  runReplay();
}

void QelApp::runReplay() {
  showMain();
  store_->setIncident(store_->insightFindings().insight.analyze(store_->clock().now()));
}

void QelApp::openLicenses() {
  showMain();
  dismissSheetsThen(*store_, executor_, [this] { store_->setShowingLicenses(true); });
}

void QelApp::openWhatsNew() {
  showMain();
  dismissSheetsThen(*store_, executor_, [this] {
    updater_->setWhatsNewSeen(true);
    updater_->setShowingWhatsNew(true);
  });
}

void QelApp::updateCommands() {
  commands_.checkForUpdates()->setEnabled(updater_->canCheck());
  commands_.whatsNew()->setEnabled(!updater_->whatsNew().empty());
}

void QelApp::quit() {
  // Quitting closes the windows, which without a tray would only minimise.
  menuBar_->prepareToQuit();
  store_->shutdown();
  QCoreApplication::quit();
}

int runDesktop(int& argc, char** argv, InstanceRequest request) {
  InstanceLock historyLock(InstanceLock::standardPath());
  // A history folder that can't be made or written holds no lock: Qel still monitors, without
  // history, and stays single through a lock in the runtime folder.
  std::unique_ptr<InstanceLock> elsewhere;
  if (!historyLock.acquired() && historyLock.error() != 0)
    if (const auto folder = InstanceLock::runtimeFolder()) elsewhere = std::make_unique<InstanceLock>(*folder / "qel.lock");
  InstanceLock& instanceLock = elsewhere ? *elsewhere : historyLock;
  if (!instanceLock.acquired() && instanceLock.error() == 0) {
    QCoreApplication app(argc, argv);
    if (sendToRunningInstance(request, instanceLock.path())) return 0;
    std::fprintf(stderr, "qel: another Qel holds %s but did not answer\n", instanceLock.path().c_str());
    return 1;
  }
  if (!instanceLock.acquired())
    std::fprintf(stderr, "qel: %s: another start would run a second Qel\n", instanceLock.problem().c_str());
  if (!hasDisplay()) {
    std::fputs("qel: there is no display to show the window on (qel --sample works without one)\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qel"));
  QApplication::setApplicationDisplayName(QStringLiteral("Qel"));
  QApplication::setDesktopFileName(QStringLiteral(QEL_APP_ID));
  QApplication::setQuitOnLastWindowClosed(false);
  QelApp qel(historyLock, instanceLock);
  qel.start(request);
  return QApplication::exec();
}

}  // namespace qel
