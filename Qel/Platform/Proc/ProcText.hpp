#pragma once
// Small, total helpers for the text the kernel writes into /proc and /sys: numbers, lines and
// blank-separated fields. None of them throws or reads past the text.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qel {

std::string_view trim(std::string_view text);

// The whole (trimmed) text as a number; absent for anything else, including overflow.
std::optional<std::uint64_t> parseU64(std::string_view text);
std::optional<std::int64_t> parseI64(std::string_view text);

// Takes the next line (without its newline) off the front of `text`; false at the end.
bool nextLine(std::string_view& text, std::string_view& line);

// Takes the next blank-separated field off the front of `line`; empty at the end.
std::string_view nextField(std::string_view& line);

// A device or interface name that is safe to join onto a folder: no "/", not "." or "..".
bool isPlainName(std::string_view name);

// Saturating counter difference: a counter that went backwards gives 0, never a wrapped value.
constexpr std::uint64_t saturatingSub(std::uint64_t now, std::uint64_t before) {
  return now >= before ? now - before : 0;
}

constexpr std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
  return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// a × b, or absent when it does not fit.
std::optional<std::uint64_t> checkedMul(std::uint64_t a, std::uint64_t b);

}  // namespace qel
