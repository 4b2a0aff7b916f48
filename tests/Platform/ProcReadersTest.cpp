// The parsers of kernel text, over recorded variants of each format.
#include <gtest/gtest.h>

#include "Qel/Platform/Devices/CpuTopology.hpp"
#include "Qel/Platform/Devices/PowerSupply.hpp"
#include "Qel/Platform/Proc/DiskStats.hpp"
#include "Qel/Platform/Proc/LoadAvg.hpp"
#include "Qel/Platform/Proc/MemInfo.hpp"
#include "Qel/Platform/Proc/MountInfo.hpp"
#include "Qel/Platform/Proc/ProcStat.hpp"

using namespace qel;

TEST(ProcStat, foldsTheKernelStatesIntoFour) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<CpuTicks> expected;
  };
  const Case cases[] = {
      {"modern kernel: irq and softirq are system, steal stands alone, iowait is idle",
       "cpu  9 9 9 9 9 9 9 9 9 9\ncpu0 10 2 30 400 5 6 7 8 1 1\ncpu1 1 0 1 1 0 0 0 0 0 0\nintr 5 6\n",
       {{.cpu = 0, .user = 10, .nice = 2, .system = 43, .steal = 8, .idle = 405},
        {.cpu = 1, .user = 1, .nice = 0, .system = 1, .idle = 1}}},
      {"kernel before steal was counted", "cpu0 1 2 3 4 5 6 7\n",
       {{.cpu = 0, .user = 1, .nice = 2, .system = 16, .idle = 9}}},
      {"old kernel with four fields, no trailing newline", "cpu 1 2 3 4\ncpu3 1 2 3 4",
       {{.cpu = 3, .user = 1, .nice = 2, .system = 3, .idle = 4}}},
      {"malformed and truncated lines are left out", "cpu0 1 2 x 4 5\ncpu1 1 2\ncpuX 1 2 3 4\ncpu2 1 2 3 4\n",
       {{.cpu = 2, .user = 1, .nice = 2, .system = 3, .idle = 4}}},
      {"64-bit counters", "cpu0 18446744073709551615 0 0 0\n",
       {{.cpu = 0, .user = UINT64_MAX, .nice = 0, .system = 0, .idle = 0}}},
      {"a counter past 64 bits spoils its line", "cpu0 18446744073709551616 0 0 0\n", {}},
      {"empty", "", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseProcStat(c.text), c.expected) << c.name;
}

TEST(MemInfo, readsTheFiguresInBytes) {
  const auto m = parseMemInfo(
      "MemTotal:       1000 kB\nMemAvailable:    250 kB\nAnonPages: 100 kB\nUnevictable: 1 kB\nSUnreclaim: 2 kB\n"
      "KernelStack: 3 kB\nPageTables: 4 kB\nZswap: 5 kB\nSwapTotal: 50 kB\nSwapFree: 20 kB\nHugePages_Total: 7\n"
      "Bogus: x kB\nMemFree: 99999999999999999999 kB");
  EXPECT_EQ(m, (MemInfo{.memTotal = 1024000, .memAvailable = 256000, .anonPages = 102400, .unevictable = 1024,
                        .sUnreclaim = 2048, .kernelStack = 3072, .pageTables = 4096, .zswap = 5120,
                        .swapTotal = 51200, .swapFree = 20480, .hasAvailable = true}));
  EXPECT_FALSE(parseMemInfo("MemTotal: 1000 kB\n").hasAvailable);
  EXPECT_EQ(parseMemInfo("MemTotal: 18014398509481984 kB\n").memTotal, 0u);  // overflows as bytes
  EXPECT_EQ(parseZramMemUsed("  4096  1024  8192  0 8192 0 0 0 0\n"), 8192u);
  EXPECT_EQ(parseZramMemUsed("4096 1024"), std::nullopt);
}

TEST(DiskStats, takesSectorsReadAndWritten) {
  const auto disks = parseDiskStats(
      " 259 0 nvme0n1 1 2 300 4 5 6 700 8 9 10 11 12 13 14 15 16 17\n"
      "   8 0 sda 1 0 10 0 1 0 20 0 0 0 0\n"  // pre-4.18 kernels stop after 11 fields
      "   8 1 sdb 1 0 10\n"                   // truncated
      "   x 1 sdc 1 0 10 0 1 0 20 0 0 0 0");
  EXPECT_EQ(disks, (std::vector<DiskCounters>{{"nvme0n1", 300, 700}, {"sda", 10, 20}}));
}

