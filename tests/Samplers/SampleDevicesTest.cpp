#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/BlueZMock.hpp"
#include "tests/support/ChildProcess.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/TestSocket.hpp"

using namespace qel;

TEST(SampleCommand, listsMockedBatteriesAndTheTestsListeningSockets) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate("bluez5", "org.bluez"));
  const auto control = bus.connect();
  ASSERT_TRUE(control && test::addMockAdapter(control.get()));
  ASSERT_TRUE(test::addMockDevice(control.get(), {"11:22:33:44:55:01", "Soundcore Q30", "audio-headphones", 80}));
  ASSERT_TRUE(test::addMockDevice(control.get(), {"11:22:33:44:55:02", "Keyboard K380", "input-keyboard", 62}));
  test::TestSocket tcp(SOCK_STREAM, "0.0.0.0"), tcpLocal(SOCK_STREAM, "127.0.0.1"), udp(SOCK_DGRAM, "127.0.0.1");
  ASSERT_TRUE(tcp.ok() && tcpLocal.ok() && udp.ok());

  test::ChildProcess qel({QEL_EXECUTABLE, "--sample"});  // inherits the private bus addresses
  ASSERT_TRUE(qel.started());
  std::string output;
  while (auto line = qel.readLine()) output += *line + "\n";
  EXPECT_EQ(qel.stop(0), 0) << output;  // signal 0: only wait for the exit

  EXPECT_NE(output.find("  Soundcore Q30  80%  headphones  id audio:11:22:33:44:55:01\n"), std::string::npos) << output;
  EXPECT_NE(output.find("  Keyboard K380  62%  keyboard  id Keyboard K380\n"), std::string::npos) << output;
  const std::string pid = " (pid " + std::to_string(getpid()) + ")";
  EXPECT_NE(output.find("  TCP " + std::to_string(tcp.port()) + "  open  "), std::string::npos) << output;
  EXPECT_NE(output.find("  TCP " + std::to_string(tcpLocal.port()) + "  local  "), std::string::npos) << output;
  EXPECT_NE(output.find("  UDP " + std::to_string(udp.port()) + "  local  "), std::string::npos) << output;
  EXPECT_NE(output.find(pid), std::string::npos) << output;
}

TEST(SampleCommand, textFromOtherProgramsReachesTheTerminalWithoutControlCharacters) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"));
  auto client = bus.connect();
  ASSERT_TRUE(client);
  // Any program may take a lock under any name and reason.
  BusError error;
  const auto held = test::inhibitAs(client.get(), "sleep", "Backup\x1b[2J", "Copying\n  Holders: none", error);
  ASSERT_TRUE(held) << error.message();

  test::ChildProcess qel({QEL_EXECUTABLE, "--sample"});
  ASSERT_TRUE(qel.started());
  std::string output;
  while (auto line = qel.readLine()) output += *line + "\n";
  EXPECT_EQ(qel.stop(0), 0) << output;
  // The controls are gone, so the forged line stays part of the holder's own.
  EXPECT_NE(output.find(": Backup[2J — Copying  Holders: none\n"), std::string::npos) << output;
  EXPECT_EQ(output.find('\x1b'), std::string::npos);
}
