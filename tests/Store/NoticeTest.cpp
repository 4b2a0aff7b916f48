#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "Qel/Store/Notice.hpp"

namespace qel {

TEST(Notice, tellsOncePerPublishAndOnlyWhenMarked) {
  Notice notice;
  int told = 0;
  auto subscription = notice.subscribe([&] { ++told; });
  notice.publish();
  EXPECT_EQ(told, 0);
  notice.mark();
  notice.mark();
  notice.publish();
  notice.publish();
  EXPECT_EQ(told, 1);

  // A moved handle keeps the subscription; resetting it ends it.
  Notice::Subscription moved = std::move(subscription);
  notice.mark();
  notice.publish();
  EXPECT_EQ(told, 2);
  moved.reset();
  notice.mark();
  notice.publish();
  EXPECT_EQ(told, 2);
}

TEST(Notice, aSubscriberHearsOnceWhenAnyOfItsTopicsChanged) {
  Notice notice;
  int both = 0, second = 0, everything = 0;
  auto a = (Notice::Part(notice, 0b001) | Notice::Part(notice, 0b010)).subscribe([&] { ++both; });
  auto b = Notice::Part(notice, 0b010).subscribe([&] { ++second; });
  auto c = notice.subscribe([&] { ++everything; });
  notice.mark(0b001);
  notice.mark(0b010);
  notice.publish();
  EXPECT_EQ(both, 1);
  EXPECT_EQ(second, 1);
  EXPECT_EQ(everything, 1);
  notice.mark(0b100);
  notice.publish();
  EXPECT_EQ(both, 1);
  EXPECT_EQ(second, 1);
  EXPECT_EQ(everything, 2);
}

TEST(Notice, subscribersComingAndGoingWhilePublishingAreSafe) {
  Notice notice;
  std::optional<Notice::Subscription> second;
  std::optional<Notice::Subscription> late;
  int secondTold = 0, lateTold = 0, selfTold = 0;
  // The first drops the second (a view deleting another) and adds one.
  auto first = notice.subscribe([&] {
    second.reset();
    if (!late) late = notice.subscribe([&] { ++lateTold; });
  });
  second = notice.subscribe([&] { ++secondTold; });
  // One that ends its own subscription while it runs.
  std::optional<Notice::Subscription> self;
  self = notice.subscribe([&] {
    ++selfTold;
    self.reset();
  });
  notice.mark();
  notice.publish();
  EXPECT_EQ(secondTold, 0);
  EXPECT_EQ(lateTold, 0);  // it came after the change
  EXPECT_EQ(selfTold, 1);
  notice.mark();
  notice.publish();
  EXPECT_EQ(lateTold, 1);
  EXPECT_EQ(selfTold, 1);

  // A handle outliving its notice ends harmlessly.
  auto orphan = std::make_unique<Notice>();
  auto kept = orphan->subscribe([] {});
  orphan.reset();
  kept.reset();
}

}  // namespace qel
