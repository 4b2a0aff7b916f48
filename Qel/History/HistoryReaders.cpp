// The history's readers: each waits for the queue, so it sees every write queued before it.
#include "Qel/History/HistoryCoding.hpp"
#include "Qel/History/HistoryDB.hpp"
#include "Qel/History/HistorySql.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel {

template <class R, class F>
R HistoryDB::read(const char* operation, R empty, F body) {
  return queue_.sync([&]() -> R {
    // A read sees the writes before it once the disk takes them again.
    if (!waiting_.empty()) writeWaiting();
    R out = empty;
    perform(HistoryProblem::Kind::readFailed, operation, [&](SQLite::Database& db) { out = body(db); });
    return out;
  });
}

namespace {

std::vector<std::string> texts(SQLite::Statement& st) {
  std::vector<std::string> out;
  while (st.executeStep()) out.push_back(st.getColumn(0).getString());
  return out;
}

}  // namespace

std::vector<std::optional<DayBucket>> HistoryDB::loadDay(const std::string& day) {
  using Day = std::vector<std::optional<DayBucket>>;
  return read("load day", Day(kSlotsPerDay), [&](SQLite::Database& db) {
    Day out(kSlotsPerDay);
    SQLite::Statement st(db, "SELECT slot, cpu, mem, pressure, peak, top, top_cpu, samples FROM buckets WHERE day = ?");
    st.bind(1, day);
    while (st.executeStep()) {
      const int slot = st.getColumn(0).getInt();
      if (slot < 0 || slot >= kSlotsPerDay) continue;
      out[std::size_t(slot)] = DayBucket{st.getColumn(1).getDouble(), st.getColumn(2).getDouble(),
                                         st.getColumn(3).getDouble(), st.getColumn(4).getDouble(),
                                         st.getColumn(5).getString(), st.getColumn(6).getDouble(),
                                         st.getColumn(7).getInt()};
    }
    return out;
  });
}

std::vector<DayEvent> HistoryDB::loadEvents(const std::string& day) {
  return read("load events", std::vector<DayEvent>{}, [&](SQLite::Database& db) {
    std::vector<DayEvent> out;
    SQLite::Statement st(db, "SELECT slot, is_memory, title, detail, facts FROM events WHERE day = ? ORDER BY slot");
    st.bind(1, day);
    while (st.executeStep()) {
      // Rows written before the figures were kept, or whose figures don't read, keep their words.
      const auto column = st.getColumn(4);
      auto facts = column.isText() ? decodeFindingFacts(column.getString()) : std::nullopt;
      out.push_back({st.getColumn(0).getInt(), st.getColumn(1).getInt() != 0, st.getColumn(2).getString(),
                     st.getColumn(3).getString(), std::move(facts)});
    }
    return out;
  });
}

std::vector<DayMark> HistoryDB::loadMarks(const std::string& day) {
  return read("load marks", std::vector<DayMark>{}, [&](SQLite::Database& db) {
    std::vector<DayMark> out;
    SQLite::Statement st(db, "SELECT slot, at, kind, arg FROM marks WHERE day = ? ORDER BY at");
    st.bind(1, day);
    while (st.executeStep())
      out.push_back({st.getColumn(0).getInt(), fromSeconds(st.getColumn(1).getDouble()),
                     st.getColumn(2).getString(), st.getColumn(3).getString()});
    return out;
  });
}

std::vector<BaselineSlot> HistoryDB::loadBaseline() {
  using Slots = std::vector<BaselineSlot>;
  return read("load usual load", Slots(kSlotsPerDay), [&](SQLite::Database& db) {
    Slots out(kSlotsPerDay);
    SQLite::Statement st(db, "SELECT slot, cpu, days FROM baseline");
    while (st.executeStep()) {
      const int slot = st.getColumn(0).getInt();
      if (slot < 0 || slot >= kSlotsPerDay) continue;
      out[std::size_t(slot)] = {st.getColumn(1).getDouble(), st.getColumn(2).getInt()};
    }
    return out;
  });
}

std::vector<std::string> HistoryDB::recordedDays() {
  return read("list days", std::vector<std::string>{}, [&](SQLite::Database& db) {
    SQLite::Statement st(db, "SELECT DISTINCT day FROM buckets ORDER BY day DESC");
    return texts(st);
  });
}

std::vector<std::string> HistoryDB::unsureDays() {
  return read("list days", std::vector<std::string>{}, [&](SQLite::Database& db) { return historysql::unsureDays(db); });
}

