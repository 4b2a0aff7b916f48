#pragma once
// What every part shares: the notice of that part's changes, and the store for what it works out
// from several parts. Small; copy it freely. It names the store without its header, so that a
// view given a part doesn't compile the store.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Qel/History/AppProfile.hpp"
#include "Qel/History/DayBucket.hpp"
#include "Qel/History/DayEvent.hpp"
#include "Qel/History/DayMark.hpp"
#include "Qel/History/Finding.hpp"
#include "Qel/History/Incident.hpp"
#include "Qel/History/InsightEngine.hpp"
#include "Qel/History/MemSuggestion.hpp"
#include "Qel/History/RuntimeForecast.hpp"
#include "Qel/History/SleepSession.hpp"
#include "Qel/History/Stretch.hpp"
#include "Qel/History/StretchRecorder.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Samplers/CoreOrder.hpp"
#include "Qel/Samplers/GpuHolders.hpp"
#include "Qel/Samplers/Sources.hpp"
#include "Qel/Store/AlertRule.hpp"
#include "Qel/Store/Concern.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/MenuBarPart.hpp"
#include "Qel/Store/Moment.hpp"
#include "Qel/Store/Notice.hpp"
#include "Qel/Store/PosterData.hpp"
#include "Qel/Store/SlotSpan.hpp"
#include "Qel/Store/StatusLine.hpp"
#include "Qel/Store/TameMode.hpp"

namespace qel {

class Store;

// The notice of these parts of the store's changes.
Notice::Part partChanges(const Store& store, Notice::Topics concerns);

template <Notice::Topics kConcern>
class StorePart {
 public:
  explicit StorePart(const Store& store) : store_(store) {}

  // Heard once per main-loop turn in which this part changed.
  Notice::Part changed() const { return partChanges(store_, kConcern); }

 protected:
  const Store& store_;
};

}  // namespace qel
