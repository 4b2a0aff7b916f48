// The whole-machine sampler on recorded machines: a laptop with a battery and an AMD GPU, a
// desktop without either, a hybrid-core CPU running hot, and a small machine with no thermal
// zones at all.
#include <gtest/gtest.h>

#include <filesystem>

#include "Qel/Samplers/SystemSampler.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {
SysRoot fixture(const char* machine) { return SysRoot{std::filesystem::path(QEL_FIXTURES) / machine}; }
constexpr std::uint64_t kB = 1024;

struct VolumeFacts {
  std::string id, name;
  bool isInternal, isRoot;
  bool operator==(const VolumeFacts&) const = default;
};
std::vector<VolumeFacts> facts(const std::vector<VolumeInfo>& volumes) {
  std::vector<VolumeFacts> out;
  for (const auto& v : volumes) out.push_back({v.id, v.name, v.isInternal, v.isRoot});
  return out;
}
}  // namespace

TEST(SystemSampler, readsEachRecordedMachine) {
  struct Case {
    const char* machine;
    std::optional<std::string> chip;
    CoreSplit cores;
    MemSample mem;
    double load;
    ThermalState thermal;
    std::optional<GPUSample> gpu;
    std::vector<VolumeFacts> volumes;
  };
  const Case cases[] = {
      {"laptop", "AMD Ryzen 7 7840U w/ Radeon  780M Graphics", {8, 0},
       {.total = 32000000 * kB, .app = 6000000 * kB, .wired = 300000 * kB, .compressed = 20000 * kB + 30000000,
        .pressure = 25, .swapUsed = 1000000 * kB},
       1.25, ThermalState::fair,  // past the fan's trip; the hotter zone is disabled
       GPUSample{.util = 0.37, .memory = 805306368, .cores = {}},
       {{"/", "/", true, true}, {"/boot/efi", "SYSTEM", true, false}, {"/media/ann/My Stick", "My Stick", false, false}}},
      {"desktop", "Intel(R) Core(TM) i5-6500 CPU @ 3.20GHz", {4, 0},
       {.total = 16000000 * kB, .app = 9000000 * kB, .wired = 156000 * kB, .compressed = 0, .pressure = 75,
        .swapUsed = 0},
       0.0, ThermalState::nominal, std::nullopt,
       {{"/", "rootfs", true, true}, {"/boot", "boot", true, false}}},
      {"hybrid", "12th Gen Intel(R) Core(TM) i5-1240P", {8, 4},
       {.total = 8000000 * kB, .app = 6000000 * kB, .wired = 0, .compressed = 0, .pressure = 95, .swapUsed = 0},
       7.5, ThermalState::serious, std::nullopt, {}},
      {"nothermal", std::nullopt, {2, 0},
       {.total = 2000000 * kB, .app = 300000 * kB, .wired = 0, .compressed = 0, .pressure = 0, .swapUsed = 0},
       0.42, ThermalState::nominal, std::nullopt, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.machine);
    SystemSampler s(fixture(c.machine));
    EXPECT_EQ(s.chipModel(), c.chip);
    EXPECT_EQ((CoreSplit{s.performanceCores(), s.efficiencyCores()}), c.cores);
    EXPECT_EQ(s.memory(), c.mem);
    EXPECT_EQ(s.load(), c.load);
    EXPECT_EQ(s.thermal(), c.thermal);
    EXPECT_EQ(s.gpu(), c.gpu);
    EXPECT_EQ(facts(s.volumes()), c.volumes);
    EXPECT_EQ(s.cpu(), std::nullopt);  // the first reading only records
    EXPECT_GT(s.diskDetail().total, 0u);
  }
  EXPECT_FALSE(SystemSampler(fixture("nothermal")).hasThermalZones());
  // The hybrid laptop numbers its efficiency cores last.
  EXPECT_EQ(SystemSampler(fixture("hybrid")).efficiencyCpus(), (std::vector<unsigned>{8, 9, 10, 11}));
  EXPECT_TRUE(SystemSampler(fixture("laptop")).efficiencyCpus().empty());
}

