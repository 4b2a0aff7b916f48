#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Qel/Platform/Desktop/DpkgQuery.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace qel::test;

TEST(DpkgQuery, searchNamesThePackageOfExactlyThatFile) {
  const std::string fixtures = QEL_FIXTURES "/dpkg/";
  struct Case {
    std::string output, file;
    std::optional<std::string> package;
  };
  const std::vector<Case> cases{
      {"dpkg: /usr/bin/dpkg-query\n", "/usr/bin/dpkg-query", "dpkg"},
      {readFile(fixtures + "search-diverted.txt"), "/bin/sh", "dash"},
      {readFile(fixtures + "search-shared.txt"), "/usr/lib/libreoffice/program/soffice.bin", "libreoffice-common"},
      {"firefox-esr: /usr/lib/firefox-esr/firefox-esr", "/usr/lib/firefox-esr/firefox-esr", "firefox-esr"},
      {"gimp: /usr/bin/gimp-2.10\n", "/usr/bin/gimp", std::nullopt},  // another file
      {"dpkg-query: no path found matching pattern /opt/x\n", "/opt/x", std::nullopt},
      {"Bad Name: /x\n", "/x", std::nullopt},
      {"", "/x", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parseDpkgSearch(c.output, c.file), c.package) << c.output;
}

TEST(DpkgQuery, versionIsPlainVersionTextOnly) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"1:115.9.1esr-1~deb12u1", "1:115.9.1esr-1~deb12u1"},
      {"2.10.34-1+deb12u2\n", "2.10.34-1+deb12u2"},
      {"", ""},
      {"1.0 2.0", ""},
      {"1.0\x1b[31m", ""},
      {std::string(200, '1'), ""},
  };
  for (const auto& [output, version] : cases) EXPECT_EQ(parseDpkgVersion(output), version) << output;
}

TEST(DpkgQuery, asksForThePackageThenItsVersion) {
  TempDir dir;
  // Knows one package, listed under /bin the way packages from before the /usr merge are.
  const auto tool = dir.write("dpkg-query",
                              "#!/bin/sh\n"
                              "echo \"$@\" >> \"$(dirname \"$0\")/calls\"\n"
                              "case \"$1 $2\" in\n"
                              "  '-S /bin/editor') echo 'editor: /bin/editor' ;;\n"
                              "  '-W -f') [ \"$4\" = editor ] && printf '3.1-2' ;;\n"
                              "  *) echo \"dpkg-query: no path found matching pattern $2\" >&2; exit 1 ;;\n"
                              "esac\n");
  chmod(tool.c_str(), 0755);
  EXPECT_EQ(packageVersionOf("/usr/bin/editor", tool), "3.1-2");
  EXPECT_EQ(readFile(dir / "calls"), "-S /usr/bin/editor\n-S /bin/editor\n-W -f ${Version} editor\n");
  EXPECT_EQ(packageVersionOf("/opt/editor/editor", tool), "");
  EXPECT_EQ(packageVersionOf("/usr/bin/ed*", tool), "");  // a pattern, never asked
  EXPECT_EQ(packageVersionOf("/usr/bin/editor", (dir / "missing").string()), "");
}
