// Screenshots of the process detail sheet from the busy-afternoon store, light and dark: the
// browser's Now and Profile tabs with two weeks of stored hours, and a system process. For
// people to look at; nothing here is an assertion about the look.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <cmath>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Processes/ProcessDetail.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::BusyAfternoon;

namespace {

const std::string kBrowser = "/usr/share/applications/firefox.desktop";

// Two weeks of the browser: busy mornings and afternoons, heavier since its update on the 10th.
void storeBrowserHours(HistoryDB& history) {
  for (int d = 3; d <= 16; ++d) {
    const std::string day = "2026-06-" + std::string(d < 10 ? "0" : "") + std::to_string(d);
    const bool updated = d >= 10;
    for (int hour = 8; hour <= 19; ++hour) {
      const double busy =
          0.2 + 0.5 * std::exp(-std::pow(hour - 10.5, 2) / 3) + 0.35 * std::exp(-std::pow(hour - 15, 2) / 2);
      const double samples = 3600;
      const double mem = (updated ? 2.5 : 2.1) * double(1ull << 30) * (0.9 + 0.02 * (d % 5));
      HistoryDB::AppRow row{.key = kBrowser,
                            .usage = {.name = "Firefox",
                                      .cpu = samples * busy,
                                      .mem = samples * mem,
                                      .energy = samples * 3.5 * busy,
                                      .samples = int(samples)},
                            .version = updated ? "127.0" : "126.0.1"};
      HistoryDB::AppRow other{.key = "/usr/share/applications/code.desktop",
                              .usage = {.name = "Code",
                                        .cpu = samples * 0.3,
                                        .mem = samples * 1.2e9,
                                        .energy = samples * 2.0,
                                        .samples = int(samples)}};
      history.add({row, other}, day, hour);
    }
  }
}

// The afternoon's processes with the browser known as an application, one tick at a time.
void publish(BusyAfternoon& day, int tick, double browserCPU) {
  Snapshot s;
  s.tick = tick;
  s.cpu = day.store->liveReadings().cpu;
  s.mem = day.store->liveReadings().mem;
  s.procs = day.store->processList().procs;
  for (auto& p : s.procs) {
    if (p.pid == 2311) {
      p.appKey = kBrowser;
      p.cpu = browserCPU;
      p.diskRate = 184000;
    }
  }
  day.store->apply(s);
  BusyAfternoon::settle();
}

void shoot(ProcessDetail& sheet, const QString& name) {
  BusyAfternoon::settle();
  test::writeWindowShot(sheet, name);  // in its window, as the screen draws it
}

}  // namespace

TEST(ProcessDetailGallery, nowAndProfileTabsAndASystemProcess) {
  Motion::setEnabled(false);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    BusyAfternoon day;
    storeBrowserHours(*day.store->history());
    publish(day, 61, 41);
    test::HostedSheets sheets(day);
    day.store->setDetailPID(2311);
    BusyAfternoon::settle();
    ProcessDetail* sheet = sheets.shown<ProcessDetail>();
    ASSERT_NE(sheet, nullptr);
    for (int t = 0; t < 40; ++t) publish(day, 62 + t, 38 + 24 * std::sin(t / 4.0) + 9 * std::sin(t * 1.3));
    shoot(*sheet, QString("process-detail-now-%1").arg(appearance));
    sheet->setTab("profile");
    shoot(*sheet, QString("process-detail-profile-%1").arg(appearance));

    day.store->setDetailPID(1020);
    BusyAfternoon::settle();
    ProcessDetail* system = sheets.shown<ProcessDetail>();
    ASSERT_NE(system, nullptr);
    shoot(*system, QString("process-detail-system-%1").arg(appearance));
    system->setTab("profile");
    shoot(*system, QString("process-detail-system-profile-%1").arg(appearance));
  }
  test::useAppearance("light");
}
