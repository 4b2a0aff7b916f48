#pragma once
// Where a change of the interface language reaches the widgets: it follows the store's notice
// and, when the language changed, sends a LanguageChange event to every window, so each visible
// text is made again in the new language, and tells `languageChanged` to what isn't a widget.
// Views hear of the store's other changes by following its notice themselves.
#include <QObject>

#include <string>

#include "Qel/Store/Store.hpp"

namespace qel {

class StoreBridge : public QObject {
  Q_OBJECT

 public:
  explicit StoreBridge(Store& store, QObject* parent = nullptr);

  Store& store() const { return store_; }

 signals:
  void languageChanged();

 private:
  void storeChanged();

  Store& store_;
  Notice::Subscription subscription_;
  std::string language_;
};

}  // namespace qel
