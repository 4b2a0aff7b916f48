#include "Qel/Text/TextMatcher.hpp"

#include <unicode/coll.h>
#include <unicode/stsearch.h>
#include <unicode/tblcoll.h>

#include <algorithm>

namespace qel {

struct TextMatcher::Impl {
  std::uint32_t foldOptions = U_FOLD_CASE_DEFAULT;
  std::unique_ptr<icu::RuleBasedCollator> collator;
  std::unique_ptr<icu::StringSearch> search;
  std::string asciiQuery;  // the fallback when the language's collation can't be had
};

namespace {

std::string asciiLower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
  });
  return out;
}

}  // namespace

TextMatcher::TextMatcher(std::string_view query, std::string_view languageCode) : impl_(std::make_unique<Impl>()) {
  impl_->asciiQuery = asciiLower(query);
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale locale = icu::Locale::forLanguageTag(std::string(languageCode), status);
  if (U_FAILURE(status)) return;
  // Turkish and Azerbaijani fold the dotted and dotless i their own way.
  const std::string_view language = locale.getLanguage();
  if (language == "tr" || language == "az") impl_->foldOptions = U_FOLD_CASE_EXCLUDE_SPECIAL_I;
  std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
  auto* rules = dynamic_cast<icu::RuleBasedCollator*>(collator.get());
  if (U_FAILURE(status) || !rules) return;
  collator.release();
  impl_->collator.reset(rules);
  impl_->collator->setStrength(icu::Collator::SECONDARY);  // letters and accents, not case
  // Folded first, so letters whose other case is longer ("ß" and "SS") compare too.
  auto pattern = icu::UnicodeString::fromUTF8(icu::StringPiece(query.data(), std::int32_t(query.size())));
  pattern.foldCase(impl_->foldOptions);
  if (pattern.isEmpty()) return;
  // The text is set per name; a placeholder stands in until then.
  auto search = std::make_unique<icu::StringSearch>(pattern, icu::UnicodeString(u" "), impl_->collator.get(), nullptr,
                                                    status);
  if (U_SUCCESS(status)) impl_->search = std::move(search);
}

TextMatcher::~TextMatcher() = default;

bool TextMatcher::matches(std::string_view text) {
  if (impl_->asciiQuery.empty()) return true;
  if (text.empty() || text.size() > std::size_t(INT32_MAX)) return false;
  if (!impl_->search) return asciiLower(text).find(impl_->asciiQuery) != std::string::npos;
  UErrorCode status = U_ZERO_ERROR;
  auto folded = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), std::int32_t(text.size())));
  impl_->search->setText(folded.foldCase(impl_->foldOptions), status);
  if (U_FAILURE(status)) return false;
  return impl_->search->first(status) != USEARCH_DONE && U_SUCCESS(status);
}

}  // namespace qel
