#pragma once
// Statements shared by the history database's files; for its own use only. Every function
// throws SQLite::Exception on failure, which HistoryDB::perform turns into a report.
#include <optional>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "Qel/History/BaselineSlot.hpp"
#include "Qel/History/DayBucket.hpp"

namespace qel::historysql {

// A non-finite number would become NULL and fail the column's NOT NULL; it is stored as 0.
double real(double v);

std::optional<std::string> metaValue(SQLite::Database& db, const std::string& key);
void setMeta(SQLite::Database& db, const std::string& key, const std::string& value);

// The days written by a run whose clock had jumped past the stored history, ascending: kept in
// meta "unsure_days" as day keys separated by blanks. Anything there that is not a day key is
// left out.
std::vector<std::string> unsureDays(SQLite::Database& db);
void setUnsureDays(SQLite::Database& db, const std::vector<std::string>& days);

void writeBucket(SQLite::Database& db, const std::string& day, int slot, const DayBucket& bucket);
void writeBaselineSlot(SQLite::Database& db, int slot, const BaselineSlot& value);

}  // namespace qel::historysql
