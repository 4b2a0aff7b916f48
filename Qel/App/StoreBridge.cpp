#include "Qel/App/StoreBridge.hpp"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace qel {

StoreBridge::StoreBridge(Store& store, QObject* parent)
    : QObject(parent), store_(store), subscription_(store.subscribe([this] { storeChanged(); })),
      language_(store.language()) {}

StoreBridge::StoreBridge(StoreBridge& source, QObject* parent) : QObject(parent), store_(source.store()) {
  connect(&source, &StoreBridge::changed, this, &StoreBridge::heard);
  connect(&source, &StoreBridge::languageChanged, this, &StoreBridge::languageChanged);
}

StoreBridge::~StoreBridge() {
  if (subscription_) store_.unsubscribe(*subscription_);
}

void StoreBridge::storeChanged() {
  if (store_.language() != language_) {
    language_ = store_.language();
    // Each window hands it on to its children.
    for (QWidget* window : QApplication::topLevelWidgets())
      QCoreApplication::postEvent(window, new QEvent(QEvent::LanguageChange));
    emit languageChanged();
  }
  heard();
}

void StoreBridge::heard() {
  if (held_) {
    missed_ = true;
    return;
  }
  emit changed();
}

void StoreBridge::hold(bool held) {
  if (held == held_) return;
  held_ = held;
  if (!held_ && missed_) {
    missed_ = false;
    emit changed();
  }
}

}  // namespace qel
