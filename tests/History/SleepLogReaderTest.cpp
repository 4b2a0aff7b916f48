#include <gtest/gtest.h>

#include "Qel/History/SleepLogReader.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace qel::SleepLogReader;
using namespace std::chrono_literals;

namespace {

Date at(const char* day, std::chrono::seconds time) { return *dayStart(day) + time; }

std::string fixture(const char* name) { return test::readFile(std::string(QEL_FIXTURES) + "/journal/" + name); }

// Recorded times carry 123456 µs past the second.
constexpr auto kFraction = 123456us;

Entry sleepAt(Date d, std::string boot = "a") { return {.date = d, .domain = Domain::sleep, .boot = std::move(boot)}; }
Entry wakeAt(Date d, std::string boot = "a") { return {.date = d, .domain = Domain::wake, .boot = std::move(boot)}; }
Entry darkAt(Date d, std::string reason = "") {
  return {.date = d, .domain = Domain::darkWake, .reason = std::move(reason), .boot = "a"};
}

}  // namespace

TEST(SleepLogReader, journalSuspendAndResumeGiveOneSessionPerLongSleep) {
  const auto entries = parseJournal(fixture("suspend-resume.json"));
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[1], (Entry{.date = at("2026-06-15", 7h + 2min + 10s) + kFraction,
                               .domain = Domain::wake,
                               .boot = "3c9e1b5f0d2a4e7c8b6f1a2d3e4f5a6b"}));

  const auto found = sessions(entries);
  // The nap of 29:59 is too short; the one of exactly 30:00 counts.
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], (SleepSession{.start = at("2026-06-14", 23h + 10min + 42s) + kFraction,
                                    .end = at("2026-06-15", 7h + 2min + 10s) + kFraction}));
  EXPECT_EQ(found[1].start, at("2026-06-15", 13h) + kFraction);
  EXPECT_EQ(found[1].end, at("2026-06-15", 13h + 30min) + kFraction);
  EXPECT_TRUE(found[0].wakes.empty());
}

TEST(SleepLogReader, sleepWithoutResumeBeforeARebootIsDropped) {
  const auto found = sessions(parseJournal(fixture("no-resume-reboot.json")));
  // Not one session from 12 June to 14 June: the new boot starts its own sleep.
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].start, at("2026-06-13", 23h) + kFraction);
  EXPECT_EQ(found[0].end, at("2026-06-14", 6h + 30min) + kFraction);
}

TEST(SleepLogReader, hostileJournalLinesAreSkipped) {
  const auto entries = parseJournal(fixture("hostile.json"));
  ASSERT_EQ(entries.size(), 2u);
  const auto found = sessions(entries);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].start, at("2026-06-14", 23h) + kFraction);
  EXPECT_EQ(found[0].end, at("2026-06-15", 6h) + kFraction);
}

