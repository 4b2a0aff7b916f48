// The settings file as read and as written back, unchanged and changed. Besides the input
// itself, the first byte picks a shape a short input never reaches: the input nested as one
// setting's value (a few levels around the limit, or a hundred thousand), or, more rarely
// since reading that much is slow, repeated as a list to just under the length limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Qel/Platform/Files/DefaultsText.hpp"

namespace {

// What is read is an object; written back unchanged it is no longer than what was read and
// reads back as the same settings; written with one setting changed, one gone and one new, it
// reads back as exactly those.
void readAndWriteBack(std::string_view text) {
  const auto read = qel::readDefaultsText(text);
  if (!read) return;
  if (!read->settings.is_object()) __builtin_trap();
  const std::string written = qel::defaultsText(*read, read->settings);
  if (written.size() > text.size() || written.size() > qel::kDefaultsTextLimit) __builtin_trap();
  const auto again = qel::readDefaultsText(written);
  if (!again || again->settings != read->settings) __builtin_trap();

  nlohmann::json changed = read->settings;
  if (!changed.empty()) {
    changed.erase(changed.begin());
    if (!changed.empty()) changed.begin().value() = "changed";
  }
  changed["qel.new"] = {1e5, "new"};
  const std::string rewritten = qel::defaultsText(*again, changed);
  if (rewritten.size() > qel::kDefaultsTextLimit) return;  // refused by the writer
  const auto changedBack = qel::readDefaultsText(rewritten);
  if (!changedBack || changedBack->settings != changed) __builtin_trap();
}

std::string nested(std::string_view text, std::size_t levels) {
  return "{\"qel.language\":\"system\",\"x\":" + std::string(levels, '[') + std::string(text) +
         std::string(levels, ']') + "}";
}

// `text` as the entries of a list, as many as fit in `length`; doubled up, since a short text
// repeated one at a time would cost more than reading it.
std::string repeated(std::string_view text, std::size_t length) {
  const std::string head = "{\"x\":[", tail = "0]}", unit = std::string(text) + ",";
  const std::size_t count = (length - head.size() - tail.size()) / unit.size();
  std::string entries = unit;
  while (entries.size() * 2 <= count * unit.size()) entries += entries;
  entries.append(entries, 0, count * unit.size() - entries.size());
  return head + entries + tail;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  readAndWriteBack(text);
  if (size == 0) return 0;
  const std::string_view rest = text.substr(1);
  if (data[0] >= 0xf0) readAndWriteBack(nested(rest, 100000));
  else if (data[0] == 0xe0) readAndWriteBack(repeated(rest, qel::kDefaultsTextLimit));
  else readAndWriteBack(nested(rest, data[0] % 24));
  return 0;
}
