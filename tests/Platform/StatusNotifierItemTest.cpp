// The tray item on a private bus, read and clicked the way a tray host does it: from another
// connection, over the StatusNotifierItem and dbusmenu interfaces.
#include <gtest/gtest.h>

#include <poll.h>

#include <chrono>
#include <future>
#include <thread>

#include "Qel/Platform/Bus/StatusNotifierItem.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/MockCalls.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {

const std::string kWatcherTemplate = std::string(QEL_FIXTURES) + "/dbusmock/status_notifier_watcher.py";

struct Heard {
  std::vector<bool> shown;
  std::vector<std::pair<int, int>> activated;
  std::vector<std::int32_t> clicked;
};

std::unique_ptr<StatusNotifierItem> openItem(Heard& heard) {
  return StatusNotifierItem::open(
      "qel", "Qel",
      {.activate = [&heard](int x, int y) { heard.activated.emplace_back(x, y); },
       .menuClicked = [&heard](std::int32_t id) { heard.clicked.push_back(id); },
       .shown = [&heard](bool shown) { heard.shown.push_back(shown); }});
}

void pump(StatusNotifierItem& item) {
  pollfd p{.fd = item.fd(), .events = POLLIN, .revents = 0};
  ::poll(&p, 1, 20);
  item.process();
}

// Processes the item until `done`; the guard is for a loaded machine.
template <class Done>
bool pumpUntil(StatusNotifierItem& item, Done done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!done() && std::chrono::steady_clock::now() < deadline) pump(item);
  return done();
}

// Runs `call` on another thread, as a host would, while the item answers on this one.
template <class Call>
auto whileServing(StatusNotifierItem& item, Call call) {
  auto result = std::async(std::launch::async, call);
  while (result.wait_for(0ms) != std::future_status::ready) pump(item);
  return result.get();
}

std::string stringProperty(sd_bus* client, StatusNotifierItem& item, const char* name) {
  return whileServing(item, [&] {
    auto v = getProperty(client, item.busName().c_str(), "/StatusNotifierItem", "org.kde.StatusNotifierItem", name);
    const auto* s = v ? std::get_if<std::string>(&*v) : nullptr;
    return s ? *s : std::string("(none)");
  });
}

struct MenuItem {
  std::int32_t id = 0;
  BusProperties properties;
};

// The menu's top level as GetLayout gives it.
std::vector<MenuItem> layout(sd_bus* client, StatusNotifierItem& item) {
  return whileServing(item, [&] {
    std::vector<MenuItem> items;
    BusError error;
    auto reply = callMethod(client, item.busName().c_str(), "/MenuBar", "com.canonical.dbusmenu", "GetLayout", error,
                            "iias", 0, -1, 0);
    sd_bus_message* m = reply.get();
    std::uint32_t revision = 0;
    std::int32_t root = -1;
    BusProperties rootProperties;
    if (!m || sd_bus_message_read(m, "u", &revision) < 0 || sd_bus_message_enter_container(m, 'r', "ia{sv}av") < 0 ||
        sd_bus_message_read(m, "i", &root) < 0 || !readProperties(m, rootProperties) ||
        sd_bus_message_enter_container(m, 'a', "v") < 0)
      return items;
    while (sd_bus_message_enter_container(m, 'v', "(ia{sv}av)") > 0) {
      MenuItem child;
      if (sd_bus_message_enter_container(m, 'r', "ia{sv}av") < 0 || sd_bus_message_read(m, "i", &child.id) < 0 ||
          !readProperties(m, child.properties) || sd_bus_message_skip(m, "av") < 0 ||
          sd_bus_message_exit_container(m) < 0 || sd_bus_message_exit_container(m) < 0)
        break;
      items.push_back(std::move(child));
    }
    return items;
  });
}

bool call(sd_bus* client, StatusNotifierItem& item, const char* path, const char* interface, const char* member,
          const char* types, auto... args) {
  return whileServing(item, [&] {
    BusError error;
    return callMethod(client, item.busName().c_str(), path, interface, member, error, types, args...) != nullptr;
  });
}

}  // namespace

