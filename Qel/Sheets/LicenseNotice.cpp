#include "Qel/Sheets/LicenseNotice.hpp"

#include "Qel/Platform/Files/Resources.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string loadNotice(const std::string& file) {
  const auto text = embeddedFile("notices/" + file + ".txt");
  if (!text || repairUtf8(*text) != *text) return L("The license text could not be loaded.");
  return std::string(*text);
}

std::vector<LicenseNotice> makeNotices(const std::vector<NoticeSource>& sources) {
  std::vector<LicenseNotice> out;
  for (const auto& s : sources) out.push_back({s.name, L(s.license), L(s.credit), loadNotice(s.file)});
  return out;
}

const std::vector<NoticeSource>& noticeSources() {
  static const std::vector<NoticeSource> sources{
      {"Qt 6", "GNU LGPL 3.0", Lkey("Qel's windows, tray item and update checks are built with Qt, used under the GNU LGPL 3.0."),
       "Qt"},
      {"SQLite", Lkey("Public domain"), Lkey("Qel keeps its history in SQLite, which is in the public domain."), "SQLite"},
      {"SQLiteCpp", "MIT License", Lkey("Qel works with SQLite through SQLiteCpp, used under the MIT License."), "SQLiteCpp"},
      {"JSON for Modern C++", "MIT License",
       Lkey("Qel reads and writes its settings and changelog with nlohmann-json, used under the MIT License."),
       "nlohmann-json"},
      {"ICU", "Unicode License", Lkey("Qel formats dates and compares names with ICU, used under the Unicode License."),
       "ICU"},
      {"libsystemd", "GNU LGPL 2.1",
       Lkey("Qel talks to logind, BlueZ, UPower and the notification service through sd-bus of libsystemd, used "
            "under the GNU LGPL 2.1."),
       "libsystemd"},
      {"libxcb", "MIT License", Lkey("Qel asks the X server for the window in front with libxcb, used under the MIT License."),
       "libxcb"},
      {"libglvnd", "MIT License", Lkey("Qt draws through the OpenGL libraries of libglvnd, used under the MIT License."),
       "libglvnd"},
      {"DejaVu Sans", "Bitstream Vera License",
       Lkey("Qel's text font is DejaVu Sans, used under the Bitstream Vera Fonts License."), "DejaVuSans"},
      {"Material Icons", "Apache License 2.0",
       Lkey("Qel's symbols come from the Material Icons font by the Material Design Authors, used under the Apache "
            "License 2.0; its authors are not affiliated with Qel."),
       "MaterialIcons"},
  };
  return sources;
}

const std::vector<LicenseNotice>& allNotices() {
  static const std::vector<LicenseNotice> notices = makeNotices(noticeSources());
  return notices;
}

}  // namespace qel