TEST(SystemSampler, laptopBatteryAndCharger) {
  SystemSampler laptop(fixture("laptop"));
  EXPECT_EQ(laptop.battery(), (BatterySample{.present = true,
                                             .percent = 61,
                                             .onAC = true,
                                             .charging = true,
                                             .charger = {.adapterWatts = 65, .inputWatts = 50, .chargingWatts = 33.8},
                                             .cycles = 187,
                                             .health = 90,
                                             .remainingWh = 30.195}));
  EXPECT_EQ(laptop.systemPower(), std::nullopt);  // on AC nothing measures the draw
  SystemSampler desktop(fixture("desktop"));
  EXPECT_EQ(desktop.battery(), BatterySample{});  // the mouse's battery is not the machine's
  EXPECT_EQ(desktop.systemPower(), std::nullopt);
}

TEST(SystemSampler, ratesOverAMonotonicInterval) {
  test::TempDir dir;
  std::filesystem::copy(std::filesystem::path(QEL_FIXTURES) / "laptop", dir.path(),
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks);
  FakeClock clock;
  SystemSampler s(SysRoot{dir.path()}, clock);
  EXPECT_EQ(s.network(), NetRate{});
  EXPECT_EQ(s.disk(), DiskRate{});
  EXPECT_EQ(s.cpu(), std::nullopt);

  dir.write("sys/class/net/wlp1s0/statistics/rx_bytes", "5002000\n");
  dir.write("sys/class/net/wlp1s0/statistics/tx_bytes", "1001000\n");
  dir.write("sys/class/net/lo/statistics/rx_bytes", "99999999\n");  // loopback never counts
  auto stats = test::readFile(dir / "proc/diskstats");
  stats.replace(stats.find("200000 500 2000 20 400000"), 25, "200100 500 2000 20 400200");
  stats.replace(stats.find("199900 495"), 10, "299900 495");  // a partition never counts
  dir.write("proc/diskstats", stats);
  std::string stat = "cpu  0 0 0 0\ncpu0 1100 0 500 9100 10 5 6 0\n";  // cpu0: +100 user, +100 idle
  for (int i = 1; i < 8; ++i)  // the others did not move
    stat += "cpu" + std::to_string(i) + " " + std::to_string(100 * i + 1000) + " " + std::to_string(i) + " " +
            std::to_string(500 + i) + " " + std::to_string(9000 + i) + " 10 5 6 0\n";
  dir.write("proc/stat", stat);
  clock.setNow(clock.now() - 1h);  // a wall-clock step changes nothing
  clock.advance(2s);
  EXPECT_EQ(s.network(), (NetRate{.down = 1000, .up = 500}));
  EXPECT_EQ(s.disk(), (DiskRate{.read = 100 * 512 / 2, .write = 200 * 512 / 2}));
  const auto cpu = s.cpu();
  ASSERT_TRUE(cpu);
  EXPECT_EQ(cpu->perCore.size(), 8u);
  EXPECT_DOUBLE_EQ(cpu->perCore[0], 0.5);
  EXPECT_DOUBLE_EQ(cpu->total, 100.0 / 200.0);
  EXPECT_DOUBLE_EQ(cpu->perCore[1], 0.0);
}

