#include <gtest/gtest.h>

#include "Qel/Platform/Bus/DesktopPortal.hpp"
#include "tests/support/DBusMock.hpp"

using namespace qel;

namespace {
const std::string kTemplate = std::string(QEL_FIXTURES) + "/dbusmock/portal_settings.py";
}

TEST(DesktopPortal, readsTheColorSchemeFromNewAndOldPortals) {
  struct Case {
    const char* parameters;
    std::optional<std::uint32_t> expected;
  } cases[] = {
      {R"({"scheme": 1})", 1u},
      {R"({"scheme": 2})", 2u},
      {R"({"scheme": 0})", 0u},
      {R"({"scheme": 2, "readOne": false})", 2u},  // only Read, value in two variants
      {R"({"scheme": "dark"})", std::nullopt},     // not a number
  };
  for (const auto& c : cases) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.ok());
    ASSERT_TRUE(bus.startTemplate(kTemplate, "org.freedesktop.portal.Desktop", c.parameters)) << c.parameters;
    EXPECT_EQ(readPortalColorScheme(), c.expected) << c.parameters;
  }
}

TEST(DesktopPortal, noPortalGivesNoAnswer) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  EXPECT_EQ(readPortalColorScheme(), std::nullopt);
}
