#pragma once
// The program's own release notes (the resource Changelog.json) and which of them to offer.
//
// The file is a JSON array of releases, in any order:
//   [{"version": "1.4.0-beta.2",
//     "changes": [{"kind": "new", "text": {"en": "…", "de": "…"}}, …]}, …]
// "kind" is "new", "improved" or "fixed" (any other word counts as improved); "text" holds the
// line per language code. All four keys are required: a file that lacks one is not read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Updates/AppVersion.hpp"

namespace qel {

class Defaults;

struct ChangeNote {
  enum class Kind { newFeature, improved, fixed };

  int id = 0;  // position among the release's lines, from 0
  Kind kind = Kind::improved;
  std::string text;

  friend bool operator==(const ChangeNote&, const ChangeNote&) = default;
};

struct ReleaseNotes {
  std::string number;                // "1.2.3"
  std::optional<std::string> beta;   // "Beta 4", none for a release
  std::vector<ChangeNote> notes;     // never empty

  std::string id() const { return number + beta.value_or(""); }
  friend bool operator==(const ReleaseNotes&, const ReleaseNotes&) = default;
};

namespace Changelog {

inline constexpr const char* lastSeenKey = "qel.lastSeenVersion";
// Written by the updater at every check: its presence tells an update from a first start.
inline constexpr const char* lastCheckKey = "SULastCheckTime";

// The releases of `json` with after < version ≤ upTo, newest first; with no `after`, only the
// release equal to `upTo`; with no `upTo`, everything after `after`. Lines are taken in the
// language `language`, else English; a release left with no lines is dropped. A file that
// can't be decoded gives nothing.
std::vector<ReleaseNotes> releases(std::string_view json, const std::optional<AppVersion>& after,
                                   const std::optional<AppVersion>& upTo, std::string_view language);
// The program's own changelog file.
std::string_view own();
// The same from the program's own changelog, in the interface language.
std::vector<ReleaseNotes> releases(const std::optional<AppVersion>& after, const std::optional<AppVersion>& upTo);

// The releases to announce at this start of `current`, and records `current` as seen: the ones
// since the version last seen; after an update from a version that recorded nothing, the
// current one's notes; nothing on a first start, a restart or a downgrade.
std::vector<ReleaseNotes> unseen(Defaults& defaults, const std::optional<AppVersion>& current,
                                 std::string_view json, std::string_view language);
std::vector<ReleaseNotes> unseen(Defaults& defaults);

}  // namespace Changelog
}  // namespace qel
