#include "Qel/StoreBridge.hpp"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace qel {

StoreBridge::StoreBridge(Store& store, QObject* parent)
    : QObject(parent), store_(store), subscription_(store.subscribe([this] { storeChanged(); })),
      language_(store.language()) {}

StoreBridge::~StoreBridge() { store_.unsubscribe(subscription_); }

void StoreBridge::storeChanged() {
  if (store_.language() != language_) {
    language_ = store_.language();
    // Each window hands it on to its children.
    for (QWidget* window : QApplication::topLevelWidgets())
      QCoreApplication::postEvent(window, new QEvent(QEvent::LanguageChange));
    emit languageChanged();
  }
  emit changed();
}

}  // namespace qel
