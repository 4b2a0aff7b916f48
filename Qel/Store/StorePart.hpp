#pragma once
// What every part's read-only view of the store shares: the store it reads and the notice of
// that part's changes. One reference wide; copy it freely.
#include "Qel/Store/Store.hpp"

namespace qel {

template <Notice::Topics kConcern>
class StorePart {
 public:
  explicit StorePart(const Store& store) : store_(store) {}

  // Heard once per main-loop turn in which this part changed.
  Notice::Part changed() const { return store_.changes(kConcern); }

 protected:
  const Store& store_;
};

}  // namespace qel