TEST(StatusNotifierItem, servesItsLabelAndMenuAndHearsItsClicks) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate(kWatcherTemplate, "org.kde.StatusNotifierWatcher"));
  Heard heard;
  auto item = openItem(heard);
  ASSERT_TRUE(item);
  EXPECT_TRUE(item->watcherPresent());
  ASSERT_TRUE(pumpUntil(*item, [&] { return item->shown(); })) << "the watcher did not take the item";
  Bus client = bus.connect();
  const auto calls = test::mockCalls(client.get(), "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                     "RegisterStatusNotifierItem");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(test::stringArg(calls[0], 0), item->busName());

  // A new label reaches a host through XAyatanaNewLabel, carrying the label and its guide.
  std::vector<std::string> announced;
  sd_bus_slot* slot = nullptr;
  ASSERT_GE(sd_bus_match_signal(
                client.get(), &slot, item->busName().c_str(), "/StatusNotifierItem", "org.kde.StatusNotifierItem",
                "XAyatanaNewLabel",
                [](sd_bus_message* m, void* out, sd_bus_error*) {
                  const char* label = nullptr;
                  const char* guide = nullptr;
                  if (sd_bus_message_read(m, "ss", &label, &guide) >= 0)
                    static_cast<std::vector<std::string>*>(out)->push_back(std::string(label) + "|" + guide);
                  return 0;
                },
                &announced),
            0);
  BusSlot match(slot);
  item->setLabel("23%", "100%");
  item->setLabel("23%", "100%");  // unchanged: hosts hear nothing
  item->setLabel("7%", "100%");
  for (const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
       announced.size() < 2 && std::chrono::steady_clock::now() < deadline;) {
    while (sd_bus_process(client.get(), nullptr) > 0) {
    }
    sd_bus_wait(client.get(), 20'000);
  }
  EXPECT_EQ(announced, (std::vector<std::string>{"23%|100%", "7%|100%"}));
  EXPECT_EQ(stringProperty(client.get(), *item, "XAyatanaLabel"), "7%");
  EXPECT_EQ(stringProperty(client.get(), *item, "XAyatanaLabelGuide"), "100%");

  // The menu: labels, a separator, a greyed entry; only an enabled entry's click comes through.
  item->setMenu({{.id = 1, .label = "Show _panel"}, {.id = 2, .separator = true}, {.id = 3, .label = "Quit", .enabled = false}});
  const auto items = layout(client.get(), *item);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(stringValue(items[0].properties, "label"), "Show _panel");
  EXPECT_EQ(stringValue(items[1].properties, "type"), "separator");
  EXPECT_EQ(boolValue(items[2].properties, "enabled"), false);
  EXPECT_EQ(boolValue(items[0].properties, "enabled"), std::nullopt);  // enabled is the default
  for (const std::int32_t id : {3, 2, 1, 99})
    EXPECT_TRUE(call(client.get(), *item, "/MenuBar", "com.canonical.dbusmenu", "Event", "isvu", id, "clicked", "i", 0, 0u));
  EXPECT_EQ(heard.clicked, (std::vector<std::int32_t>{1}));

  EXPECT_TRUE(call(client.get(), *item, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate", "ii", 40, 2));
  EXPECT_EQ(heard.activated, (std::vector<std::pair<int, int>>{{40, 2}}));
}

TEST(StatusNotifierItem, followsTheWatcherAsItComesGoesAndComesBack) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  Heard heard;
  auto item = openItem(heard);
  ASSERT_TRUE(item);
  // No watcher yet: nothing shows the item, and nothing is said until one comes.
  EXPECT_FALSE(item->watcherPresent());
  for (int i = 0; i < 10; ++i) pump(*item);
  EXPECT_FALSE(item->shown());
  EXPECT_TRUE(heard.shown.empty());

  ASSERT_TRUE(bus.startTemplate(kWatcherTemplate, "org.kde.StatusNotifierWatcher"));
  EXPECT_TRUE(pumpUntil(*item, [&] { return item->shown(); })) << "a watcher that came later was not told";
  bus.stopMocks();
  EXPECT_TRUE(pumpUntil(*item, [&] { return !item->shown(); })) << "a watcher that went away still counts";
  ASSERT_FALSE(heard.shown.empty());
  EXPECT_FALSE(heard.shown.back());

  ASSERT_TRUE(bus.startTemplate(kWatcherTemplate, "org.kde.StatusNotifierWatcher"));
  EXPECT_TRUE(pumpUntil(*item, [&] { return item->shown(); })) << "a watcher that came back was not told again";
  Bus client = bus.connect();
  EXPECT_EQ(test::mockCalls(client.get(), "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                            "RegisterStatusNotifierItem")
                .size(),
            1u);
}
