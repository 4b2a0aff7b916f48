#include "Qel/Platform/Net/IfAddrs.hpp"

#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace qel {

std::vector<InterfaceAddress> ipv4Addresses() {
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return {};
  std::vector<InterfaceAddress> out;
  for (const ifaddrs* a = list; a; a = a->ifa_next) {
    if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !a->ifa_name) continue;
    char host[NI_MAXHOST] = {};
    if (::getnameinfo(a->ifa_addr, sizeof(sockaddr_in), host, sizeof host, nullptr, 0, NI_NUMERICHOST) != 0)
      continue;
    std::string name = a->ifa_name;
    name = name.substr(0, name.find(':'));
    out.push_back({std::move(name), host});
  }
  ::freeifaddrs(list);
  return out;
}

}  // namespace qel
