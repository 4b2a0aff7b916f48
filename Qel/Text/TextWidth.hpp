#pragma once
// How many terminal columns text takes: a CJK ideograph, a kana or a wide emoji takes two, a
// combining mark or a zero-width joiner none, anything else one. Columns of plain-text output are
// padded by this, not by bytes or characters.
#include <cstddef>
#include <string>
#include <string_view>

namespace qel {

// The columns of one code point.
int columnsOf(char32_t c);
// The columns of UTF-8 text; an ill-formed sequence counts as the one U+FFFD it would be shown as.
std::size_t displayWidth(std::string_view text);
// The longest start of `text` that takes at most `columns`, cut between characters, with the
// marks that belong to its last character kept.
std::string cutToWidth(std::string_view text, std::size_t columns);
// `text` with blanks added after it (or before it, `right`) up to `columns`.
std::string padToWidth(std::string_view text, std::size_t columns, bool right = false);

}  // namespace qel
