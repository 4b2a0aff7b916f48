// The history's writers: each queues its statements and returns at once.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <SQLiteCpp/Transaction.h>

#include "Qel/History/HistoryCoding.hpp"
#include "Qel/History/HistoryDB.hpp"
#include "Qel/History/HistorySql.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel {
namespace fs = std::filesystem;
using historysql::real;

void HistoryDB::save(std::string day, int slot, DayBucket bucket) {
  std::string key = "bucket " + day + " " + std::to_string(slot);
  write(
      "save bucket",
      [day = std::move(day), slot, bucket = std::move(bucket)](SQLite::Database& db) {
        historysql::writeBucket(db, day, slot, bucket);
      },
      std::move(key));
}

void HistoryDB::add(DayEvent event, std::string day) {
  write("add event", [event = std::move(event), day = std::move(day)](SQLite::Database& db) {
    SQLite::Statement st(db,
                         "INSERT INTO events (day, slot, is_memory, title, detail, created, facts) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?)");
    st.bind(1, day);
    st.bind(2, event.slot);
    st.bind(3, event.isMemory ? 1 : 0);
    st.bind(4, event.title);
    st.bind(5, event.detail);
    st.bind(6, toSeconds(std::chrono::system_clock::now()));
    if (event.facts) st.bind(7, encodeFindingFacts(*event.facts));
    st.exec();
  });
}

void HistoryDB::add(std::vector<AppRow> apps, std::string day, int hour) {
  if (apps.empty()) return;
  auto rows = std::make_shared<std::vector<AppRow>>(std::move(apps));
  std::string key = "app hours " + day + " " + std::to_string(hour);
  Body body = [rows, day = std::move(day), hour](SQLite::Database& db) {
    SQLite::Transaction tx(db);
    // One statement for the whole batch: preparing it per row would cost more than the rows.
    SQLite::Statement st(db,
                         "INSERT INTO app_hours (day, hour, app, name, cpu, mem, energy, samples, version)\n"
                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)\n"
                         "ON CONFLICT(day, hour, app) DO UPDATE SET\n"
                         "    cpu = cpu + excluded.cpu,\n"
                         "    mem = mem + excluded.mem,\n"
                         "    energy = energy + excluded.energy,\n"
                         "    samples = samples + excluded.samples,\n"
                         "    name = excluded.name,\n"
                         "    version = CASE WHEN excluded.version = '' THEN version ELSE excluded.version END");
    for (const auto& row : *rows) {
      st.reset();
      st.bind(1, day);
      st.bind(2, hour);
      st.bind(3, row.key);
      st.bind(4, row.usage.name);
      st.bind(5, real(row.usage.cpu));
      st.bind(6, real(row.usage.mem));
      st.bind(7, real(row.usage.energy));
      st.bind(8, row.usage.samples);
      st.bind(9, row.version);
      st.exec();
    }
    tx.commit();
  };
  queue_.async([this, w = Write{"save app hours", std::move(key), std::move(body), std::move(rows)}]() mutable {
    enqueue(std::move(w));
  });
}

void HistoryDB::add(DayMark mark, std::string day) {
  write("add mark", [mark = std::move(mark), day = std::move(day)](SQLite::Database& db) {
    SQLite::Statement st(db, "INSERT INTO marks (day, slot, at, kind, arg) VALUES (?, ?, ?, ?, ?)");
    st.bind(1, day);
    st.bind(2, mark.slot);
    st.bind(3, toSeconds(mark.date));
    st.bind(4, mark.kind);
    st.bind(5, mark.arg);
    st.exec();
  });
}

