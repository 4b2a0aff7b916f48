#include <gtest/gtest.h>

#include <sstream>

#include "Qel/App/SampleProcesses.hpp"

using namespace qel;

TEST(SampleProcesses, printsTheMachinesProcessesAndTrafficAsPlainLines) {
  std::ostringstream out;
  const auto first = std::chrono::steady_clock::now();
  ProcessSection processes(first);
  TrafficSection traffic(first);
  processes.print(out);
  traffic.print(out, processes);
  const std::string text = out.str();
  EXPECT_NE(text.find("Processes: "), std::string::npos);
  EXPECT_NE(text.find("NAME"), std::string::npos);
  EXPECT_NE(text.find("Traffic by app (TCP, over 1 s"), std::string::npos);
  EXPECT_GE(std::count(text.begin(), text.end(), '\n'), 5);
  // Names come from anyone's processes: nothing may reach the terminal as a control sequence.
  for (const char c : text) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
}
