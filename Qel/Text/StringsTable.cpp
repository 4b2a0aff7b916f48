#include "Qel/Text/StringsTable.hpp"

#include <cstdint>

namespace qel {
namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {
    if (s_.starts_with("\xEF\xBB\xBF")) s_.remove_prefix(3);
  }

  std::optional<StringsTable> table() {
    StringsTable out;
    for (;;) {
      if (!skipSpace()) return std::nullopt;
      if (at_ >= s_.size()) return out;
      auto key = token();
      if (!key || !skipSpace()) return std::nullopt;
      std::string value;
      if (peek() == '=') {
        ++at_;
        if (!skipSpace()) return std::nullopt;
        auto v = token();
        if (!v || !skipSpace()) return std::nullopt;
        value = std::move(*v);
      } else {
        value = *key;  // "key"; means the key translates to itself
      }
      if (peek() != ';') return std::nullopt;
      ++at_;
      out.insert_or_assign(std::move(*key), std::move(value));
    }
  }

 private:
  char peek() const { return at_ < s_.size() ? s_[at_] : '\0'; }

  // Skips whitespace and comments; false on an unterminated comment.
  bool skipSpace() {
    while (at_ < s_.size()) {
      const char c = s_[at_];
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
        ++at_;
      } else if (s_.substr(at_).starts_with("//")) {
        const auto end = s_.find('\n', at_);
        at_ = end == std::string_view::npos ? s_.size() : end + 1;
      } else if (s_.substr(at_).starts_with("/*")) {
        const auto end = s_.find("*/", at_ + 2);
        if (end == std::string_view::npos) return false;
        at_ = end + 2;
      } else {
        break;
      }
    }
    return true;
  }

  static bool bare(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '$' || c == ':' || c == '/' || c == '-';
  }

  std::optional<std::string> token() {
    if (peek() == '"') return quoted();
    const std::size_t start = at_;
    while (at_ < s_.size() && bare(s_[at_])) ++at_;
    if (at_ == start) return std::nullopt;
    return std::string(s_.substr(start, at_ - start));
  }

  static void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
    if (cp < 0x80) {
      out += char(cp);
    } else if (cp < 0x800) {
      out += char(0xC0 | (cp >> 6));
      out += char(0x80 | (cp & 0x3F));
    } else {
      out += char(0xE0 | (cp >> 12));
      out += char(0x80 | ((cp >> 6) & 0x3F));
      out += char(0x80 | (cp & 0x3F));
    }
  }

  std::optional<std::string> quoted() {
    ++at_;  // opening quote
    std::string out;
    while (at_ < s_.size()) {
      const char c = s_[at_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= s_.size()) return std::nullopt;
      const char e = s_[at_++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'U':
        case 'u': {
          std::uint32_t cp = 0;
          for (int k = 0; k < 4; ++k) {
            if (at_ >= s_.size()) return std::nullopt;
            const char h = s_[at_++];
            int v = (h >= '0' && h <= '9') ? h - '0' : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                    : (h >= 'A' && h <= 'F') ? h - 'A' + 10 : -1;
            if (v < 0) return std::nullopt;
            cp = cp * 16 + std::uint32_t(v);
          }
          appendUtf8(out, cp);
          break;
        }
        default: out += e; break;  // \" \\ \' and anything else stand for themselves
      }
    }
    return std::nullopt;  // unterminated string
  }

  std::string_view s_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<StringsTable> parseStringsTable(std::string_view text) { return Parser(text).table(); }

}  // namespace qel
