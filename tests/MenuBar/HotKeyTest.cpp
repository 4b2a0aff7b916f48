#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <vector>

#include "Qel/MenuBar/HotKey.hpp"

using namespace qel;

TEST(HotKey, grabsEveryLockAndNumLockCombination) {
  const std::uint16_t base = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
  EXPECT_EQ(grabModifierSets(base, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2),
            (std::vector<std::uint16_t>{base, std::uint16_t(base | XCB_MOD_MASK_LOCK),
                                        std::uint16_t(base | XCB_MOD_MASK_2),
                                        std::uint16_t(base | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2)}));
  // No Num Lock key on this server: two sets, none twice.
  EXPECT_EQ(grabModifierSets(base, XCB_MOD_MASK_LOCK, 0).size(), 2u);
}

TEST(HotKey, findsNumLockInTheModifierMap) {
  // Two keycodes per modifier; Num Lock (77) on Mod2.
  const std::vector<std::uint8_t> map{50, 62, 66, 0, 37, 105, 64, 108, 77, 0, 0, 0, 133, 134, 92, 0};
  const std::vector<std::uint8_t> numLock{77};
  EXPECT_EQ(numLockMask(map, 2, numLock), XCB_MOD_MASK_2);
  EXPECT_EQ(numLockMask(map, 2, {}), 0);
  EXPECT_EQ(numLockMask(map, 0, numLock), 0);
  EXPECT_EQ(numLockMask(std::vector<std::uint8_t>(map.begin(), map.begin() + 7), 2, numLock), 0);
}

TEST(HotKey, withoutX11ItSaysSoAndNamesTheCommand) {
  HotKey key([] {});  // the offscreen platform has no X server
  EXPECT_EQ(key.status(), HotKey::Status::noX11);
  EXPECT_TRUE(hotKeyNote(key.status()).contains("qel --replay"));
  EXPECT_TRUE(hotKeyNote(HotKey::Status::taken).contains("qel --replay"));
  EXPECT_EQ(hotKeyNote(HotKey::Status::active), "Ctrl+Alt+E");
}
