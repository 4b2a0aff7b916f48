#pragma once
// The tables of the history database, and whether a file holds them; for its own use only.
#include <string>

#include <SQLiteCpp/Database.h>

namespace qel::historyschema {

// The schema number this program writes; a file with a higher one is a newer version's.
constexpr int kVersion = 2;

struct Check {
  enum class Fit {
    ours,     // our tables (or none yet): ready for createTables
    newer,    // ours, from a newer version: not to be written
    foreign,  // tables of something else, or ours changed beyond use
  };
  Fit fit{};
  std::string why;  // for newer and foreign: what was found
};

// Reads the file's tables without writing anything. Throws SQLite::Exception when the file
// can't be read (not a database, corrupt).
Check check(SQLite::Database& db);

// Switches to the write-ahead log and creates what is missing.
void createTables(SQLite::Database& db);

}  // namespace qel::historyschema
