#include "Qel/History/HistorySchema.hpp"

#include <algorithm>
#include <map>
#include <vector>

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include "Qel/History/HistorySql.hpp"
#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel::historyschema {
namespace {

constexpr const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS buckets (day TEXT NOT NULL, slot INTEGER NOT NULL, cpu REAL NOT NULL, "
    "mem REAL NOT NULL, pressure REAL NOT NULL, peak REAL NOT NULL, top TEXT NOT NULL, top_cpu REAL NOT NULL, "
    "samples INTEGER NOT NULL, PRIMARY KEY (day, slot))",
    "CREATE TABLE IF NOT EXISTS events (id INTEGER PRIMARY KEY AUTOINCREMENT, day TEXT NOT NULL, "
    "slot INTEGER NOT NULL, is_memory INTEGER NOT NULL, title TEXT NOT NULL, detail TEXT NOT NULL, "
    "created REAL NOT NULL, facts TEXT)",
    "CREATE INDEX IF NOT EXISTS events_day ON events(day)",
    "CREATE TABLE IF NOT EXISTS baseline (slot INTEGER PRIMARY KEY, cpu REAL NOT NULL, days INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS app_hours (day TEXT NOT NULL, hour INTEGER NOT NULL, app TEXT NOT NULL, "
    "name TEXT NOT NULL, cpu REAL NOT NULL, mem REAL NOT NULL, energy REAL NOT NULL, samples INTEGER NOT NULL, "
    "version TEXT NOT NULL, PRIMARY KEY (day, hour, app))",
    "CREATE INDEX IF NOT EXISTS app_hours_app ON app_hours(app)",
    "CREATE TABLE IF NOT EXISTS marks (id INTEGER PRIMARY KEY AUTOINCREMENT, day TEXT NOT NULL, "
    "slot INTEGER NOT NULL, at REAL NOT NULL, kind TEXT NOT NULL, arg TEXT NOT NULL)",
    "CREATE INDEX IF NOT EXISTS marks_day ON marks(day)",
    "CREATE TABLE IF NOT EXISTS stretches (began REAL PRIMARY KEY, ended REAL NOT NULL, name TEXT NOT NULL, "
    "peak REAL NOT NULL, average REAL NOT NULL, wh REAL NOT NULL, ratio REAL NOT NULL, top TEXT NOT NULL, "
    "series TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS sleeps (began REAL PRIMARY KEY, ended REAL NOT NULL, charge0 INTEGER NOT NULL, "
    "charge1 INTEGER NOT NULL, battery INTEGER NOT NULL, wakes TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

// Columns added since the first schema, each with the schema number that brought it. An older
// file gets them when it is opened; its rows hold NULL there.
struct AddedColumn {
  int version;
  const char* table;
  const char* column;
  const char* sql;
};
constexpr AddedColumn kAdded[] = {
    {2, "events", "facts", "ALTER TABLE events ADD COLUMN facts TEXT"},
};

using Columns = std::map<std::string, std::vector<std::string>>;

// Every table's column names in order, sqlite's own tables left out.
Columns columnsOf(SQLite::Database& db) {
  Columns out;
  SQLite::Statement st(db,
                       "SELECT m.name, p.name FROM sqlite_master AS m JOIN pragma_table_info(m.name) AS p "
                       "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY m.name, p.cid");
  while (st.executeStep()) out[st.getColumn(0).getString()].push_back(st.getColumn(1).getString());
  return out;
}

const Columns& ourColumns() {
  static const Columns columns = [] {
    // Read inside a transaction that is never committed: nothing of it is ever written.
    SQLite::Database scratch(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    scratch.exec("BEGIN");
    for (const char* sql : kSchema) scratch.exec(sql);
    Columns out = columnsOf(scratch);
    scratch.exec("ROLLBACK");
    return out;
  }();
  return columns;
}

// A table's columns as a file of schema `version` holds them.
std::vector<std::string> columnsAt(const std::string& table, std::int64_t version) {
  std::vector<std::string> out = ourColumns().at(table);
  for (const auto& added : kAdded)
    if (added.version > version && table == added.table) std::erase(out, std::string(added.column));
  return out;
}

}  // namespace

Check check(SQLite::Database& db) {
  using Fit = Check::Fit;
  const Columns found = columnsOf(db);
  if (found.empty()) return {Fit::ours, {}};
  // Every file this program made got its schema number with its first tables.
  if (!found.contains("meta") || found.at("meta") != ourColumns().at("meta"))
    return {Fit::foreign, "the file holds tables of another program"};
  const auto number = historysql::metaValue(db, "schema");
  const auto version = number ? parseI64(*number) : std::nullopt;
  if (!version) return {Fit::foreign, "the file has no schema number"};
  if (*version > kVersion) return {Fit::newer, "schema " + std::to_string(*version)};
  for (const auto& [table, columns] : ourColumns())
    if (const auto it = found.find(table);
        it != found.end() && it->second != columns && it->second != columnsAt(table, *version))
      return {Fit::foreign, "the table " + table + " has other columns"};
  return {Fit::ours, {}};
}

void createTables(SQLite::Database& db) {
  db.exec("PRAGMA journal_mode=WAL");
  db.exec("PRAGMA synchronous=NORMAL");
  SQLite::Transaction tx(db);
  for (const char* sql : kSchema) db.exec(sql);
  // An older file gains the columns added since, in the same transaction as its new number.
  const Columns have = columnsOf(db);
  for (const auto& added : kAdded) {
    const auto& columns = have.at(added.table);
    if (std::find(columns.begin(), columns.end(), added.column) == columns.end()) db.exec(added.sql);
  }
  const auto number = historysql::metaValue(db, "schema");
  const auto version = number ? parseI64(*number) : std::nullopt;
  if (!version || *version < kVersion) historysql::setMeta(db, "schema", std::to_string(kVersion));
  tx.commit();
}

}  // namespace qel::historyschema
