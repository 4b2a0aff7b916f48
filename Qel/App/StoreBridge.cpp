#include "Qel/App/StoreBridge.hpp"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace qel {

StoreBridge::StoreBridge(Store& store, QObject* parent)
    : QObject(parent), store_(store), subscription_(store.notice().subscribe([this] { storeChanged(); })),
      language_(store.setting(Setting::language)) {}

void StoreBridge::storeChanged() {
  if (store_.setting(Setting::language) == language_) return;
  language_ = store_.setting(Setting::language);
  // Each window hands it on to its children.
  for (QWidget* window : QApplication::topLevelWidgets())
    QCoreApplication::postEvent(window, new QEvent(QEvent::LanguageChange));
  emit languageChanged();
}

}  // namespace qel
