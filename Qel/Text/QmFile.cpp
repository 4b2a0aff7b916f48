#include "Qel/Text/QmFile.hpp"

#include <algorithm>
#include <array>

namespace qel {

namespace {

constexpr std::array<std::uint8_t, 16> kMagic{0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                              0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The file's blocks.
enum : std::uint8_t { kMessages = 0x69, kPluralRule = 0x88, kLanguage = 0xa7 };
// The fields of one message; the 16-bit and other old fields are not written any more.
enum : std::uint8_t { kEnd = 1, kTranslation = 3, kObsolete1 = 5, kSource = 6, kContext = 7, kComment = 8 };

// Reads big-endian fields from a span of bytes; every read checks what is left.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool atEnd() const { return at_ == bytes_.size(); }
  std::optional<std::uint8_t> byte() {
    if (at_ >= bytes_.size()) return std::nullopt;
    return std::uint8_t(bytes_[at_++]);
  }
  std::optional<std::uint32_t> word() {
    if (bytes_.size() - at_ < 4) return std::nullopt;
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v = (v << 8) | std::uint8_t(bytes_[at_++]);
    return v;
  }
  std::optional<std::string_view> take(std::uint32_t size) {
    if (bytes_.size() - at_ < size) return std::nullopt;
    const auto out = bytes_.substr(at_, size);
    at_ += size;
    return out;
  }
  // A field of a 32-bit length and that many bytes.
  std::optional<std::string_view> sized() {
    const auto size = word();
    return size ? take(*size) : std::nullopt;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xc0 | (c >> 6));
    out += char(0x80 | (c & 0x3f));
  } else if (c < 0x10000) {
    out += char(0xe0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3f));
    out += char(0x80 | (c & 0x3f));
  } else {
    out += char(0xf0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3f));
    out += char(0x80 | ((c >> 6) & 0x3f));
    out += char(0x80 | (c & 0x3f));
  }
}

// Big-endian UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) { return char16_t((std::uint8_t(bytes[i]) << 8) | std::uint8_t(bytes[i + 1])); };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char16_t u = unit(i);
    if (u >= 0xd800 && u < 0xdc00 && i + 3 < bytes.size()) {
      const char16_t low = unit(i + 2);
      if (low >= 0xdc00 && low < 0xe000) {
        appendUtf8(out, 0x10000 + ((char32_t(u) - 0xd800) << 10) + (low - 0xdc00));
        i += 2;
        continue;
      }
    }
    appendUtf8(out, u >= 0xd800 && u < 0xe000 ? char32_t(0xfffd) : char32_t(u));
  }
  return out;
}

bool readMessages(std::string_view block, std::vector<QmMessage>& out) {
  Reader r(block);
  QmMessage m;
  bool open = false;  // a message has begun and not yet ended
  while (!r.atEnd()) {
    const auto tag = r.byte();
    open = true;
    switch (*tag) {
      case kEnd:
        // A message stripped of its source text can't be looked up by its English text.
        if (!m.source.empty()) out.push_back(std::move(m));
        m = QmMessage{};
        open = false;
        break;
      case kTranslation: {
        const auto size = r.word();
        if (!size) return false;
        if (*size == 0xffffffff) break;  // no translation
        if (*size % 2 != 0) return false;
        const auto text = r.take(*size);
        if (!text) return false;
        m.translations.push_back(utf8FromUtf16(*text));
        break;
      }
      case kObsolete1:
        if (!r.word()) return false;
        break;
      case kSource:
      case kContext:
      case kComment: {
        const auto text = r.sized();
        if (!text) return false;
        (*tag == kSource ? m.source : *tag == kContext ? m.context : m.comment) = std::string(*text);
        break;
      }
      default: return false;
    }
  }
  return !open;
}

}  // namespace

std::optional<QmFile> parseQm(std::string_view bytes) {
  Reader r(bytes);
  const auto magic = r.take(kMagic.size());
  if (!magic || !std::equal(kMagic.begin(), kMagic.end(), magic->begin(),
                            [](std::uint8_t a, char b) { return a == std::uint8_t(b); }))
    return std::nullopt;
  QmFile file;
  while (!r.atEnd()) {
    const auto tag = r.byte();
    const auto block = r.sized();
    if (!block) return std::nullopt;
    if (*tag == kLanguage) file.language = std::string(*block);
    if (*tag == kPluralRule) file.pluralRule.assign(block->begin(), block->end());
    if (*tag == kMessages && !readMessages(*block, file.messages)) return std::nullopt;
    // Other blocks (the lookup hashes, contexts and dependencies) serve Qt's own reader.
  }
  return file;
}

std::size_t pluralForm(std::span<const std::uint8_t> rule, long long count) {
  // The operators of a rule program: a comparison in the low bits, what the count is reduced
  // to before it, and the joints between comparisons and between rules.
  enum : std::uint8_t {
    eq = 1, lt = 2, leq = 3, between = 4, opMask = 7,
    negate = 0x08, mod10 = 0x10, mod100 = 0x20, lead1000 = 0x40,
    andNext = 0xfd, orNext = 0xfe, nextRule = 0xff
  };
  const unsigned long long n = count < 0 ? 0ull - static_cast<unsigned long long>(count) : count;
  std::size_t i = 0, form = 0;
  if (rule.empty()) return 0;
  for (;;) {
    bool anyHolds = false;
    for (;;) {
      bool allHold = true;
      for (;;) {
        if (rule.size() - i < 2) return 0;
        const std::uint8_t op = rule[i++];
        const std::uint8_t right = rule[i++];
        unsigned long long left = n;
        if (op & mod10) {
          left %= 10;
        } else if (op & mod100) {
          left %= 100;
        } else if (op & lead1000) {
          while (left >= 1000) left /= 1000;
        }
        bool holds = false;
        switch (op & opMask) {
          case eq: holds = left == right; break;
          case lt: holds = left < right; break;
          case leq: holds = left <= right; break;
          case between: {
            if (i >= rule.size()) return 0;
            const std::uint8_t top = rule[i++];
            holds = left >= right && left <= top;
            break;
          }
          default: return 0;
        }
        if (op & negate) holds = !holds;
        allHold = allHold && holds;
        if (i == rule.size() || rule[i] != andNext) break;
        ++i;
      }
      anyHolds = anyHolds || allHold;
      if (i == rule.size() || rule[i] != orNext) break;
      ++i;
    }
    if (anyHolds) return form;
    ++form;
    if (i == rule.size()) return form;
    if (rule[i++] != nextRule) return 0;
  }
}

}  // namespace qel
