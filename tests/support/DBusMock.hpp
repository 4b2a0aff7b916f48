#pragma once
// A private D-Bus for tests: its own dbus-daemon, python3-dbusmock templates on it, and the
// test process's bus addresses pointed at it for as long as the object lives. The bus starts
// no service of the machine's: what answers on it is what the test put there.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Qel/Platform/Bus/DBus.hpp"
#include "tests/support/ChildProcess.hpp"
#include "tests/support/TempDir.hpp"

namespace qel::test {

// The command line of a dbus-daemon for a test, its configuration and socket kept in `dir`: a
// bus like the session bus, but one that starts no service installed on the machine.
std::vector<std::string> privateBusCommand(const TempDir& dir);

class PrivateBus {
 public:
  // Serves as both the system and the session bus of this process while it lives.
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  bool ok() const { return !address_.empty(); }
  const std::string& address() const { return address_; }

  // Starts `python3 -m dbusmock --template <name>` (with JSON `parameters` if given) and waits
  // until `busName` is owned. Returns false when the mock did not come up.
  bool startTemplate(const std::string& templateName, const std::string& busName,
                     const std::string& parameters = {});

  // Ends every mock started so far, as a service that goes away; their names are released.
  void stopMocks() { mocks_.clear(); }

  // A client connection to this bus (for driving the mocks' control interface).
  Bus connect() const;

 private:
  TempDir dir_;  // the bus's configuration and socket
  std::unique_ptr<ChildProcess> daemon_;
  std::vector<std::unique_ptr<ChildProcess>> mocks_;
  std::string address_;
  std::string savedSystem_, savedSession_;
  bool hadSystem_ = false, hadSession_ = false;
};

// Takes a lock from the logind mock as another program would; it lasts while the reply (which
// holds its descriptor) is kept. Null, with `error` set, when the mock refuses.
inline BusMessage inhibitAs(sd_bus* client, const char* what, const char* who, const char* why, BusError& error) {
  return callMethod(client, "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
                    "Inhibit", error, "ssss", what, who, why, "block");
}

}  // namespace qel::test
