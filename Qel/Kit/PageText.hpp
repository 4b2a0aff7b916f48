#pragma once
// Texts of the pages: a key through the localisation table as a QString, and a localised
// template with one printf-style number in it ("Load %.2f").
#include <QString>

#include <optional>
#include <string>

namespace qel {

QString qtL(const char* key);
// The localised `key` with its first "%.<n>f" replaced by `value` with n decimals (a point,
// whatever the locale; "—" when not finite).
QString withNumber(const char* key, double value);

// What the readings leave unnamed, worded in the language shown now: the processor when the
// system names no model, a battery device that reports no name.
std::string chipWords(const std::optional<std::string>& model);
std::string deviceWords(const std::string& name);

}  // namespace qel
