#include "Qel/Text/Unbreakable.hpp"

#include <array>

namespace qel {

namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kWordJoiner = "\u2060";
// Quotation marks of the shipped languages, opening and closing; “ closes in German and opens
// in English, so a span is the text from an opening mark to the next closing one.
constexpr std::array<std::string_view, 5> kOpen = {"“", "„", "«", "「", "‘"};
constexpr std::array<std::string_view, 5> kClose = {"”", "“", "»", "」", "’"};

bool isCode(std::string_view inside) {
  bool any = false;
  for (unsigned char c : inside) {
    if (c >= 0x80 || c < 0x20) return false;
    if (c != ' ') any = true;
  }
  return any;
}

bool isPathChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
         c == '_' || c == '.';
}

// Spaces become no-break spaces; a word joiner follows a hyphen or slash that has more after it.
void appendWhole(std::string& out, std::string_view code) {
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == ' ') {
      out += kNoBreakSpace;
      continue;
    }
    out += c;
    if ((c == '-' || c == '/') && i + 1 < code.size() && code[i + 1] != ' ') out += kWordJoiner;
  }
}

// The first of `marks` at or after `from`, and which one.
std::pair<std::size_t, std::string_view> findMark(std::string_view text, std::size_t from,
                                                  const std::array<std::string_view, 5>& marks) {
  std::pair<std::size_t, std::string_view> best{std::string_view::npos, {}};
  for (auto mark : marks)
    if (const auto at = text.find(mark, from); at < best.first) best = {at, mark};
  return best;
}

// Paths outside quotes: a word that starts with a slash and is made of path characters.
void appendWithPaths(std::string& out, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const bool wordStart = i == 0 || text[i - 1] == ' ' || text[i - 1] == '(';
    if (wordStart && text[i] == '/') {
      std::size_t end = i;
      while (end < text.size() && isPathChar(static_cast<unsigned char>(text[end]))) ++end;
      // A sentence's full stop after the path is not part of it.
      std::size_t pathEnd = end;
      while (pathEnd > i + 1 && text[pathEnd - 1] == '.') --pathEnd;
      appendWhole(out, text.substr(i, pathEnd - i));
      out += text.substr(pathEnd, end - pathEnd);
      i = end;
      continue;
    }
    out += text[i++];
  }
}

// The first byte of what may follow a figure as its unit: a letter of any script, a percent sign.
bool startsUnit(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '%' || c >= 0xC0; }

}  // namespace

std::string keepFiguresWithUnits(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool glue = text[i] == ' ' && i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9' && i + 1 < text.size() &&
                      startsUnit(static_cast<unsigned char>(text[i + 1]));
    if (glue) out += kNoBreakSpace;
    else out += text[i];
  }
  return out;
}

std::string keepCommandsWhole(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  std::size_t at = 0;
  while (at < text.size()) {
    const auto [open, openMark] = findMark(text, at, kOpen);
    if (open == std::string_view::npos) break;
    const std::size_t inside = open + openMark.size();
    const auto [close, closeMark] = findMark(text, inside, kClose);
    if (close == std::string_view::npos) break;
    appendWithPaths(out, text.substr(at, inside - at));
    const std::string_view quoted = text.substr(inside, close - inside);
    if (isCode(quoted)) appendWhole(out, quoted);
    else appendWithPaths(out, quoted);
    out += closeMark;
    at = close + closeMark.size();
  }
  appendWithPaths(out, text.substr(at));
  return out;
}

}  // namespace qel