TEST(SleepLogReader, sessionRules) {
  const Date t = at("2026-06-14", 23h);
  struct Case {
    const char* name;
    std::vector<Entry> entries;
    std::vector<SleepSession> expected;
  };
  const std::vector<Case> cases = {
      {"29:59 is too short", {sleepAt(t), wakeAt(t + 29min + 59s)}, {}},
      {"30:00 counts", {sleepAt(t), wakeAt(t + 30min)}, {{.start = t, .end = t + 30min}}},
      {"wakes before the first sleep are ignored",
       {wakeAt(t - 1h), darkAt(t - 30min), sleepAt(t), wakeAt(t + 1h)},
       {{.start = t, .end = t + 1h}}},
      {"dark wakes are closed by the next sleep",
       {sleepAt(t), darkAt(t + 1h, "RTC"), sleepAt(t + 1h + 20s), darkAt(t + 2h, "EC.LidOpen"), sleepAt(t + 2h + 5s),
        wakeAt(t + 3h)},
       {{.start = t,
         .end = t + 3h,
         .wakes = {{.date = t + 1h, .seconds = 20, .reason = "RTC"},
                   {.date = t + 2h, .seconds = 5, .reason = "EC.LidOpen"}}}}},
      {"a dark wake open at the full wake became it",
       {sleepAt(t), darkAt(t + 1h), darkAt(t + 1h + 40s), wakeAt(t + 2h)},
       {{.start = t, .end = t + 2h, .wakes = {{.date = t + 1h, .seconds = 40}}}}},
      {"a dark wake and a sleep in the same second last one second",
       {sleepAt(t), darkAt(t + 1h), sleepAt(t + 1h), wakeAt(t + 2h)},
       {{.start = t, .end = t + 2h, .wakes = {{.date = t + 1h, .seconds = 1}}}}},
      {"a wake in another boot ends nothing", {sleepAt(t, "a"), wakeAt(t + 8h, "b")}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(sessions(c.entries), c.expected) << c.name;
}

TEST(SleepLogReader, chargeAtEachEndComesFromTheBatteryHistory) {
  const Date t = at("2026-06-14", 23h);
  const std::vector<ChargeRecord> history = {
      {.time = t - 10min, .percent = 85, .onBattery = true},
      {.time = t + 8h + 40s, .percent = 81, .onBattery = true},  // the first reading after resuming
  };
  auto onBattery = std::vector<Entry>{sleepAt(t), wakeAt(t + 8h)};
  addCharge(onBattery, history);
  EXPECT_EQ(sessions(onBattery),
            (std::vector<SleepSession>{
                {.start = t, .end = t + 8h, .chargeStart = 85, .chargeEnd = 81, .onBattery = true}}));

  // Plugged in during the night: no longer a sleep on battery.
  auto plugged = std::vector<Entry>{sleepAt(t), wakeAt(t + 8h)};
  addCharge(plugged, {history[0], {.time = t + 8h + 10s, .percent = 90, .onBattery = false}});
  EXPECT_FALSE(sessions(plugged)[0].onBattery);

  // A wake without a charge keeps the start's.
  auto startOnly = std::vector<Entry>{sleepAt(t), wakeAt(t + 8h)};
  addCharge(startOnly, {history[0]});
  EXPECT_EQ(sessions(startOnly)[0].chargeEnd, 85);
}

TEST(UPowerHistory, parsesWellFormedLinesOnly) {
  const auto records = parseChargeHistory(
      "1781471140\t85.000\tdischarging\n"
      "1781466012\t91.000\tdischarging\n"  // out of order: sorted
      "1781499751\t81.4\tcharging\r\n"
      "1781499752\t101.000\tcharging\n"    // beyond 100
      "1781499753\tnan\tcharging\n"
      "-5\t50.000\tcharging\n"
      "99999999999\t50.000\tcharging\n"    // beyond the 32-bit count
      "1781499754\t50.000\t\n"
      "1781499755 50.000 charging\n"
      "garbage\n"
      "1781509200\t100.000\tempty");
  EXPECT_EQ(records, (std::vector<ChargeRecord>{
                         {.time = fromSeconds(1781466012), .percent = 91, .onBattery = true},
                         {.time = fromSeconds(1781471140), .percent = 85, .onBattery = true},
                         {.time = fromSeconds(1781499751), .percent = 81, .onBattery = false},
                         {.time = fromSeconds(1781509200), .percent = 100, .onBattery = true},
                     }));
  EXPECT_EQ(chargeAt(records, fromSeconds(1781466011)), std::nullopt);
  EXPECT_EQ(chargeAt(records, fromSeconds(1781471140))->percent, 85);
  EXPECT_EQ(chargeAt(records, fromSeconds(1781499000))->percent, 85);
}

TEST(UPowerHistory, picksTheMachineBatteryFile) {
  const std::vector<std::string> files = {
      "history-charge-5B10W13975-51-1111.dat", "history-charge-5B10W13975-51-4643.dat",
      "history-charge-Logitech-MX_Master_3-4082.dat", "history-rate-5B10W13975-51-4643.dat"};
  EXPECT_EQ(pickChargeFile(files, "5B10W13975", " 4643"), "history-charge-5B10W13975-51-4643.dat");
  EXPECT_EQ(pickChargeFile(files, "5B10W13975", ""), "history-charge-5B10W13975-51-1111.dat");
  EXPECT_EQ(pickChargeFile(files, "Other", "9999"), std::nullopt);
  EXPECT_EQ(pickChargeFile({"history-charge-generic_id.dat", "history-charge-x.dat"}, "", ""),
            "history-charge-generic_id.dat");
  EXPECT_EQ(pickChargeFile({"history-charge-anything.dat"}, "Other", ""), "history-charge-anything.dat");
  EXPECT_EQ(pickChargeFile({"history-charge-.dat"}, "", ""), std::nullopt);
  EXPECT_EQ(upowerFileId("DELL 1.0/2,x'?\"\\\ty"), "DELL_1_0_2_x_____y");
}

TEST(UPowerHistory, readsTheMachineBatteryUnderARoot) {
  const auto records = readChargeHistory({std::string(QEL_FIXTURES) + "/upower"});
  ASSERT_EQ(records.size(), 7u);
  EXPECT_EQ(records.front().percent, 91);
  EXPECT_TRUE(readChargeHistory({"/nonexistent"}).empty());

  auto entries = parseJournal(fixture("suspend-resume.json"));
  addCharge(entries, records);
  const auto night = sessions(entries).front();
  EXPECT_EQ(night.chargeStart, 85);
  EXPECT_EQ(night.chargeEnd, 81);
  EXPECT_TRUE(night.onBattery);
}
