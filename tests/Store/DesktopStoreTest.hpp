#pragma once
// A store with a desktop whose front application the test sets (none: "this desktop can't
// tell"), and processes the test lists.
#include "tests/Store/StoreHarness.hpp"

namespace qel::test {

class DesktopStoreTest : public StoreTest {
 protected:
  void startStore() {
    makeStore(false);
    store->setDesktop(&desktop);
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  }
  void setProcs(std::vector<ProcInfo> procs) {
    std::lock_guard l(script.m);
    script.procs = std::move(procs);
  }

  FakeDesktop desktop;
};

}  // namespace qel::test
