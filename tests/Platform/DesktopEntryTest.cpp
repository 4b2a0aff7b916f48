#include <gtest/gtest.h>

#include "Qel/Platform/Desktop/DesktopEntry.hpp"

using namespace qel;

TEST(DesktopEntry, readsTheEntryGroupWithLocalisedName) {
  const std::string text =
      "# a comment\n"
      "[Desktop Entry]\n"
      "Version=1.0\n"
      "Type=Application\n"
      "Name[de]=Datei\\sBetrachter\n"
      "Name=File Viewer\n"
      "Name[de_CH]=Dateiluege\n"
      "Name[sr@latin]=Pregled\n"
      "Icon=viewer\n"
      "Exec=viewer %U\n"
      "TryExec = /usr/bin/viewer\r\n"
      "NoDisplay=true\n"
      "\n"
      "[Desktop Action new]\n"
      "Name=Not this one\n"
      "Exec=other\n";
  struct Row {
    const char* locale;
    const char* name;
  };
  for (const Row& r : {Row{"", "File Viewer"}, Row{"de", "Datei Betrachter"}, Row{"de_DE", "Datei Betrachter"},
                       Row{"de_CH", "Dateiluege"}, Row{"de_CH.UTF-8", "Dateiluege"}, Row{"sr", "File Viewer"},
                       Row{"sr@latin", "Pregled"}, Row{"fr_FR", "File Viewer"}}) {
    SCOPED_TRACE(r.locale);
    const auto e = parseDesktopEntry(text, r.locale);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->name, r.name);
    EXPECT_EQ(*e, (DesktopEntry{.type = "Application", .name = r.name, .icon = "viewer", .exec = "viewer %U",
                                .tryExec = "/usr/bin/viewer", .noDisplay = true, .hidden = false}));
  }
  EXPECT_FALSE(parseDesktopEntry("Name=x\n[Other]\nName=y\n", "de"));
  EXPECT_FALSE(parseDesktopEntry("", "de"));
  EXPECT_TRUE(parseDesktopEntry("[Desktop Entry]\nHidden=true", "")->hidden);
}

TEST(DesktopEntry, execProgramIsTheFirstWordPastEnv) {
  struct Row {
    const char* exec;
    const char* program;
  };
  for (const Row& r : {
           Row{"firefox %u", "firefox"},
           Row{"/usr/bin/gimp-2.10 %U", "/usr/bin/gimp-2.10"},
           Row{"\"/opt/My App/bin/run\" --flag", "/opt/My App/bin/run"},
           Row{"\"/opt/quote\\\"d\\\\/app\" x", "/opt/quote\"d\\/app"},
           Row{"env GDK_BACKEND=x11 LANG=C /usr/bin/tool --x", "/usr/bin/tool"},
           Row{"/usr/bin/env -u FOO BAR=1 tool", "tool"},
           Row{"  spaced  ", "spaced"},
           Row{"env", ""},
           Row{"", ""},
           Row{"\"unterminated", "unterminated"},
       }) {
    EXPECT_EQ(execProgram(r.exec), r.program) << r.exec;
  }
  EXPECT_EQ(desktopLocale("pt-BR"), "pt_BR");
  EXPECT_EQ(desktopLocale("zh-Hans"), "zh_CN");
  EXPECT_EQ(desktopLocale("zh-Hant"), "zh_TW");
  EXPECT_EQ(desktopLocale("de"), "de");
}
