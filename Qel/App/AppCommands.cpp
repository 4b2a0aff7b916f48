#include "Qel/App/AppCommands.hpp"

#include <QCoreApplication>
#include <QKeyEvent>

#include "Qel/Platform/Runtime/Executor.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

// A menu text shown as written: "&" would otherwise mark a shortcut letter.
QString menuText(const char* key) {
  return QString::fromStdString(L(key)).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

AppCommands::AppCommands(QObject* parent)
    : QObject(parent),
      settings_(new QAction(this)),
      checkForUpdates_(new QAction(this)),
      whatsNew_(new QAction(this)),
      licenses_(new QAction(this)),
      quit_(new QAction(this)),
      separator1_(new QAction(this)),
      separator2_(new QAction(this)) {
  settings_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
  quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  for (QAction* a : {settings_, quit_}) a->setShortcutContext(Qt::ApplicationShortcut);
  settings_->setMenuRole(QAction::PreferencesRole);
  quit_->setMenuRole(QAction::QuitRole);
  checkForUpdates_->setEnabled(false);
  whatsNew_->setEnabled(false);
  separator1_->setSeparator(true);
  separator2_->setSeparator(true);
  retranslate();
  // A sheet is modal to the main window, which keeps the window's shortcuts from it: the quit
  // key that reaches a sheet (or a dialog over one) is taken here.
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool AppCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && quit_->isEnabled() &&
      QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == quit_->shortcut()) {
    quit_->trigger();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

QList<QAction*> AppCommands::menu() const {
  return {settings_, separator1_, checkForUpdates_, whatsNew_, licenses_, separator2_, quit_};
}

void AppCommands::retranslate() {
  settings_->setText(menuText(Lkey("Settings…")));
  checkForUpdates_->setText(menuText(Lkey("Check for Updates…")));
  whatsNew_->setText(menuText(Lkey("What's new")));
  licenses_->setText(menuText(Lkey("Open Source Licenses")));
  quit_->setText(menuText(Lkey("Quit")));
}

void dismissSheetsThen(Store& store, Executor& main, std::function<void()> open) {
  store.setShowingSettings(false);
  store.setDetailPID(std::nullopt);
  store.setIncident(std::nullopt);
  main.post(std::move(open));
}

}  // namespace qel
