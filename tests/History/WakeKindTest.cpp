#include <gtest/gtest.h>

#include <set>

#include "Qel/History/WakeKind.hpp"

using namespace qel;

TEST(WakeKind, classifiesByTheFirstListThatMatches) {
  const std::vector<std::pair<const char*, WakeKind>> cases = {
      {"EC.LidOpen/Lid Open", WakeKind::lid},
      {"RTC (Alarm)/Maintenance", WakeKind::maintenance},
      {"XHC1 USB RTC", WakeKind::maintenance},  // its list comes before the device list
      {"HID Activity", WakeKind::lid},
      {"hid ACTIVITY", WakeKind::lid},
      {"HID device", WakeKind::device},
      {"EC.USB lid", WakeKind::lid},
      {"wifi", WakeKind::network},
      {"Wi-Fi", WakeKind::network},
      {"NUB.SPMI0.SW3 TCPKeepAlive", WakeKind::network},
      {"MagSafe", WakeKind::adapter},
      {"valid", WakeKind::lid},  // substrings count, inside longer words too
      {"something else", WakeKind::system},
      {"", WakeKind::system},
  };
  for (const auto& [reason, kind] : cases) EXPECT_EQ(WakeKind::classify(reason), kind) << reason;
}

TEST(WakeKind, rawValuesAndTexts) {
  EXPECT_EQ(WakeKind::fromRaw(6), std::nullopt);
  EXPECT_EQ(WakeKind::fromRaw(-1), std::nullopt);
  std::set<std::string> titles, advice;
  for (int raw = 0; raw <= 5; ++raw) {
    titles.insert(WakeKind::fromRaw(raw)->title());
    advice.insert(WakeKind::fromRaw(raw)->advice());
  }
  // Every kind says its own thing, the lid too.
  EXPECT_EQ(titles.size(), 6u);
  EXPECT_EQ(advice.size(), 6u);
  // Advice a Linux user can follow: nothing of another system's services or settings.
  for (const auto& text : advice)
    for (const char* foreign : {"macOS", "Mac ", "iCloud", "Find My", "System Settings", "Battery → Options"})
      EXPECT_EQ(text.find(foreign), std::string::npos) << text;
}
