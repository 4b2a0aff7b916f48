#include "Qel/Platform/Bus/DBus.hpp"

#include <sys/epoll.h>
#include <unistd.h>

#include <cmath>

namespace qel {

Bus openBus(BusKind kind, std::chrono::milliseconds timeout) {
  sd_bus* bus = nullptr;
  const int r = kind == BusKind::system ? sd_bus_open_system(&bus) : sd_bus_open_user(&bus);
  if (r < 0) return nullptr;
  Bus owned(bus);
  sd_bus_set_method_call_timeout(bus, std::uint64_t(timeout.count()) * 1000);
  return owned;
}

namespace {

template <class Raw, class As>
int readBasic(sd_bus_message* m, char type, BusValue& out) {
  Raw v{};
  const int r = sd_bus_message_read_basic(m, type, &v);
  out = As(v);
  return r;
}

int readString(sd_bus_message* m, char type, BusValue& out) {
  const char* v = nullptr;
  const int r = sd_bus_message_read_basic(m, type, &v);
  out = std::string(v ? v : "");
  return r;
}

int readStrings(sd_bus_message* m, char type, BusValue& out) {
  std::vector<std::string> list;
  const char element[] = {type, '\0'};
  int r = sd_bus_message_enter_container(m, 'a', element);
  if (r >= 0) {
    const char* v = nullptr;
    while ((r = sd_bus_message_read_basic(m, type, &v)) > 0) list.emplace_back(v ? v : "");
    if (r >= 0) r = sd_bus_message_exit_container(m);
  }
  out = std::move(list);
  return r;
}

// The variant's contents of signature `sig`; what no BusValue holds is skipped.
int readContents(sd_bus_message* m, const std::string& sig, BusValue& out) {
  if (sig == "as" || sig == "ao") return readStrings(m, sig[1], out);
  if (sig.size() != 1) return sd_bus_message_skip(m, sig.c_str());
  switch (sig[0]) {
    case 'b': {
      int v = 0;
      const int r = sd_bus_message_read_basic(m, 'b', &v);
      out = v != 0;
      return r;
    }
    case 'y': return readBasic<std::uint8_t, std::uint64_t>(m, 'y', out);
    case 'n': return readBasic<std::int16_t, std::int64_t>(m, 'n', out);
    case 'q': return readBasic<std::uint16_t, std::uint64_t>(m, 'q', out);
    case 'i': return readBasic<std::int32_t, std::int64_t>(m, 'i', out);
    case 'u': return readBasic<std::uint32_t, std::uint64_t>(m, 'u', out);
    case 'x': return readBasic<std::int64_t, std::int64_t>(m, 'x', out);
    case 't': return readBasic<std::uint64_t, std::uint64_t>(m, 't', out);
    case 'd': return readBasic<double, double>(m, 'd', out);
    case 's':
    case 'o':
    case 'g': return readString(m, sig[0], out);
    default: return sd_bus_message_skip(m, sig.c_str());
  }
}

}  // namespace

bool readVariant(sd_bus_message* m, BusValue& out) {
  out = std::monostate{};
  char type = 0;
  const char* contents = nullptr;
  if (sd_bus_message_peek_type(m, &type, &contents) <= 0 || type != 'v' || !contents) return false;
  if (sd_bus_message_enter_container(m, 'v', contents) < 0) return false;
  if (readContents(m, contents, out) < 0) return false;
  return sd_bus_message_exit_container(m) >= 0;
}

bool readProperties(sd_bus_message* m, BusProperties& out) {
  if (sd_bus_message_enter_container(m, 'a', "{sv}") < 0) return false;
  for (;;) {
    const int r = sd_bus_message_enter_container(m, 'e', "sv");
    if (r < 0) return false;
    if (r == 0) break;
    const char* key = nullptr;
    if (sd_bus_message_read_basic(m, 's', &key) < 0) return false;
    BusValue value;
    if (!readVariant(m, value)) return false;
    out[key ? key : ""] = std::move(value);
    if (sd_bus_message_exit_container(m) < 0) return false;
  }
  return sd_bus_message_exit_container(m) >= 0;
}

std::optional<std::string> stringValue(const BusProperties& p, const std::string& key) {
  auto it = p.find(key);
  if (it == p.end()) return std::nullopt;
  if (auto s = std::get_if<std::string>(&it->second)) return *s;
  return std::nullopt;
}

std::optional<bool> boolValue(const BusProperties& p, const std::string& key) {
  auto it = p.find(key);
  if (it == p.end()) return std::nullopt;
  if (auto b = std::get_if<bool>(&it->second)) return *b;
  return std::nullopt;
}

std::optional<std::int64_t> integerValue(const BusProperties& p, const std::string& key) {
  auto it = p.find(key);
  if (it == p.end()) return std::nullopt;
  if (auto i = std::get_if<std::int64_t>(&it->second)) return *i;
  if (auto u = std::get_if<std::uint64_t>(&it->second)) {
    if (*u > std::uint64_t(INT64_MAX)) return std::nullopt;
    return std::int64_t(*u);
  }
  if (auto d = std::get_if<double>(&it->second)) {
    if (std::isfinite(*d) && *d > -9.2e18 && *d < 9.2e18) return std::int64_t(std::llround(*d));
  }
  return std::nullopt;
}

std::optional<BusValue> getProperty(sd_bus* bus, const char* destination, const char* path,
                                    const char* interface, const char* name) {
  BusError error;
  auto reply = callMethod(bus, destination, path, "org.freedesktop.DBus.Properties", "Get", error, "ss",
                          interface, name);
  if (!reply) return std::nullopt;
  BusValue value;
  if (!readVariant(reply.get(), value)) return std::nullopt;
  return value;
}

int busPollFd(sd_bus* bus) {
  const int socket = sd_bus_get_fd(bus);
  if (socket < 0) return -1;
  const int poll = ::epoll_create1(EPOLL_CLOEXEC);
  if (poll < 0) return -1;
  epoll_event readable{};
  readable.events = EPOLLIN;
  if (::epoll_ctl(poll, EPOLL_CTL_ADD, socket, &readable) != 0) {
    ::close(poll);
    return -1;
  }
  return poll;
}

}  // namespace qel
