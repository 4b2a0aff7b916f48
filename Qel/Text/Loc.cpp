#include "Qel/Text/Loc.hpp"

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Fill.hpp"
#include "Qel/Text/QmFile.hpp"

namespace qel {
namespace {

struct State {
  std::string code;
  std::shared_ptr<const TranslationTable> table;
};

std::mutex stateMutex;
std::shared_ptr<const State> current;

std::shared_ptr<const State> makeState(std::string_view choice) {
  auto code = Loc::resolve(choice);
  auto table = std::make_shared<const TranslationTable>(Loc::loadTable(code));
  return std::make_shared<const State>(State{std::move(code), std::move(table)});
}

std::shared_ptr<const State> state() {
  std::lock_guard lock(stateMutex);
  if (!current) current = makeState("system");
  return current;
}

void install(std::shared_ptr<const State> s) {
  std::lock_guard lock(stateMutex);
  current = std::move(s);
}

// "de_DE.UTF-8@euro" → "de-de"; "" for C/POSIX.
std::string normalise(std::string_view tag) {
  tag = tag.substr(0, tag.find_first_of(".@"));
  std::string out = asciiLower(tag);
  std::replace(out.begin(), out.end(), '_', '-');
  if (out == "c" || out == "posix") return {};
  return out;
}

// The offered language for one preferred language tag, or "".
std::string match(const std::string& tag) {
  if (tag.empty()) return {};
  for (const auto& l : Loc::languages)
    if (asciiLower(l.code) == tag) return std::string(l.code);
  const std::string lang = tag.substr(0, tag.find('-'));
  if (lang == "zh") {
    const bool traditional = tag.find("hant") != std::string::npos || tag.ends_with("-tw") ||
                             tag.ends_with("-hk") || tag.ends_with("-mo");
    return traditional ? "zh-Hant" : "zh-Hans";
  }
  if (lang == "pt") return "pt-BR";
  for (const auto& l : Loc::languages)
    if (asciiLower(l.code) == lang) return std::string(l.code);
  return {};
}

}  // namespace

std::string L(const LText& text) {
  const auto table = state()->table;
  if (!table->empty()) {
    if (const std::string* translation = table->find(text.key)) return fill(*translation, text.args);
  }
  return text.english;
}

std::string L(std::string_view key, const std::vector<std::string>& args) {
  return L(LText{std::string(key), fill(key, args), args});
}

std::string Ln(std::string_view key, long long count, const std::vector<std::string>& args) {
  const auto table = state()->table;
  const std::string* form = table->find(key, count);
  std::string format(form ? std::string_view(*form) : key);
  const std::string number = std::to_string(count);
  for (auto at = format.find("%n"); at != std::string::npos; at = format.find("%n", at + number.size()))
    format.replace(at, 2, number);
  return fill(format, args);
}

namespace Loc {

std::string code() { return state()->code; }
std::shared_ptr<const TranslationTable> table() { return state()->table; }

std::vector<std::string> preferredLanguages() {
  std::vector<std::string> out;
  auto add = [&](std::string_view tag) {
    auto n = normalise(tag);
    if (!n.empty()) out.push_back(std::move(n));
  };
  if (const char* language = std::getenv("LANGUAGE")) {
    std::string_view list(language);
    while (!list.empty()) {
      const auto colon = list.find(':');
      add(list.substr(0, colon));
      list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
  }
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* v = std::getenv(var); v && *v) {
      add(v);
      break;
    }
  }
  return out;
}

std::string resolve(std::string_view choice, const std::vector<std::string>& preferred) {
  for (const auto& l : languages)
    if (l.code == choice) return std::string(choice);
  for (const auto& tag : preferred)
    if (auto m = match(normalise(tag)); !m.empty()) return m;
  return "en";
}

std::string resolve(std::string_view choice) { return resolve(choice, preferredLanguages()); }

TranslationTable loadTable(std::string_view code, std::span<const EmbeddedFile> files) {
  std::string wanted = asciiLower("translations/qel_" + std::string(code) + ".qm");
  std::replace(wanted.begin(), wanted.end(), '-', '_');
  for (const auto& f : files) {
    if (asciiLower(f.name) != wanted) continue;
    const auto file = parseQm(f.data);
    if (!file) return {};
    TranslationTable table{.entries = {}, .pluralRule = file->pluralRule};
    for (const auto& m : file->messages) {
      // A translation that is empty or takes other values than its key is left out: its key
      // shows in English rather than with a value missing or a raw placeholder. A text in more
      // than one context has one translation (the tables' test holds them equal).
      const bool usable = !m.translations.empty() && std::ranges::all_of(m.translations, [&](const auto& t) {
        return !t.empty() && sameConversions(m.source, t);
      });
      if (usable) table.entries.emplace(m.source, m.translations);
    }
    return table;
  }
  return {};
}

TranslationTable loadTable(std::string_view code) { return loadTable(code, embeddedFiles()); }

void start(Defaults& defaults) { set(defaults.string("qel.language", "system"), &defaults); }

void set(std::string_view choice, Defaults* defaults) {
  if (defaults) defaults->set("qel.language", std::string(choice));
  install(makeState(choice));
}

}  // namespace Loc
}  // namespace qel
