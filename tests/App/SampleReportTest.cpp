// `qel --sample` on this machine agrees with what the system's own tools say.
#include <gtest/gtest.h>

#include <sys/statvfs.h>
#include <unistd.h>

#include <regex>

#include "Qel/Platform/Proc/LoadAvg.hpp"
#include "Qel/Platform/Proc/MemInfo.hpp"
#include "Qel/Platform/Runtime/CommandRunner.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {
// The first capture of `pattern` in `text`, as a number.
double number(const std::string& text, const std::string& pattern) {
  std::smatch m;
  if (!std::regex_search(text, m, std::regex(pattern))) {
    ADD_FAILURE() << "no match for " << pattern;
    return -1;
  }
  return std::stod(m[1].str());
}

double loadNow() { return parseLoadAvg(test::readFile("/proc/loadavg")).value_or(-1); }
}  // namespace

TEST(SampleReport, agreesWithTheSystemsOwnFigures) {
  const double loadBefore = loadNow();
  const auto run = runCommand(QEL_EXECUTABLE, {"--sample"}, {.timeout = std::chrono::seconds(20)});
  const double loadAfter = loadNow();
  ASSERT_TRUE(run.succeeded()) << run.output;
  const auto& out = run.output;

  const auto mem = parseMemInfo(test::readFile("/proc/meminfo"));
  EXPECT_EQ(number(out, R"(Memory\n  Total: .* \((\d+) kB\))"), double(mem.memTotal / 1024));

  // The processors online, not those this test may run on (nproc counts the affinity).
  const auto nproc = runCommand(findExecutable({"/usr/bin/getconf", "/bin/getconf"}), {"_NPROCESSORS_ONLN"});
  ASSERT_TRUE(nproc.succeeded());
  EXPECT_EQ(number(out, R"(Cores: (\d+) logical)"), std::stod(nproc.output));
  EXPECT_EQ(std::regex_search(out, std::regex(R"(Per core:( \d+%){)" + nproc.output.substr(0, nproc.output.find('\n')) + "}\n")),
            true);

  const double load = number(out, R"(Load average, one minute: ([\d.]+))");
  EXPECT_GE(load, std::min(loadBefore, loadAfter) - 0.01);
  EXPECT_LE(load, std::max(loadBefore, loadAfter) + 0.01);

  // df counts in 1K blocks: total exactly, free within what a parallel build may write meanwhile.
  const auto df = runCommand(findExecutable({"/usr/bin/df", "/bin/df"}), {"-k", "--output=size,avail", "/"});
  ASSERT_TRUE(df.succeeded());
  std::smatch m;
  ASSERT_TRUE(std::regex_search(df.output, m, std::regex(R"((\d+)\s+(\d+)\s*$)")));
  EXPECT_EQ(number(out, R"(System disk: [^(]*\((\d+) kB\) total)"), std::stod(m[1].str()));
  EXPECT_NEAR(number(out, R"(System disk: .* \((\d+) kB\) free)"), std::stod(m[2].str()), 512 * 1024);

  for (const char* section : {"Processor", "Memory", "Network", "Disk", "Graphics", "Battery and power", "Storage",
                              "Kept awake by"})
    EXPECT_NE(out.find(std::string("\n") + section + "\n"), std::string::npos) << section;
  // Every section is there, in order, however its waits ran.
  std::size_t at = 0;
  for (const char* head : {"\nProcesses: ", "\nTraffic by app ", "\nDevice batteries:\n", "\nListening ports:\n"}) {
    at = out.find(head, at);
    EXPECT_NE(at, std::string::npos) << head;
  }
}
