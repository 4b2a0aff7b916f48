#pragma once
// The open-source notices for what the program ships or links: each with its name, licence,
// a one-sentence credit and the full licence text (a file under notices/ in the resources).
#include <string>
#include <vector>

namespace qel {

struct LicenseNotice {
  std::string name;
  std::string license;
  std::string credit;  // in the interface language
  std::string text;

  friend bool operator==(const LicenseNotice&, const LicenseNotice&) = default;
};

struct NoticeSource {
  const char* name;
  const char* license;
  const char* credit;  // localisation key
  const char* file;    // notices/<file>.txt
};

// The text of notices/<file>.txt, or the failure text when it is missing or not UTF-8.
std::string loadNotice(const std::string& file);
std::vector<LicenseNotice> makeNotices(const std::vector<NoticeSource>& sources);

// Everything the program links or bundles, in order.
const std::vector<NoticeSource>& noticeSources();
// Built on first use and kept for the run (credits in the language of that moment).
const std::vector<LicenseNotice>& allNotices();

}  // namespace qel
