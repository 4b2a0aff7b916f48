#include "Qel/Processes/ProfileNotes.hpp"

#include <cstdlib>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

ProfileState profileState(const std::string& appKey, const AppProfile& profile) {
  if (!isAppKey(appKey)) return ProfileState::noProfile;
  return profile.days.size() <= 1 ? ProfileState::tooLittle : ProfileState::full;
}

ProfileNote noProfileNote(bool systemProcess) {
  return {L("No profile for this process"),
          systemProcess ? L("Qel keeps long-term profiles for apps only, not for individual system processes.")
                        : L("Qel keeps long-term profiles for apps only, and this program doesn't belong to one."),
          NoteTone::quiet};
}

ProfileNote changeNote(const std::optional<AppProfile::Change>& change, const std::string& updateDay) {
  if (!change || std::abs(change->percent) < 10)
    return {L("No notable change"), L("Its usage has stayed within its own usual range."), NoteTone::quiet};
  // A version string comes from the package, from outside.
  const std::string version = displayName(change->version);
  if (change->percent < 0)
    return {L("Lighter since the update to %@", {version}),
            L("Since it updated on %@, it uses %@% less memory on average than before.",
              {updateDay, std::to_string(-static_cast<long long>(change->percent))}),
            NoteTone::lighter};
  return {L("Heavier since the update to %@", {version}),
          L("Since it updated on %@, it uses %@% more memory on average than before.",
            {updateDay, std::to_string(change->percent)}),
          NoteTone::heavier};
}

std::string busiestText(const std::vector<int>& busiest) {
  if (busiest.size() == 1) return L("Usually busiest around %@:00.", {std::to_string(busiest[0])});
  if (busiest.size() == 2)
    return L("Usually busiest around %@:00 and %@:00.", {std::to_string(busiest[0]), std::to_string(busiest[1])});
  return L("It hasn't been busy enough to show a pattern.");
}

}  // namespace qel
