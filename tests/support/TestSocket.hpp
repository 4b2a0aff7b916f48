#pragma once
// An IPv4 socket bound to a free port of a given address (listening when it is TCP), closed
// when the object goes: real sockets for tests to find in lsof's output.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qel::test {

class TestSocket {
 public:
  TestSocket(int type, const char* address) {
    sockaddr_in a{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {}, .sin_zero = {}};
    socklen_t length = sizeof a;
    fd_ = socket(AF_INET, type | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || inet_pton(AF_INET, address, &a.sin_addr) != 1 ||
        bind(fd_, reinterpret_cast<sockaddr*>(&a), length) != 0 || (type == SOCK_STREAM && listen(fd_, 4) != 0) ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &length) != 0)
      return;
    port_ = ntohs(a.sin_port);
  }
  ~TestSocket() {
    if (fd_ >= 0) close(fd_);
  }
  TestSocket(const TestSocket&) = delete;
  TestSocket& operator=(const TestSocket&) = delete;

  bool ok() const { return port_ > 0; }
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace qel::test
