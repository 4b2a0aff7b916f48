#pragma once
// Where the widgets hear of the store: the store's change notification (already once per
// event-loop turn) as the Qt signal `changed`, and a change of the interface language as a
// LanguageChange event to every window, so each visible text is made again in the new language.
//
// A window's views may hear through a bridge of their own that relays another's: it can hold
// the changes back while the window can't be seen (minimised), and hands on one once it can be
// seen again, so the views work only for what is shown.
#include <QObject>

#include <optional>
#include <string>

#include "Qel/Store/Store.hpp"

namespace qel {

class StoreBridge : public QObject {
  Q_OBJECT

 public:
  explicit StoreBridge(Store& store, QObject* parent = nullptr);
  // A relay of `source`'s changes and language changes.
  explicit StoreBridge(StoreBridge& source, QObject* parent = nullptr);
  ~StoreBridge() override;

  Store& store() const { return store_; }

  // While held, changes are kept back; letting go hands on one if any came meanwhile.
  void hold(bool held);
  bool held() const { return held_; }

 signals:
  void changed();
  void languageChanged();

 private:
  void storeChanged();
  void heard();

  Store& store_;
  std::optional<Store::Subscription> subscription_;
  std::string language_;
  bool held_ = false;
  bool missed_ = false;
};

}  // namespace qel
