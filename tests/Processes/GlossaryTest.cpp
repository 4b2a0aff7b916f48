#include <gtest/gtest.h>

#include <QUrlQuery>

#include "Qel/Processes/Glossary.hpp"
#include "Qel/Text/Loc.hpp"

using namespace qel;

namespace {

const std::string kFirefox = "/usr/share/applications/firefox.desktop";

ProcNote describe(ProcInfo p, std::string_view appName = {}) { return Glossary::describe(p, appName); }

}  // namespace

TEST(Glossary, findsARowByProgramThenNameThenTheNameTheProcessGivesItself) {
  // The program's file name.
  const auto journal = describe({.pid = 410, .name = "systemd-journal", .path = "/usr/lib/systemd/systemd-journald"});
  EXPECT_TRUE(journal.known);
  EXPECT_EQ(journal.summary, "The system log service. High usage means some program is writing a lot of log messages.");
  // No program (another user's process): the name, even as the kernel cuts it to 15 bytes.
  const auto resolver = describe({.pid = 620, .name = "systemd-resolve", .isSystem = true});
  EXPECT_TRUE(resolver.known);
  EXPECT_EQ(resolver.advice, "The system needs it to run. Don't quit it.");
  // A program absent from the table under a name that is in it.
  EXPECT_TRUE(describe({.pid = 900, .name = "pipewire", .path = "/opt/av/bin/pw-launcher"}).known);
  // A script runs its interpreter; the kernel names the process after the script.
  const auto upgrades =
      describe({.pid = 930, .name = "python3.12", .path = "/usr/bin/python3.12", .comm = "unattended-upgr"});
  EXPECT_EQ(upgrades.summary, "Installs security updates automatically in the background.");
  EXPECT_EQ(upgrades.advice, "It stops when the installation finishes.");
  // A browser tab runs the browser's own program and names itself.
  const auto tab = describe({.pid = 2398, .name = "firefox", .path = "/usr/lib/firefox/firefox", .appKey = kFirefox,
                             .comm = "Isolated Web Co"},
                            "Firefox");
  EXPECT_EQ(tab.advice, "High usage means a web page is busy. Closing that tab ends it.");
  // Kernel threads by their name without the cpu or queue part.
  const auto worker = describe({.pid = 88, .name = "kworker/3:1H-kblockd", .isSystem = true, .ppid = 2});
  EXPECT_TRUE(worker.known);
  EXPECT_NE(worker.summary.find("kernel worker"), std::string::npos);
  EXPECT_EQ(describe({.pid = 5100, .name = "Qel", .path = "/usr/bin/qel"}).advice,
            "It reads system data once a second, so its usage should be very low.");
}

