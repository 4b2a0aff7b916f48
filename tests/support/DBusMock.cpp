#include "tests/support/DBusMock.hpp"

#include <thread>

namespace qel::test {
namespace {

void restore(const char* name, bool had, const std::string& value) {
  if (had) setenv(name, value.c_str(), 1);
  else unsetenv(name);
}

}  // namespace

PrivateBus::PrivateBus() {
  daemon_ = std::make_unique<ChildProcess>(std::vector<std::string>{
      "/usr/bin/dbus-daemon", "--config-file=/usr/share/dbus-1/session.conf", "--nofork", "--print-address=1"});
  if (!daemon_->started()) return;
  auto line = daemon_->readLine(std::chrono::seconds(10));
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
  for (int i = 0; i < 200; ++i) {
    if (sd_bus_get_name_creds(bus.get(), busName.c_str(), 0, nullptr) >= 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

}  // namespace qel::test