std::vector<std::string> HistoryDB::daysNotFolded(const std::string& before) {
  return read("list days", std::vector<std::string>{}, [&](SQLite::Database& db) {
    std::string through = historysql::metaValue(db, "baseline_through").value_or("");
    // A mark at or after `before` was left by a clock set ahead: the days filed once it is right
    // again would never be folded. It comes back to the day before.
    if (const auto last = addDays(before, -1); last && through > *last) {
      through = *last;
      historysql::setMeta(db, "baseline_through", through);
    }
    SQLite::Statement st(db, "SELECT DISTINCT day FROM buckets WHERE day > ? AND day < ? ORDER BY day");
    st.bind(1, through);
    st.bind(2, before);
    return texts(st);
  });
}

std::vector<AppHour> HistoryDB::loadApp(const std::string& app, const std::string& since) {
  return read("load app", std::vector<AppHour>{}, [&](SQLite::Database& db) {
    std::vector<AppHour> out;
    SQLite::Statement st(db,
                         "SELECT day, hour, cpu, mem, energy, samples, version FROM app_hours "
                         "WHERE app = ? AND day >= ? ORDER BY day, hour");
    st.bind(1, app);
    st.bind(2, since);
    while (st.executeStep())
      out.push_back({st.getColumn(0).getString(), st.getColumn(1).getInt(), st.getColumn(2).getDouble(),
                     st.getColumn(3).getDouble(), st.getColumn(4).getDouble(), st.getColumn(5).getInt(),
                     st.getColumn(6).getString()});
    return out;
  });
}

double HistoryDB::totalAppEnergy(const std::string& since) {
  return read("load app", 0.0, [&](SQLite::Database& db) {
    SQLite::Statement st(db, "SELECT COALESCE(SUM(energy), 0) FROM app_hours WHERE day >= ?");
    st.bind(1, since);
    return st.executeStep() ? st.getColumn(0).getDouble() : 0.0;
  });
}

std::vector<HistoryDB::KeptApp> HistoryDB::topApps(const std::string& day, int limit) {
  return read("load apps", std::vector<KeptApp>{}, [&](SQLite::Database& db) {
    SQLite::Statement st(
        db, "SELECT app, name FROM app_hours WHERE day = ? AND name <> '' GROUP BY app ORDER BY SUM(cpu) DESC LIMIT ?");
    st.bind(1, day);
    st.bind(2, limit);
    std::vector<KeptApp> out;
    while (st.executeStep()) out.push_back({st.getColumn(0).getString(), st.getColumn(1).getString()});
    return out;
  });
}

std::vector<Stretch> HistoryDB::loadStretches(Date since) {
  return read("load stretches", std::vector<Stretch>{}, [&](SQLite::Database& db) {
    std::vector<Stretch> out;
    SQLite::Statement st(db,
                         "SELECT began, ended, name, peak, average, wh, ratio, top, series FROM stretches "
                         "WHERE ended >= ? ORDER BY began");
    st.bind(1, toSeconds(since));
    while (st.executeStep()) {
      const double ratio = st.getColumn(6).getDouble();
      out.push_back({fromSeconds(st.getColumn(0).getDouble()), fromSeconds(st.getColumn(1).getDouble()),
                     st.getColumn(2).getString(), st.getColumn(3).getDouble(), st.getColumn(4).getDouble(),
                     st.getColumn(5).getDouble(), ratio >= 0 ? std::optional(ratio) : std::nullopt,
                     decodeStretchApps(st.getColumn(7).getString()), decodeSeries(st.getColumn(8).getString())});
    }
    return out;
  });
}

std::vector<SleepSession> HistoryDB::loadSleeps(Date since) {
  return read("load sleeps", std::vector<SleepSession>{}, [&](SQLite::Database& db) {
    std::vector<SleepSession> out;
    SQLite::Statement st(db,
                         "SELECT began, ended, charge0, charge1, battery, wakes FROM sleeps "
                         "WHERE ended >= ? ORDER BY began");
    st.bind(1, toSeconds(since));
    while (st.executeStep()) {
      const int charge0 = st.getColumn(2).getInt(), charge1 = st.getColumn(3).getInt();
      out.push_back({fromSeconds(st.getColumn(0).getDouble()), fromSeconds(st.getColumn(1).getDouble()),
                     charge0 >= 0 ? std::optional(charge0) : std::nullopt,
                     charge1 >= 0 ? std::optional(charge1) : std::nullopt, st.getColumn(4).getInt() != 0,
                     decodeWakes(st.getColumn(5).getString()), {}});
    }
    return out;
  });
}

}  // namespace qel
