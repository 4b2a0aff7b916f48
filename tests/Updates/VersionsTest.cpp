#include <gtest/gtest.h>

#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Updates/AppVersion.hpp"
#include "Qel/Updates/Changelog.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

AppVersion v(std::string_view text) { return AppVersion::parse(text).value(); }

std::vector<std::string> ids(const std::vector<ReleaseNotes>& releases) {
  std::vector<std::string> out;
  for (const auto& r : releases) out.push_back(r.id());
  return out;
}

const char* const changelog = R"([
  {"version": "1.2.0", "changes": [{"kind": "new", "text": {"en": "Two"}}]},
  {"version": "1.4.0", "changes": [{"kind": "new", "text": {"en": "Four"}}]},
  {"version": "1.3.0-beta.1", "changes": [{"kind": "fixed", "text": {"en": "Three beta"}}]},
  {"version": "1.3.0", "changes": [{"kind": "new", "text": {"en": "Three"}}]},
  {"version": "no version", "changes": [{"kind": "new", "text": {"en": "Dropped"}}]},
  {"version": "1.1.0", "changes": [{"kind": "new", "text": {"en": "One"}}]}
])";

}  // namespace

TEST(AppVersionTest, parsesLooseFormsAndOrdersBetasBeforeTheirRelease) {
  EXPECT_EQ(v("1.2"), (AppVersion{{1, 2, 0}}));
  EXPECT_EQ(v("2"), (AppVersion{{2, 0, 0}}));
  EXPECT_EQ(v("1.2.3.4"), (AppVersion{{1, 2, 3}}));
  EXPECT_EQ(v("1.0-beta.4"), (AppVersion{{1, 0, 0}, 4}));
  EXPECT_EQ(v("1.0 Beta4"), (AppVersion{{1, 0, 0}, 4}));
  EXPECT_EQ(v("2.0 beta"), (AppVersion{{2, 0, 0}, 0}));
  EXPECT_EQ(v("99999999999999999999.3"), (AppVersion{{3, 0, 0}}));  // too long a number is skipped
  for (const char* bad : {"", "beta", "BETA 3", "x.y", "99999999999999999999"})
    EXPECT_EQ(AppVersion::parse(bad), std::nullopt) << bad;
  // A beta numbered as high as can be written is still a beta.
  EXPECT_TRUE(v("1.0-beta.9223372036854775807").isBeta());

  EXPECT_LT(v("1.2.0-beta.3"), v("1.2.0"));
  EXPECT_LT(v("1.2.0"), v("1.2.1-beta.1"));
  EXPECT_LT(v("1.0-beta"), v("1.0-beta.1"));
  EXPECT_LT(v("1.9.9"), v("1.10"));

  EXPECT_EQ(v("1.2").text(), "1.2.0");
  EXPECT_EQ(v("1.2.0-beta.3").text(), "1.2.0-beta.3");
  EXPECT_EQ(v("1.2.0-beta.3").number(), "1.2.0");
  EXPECT_TRUE(AppVersion::current().has_value());
}

TEST(ChangelogTest, picksReleasesBetweenBoundsNewestFirst) {
  EXPECT_EQ(ids(Changelog::releases(changelog, v("1.1"), v("1.3"), "en")),
            (std::vector<std::string>{"1.3.0", "1.3.0Beta 1", "1.2.0"}));
  EXPECT_EQ(ids(Changelog::releases(changelog, std::nullopt, v("1.3"), "en")), (std::vector<std::string>{"1.3.0"}));
  EXPECT_EQ(ids(Changelog::releases(changelog, v("1.3"), std::nullopt, "en")), (std::vector<std::string>{"1.4.0"}));
  EXPECT_TRUE(Changelog::releases(changelog, std::nullopt, std::nullopt, "en").empty());
  // A broken file, or one whose release lacks a required key, gives nothing.
  for (const char* broken : {"", "{}", "[{\"version\": \"1.0\"}]",
                             R"([{"version": "1.0", "changes": [{"kind": "new"}]}])", "[1]"})
    EXPECT_TRUE(Changelog::releases(broken, v("0"), std::nullopt, "en").empty()) << broken;
}

TEST(ChangelogTest, groupsLinesByKindAndFallsBackToEnglish) {
  const char* json = R"([{"version": "2.0", "changes": [
    {"kind": "fixed", "text": {"en": "F"}},
    {"kind": "security", "text": {"en": "S"}},
    {"kind": "new", "text": {"en": "N", "de": "N de"}},
    {"kind": "improved", "text": {"en": "Only English"}},
    {"kind": "new", "text": {"en": "Empty in German", "de": ""}},
    {"kind": "new", "text": {"fr": "Neither"}}]},
    {"version": "1.5", "changes": [{"kind": "new", "text": {"fr": "Nothing usable"}}]}])";
  const auto r = Changelog::releases(json, v("0"), std::nullopt, "de");
  ASSERT_EQ(r.size(), 1u);  // 1.5 lost every line
  using K = ChangeNote::Kind;
  EXPECT_EQ(r[0].notes, (std::vector<ChangeNote>{{0, K::newFeature, "N de"},
                                                 {1, K::improved, "S"},
                                                 {2, K::improved, "Only English"},
                                                 {3, K::fixed, "F"}}));
  EXPECT_EQ(r[0].beta, std::nullopt);
}

TEST(ChangelogTest, unseenOffersWhatCameSinceTheLastVersionSeen) {
  test::TempDir dir;
  Defaults defaults(dir / "defaults.json");
  // First start: nothing, and the version is recorded.
  EXPECT_TRUE(Changelog::unseen(defaults, v("1.1"), changelog, "en").empty());
  EXPECT_EQ(defaults.string(Changelog::lastSeenKey, ""), "1.1.0");
  // Same version again: nothing.
  EXPECT_TRUE(Changelog::unseen(defaults, v("1.1"), changelog, "en").empty());
  // Upgrade to 1.3.0: the beta between counts too; 1.4.0 is not shown.
  EXPECT_EQ(ids(Changelog::unseen(defaults, v("1.3"), changelog, "en")),
            (std::vector<std::string>{"1.3.0", "1.3.0Beta 1", "1.2.0"}));
  // Downgrade: nothing, and the lower version is recorded.
  EXPECT_TRUE(Changelog::unseen(defaults, v("1.2"), changelog, "en").empty());
  EXPECT_EQ(defaults.string(Changelog::lastSeenKey, ""), "1.2.0");

  // An update from a version that recorded nothing but whose updater ran: the current notes.
  defaults.remove(Changelog::lastSeenKey);
  defaults.set(Changelog::lastCheckKey, 1.0);
  EXPECT_EQ(ids(Changelog::unseen(defaults, v("1.3"), changelog, "en")), (std::vector<std::string>{"1.3.0"}));
  // A version that can't be read records nothing.
  defaults.set(Changelog::lastSeenKey, 7);
  EXPECT_TRUE(Changelog::unseen(defaults, std::nullopt, changelog, "en").empty());
  EXPECT_EQ(defaults.integer(Changelog::lastSeenKey, 0), 7);
}

TEST(ChangelogTest, ownChangelogHasTheRunningVersion) {
  const auto own = Changelog::releases(std::nullopt, AppVersion::current());
  ASSERT_EQ(own.size(), 1u);
  EXPECT_EQ(own[0].number, AppVersion::current()->number());
}
