#pragma once
// Where the widgets hear of the store: the store's change notification (already once per
// event-loop turn) as the Qt signal `changed`, and a change of the interface language as a
// LanguageChange event to every window, so each visible text is made again in the new language.
#include <QObject>

#include <string>

#include "Qel/Store/Store.hpp"

namespace qel {

class StoreBridge : public QObject {
  Q_OBJECT

 public:
  explicit StoreBridge(Store& store, QObject* parent = nullptr);
  ~StoreBridge() override;

  Store& store() const { return store_; }

 signals:
  void changed();
  void languageChanged();

 private:
  void storeChanged();

  Store& store_;
  Store::Subscription subscription_;
  std::string language_;
};

}  // namespace qel
