#pragma once
// Qt's compiled translation files (.qm, made by lrelease from the .ts tables), read without Qt:
// every message's source text and its translations (one per plural form where the text counts
// something), the language, and the language's plural rule.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

struct QmMessage {
  std::string context;
  std::string source;
  std::string comment;
  std::vector<std::string> translations;  // UTF-8

  bool operator==(const QmMessage&) const = default;
};

struct QmFile {
  std::string language;
  std::vector<std::uint8_t> pluralRule;
  std::vector<QmMessage> messages;
};

// Absent when `bytes` is not a well-formed file. Never reads outside `bytes`, never throws.
std::optional<QmFile> parseQm(std::string_view bytes);

// The plural form (0 for the first) that `rule`, Qt's numerus rule program, gives `count`: the
// first of its rules that holds, or the one after the last. Where the rule is empty or damaged,
// the first form.
std::size_t pluralForm(std::span<const std::uint8_t> rule, long long count);

}  // namespace qel
