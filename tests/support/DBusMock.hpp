#pragma once
// A private D-Bus for tests: its own dbus-daemon, python3-dbusmock templates on it, and the
// test process's bus addresses pointed at it for as long as the object lives.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Qel/Platform/DBus.hpp"
#include "tests/support/ChildProcess.hpp"

namespace qel::test {

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

  // A client connection to this bus (for driving the mocks' control interface).
  Bus connect() const;

 private:
  std::unique_ptr<ChildProcess> daemon_;
  std::vector<std::unique_ptr<ChildProcess>> mocks_;
  std::string address_;
  std::string savedSystem_, savedSession_;
  bool hadSystem_ = false, hadSession_ = false;
};

}  // namespace qel::test
