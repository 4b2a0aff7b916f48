// The one-time import of the two files that older versions kept the day and the usual load in.
#include <SQLiteCpp/Transaction.h>

#include "Qel/History/HistoryCoding.hpp"
#include "Qel/History/HistoryDB.hpp"
#include "Qel/History/HistorySql.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel {
namespace fs = std::filesystem;

void HistoryDB::importLegacyFiles(SQLite::Database& db) {
  if (historysql::metaValue(db, "legacy_imported")) return;
  constexpr std::size_t kCap = 64 << 20;
  const fs::path dayFile = folder_ / "day.json", baselineFile = folder_ / "baseline.json";

  std::optional<LegacyDay> day;
  if (auto text = readText(dayFile, kCap)) day = decodeLegacyDay(*text);
  if (day && !isDayKey(day->key)) day.reset();
  std::optional<std::vector<BaselineSlot>> baseline;
  if (auto text = readText(baselineFile, kCap)) baseline = decodeLegacyBaseline(*text);
  if (baseline && baseline->size() != std::size_t(kSlotsPerDay)) baseline.reset();

  // Files that don't decode now never will: the marker is set for them too, but only together
  // with the rows, so a failed commit leaves everything to be tried again at the next start.
  SQLite::Transaction tx(db);
  if (day) {
    const int slots = int(std::min(day->buckets.size(), std::size_t(kSlotsPerDay)));
    for (int i = 0; i < slots; ++i)
      if (const auto& b = day->buckets[std::size_t(i)]) historysql::writeBucket(db, day->key, i, *b);
  }
  if (baseline)
    for (int i = 0; i < kSlotsPerDay; ++i) historysql::writeBaselineSlot(db, i, (*baseline)[std::size_t(i)]);
  historysql::setMeta(db, "legacy_imported", "1");
  tx.commit();

  std::error_code ec;
  if (day) fs::rename(dayFile, fs::path(dayFile) += ".imported", ec);
  if (baseline) fs::rename(baselineFile, fs::path(baselineFile) += ".imported", ec);
}

}  // namespace qel