TEST(Glossary, fallbackRulesApplyInTheirOrder) {
  const std::string chrome = "/usr/share/applications/google-chrome.desktop";
  // 1–3: a Chromium helper's kind wins over everything after it, inside an app or not.
  const auto renderer = describe({.pid = 7001, .name = "chrome", .path = "/opt/google/chrome/chrome", .appKey = chrome,
                                  .childType = "renderer"},
                                 "Google Chrome");
  EXPECT_EQ(renderer.summary, "A page renderer for Google Chrome. Each browser tab and each Electron app window has one.");
  EXPECT_TRUE(renderer.known);
  const auto gpu = describe({.pid = 7002, .name = "chrome-helper", .path = "/usr/lib/chrome/chrome-helper",
                             .appKey = chrome, .childType = "gpu-process"},
                            "Google Chrome");
  EXPECT_EQ(gpu.summary, "The graphics process for Google Chrome. It handles drawing, video and animation.");
  EXPECT_EQ(gpu.advice, "It belongs to Google Chrome and ends when you quit Google Chrome.");
  EXPECT_EQ(describe({.pid = 7003, .name = "code", .path = "/usr/share/code/code", .childType = "utility"}).summary,
            "A service process for code. It does one job on its own, such as networking, audio or storage.");
  // 4: a kernel thread outside the table.
  const auto thread = describe({.pid = 19, .name = "migration/0", .isSystem = true, .ppid = 2});
  EXPECT_TRUE(thread.known);
  EXPECT_NE(thread.summary.find("kernel thread"), std::string::npos);
  // 5: another user's process whose program can't be read is no kernel thread; nor is a
  // program of the distribution's.
  const char* system = "A program that comes with your Linux system. Qel's glossary doesn't describe it yet.";
  const auto foreign = describe({.pid = 777, .name = "somed", .isSystem = true, .ppid = 1});
  EXPECT_EQ(foreign.summary, system);
  EXPECT_FALSE(foreign.known);
  EXPECT_EQ(describe({.pid = 778, .name = "python3.12", .path = "/usr/bin/python3.12"}).summary, system);
  // 6: anything else outside an app.
  for (const char* path : {"/opt/tools/bin/agent", "/usr/local/bin/tool", "/home/ana/bin/sync"}) {
    const auto own = describe({.pid = 779, .name = "agent", .path = path});
    EXPECT_FALSE(own.known) << path;
    EXPECT_EQ(own.advice, "If you're not sure what it is, look it up online before deciding whether to quit it.");
  }
  // 7–9 inside an app: the main program, a helper beside it, anything else it started.
  const auto main = describe({.pid = 2311, .name = "Firefox", .path = "/usr/lib/firefox/firefox", .appKey = kFirefox},
                             "Firefox");
  EXPECT_EQ(main.summary, "This is the main process of Firefox.");
  EXPECT_TRUE(main.known);
  // The same program run by another user or as a service is a system process, not the app.
  const auto asSystem = describe({.pid = 2316, .name = "Firefox", .isSystem = true, .appKey = kFirefox}, "Firefox");
  EXPECT_EQ(asSystem, (ProcNote{system, "High usage is usually temporary and drops back once it finishes.", false}));
  const auto helper = describe(
      {.pid = 2312, .name = "crashhelper", .path = "/usr/lib/firefox/crashhelper", .appKey = kFirefox}, "Firefox");
  EXPECT_EQ(helper.summary, "A helper process for Firefox.");
  EXPECT_EQ(describe({.pid = 2313, .name = "tool-helper", .path = "/opt/firefox/tool-helper", .appKey = kFirefox},
                     "Firefox")
                .summary,
            "A helper process for Firefox.");
  const auto part = describe({.pid = 2314, .name = "bash", .path = "/usr/bin/bash", .appKey = kFirefox}, "Firefox");
  EXPECT_EQ(part.summary, "Part of Firefox. Qel's glossary doesn't describe this process yet.");
  EXPECT_FALSE(part.known);
  // Without the app's name, its desktop entry's file name stands in.
  EXPECT_EQ(describe({.pid = 2315, .name = "bash", .path = "/usr/bin/bash", .appKey = kFirefox}).summary,
            "Part of firefox. Qel's glossary doesn't describe this process yet.");
}

TEST(Glossary, theSearchAddressCarriesEveryCharacterOfTheName) {
  const std::string name = "g++ & co=1 #x %41 é/ü";
  const auto url = Glossary::searchURL({.pid = 4000, .name = name});
  ASSERT_TRUE(url);
  EXPECT_EQ(url->scheme(), "https");
  EXPECT_EQ(url->path(), "/search");
  // One item, and nothing in it a search engine would read as a blank or a separator.
  const QString encoded = url->query(QUrl::FullyEncoded);
  ASSERT_TRUE(encoded.startsWith("q="));
  for (const QChar c : {u'+', u' ', u'&', u'#', u'=', u'/'})
    EXPECT_FALSE(encoded.mid(2).contains(c)) << QString(c).toStdString();
  // What the browser is sent decodes to the very text asked.
  const QUrl sent = QUrl::fromEncoded(url->toEncoded(), QUrl::StrictMode);
  const QUrlQuery query(sent);
  ASSERT_EQ(query.queryItems().size(), 1);
  EXPECT_EQ(query.queryItemValue("q", QUrl::FullyDecoded).toStdString(), "what is the " + name + " process on Linux");

  const auto foo = Glossary::searchURL({.pid = 4001, .name = "f", .path = "/usr/libexec/foo bar"});
  ASSERT_TRUE(foo);
  EXPECT_EQ(QUrlQuery(*foo).queryItemValue("q", QUrl::FullyDecoded), "what is the foo bar process on Linux");
}

TEST(Glossary, aNoteForAProcessTheTableDoesNotKnowIsWhollyInTheLanguageOnScreen) {
  struct Back { ~Back() { Loc::set("system", nullptr); } } back;
  Loc::set("de", nullptr);
  EXPECT_EQ(describe({.pid = 777, .name = "somed", .isSystem = true, .ppid = 1}),
            (ProcNote{"Ein Programm, das zu deinem Linux-System gehört. Qels Glossar beschreibt es noch nicht.",
                      "Hohe Auslastung ist meist vorübergehend und geht zurück, sobald er fertig ist.", false}));
  EXPECT_EQ(describe({.pid = 2312, .name = "crashhelper", .path = "/usr/lib/firefox/crashhelper", .appKey = kFirefox},
                     "Firefox")
                .advice,
            "Er gehört zu Firefox und endet, wenn du Firefox beendest.");
}
