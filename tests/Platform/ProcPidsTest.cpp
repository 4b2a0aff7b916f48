#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "Qel/Platform/Proc/ProcPids.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

// One getdents64 record: the name, and the position the kernel gives as the one after it.
void addEntry(std::string& buffer, std::string_view name, std::int64_t next) {
  const std::size_t nameAt = offsetof(dirent64, d_name);
  const std::size_t length = (nameAt + name.size() + 1 + 7) / 8 * 8;
  std::string record(length, '\0');
  const auto reclen = static_cast<unsigned short>(length);
  std::memcpy(record.data() + offsetof(dirent64, d_off), &next, sizeof next);
  std::memcpy(record.data() + offsetof(dirent64, d_reclen), &reclen, sizeof reclen);
  std::memcpy(record.data() + nameAt, name.data(), name.size());
  buffer += record;
}

// A child that sleeps until it is killed.
pid_t sleeper() {
  const pid_t pid = fork();
  if (pid == 0) {
    for (;;) pause();
  }
  return pid;
}

}  // namespace

TEST(ProcPids, takeOnlyNumberedEntriesAndLearnWherePidsSit) {
  std::string buffer;
  addEntry(buffer, "self", 257);
  addEntry(buffer, "1", 260);  // each pid entry at 258 plus its pid
  addEntry(buffer, "2", 300);
  addEntry(buffer, "0", 301);
  addEntry(buffer, "42x", 301);
  addEntry(buffer, "42", 4096);
  std::vector<std::int32_t> pids;
  PidPositions positions;
  appendPids(buffer.data(), buffer.size(), pids, &positions);
  EXPECT_EQ(pids, (std::vector<std::int32_t>{1, 2, 42}));
  EXPECT_TRUE(positions.consistent);
  EXPECT_EQ(positions.offset, 258);

  // A folder that places entries otherwise teaches nothing.
  std::string hashed;
  addEntry(hashed, "7", 12345);
  addEntry(hashed, "3", 99);
  addEntry(hashed, "9", 7);
  PidPositions unordered;
  pids.clear();
  appendPids(hashed.data(), hashed.size(), pids, &unordered);
  EXPECT_EQ(pids, (std::vector<std::int32_t>{7, 3, 9}));
  EXPECT_FALSE(unordered.consistent);

  // A record cut short by the end of the buffer ends the walk.
  pids.clear();
  appendPids(buffer.data(), buffer.size() - 3, pids);
  EXPECT_EQ(pids, (std::vector<std::int32_t>{1, 2}));
}

TEST(ProcPids, lastPidIsTheLastFieldOfLoadavg) {
  EXPECT_EQ(parseLastPid("0.52 0.58 0.59 3/1172 48213\n"), 48213);
  EXPECT_EQ(parseLastPid("0.52 0.58 0.59 3/1172 48213"), 48213);
  EXPECT_EQ(parseLastPid("0.52 0.58 0.59 3/1172"), std::nullopt);
  EXPECT_EQ(parseLastPid("0.52 0.58 0.59 3/1172 99999999999\n"), std::nullopt);
  EXPECT_EQ(parseLastPid(""), std::nullopt);
}

TEST(ProcPids, listingOnlyTheNewOnesFindsAProcessStartedSince) {
  ProcPids pids({});
  std::vector<std::int32_t> all;
  ASSERT_TRUE(pids.list(all));
  ASSERT_TRUE(std::is_sorted(all.begin(), all.end()));
  EXPECT_TRUE(std::binary_search(all.begin(), all.end(), getpid()));

  const pid_t child = sleeper();
  ASSERT_GT(child, 0);
  std::vector<std::int32_t> fresh;
  const bool listed = pids.listNew(fresh);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  // Only a wrap of the pid counter in between makes it fall back to a full listing.
  if (!listed) GTEST_SKIP() << "the pid counter wrapped, or /proc here does not place entries by pid";
  EXPECT_TRUE(std::is_sorted(fresh.begin(), fresh.end()));
  EXPECT_TRUE(std::find(fresh.begin(), fresh.end(), child) != fresh.end());
  EXPECT_FALSE(std::find(fresh.begin(), fresh.end(), getpid()) != fresh.end());
}

TEST(ProcPids, aRecordedTreeIsAlwaysListedInFull) {
  test::TempDir dir;
  for (const char* name : {"proc/31/stat", "proc/4/stat", "proc/200/stat", "proc/self/stat", "proc/sys/x"})
    dir.write(name, "");
  dir.write("proc/loadavg", "0.00 0.00 0.00 1/3 200\n");
  ProcPids pids({dir.path()});
  std::vector<std::int32_t> all;
  ASSERT_TRUE(pids.list(all));
  EXPECT_EQ(all, (std::vector<std::int32_t>{4, 31, 200}));
  dir.write("proc/300/stat", "");
  dir.write("proc/loadavg", "0.00 0.00 0.00 1/4 300\n");
  EXPECT_FALSE(pids.listNew(all));
  EXPECT_EQ(all.size(), 3u);

  EXPECT_FALSE(ProcPids({dir / "missing"}).list(all));
}