TEST(SystemSampler, thermalStateAgainstTripPoints) {
  const auto zone = [](std::int64_t temp, std::vector<TripPoint> trips) { return ThermalZone{"z", temp, std::move(trips)}; };
  struct Case {
    const char* name;
    std::vector<ThermalZone> zones;
    ThermalState expected;
  };
  const Case cases[] = {
      {"no zones", {}, ThermalState::nominal},
      {"below every trip", {zone(40000, {{TripType::active, 50000}, {TripType::critical, 100000}})}, ThermalState::nominal},
      {"at a fan trip", {zone(50000, {{TripType::active, 50000}})}, ThermalState::fair},
      {"past a passive trip", {zone(96000, {{TripType::active, 50000}, {TripType::passive, 95000}})}, ThermalState::serious},
      {"past a hot trip", {zone(101000, {{TripType::hot, 100000}})}, ThermalState::critical},
      {"the worst zone wins", {zone(96000, {{TripType::passive, 95000}}), zone(30000, {{TripType::active, 20000}})},
       ThermalState::serious},
      {"trips at 0 or below are unused", {zone(10000, {{TripType::critical, 0}, {TripType::hot, -273000}})},
       ThermalState::nominal},
      {"unknown trip types say nothing", {zone(90000, {{TripType::other, 1000}})}, ThermalState::nominal},
  };
  for (const auto& c : cases) EXPECT_EQ(thermalStateOf(c.zones), c.expected) << c.name;
}

TEST(SystemSampler, busiestGpuWins) {
  EXPECT_EQ(gpuFrom({}), std::nullopt);
  const auto g = gpuFrom({{.busyPercent = 20, .memoryBytes = 1, .cores = {}},
                          {.busyPercent = 150, .memoryBytes = 2, .cores = 10},
                          {.busyPercent = 100, .memoryBytes = 3, .cores = {}}});
  EXPECT_EQ(g, (GPUSample{.util = 1.0, .memory = 2, .cores = 10}));  // 150 % is 1, first on a tie
  EXPECT_EQ(gpuFrom({{.busyPercent = -5, .memoryBytes = 7, .cores = {}}})->util, 0.0);
}

TEST(SystemSampler, volumesOnePerFilesystem) {
  const std::vector<MountEntry> mounts{
      {8, 2, "/", "/", "ext4", "/dev/sda2"},
      {8, 2, "/home", "/home", "ext4", "/dev/sda2"},   // the same filesystem again
      {8, 3, "/", "/mnt/empty", "ext4", "/dev/sda3"},  // reports no capacity
      {8, 4, "/", "/mnt/gone", "ext4", "/dev/sda4"},   // can't be read
      {8, 5, "/", "/mnt/data", "ext4", "/dev/sda5"},
  };
  const VolumeProbe probe{
      .space = [](const MountEntry& m) -> std::optional<FsSpace> {
        if (m.minor == 3) return FsSpace{0, 0};
        if (m.minor == 4) return std::nullopt;
        return FsSpace{1000, 400, 500};
      },
      .label = [](const MountEntry& m) -> std::optional<std::string> {
        return m.minor == 5 ? std::optional<std::string>("Data") : std::nullopt;
      },
      .isInternal = [](const MountEntry& m) { return m.minor != 5; },
  };
  EXPECT_EQ(volumesFrom(mounts, probe),
            (std::vector<VolumeInfo>{{"/", "/", 1000, 400, 500, true, true}, {"/mnt/data", "Data", 1000, 400, 500, false, false}}));
}

// Memory in use adds three counters read from outside: a sum past 2^64 stops at the largest
// value instead of wrapping to a small one (a near-empty machine in the tab and the history).
TEST(MemSample, usedStopsAtTheLargestValue) {
  const MemSample real{.total = 16ull << 30, .app = 8ull << 30, .wired = 3ull << 30, .compressed = 1ull << 30};
  EXPECT_EQ(real.used(), 12ull << 30);
  EXPECT_DOUBLE_EQ(real.usedFraction(), 0.75);
  EXPECT_EQ(MemSample{.app = 5}.usedFraction(), 0);

  const MemSample over{.total = 1 << 20, .app = UINT64_MAX, .wired = 2, .compressed = 1};
  EXPECT_EQ(over.used(), UINT64_MAX);
  EXPECT_GT(over.usedFraction(), 1);
  EXPECT_EQ((MemSample{.app = UINT64_MAX - 1, .wired = 1}.used()), UINT64_MAX);
}
