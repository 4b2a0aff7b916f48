#include "Qel/Updates/Changelog.hpp"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Files/Resources.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel::Changelog {

namespace {

using Json = nlohmann::json;

struct Release {
  AppVersion version;
  const Json* changes;
};

// Every release object with its four keys of the right types, or none when one lacks them.
std::optional<Json> decode(std::string_view text) {
  Json root = Json::parse(text, nullptr, false);
  if (!root.is_array()) return std::nullopt;
  for (const Json& r : root) {
    if (!r.is_object() || !r.contains("version") || !r["version"].is_string() || !r.contains("changes") ||
        !r["changes"].is_array())
      return std::nullopt;
    for (const Json& c : r["changes"])
      if (!c.is_object() || !c.contains("kind") || !c["kind"].is_string() || !c.contains("text") ||
          !c["text"].is_object())
        return std::nullopt;
  }
  return root;
}

ChangeNote::Kind kindOf(const std::string& word) {
  if (word == "new") return ChangeNote::Kind::newFeature;
  if (word == "fixed") return ChangeNote::Kind::fixed;
  return ChangeNote::Kind::improved;
}

// The line in `language`, else in English; none when missing, empty, or not text.
std::optional<std::string> lineIn(const Json& text, std::string_view language) {
  auto it = text.find(std::string(language));
  if (it == text.end()) it = text.find("en");
  if (it == text.end() || !it->is_string()) return std::nullopt;
  std::string line = it->get<std::string>();
  if (line.empty()) return std::nullopt;
  return line;
}

std::vector<ChangeNote> notesOf(const Json& changes, std::string_view language) {
  std::vector<ChangeNote> out;
  for (auto kind : {ChangeNote::Kind::newFeature, ChangeNote::Kind::improved, ChangeNote::Kind::fixed})
    for (const Json& c : changes) {
      if (kindOf(c["kind"].get<std::string>()) != kind) continue;
      if (auto line = lineIn(c["text"], language))
        out.push_back({.id = static_cast<int>(out.size()), .kind = kind, .text = std::move(*line)});
    }
  return out;
}

}  // namespace

std::string_view own() { return embeddedFile("Changelog.json").value_or(std::string_view()); }

std::vector<ReleaseNotes> releases(std::string_view json, const std::optional<AppVersion>& after,
                                   const std::optional<AppVersion>& upTo, std::string_view language) {
  const auto root = decode(json);
  if (!root) return {};
  std::vector<Release> kept;
  for (const Json& r : *root) {
    const auto v = AppVersion::parse(r["version"].get<std::string>());
    if (!v) continue;
    if (upTo && *v > *upTo) continue;
    if (after ? !(*v > *after) : !(upTo && *v == *upTo)) continue;
    kept.push_back({*v, &r["changes"]});
  }
  std::stable_sort(kept.begin(), kept.end(), [](const Release& a, const Release& b) { return a.version > b.version; });
  std::vector<ReleaseNotes> out;
  for (const Release& r : kept) {
    auto notes = notesOf(*r.changes, language);
    if (notes.empty()) continue;
    out.push_back({.number = r.version.number(),
                   .beta = r.version.isBeta() ? std::optional(L("Beta %@", {std::to_string(r.version.beta)})) : std::nullopt,
                   .notes = std::move(notes)});
  }
  return out;
}

std::vector<ReleaseNotes> releases(const std::optional<AppVersion>& after, const std::optional<AppVersion>& upTo) {
  return releases(own(), after, upTo, Loc::code());
}

std::vector<ReleaseNotes> unseen(Defaults& defaults, const std::optional<AppVersion>& current,
                                 std::string_view json, std::string_view language) {
  if (!current) return {};
  const auto last = AppVersion::parse(defaults.string(lastSeenKey, ""));
  // Recorded before comparing, so the same version started again offers nothing.
  defaults.set(lastSeenKey, current->text());
  if (last) return *last < *current ? releases(json, last, current, language) : std::vector<ReleaseNotes>{};
  if (defaults.has(lastCheckKey)) return releases(json, std::nullopt, current, language);
  return {};
}

std::vector<ReleaseNotes> unseen(Defaults& defaults) {
  return unseen(defaults, AppVersion::current(), own(), Loc::code());
}

}  // namespace qel::Changelog