void HistoryDB::save(Stretch stretch) {
  write("save stretch", [s = std::move(stretch)](SQLite::Database& db) {
    SQLite::Statement st(db,
                         "INSERT OR REPLACE INTO stretches (began, ended, name, peak, average, wh, ratio, top, series) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    st.bind(1, toSeconds(s.start));
    st.bind(2, toSeconds(s.end));
    st.bind(3, s.name);
    st.bind(4, real(s.peak));
    st.bind(5, real(s.average));
    st.bind(6, real(s.wattHours));
    // A ratio that is not a finite number is no usable ratio.
    st.bind(7, s.ratio && std::isfinite(*s.ratio) ? *s.ratio : -1.0);
    st.bind(8, encodeStretchApps(s.top));
    st.bind(9, encodeSeries(s.series));
    st.exec();
  });
}

void HistoryDB::deleteStretch(Date began) {
  write("delete stretch", [began](SQLite::Database& db) {
    SQLite::Statement st(db, "DELETE FROM stretches WHERE began = ?");
    st.bind(1, toSeconds(began));
    st.exec();
  });
}

void HistoryDB::save(std::vector<SleepSession> sleeps) {
  if (sleeps.empty()) return;
  write("save sleeps", [sleeps = std::move(sleeps)](SQLite::Database& db) {
    SQLite::Transaction tx(db);
    for (const auto& s : sleeps) {
      const double began = toSeconds(s.start);
      // The same sleep read again from the log may start a little differently.
      SQLite::Statement drop(db, "DELETE FROM sleeps WHERE began > ? AND began < ?");
      drop.bind(1, began - 120);
      drop.bind(2, began + 120);
      drop.exec();
      SQLite::Statement st(db,
                           "INSERT OR REPLACE INTO sleeps (began, ended, charge0, charge1, battery, wakes) "
                           "VALUES (?, ?, ?, ?, ?, ?)");
      st.bind(1, began);
      st.bind(2, toSeconds(s.end));
      st.bind(3, s.chargeStart.value_or(-1));
      st.bind(4, s.chargeEnd.value_or(-1));
      st.bind(5, s.onBattery ? 1 : 0);
      st.bind(6, encodeWakes(s.wakes));
      st.exec();
    }
    tx.commit();
  });
}

void HistoryDB::save(std::vector<BaselineSlot> baseline, std::string through) {
  write("save usual load", [baseline = std::move(baseline), through = std::move(through)](SQLite::Database& db) {
    // The slots and the day they are folded through go together, or a day could be folded twice.
    SQLite::Transaction tx(db);
    for (std::size_t i = 0; i < baseline.size() && i < std::size_t(kSlotsPerDay); ++i)
      historysql::writeBaselineSlot(db, int(i), baseline[i]);
    historysql::setMeta(db, "baseline_through", through);
    tx.commit();
  });
}

void HistoryDB::markUnsure(std::string day) {
  write("mark day", [day = std::move(day)](SQLite::Database& db) {
    if (!isDayKey(day)) return;
    auto days = historysql::unsureDays(db);
    if (std::binary_search(days.begin(), days.end(), day)) return;
    days.insert(std::upper_bound(days.begin(), days.end(), day), day);
    historysql::setUnsureDays(db, days);
  });
}

void HistoryDB::prune(std::string before) {
  write("prune", [before = std::move(before)](SQLite::Database& db) {
    // Day keys compare as text, so anything that is not one could reach every day.
    const auto midnight = dayStart(before);
    if (!midnight) return;
    SQLite::Transaction tx(db);
    auto unsure = historysql::unsureDays(db);
    std::erase_if(unsure, [&](const std::string& day) { return day < before; });
    historysql::setUnsureDays(db, unsure);
    for (const char* table : {"buckets", "events", "marks", "app_hours"}) {
      SQLite::Statement st(db, std::string("DELETE FROM ") + table + " WHERE day < ?");
      st.bind(1, before);
      st.exec();
    }
    for (const char* table : {"sleeps", "stretches"}) {
      SQLite::Statement st(db, std::string("DELETE FROM ") + table + " WHERE ended < ?");
      st.bind(1, toSeconds(*midnight));
      st.exec();
    }
    tx.commit();
  });
}

void HistoryDB::eraseAll(std::function<void(const HistoryErase&)> done) {
  queue_.async([this, done = std::move(done)] {
    HistoryErase outcome;
    if (!abandon_)
      outcome.erased = perform(HistoryProblem::Kind::writeFailed, "erase", [](SQLite::Database& db) {
        SQLite::Transaction tx(db);
        for (const char* sql : {"DELETE FROM buckets", "DELETE FROM events", "DELETE FROM baseline",
                                "DELETE FROM sleeps", "DELETE FROM stretches", "DELETE FROM marks",
                                "DELETE FROM app_hours", "DELETE FROM meta WHERE key = 'baseline_through'",
                                "DELETE FROM meta WHERE key = 'unsure_days'"})
          db.exec(sql);
        tx.commit();
      });
    if (outcome.erased) {
      // What waited for room was history too: it goes with the rest.
      waiting_.clear();
      toldWaiting_ = false;
      outcome.note = scrubAfterErase();
    }
    if (done) done(outcome);
  });
}

std::string HistoryDB::scrubAfterErase() {
  std::string failed;
  auto attempt = [&](const std::function<void()>& step) {
    try {
      step();
    } catch (const std::exception& e) {
      failed += (failed.empty() ? "" : "; ") + std::string(e.what());
    }
  };
  if (handle_) {
    // Deleted rows stay in free pages until the file is rebuilt.
    attempt([this] { handle_->exec("VACUUM"); });
    // ... and in the write-ahead log until it is copied back and emptied.
    attempt([this] {
      SQLite::Statement checkpoint(*handle_, "PRAGMA wal_checkpoint(TRUNCATE)");
      if (!checkpoint.executeStep() || checkpoint.getColumn(0).getInt() != 0)
        throw std::runtime_error("the write-ahead log could not be emptied");
    });
  }
  for (const char* name : {"day.json.imported", "baseline.json.imported"}) {
    attempt([&] {
      std::error_code ec;
      fs::remove(folder_ / name, ec);
      if (ec) throw std::runtime_error("could not remove " + (folder_ / name).string() + ": " + ec.message());
    });
  }
  return failed;
}

}  // namespace qel
