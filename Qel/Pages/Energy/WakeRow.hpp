#pragma once
// A row of the energy page's keep-awake list: a process that keeps the computer awake.
#include <QIcon>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

#include "Qel/Pages/Energy/DetailsButton.hpp"

namespace qel {

// What a keep-awake row shows, decided from the holder and the published process (if any).
struct WakeRowFacts {
  std::int32_t pid{};
  std::string name, detail, reason, path;
  bool published{};  // the process is in the published list: it gets a "Details" button
  bool operator==(const WakeRowFacts&) const = default;
};

class PlainLabel;

class WakeRow : public QWidget {
  Q_OBJECT

 public:
  WakeRow(const WakeRowFacts& facts, const QIcon& icon, std::function<void()> details, QWidget* parent = nullptr);
  PlainLabel* name() const { return name_; }
  DetailsButton* details() const { return details_; }

 private:
  PlainLabel* name_;
  DetailsButton* details_ = nullptr;
};

}  // namespace qel
