#pragma once
// Statements shared by the history database's files; for its own use only. Every function
// throws SQLite::Exception on failure, which HistoryDB::perform turns into a report.
#include <optional>
#include <string>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "Qel/History/BaselineSlot.hpp"
#include "Qel/Store/DayBucket.hpp"

namespace qel::historysql {

// A non-finite number would become NULL and fail the column's NOT NULL; it is stored as 0.
double real(double v);

std::optional<std::string> metaValue(SQLite::Database& db, const std::string& key);
void setMeta(SQLite::Database& db, const std::string& key, const std::string& value);

void writeBucket(SQLite::Database& db, const std::string& day, int slot, const DayBucket& bucket);
void writeBaselineSlot(SQLite::Database& db, int slot, const BaselineSlot& value);

}  // namespace qel::historysql
