#include <gtest/gtest.h>

#include "Qel/History/RuntimeForecast.hpp"

using namespace qel;

namespace {

struct Machine {
  BatterySample battery{.present = true, .percent = 50, .remainingWh = 50.0};
  std::vector<double> power = std::vector<double>(60, 10.0);
  std::vector<ProcInfo> procs;
  std::map<std::int32_t, std::vector<double>> energy;

  void add(ProcInfo p, double watts) {
    energy[p.pid] = std::vector<double>(60, watts);
    procs.push_back(std::move(p));
  }
  std::optional<RuntimeForecast> forecast() const {
    return runtimeForecast({.battery = battery, .powerHist = power, .procs = procs, .energyByPid = energy,
                            .ownPID = 1, .appName = [](const std::string&) { return std::string("Editor"); }});
  }
};

const std::string kApp = "/usr/share/applications/editor.desktop";

}  // namespace

TEST(RuntimeForecast, needsABatteryAndTenSecondsOfRealDraw) {
  Machine m;
  EXPECT_EQ(m.forecast()->minutes, 300);
  m.power.assign(60, 0.0);
  for (int i = 0; i < 9; ++i) m.power[std::size_t(i)] = 10;
  m.power[9] = -3;
  EXPECT_FALSE(m.forecast());
  m.power[9] = 10;
  EXPECT_EQ(m.forecast()->watts, 10);
  m.power.assign(60, 0.49);
  EXPECT_FALSE(m.forecast());
  m.power.assign(60, 0.5);
  EXPECT_TRUE(m.forecast());
  for (auto wh : {std::optional<double>{}, std::optional<double>{0.0}}) {
    Machine none;
    none.battery.remainingWh = wh;
    EXPECT_FALSE(none.forecast());
  }
  Machine absent;
  absent.battery.present = false;
  EXPECT_FALSE(absent.forecast());
}

TEST(RuntimeForecast, anAppIsCreditedWithAtMostEightyPercentOfTheDraw) {
  Machine m;
  m.add({.pid = 10, .name = "render", .path = "/usr/bin/render", .appKey = "/usr/bin/render"}, 12);
  m.add({.pid = 11, .name = "tiny", .path = "/usr/bin/tiny", .appKey = "/usr/bin/tiny"}, 0.05);
  m.add({.pid = 12, .name = "root", .path = "/usr/bin/x", .isSystem = true, .appKey = "/usr/bin/x"}, 9);
  m.add({.pid = 1, .name = "qel", .path = "/usr/bin/qel", .appKey = "/usr/bin/qel"}, 9);
  m.add({.pid = 13, .name = "idle", .path = "/usr/bin/idle", .appKey = "/usr/bin/idle"}, 0);
  const auto f = m.forecast();
  ASSERT_EQ(f->gains.size(), 1u);
  EXPECT_EQ(f->gains[0], (RuntimeGain{.key = "/usr/bin/render", .name = "render", .pid = 10, .path = "/usr/bin/render",
                                      .watts = 12, .minutes = 1200}));
}

TEST(RuntimeForecast, neverSuggestsQuittingTheDesktopSessionOrQel) {
  Machine m;
  m.add({.pid = 30, .name = "gnome-shell", .path = "/usr/bin/gnome-shell", .appKey = "/usr/bin/gnome-shell"}, 6);
  m.add({.pid = 31, .name = "Xwayland", .path = "/usr/bin/Xwayland", .appKey = "/usr/bin/Xwayland"}, 4);
  m.add({.pid = 32, .name = "kwin_wayland", .path = "/usr/bin/kwin_wayland (deleted)", .appKey = "/usr/bin/kwin"}, 4);
  m.add({.pid = 33, .name = "pipewire", .path = "", .appKey = "/usr/bin/pipewire"}, 4);  // exe unreadable
  m.add({.pid = 34, .name = "gnome-session-b", .path = "/usr/libexec/gnome-session-binary", .appKey = "/x"}, 4);
  m.add({.pid = 35, .name = "lsof", .path = "/usr/bin/lsof", .appKey = "/usr/bin/lsof", .ppid = 1}, 4);  // Qel's own
  m.add({.pid = 36, .name = "render", .path = "/usr/bin/render", .appKey = "/usr/bin/render"}, 3);
  const auto f = m.forecast();
  ASSERT_EQ(f->gains.size(), 1u);
  EXPECT_EQ(f->gains[0].name, "render");
}

TEST(RuntimeForecast, processesOfOneAppAddUpUnderItsName) {
  Machine m;
  m.add({.pid = 20, .name = "Editor", .path = "/usr/lib/editor/editor", .appKey = kApp}, 1.0);
  m.add({.pid = 21, .name = "renderer", .path = "/usr/lib/editor/renderer", .appKey = kApp}, 2.0);
  m.add({.pid = 22, .name = "gpu", .path = "/usr/lib/editor/gpu", .appKey = kApp}, 2.0);
  const auto f = m.forecast();
  ASSERT_EQ(f->gains.size(), 1u);
  EXPECT_EQ(f->gains[0].name, "Editor");
  EXPECT_EQ(f->gains[0].pid, 21);  // the first of the hungriest
  EXPECT_EQ(f->gains[0].path, "/usr/lib/editor/renderer");
  EXPECT_DOUBLE_EQ(f->gains[0].watts, 5.0);
  EXPECT_EQ(f->gains[0].minutes, 300);
}

TEST(RuntimeForecast, runtimeTextIsInStepsOfFiveMinutes) {
  const std::vector<std::pair<long long, std::string>> cases{
      {-3, "5 min"}, {0, "5 min"}, {7, "5 min"}, {8, "10 min"}, {12, "10 min"}, {62, "1 h"}, {153, "2 h 35 min"}};
  for (const auto& [minutes, text] : cases) EXPECT_EQ(fmtRuntime(minutes), text) << minutes;
}
