#include "Qel/History/HistorySql.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel::historysql {

double real(double v) { return std::isfinite(v) ? v : 0.0; }

std::optional<std::string> metaValue(SQLite::Database& db, const std::string& key) {
  SQLite::Statement st(db, "SELECT value FROM meta WHERE key = ?");
  st.bind(1, key);
  if (!st.executeStep()) return std::nullopt;
  return st.getColumn(0).getString();
}

void setMeta(SQLite::Database& db, const std::string& key, const std::string& value) {
  SQLite::Statement st(db, "INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)");
  st.bind(1, key);
  st.bind(2, value);
  st.exec();
}

std::vector<std::string> unsureDays(SQLite::Database& db) {
  std::vector<std::string> days;
  std::istringstream words(metaValue(db, "unsure_days").value_or(""));
  for (std::string day; words >> day;)
    if (isDayKey(day)) days.push_back(day);
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  return days;
}

void setUnsureDays(SQLite::Database& db, const std::vector<std::string>& days) {
  if (days.empty()) {
    db.exec("DELETE FROM meta WHERE key = 'unsure_days'");
    return;
  }
  std::string text;
  for (const auto& day : days) text += (text.empty() ? "" : " ") + day;
  setMeta(db, "unsure_days", text);
}

void writeBucket(SQLite::Database& db, const std::string& day, int slot, const DayBucket& b) {
  SQLite::Statement st(db,
                       "INSERT OR REPLACE INTO buckets (day, slot, cpu, mem, pressure, peak, top, top_cpu, samples)\n"
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
  st.bind(1, day);
  st.bind(2, slot);
  st.bind(3, real(b.cpu));
  st.bind(4, real(b.mem));
  st.bind(5, real(b.pressure));
  st.bind(6, real(b.peak));
  st.bind(7, b.top);
  st.bind(8, real(b.topCPU));
  st.bind(9, b.count);
  st.exec();
}

void writeBaselineSlot(SQLite::Database& db, int slot, const BaselineSlot& value) {
  SQLite::Statement st(db, "INSERT OR REPLACE INTO baseline (slot, cpu, days) VALUES (?, ?, ?)");
  st.bind(1, slot);
  st.bind(2, real(value.cpu));
  st.bind(3, value.days);
  st.exec();
}

}  // namespace qel::historysql
