#pragma once
// The sentences of an app's long-term profile: which state the profile tab shows, what its
// latest version update did to its memory, and when in the day it is busiest.
#include <optional>
#include <string>
#include <vector>

#include "Qel/History/AppProfile.hpp"

namespace qel {

enum class ProfileState {
  noProfile,  // not an application: profiles are kept per app
  tooLittle,  // one stored day or none
  full,
};

// `appKey` is the process's key (an application's desktop entry, else its executable).
ProfileState profileState(const std::string& appKey, const AppProfile& profile);

enum class NoteTone { quiet, lighter, heavier };

struct ProfileNote {
  std::string title;
  std::string detail;
  NoteTone tone = NoteTone::quiet;
  bool operator==(const ProfileNote&) const = default;
};

// Why a process outside an application has no profile; a system process is told apart from
// the user's own program.
ProfileNote noProfileNote(bool systemProcess);

// The note on the latest update; `updateDay` is the update's day as the user reads it. A change
// under 10 % either way is no notable change.
ProfileNote changeNote(const std::optional<AppProfile::Change>& change, const std::string& updateDay);

// "Usually busiest around 14:00." for one or two hours; anything else shows no pattern.
std::string busiestText(const std::vector<int>& busiest);

}  // namespace qel
