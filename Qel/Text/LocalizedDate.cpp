#include "Qel/Text/LocalizedDate.hpp"

#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

#include <memory>

#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel {

std::string localizedDate(Date date, std::string_view skeleton, std::string_view languageCode) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale locale = icu::Locale::forLanguageTag(std::string(languageCode), status);
  if (U_FAILURE(status)) return dayKey(date);
  std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(locale, status));
  if (U_FAILURE(status) || !generator) return dayKey(date);
  const auto pattern = generator->getBestPattern(
      icu::UnicodeString::fromUTF8(icu::StringPiece(skeleton.data(), std::int32_t(skeleton.size()))), status);
  icu::SimpleDateFormat format(pattern, locale, status);
  if (U_FAILURE(status)) return dayKey(date);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(date.time_since_epoch()).count();
  icu::UnicodeString text;
  format.format(UDate(ms), text);
  std::string out;
  text.toUTF8String(out);
  return out;
}

}  // namespace qel
