#pragma once
// Texts of the pages: a key through the localisation table as a QString, and a localised
// template with one printf-style number in it ("Load %.2f").
#include <QString>

namespace qel {

QString qtL(const char* key);
// The localised `key` with its first "%.<n>f" replaced by `value` with n decimals (a point,
// whatever the locale; "—" when not finite).
QString withNumber(const char* key, double value);

}  // namespace qel