TEST(CpuTopology, countsCpuListsAndFindsTheModel) {
  struct Case {
    const char* text;
    std::optional<unsigned> count;
  };
  const Case cases[] = {{"0-7\n", 8}, {"0", 1}, {"0-3,8,10-11", 7}, {"", std::nullopt}, {"3-1", std::nullopt},
                        {"0-", std::nullopt}, {"0-4294967295", std::nullopt}, {"a-b", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(parseCpuListCount(c.text), c.count) << c.text;
  EXPECT_EQ(parseCpuList("8-11,2\n"), (std::vector<unsigned>{8, 9, 10, 11, 2}));
  EXPECT_EQ(parseCpuList("0-70000"), std::nullopt);  // too many to list
  EXPECT_EQ(parseCpuList("3-1"), std::nullopt);
  EXPECT_EQ(parseModelName("processor\t: 0\nmodel name\t: AMD Ryzen 5  \n\nmodel name\t: other\n"), "AMD Ryzen 5");
  EXPECT_EQ(parseModelName("processor\t: 0\nBogoMIPS\t: 50.00\n"), std::nullopt);
  EXPECT_EQ(parseModelName("model name\t:   \n"), std::nullopt);
}

TEST(LoadAvg, takesTheOneMinuteFigure) {
  EXPECT_EQ(parseLoadAvg("0.42 0.30 0.20 1/80 300\n"), 0.42);
  EXPECT_EQ(parseLoadAvg("12.00"), 12.0);
  EXPECT_EQ(parseLoadAvg(""), std::nullopt);
  EXPECT_EQ(parseLoadAvg("-1.0 0 0"), std::nullopt);
  EXPECT_EQ(parseLoadAvg("nan 0 0"), std::nullopt);
  EXPECT_EQ(parseLoadAvg("1e400 0 0"), std::nullopt);
}

TEST(PowerSupply, readsUeventProperties) {
  const auto props = parseUevent("DEVTYPE=x\nPOWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_MODEL_NAME=A=B \n"
                                 "POWER_SUPPLY_=bad\nPOWER_SUPPLY_CAPACITY=97");
  EXPECT_EQ(props, (std::map<std::string, std::string>{{"TYPE", "Battery"}, {"MODEL_NAME", "A=B"}, {"CAPACITY", "97"}}));
  const PowerSupply s{"BAT0", props};
  EXPECT_EQ(s.number("CAPACITY"), 97);
  EXPECT_EQ(s.number("TYPE"), std::nullopt);
  EXPECT_EQ(s.number("MISSING"), std::nullopt);
}

TEST(MountInfo, parsesOptionalFieldsAndEscapes) {
  const auto mounts = parseMountInfo(
      "36 35 98:0 /mnt1 /mnt\\040two rw,noatime master:1 shared:2 - ext3 /dev/root rw,errors=continue\n"
      "37 35 0:21 / /proc rw - proc proc rw\n"
      "38 35 8:1 / /no-separator rw ext4 /dev/sda1 rw\n"
      "39 35 8:x / /bad-device rw - ext4 /dev/sda1 rw\n"
      "40 35 8:2 / relative rw - ext4 /dev/sda2 rw");
  ASSERT_EQ(mounts.size(), 2u);
  EXPECT_EQ(mounts[0], (MountEntry{98, 0, "/mnt1", "/mnt two", "ext3", "/dev/root"}));
  EXPECT_EQ(mounts[1].fsType, "proc");
  EXPECT_EQ(unescapeMountField("a\\011b\\134c\\0d\\999\\"), "a\tb\\c\\0d\\999\\");
  EXPECT_TRUE(isDeviceVolume(mounts[0]));
  EXPECT_FALSE(isDeviceVolume(mounts[1]));
  EXPECT_FALSE(isDeviceVolume({8, 0, "/", "/snap/x", "squashfs", "/dev/loop0"}));
  EXPECT_FALSE(isDeviceVolume({0, 50, "/", "/mnt/nas", "nfs4", "nas:/export"}));
}
