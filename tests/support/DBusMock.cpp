#include "tests/support/DBusMock.hpp"

#include <thread>

namespace qel::test {
namespace {

// How long a bus or a mock may take to come up on a loaded machine.
constexpr auto kComeUp = std::chrono::seconds(60);

// A bus of anyone's messages, as the session bus is, but with no service folders and none of
// the machine's configuration: nothing installed here (a notification daemon, a portal, a tray
// host) is started when a test's code asks for it.
std::string busConfig(const std::filesystem::path& socketDir) {
  return R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=)" + socketDir.string() + R"(</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
}

void restore(const char* name, bool had, const std::string& value) {
  if (had) setenv(name, value.c_str(), 1);
  else unsetenv(name);
}

}  // namespace

std::vector<std::string> privateBusCommand(const TempDir& dir) {
  const auto config = dir.write("bus.conf", busConfig(dir.path()));
  return {"/usr/bin/dbus-daemon", "--config-file=" + config.string(), "--nofork", "--print-address=1"};
}

PrivateBus::PrivateBus() {
  daemon_ = std::make_unique<ChildProcess>(privateBusCommand(dir_));
  if (!daemon_->started()) return;
  auto line = daemon_->readLine(kComeUp);
  if (!line || line->empty()) return;
  address_ = *line;
  if (const char* s = getenv("DBUS_SYSTEM_BUS_ADDRESS")) hadSystem_ = true, savedSystem_ = s;
  if (const char* s = getenv("DBUS_SESSION_BUS_ADDRESS")) hadSession_ = true, savedSession_ = s;
  setenv("DBUS_SYSTEM_BUS_ADDRESS", address_.c_str(), 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
}

PrivateBus::~PrivateBus() {
  mocks_.clear();
  daemon_.reset();
  if (!address_.empty()) {
    restore("DBUS_SYSTEM_BUS_ADDRESS", hadSystem_, savedSystem_);
    restore("DBUS_SESSION_BUS_ADDRESS", hadSession_, savedSession_);
  }
}

Bus PrivateBus::connect() const {
  sd_bus* bus = nullptr;
  if (address_.empty() || sd_bus_new(&bus) < 0) return nullptr;
  Bus owned(bus);
  if (sd_bus_set_address(bus, address_.c_str()) < 0 || sd_bus_set_bus_client(bus, 1) < 0 || sd_bus_start(bus) < 0)
    return nullptr;
  sd_bus_set_method_call_timeout(bus, 5'000'000);
  return owned;
}

bool PrivateBus::startTemplate(const std::string& templateName, const std::string& busName,
                               const std::string& parameters) {
  if (!ok()) return false;
  std::vector<std::string> argv{"/usr/bin/python3", "-m", "dbusmock", "--template", templateName};
  if (!parameters.empty()) argv.insert(argv.end(), {"--parameters", parameters});
  mocks_.push_back(std::make_unique<ChildProcess>(
      argv, std::map<std::string, std::string>{{"DBUS_SYSTEM_BUS_ADDRESS", address_},
                                               {"DBUS_SESSION_BUS_ADDRESS", address_}},
      /*captureStdout=*/false));
  auto bus = connect();
  if (!bus) return false;
  for (const auto deadline = std::chrono::steady_clock::now() + kComeUp; std::chrono::steady_clock::now() < deadline;) {
    if (sd_bus_get_name_creds(bus.get(), busName.c_str(), 0, nullptr) >= 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

}  // namespace qel::test
