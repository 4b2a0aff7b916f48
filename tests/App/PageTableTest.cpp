// The page table lists every page once, in tab order, each with its title and a view to show.
#include <gtest/gtest.h>

#include "Qel/App/MainViews.hpp"
#include "Qel/Kit/PageTable.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/ViewRegistry.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

TEST(PageTable, everyPageHasOneRowAndAView) {
  test::TempDir dir;
  Defaults defaults(dir / "defaults.json");
  Updater updater(defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);

  const auto table = pageTable();
  std::vector<Page> tiles;
  ASSERT_EQ(table.size(), allPages.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const PageEntry& entry = table[i];
    EXPECT_EQ(entry.page, allPages[i]);
    EXPECT_EQ(&pageEntry(entry.page), &entry);
    EXPECT_TRUE(entry.title && *entry.title) << rawValue(entry.page);
    EXPECT_NE(registry.page(entry.page), nullptr) << rawValue(entry.page);
    if (entry.panelTile) tiles.push_back(entry.page);
  }
  // The panel fills its four tiles in this order.
  EXPECT_EQ(tiles, (std::vector<Page>{Page::cpu, Page::mem, Page::net, Page::energy}));
}
