#include "tests/Store/DesktopStoreTest.hpp"
#include "tests/support/TestProcesses.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

const std::string kKey = "/usr/share/applications/sleeper.desktop";
const std::string kEditor = "/usr/share/applications/editor.desktop";

class TamingTest : public DesktopStoreTest {
 protected:
  // An app with a pause rule, paused behind the editor in front.
  std::unique_ptr<ChildProcess> startWithPausedApp() {
    auto app = sleeper();
    EXPECT_TRUE(reaches(*app, 'S'));
    setProcs({editor, listed(*app, "Sleeper", 1, kKey)});
    desktop.front = editor.pid;
    startStore();
    store->setTame(TameMode::pause, kKey);
    tick();
    EXPECT_TRUE(reaches(*app, 'T'));
    return app;
  }
  nlohmann::json storedPaused() const { return defaults->value("qel.pausedPids").value_or(nullptr); }
  static nlohmann::json pair(const ChildProcess& c) { return {c.pid(), identity(c).startTime}; }

  // The editor is the app in front unless a test says otherwise; it is never signalled.
  ProcInfo editor{.pid = 999999, .name = "Editor", .cpu = 5, .appKey = kEditor};
};

}  // namespace

TEST_F(TamingTest, aPausedAppResumesWhenItComesToTheFront) {
  auto app = sleeper(), helper = sleeper();
  ASSERT_TRUE(reaches(*app, 'S') && reaches(*helper, 'S'));
  setProcs({editor, listed(*app, "Sleeper", 1, kKey), listed(*helper, "sleeper helper", 0, kKey)});
  desktop.front = editor.pid;
  startStore();
  store->setTame(TameMode::pause, kKey);
  EXPECT_EQ(store->navigation().toast, "sleeper will pause when it's not in front");
  tick();
  EXPECT_TRUE(reaches(*app, 'T'));
  EXPECT_TRUE(reaches(*helper, 'T'));
  EXPECT_EQ(store->taming().tamed.size(), 2u);
  EXPECT_EQ(storedPaused(), nlohmann::json::array({pair(*app), pair(*helper)}));
  tick();  // still paused, nothing new sent or written
  EXPECT_TRUE(isStopped(*app));

  desktop.front = app->pid();
  tick();
  EXPECT_TRUE(reaches(*app, 'S'));
  EXPECT_TRUE(reaches(*helper, 'S'));
  EXPECT_TRUE(store->taming().tamed.empty());
  EXPECT_EQ(storedPaused(), nlohmann::json::array());
}

TEST_F(TamingTest, removingTheRuleReleasesAtOnce) {
  auto app = startWithPausedApp();
  store->setTame(std::nullopt, kKey);
  EXPECT_EQ(store->navigation().toast, "Removed the rule for sleeper");
  EXPECT_TRUE(reaches(*app, 'S'));
  EXPECT_TRUE(store->taming().tameRules.empty());
  // A rule that is neither "slow" nor "pause" tames nothing.
  store->setTameRules({{kKey, "freeze"}});
  tick();
  EXPECT_FALSE(isStopped(*app));
}

TEST_F(TamingTest, slowThenPauseRestoresThePriorityFirst) {
  if (!runsAsRoot()) GTEST_SKIP() << "an ordinary user can't take a nice value back down";
  auto app = sleeper();
  ASSERT_TRUE(reaches(*app, 'S'));
  setProcs({editor, listed(*app, "Sleeper", 1, kKey)});
  desktop.front = editor.pid;
  startStore();
  store->setTame(TameMode::slow, kKey);
  EXPECT_EQ(store->navigation().toast, "sleeper will slow down when it's not in front");
  tick();
  EXPECT_TRUE(atBackground(*app));
  EXPECT_FALSE(isStopped(*app));
  EXPECT_EQ(storedPaused(), nullptr);  // nothing paused, nothing written

  store->setTame(TameMode::pause, kKey);
  tick();
  EXPECT_TRUE(reaches(*app, 'T'));
  EXPECT_EQ(niceOf(*app), 0);
  EXPECT_EQ(store->taming().tamed.at(app->pid()).mode, TameMode::pause);
}

TEST_F(TamingTest, slowingThatCantBeUndoneIsToldBeforeAndTheFailureStaysTold) {
  // As for an ordinary user: nice values go up, never back down.
  WithoutCapability user(CAP_SYS_NICE);
  auto app = sleeper();
  ASSERT_TRUE(reaches(*app, 'S'));
  const ProcInfo listedApp = listed(*app, "Sleeper", 1, kKey);
  setProcs({editor, listedApp});
  desktop.front = editor.pid;
  startStore();
  EXPECT_FALSE(store->slowingReversible(listedApp));
  store->setTame(TameMode::slow, kKey);
  tick();
  ASSERT_TRUE(atBackground(*app));
  if (niceOf(*app) != 19) GTEST_SKIP() << "slowed through the application's unit, which can be undone";

  // One toast says both what was done and what could not be: no success is laid over it.
  store->setTame(std::nullopt, kKey);
  EXPECT_EQ(store->navigation().toast, "Removed the rule for sleeper, but it stays slowed until it restarts");
  EXPECT_EQ(niceOf(*app), 19);
  ASSERT_EQ(store->taming().keptSlow.size(), 1u);
  EXPECT_EQ(store->taming().keptSlow.begin()->first, app->pid());
  tick();
  EXPECT_EQ(store->taming().keptSlow.size(), 1u);  // said for as long as it is so
  setProcs({editor});
  tick();
  EXPECT_TRUE(store->taming().keptSlow.empty());  // ended: its next start runs at normal priority
}

TEST_F(TamingTest, aPlainProgramIsLeftToQuietModeWhichHoldsItLowInFront) {
  auto worker = sleeper();
  ASSERT_TRUE(reaches(*worker, 'S'));
  setProcs({editor, listed(*worker, "worker", 90)});  // a plain program: keyed by its path
  desktop.front = editor.pid;
  startStore();
  store->setTameRules({{"/usr/bin/sleep", "slow"}});  // no app's key: taming passes it by
  store->toggleQuiet();
  tick();
  EXPECT_FALSE(store->taming().tamed.count(worker->pid()));
  EXPECT_TRUE(store->taming().throttled.count(worker->pid()));
  EXPECT_TRUE(atBackground(*worker));
  desktop.front = worker->pid();
  tick();
  EXPECT_TRUE(store->taming().tamed.empty());
  EXPECT_TRUE(atBackground(*worker));  // quiet mode still holds it
}

TEST_F(TamingTest, nothingIsTamedWhileTheFrontAppIsUnknown) {
  auto app = sleeper();
  ASSERT_TRUE(reaches(*app, 'S'));
  setProcs({editor, listed(*app, "Sleeper", 1, kKey)});
  startStore();  // no front app yet
  store->setTame(TameMode::pause, kKey);
  const std::string why = "Quiet mode and taming are idle: this desktop doesn't tell which app is in front.";
  EXPECT_EQ(store->navigation().toast, why);
  tick();
  EXPECT_FALSE(isStopped(*app));

  desktop.front = editor.pid;
  tick();
  ASSERT_TRUE(reaches(*app, 'T'));
  clock.advance(3s);
  settle();  // the first explanation has gone
  desktop.front.reset();  // the window manager went away
  tick();
  EXPECT_TRUE(reaches(*app, 'S'));
  EXPECT_TRUE(store->taming().tamed.empty());
  EXPECT_EQ(store->navigation().toast, why);
}

TEST_F(TamingTest, noActiveWindowKeepsTheAppPausedWithoutExplaining) {
  auto app = startWithPausedApp();
  clock.advance(3s);
  settle();
  desktop.noWindowActive = true;  // the desktop was clicked: no app is in front
  tick();
  tick();
  EXPECT_TRUE(isStopped(*app));
  EXPECT_EQ(store->taming().tamed.size(), 1u);
  EXPECT_EQ(store->navigation().toast, std::nullopt);
}

TEST_F(TamingTest, systemSessionAndOwnProcessesAreNeverTamed) {
  auto other = sleeper(), compositor = sleeper();
  ASSERT_TRUE(reaches(*other, 'S') && reaches(*compositor, 'S'));
  ProcInfo foreign = listed(*other, "someone else's", 1, kKey);
  foreign.isSystem = true;
  const auto self = identityOf(getpid());
  ASSERT_TRUE(self);
  setProcs({editor, foreign, listed(*compositor, "gnome-shell", 1, kKey, "/usr/bin/gnome-shell"),
            {.pid = getpid(), .name = "qel", .appKey = kKey, .startTime = self->startTime}});
  desktop.front = editor.pid;
  startStore();
  store->setTame(TameMode::pause, kKey);
  tick();
  tick();
  EXPECT_TRUE(store->taming().tamed.empty());
  EXPECT_FALSE(isStopped(*other));
  EXPECT_FALSE(isStopped(*compositor));
}

TEST_F(TamingTest, aSystemServiceIsNeitherTamedNorThrottledEvenOnceHeld) {
  // A root-owned service that a desktop entry points at (Qel itself may run as root): listed
  // first as the user's own, as a process whose owner matched is, then as the system's.
  auto service = sleeper(), worker = sleeper();
  ASSERT_TRUE(reaches(*service, 'S') && reaches(*worker, 'S'));
  ProcInfo daemon = listed(*service, "cupsd", 1, kKey, "/usr/sbin/cupsd");
  ProcInfo busy = listed(*worker, "indexer", 90, {}, "/usr/libexec/indexer");
  setProcs({editor, daemon, busy});
  desktop.front = editor.pid;
  startStore();
  store->setTame(TameMode::pause, kKey);
  store->toggleQuiet();
  tick();
  ASSERT_TRUE(reaches(*service, 'T'));
  ASSERT_TRUE(atBackground(*worker));

  daemon.isSystem = busy.isSystem = true;
  setProcs({editor, daemon, busy});
  tick();
  EXPECT_TRUE(reaches(*service, 'S'));
  EXPECT_TRUE(store->taming().tamed.empty());
  EXPECT_TRUE(store->taming().throttled.empty());
  // An ordinary user can't take a nice value back down: only root sees it come back.
  if (runsAsRoot()) { EXPECT_FALSE(atBackground(*worker)); }
  tick();
  EXPECT_FALSE(isStopped(*service));
  EXPECT_TRUE(store->taming().throttled.empty());
}

TEST_F(TamingTest, aNewcomerWhoseAppIsStillAGuessIsLeftAloneUntilItIsRead) {
  auto app = sleeper(), worker = sleeper();
  ASSERT_TRUE(reaches(*app, 'S') && reaches(*worker, 'S'));
  ProcInfo guessed = listed(*app, "Sleeper", 1, kKey);
  ProcInfo busy = listed(*worker, "indexer", 90, {}, "/usr/libexec/indexer");
  guessed.provisional = busy.provisional = true;
  setProcs({editor, guessed, busy});
  desktop.front = editor.pid;
  startStore();
  store->setTame(TameMode::pause, kKey);
  store->toggleQuiet();
  tick();
  EXPECT_FALSE(isStopped(*app));
  EXPECT_TRUE(store->taming().tamed.empty());
  EXPECT_TRUE(store->taming().throttled.empty());

  guessed.provisional = busy.provisional = false;
  setProcs({editor, guessed, busy});
  tick();
  EXPECT_TRUE(reaches(*app, 'T'));
  EXPECT_TRUE(atBackground(*worker));
}

TEST_F(TamingTest, aProgramPathIsNeverARuleKey) {
  // Under the interpreter's path, a rule would stop every script it runs.
  auto script = sleeper();
  ASSERT_TRUE(reaches(*script, 'S'));
  const std::string python = "/usr/bin/python3";
  setProcs({editor, listed(*script, "python3", 1, {}, python)});
  desktop.front = editor.pid;
  startStore();
  store->setTame(TameMode::pause, python);
  EXPECT_TRUE(store->taming().tameRules.empty());
  store->setTameRules({{python, "pause"}});  // as an older version may have stored it
  tick();
  tick();
  EXPECT_TRUE(store->taming().tamed.empty());
  EXPECT_FALSE(isStopped(*script));
  store->setTame(std::nullopt, python);  // and it can still be removed
  EXPECT_TRUE(store->taming().tameRules.empty());
}

TEST_F(TamingTest, aStartResumesOnlyStoredProcessesThatAreStillTheSameAndStopped) {
  auto paused = sleeper(), stale = sleeper(), running = sleeper();
  for (auto* c : {&paused, &stale, &running}) ASSERT_TRUE(reaches(**c, 'S'));
  for (auto* c : {&paused, &stale}) {
    ASSERT_EQ(signalProcess(identity(**c), SIGSTOP), SignalOutcome::sent);
    ASSERT_TRUE(reaches(**c, 'T'));
  }
  auto reused = pair(*stale);
  reused[1] = reused[1].get<std::uint64_t>() + 1;  // the pid belongs to a later process now
  defaults->set("qel.pausedPids", nlohmann::json::array({pair(*paused), reused, pair(*running), 1, stale->pid(),
                                                         nlohmann::json::array({-5, 1}), nlohmann::json::array({1, 1}),
                                                         nlohmann::json::array({getpid(), identityOf(getpid())->startTime}),
                                                         "junk", nlohmann::json::array({stale->pid()})}));
  startStore();
  EXPECT_TRUE(reaches(*paused, 'S'));
  EXPECT_TRUE(isStopped(*stale));
  EXPECT_FALSE(defaults->has("qel.pausedPids"));
}

TEST_F(TamingTest, quitLetsTamingGoAndEndsTheProcess) {
  auto app = startWithPausedApp();
  store->setSelection({app->pid(), editor.pid});
  store->setDetailPID(app->pid());
  store->quit({app->pid()}, false);
  // A stopped process would hold SIGTERM until continued: it ends only because it was let go.
  EXPECT_TRUE(reaches(*app, 'Z'));
  EXPECT_EQ(store->navigation().toast, "Ended Sleeper");
  EXPECT_EQ(store->processList().selection, std::set<std::int32_t>{editor.pid});
  EXPECT_EQ(store->navigation().detailPID, std::nullopt);
  EXPECT_EQ(storedPaused(), nlohmann::json::array());
}

TEST_F(TamingTest, quitCountsOnlyWhatItEnded) {
  auto a = sleeper(), b = sleeper(), c = sleeper();
  for (auto* p : {&a, &b, &c}) ASSERT_TRUE(reaches(**p, 'S'));
  ProcInfo system = listed(*c, "kernel helper", 1);
  system.isSystem = true;
  setProcs({listed(*a, "first", 1), listed(*b, "second", 1), system});
  startStore();
  store->setSelection({system.pid});
  store->quit({system.pid}, false);
  EXPECT_EQ(store->navigation().toast, std::nullopt);
  EXPECT_TRUE(store->processList().selection.empty());

  store->quit({a->pid(), system.pid, b->pid(), 424242}, true);
  EXPECT_EQ(store->navigation().toast, "Force-quit 2 processes");
  EXPECT_TRUE(reaches(*a, 'Z'));
  EXPECT_TRUE(reaches(*b, 'Z'));
  EXPECT_EQ(processState(identity(*c)), 'S');
}

TEST_F(TamingTest, toastsShowAnOutsideNameSafelyWhileTheStoreKeepsItAsRead) {
  auto app = sleeper();
  ASSERT_TRUE(reaches(*app, 'S'));
  const std::string name = "evil\xE2\x80\xAEgpj.exe\n";  // a right-to-left override and a newline
  setProcs({listed(*app, name, 1)});
  startStore();
  ASSERT_EQ(store->processList().procs.size(), 1u);
  EXPECT_EQ(store->processList().procs[0].name, name);
  store->quit({app->pid()}, false);
  EXPECT_TRUE(reaches(*app, 'Z'));
  EXPECT_EQ(store->navigation().toast, "Ended evilgpj.exe");
}

TEST_F(TamingTest, quitNamesWhatItWasNotAllowedToEnd) {
  if (!runsAsRoot()) GTEST_SKIP() << "needs root to start a process as another user";
  auto mine = sleeper(), theirs = sleeper({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
  ASSERT_TRUE(reaches(*mine, 'S') && reaches(*theirs, 'S'));
  // Listed as the user's own, as a process whose owner could not be read would be.
  setProcs({listed(*mine, "mine", 1), listed(*theirs, "theirs", 1)});
  startStore();
  {
    WithoutCapability guard(CAP_KILL);
    ASSERT_TRUE(guard.dropped());
    store->quit({theirs->pid()}, false);
    EXPECT_EQ(store->navigation().toast, "Couldn't end theirs");
    store->quit({mine->pid(), theirs->pid()}, false);
    EXPECT_EQ(store->navigation().toast, "Ended mine. Couldn't end theirs");
  }
  EXPECT_EQ(processState(identity(*theirs)), 'S');
}

TEST_F(TamingTest, quittingQelItselfIsAnOrderlyQuit) {
  const auto self = identityOf(getpid());
  ASSERT_TRUE(self);
  setProcs({{.pid = getpid(), .name = "qel", .startTime = self->startTime}});
  int quits = 0;
  quitProgram = [&] { ++quits; };
  makeStore(false);
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  store->quit({getpid()}, true);
  settle();
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(store->navigation().toast, std::nullopt);
}

TEST_F(TamingTest, aQuitSignalReleasesThePauseAndACrashIsMendedAtTheNextStart) {
  auto app = sleeper();
  ASSERT_TRUE(reaches(*app, 'S'));
  const auto file = (dir / "tamer.json").string();
  for (const int how : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
    SCOPED_TRACE(how);
    ChildProcess tamer({QEL_TAMER, file, std::to_string(app->pid())});
    ASSERT_EQ(tamer.readLine(), "paused");
    ASSERT_TRUE(reaches(*app, 'T'));
    const int status = tamer.stop(how);
    if (how != SIGKILL) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
      EXPECT_TRUE(reaches(*app, 'S'));
      continue;
    }
    // Killed outright: the process stays stopped until Qel starts again.
    EXPECT_TRUE(isStopped(*app));
    defaults = std::make_unique<Defaults>(file);
    startStore();
    EXPECT_TRUE(reaches(*app, 'S'));
  }
}

TEST_F(TamingTest, aQuitSignalEndsAQelWhoseMainLoopIsStuckAndStillResumesWhatItPaused) {
  auto app = sleeper();
  ASSERT_TRUE(reaches(*app, 'S'));
  ChildProcess tamer({QEL_TAMER, (dir / "tamer.json").string(), std::to_string(app->pid()), "stuck"});
  ASSERT_EQ(tamer.readLine(), "paused");
  ASSERT_TRUE(reaches(*app, 'T'));
  ::kill(tamer.pid(), SIGTERM);
  int status = 0;
  bool ended = false;
  for (int i = 0; i < 500 && !ended; ++i) {
    ended = ::waitpid(tamer.pid(), &status, WNOHANG) == tamer.pid();
    if (!ended) std::this_thread::sleep_for(20ms);
  }
  ASSERT_TRUE(ended) << "SIGTERM did not end it";
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_TRUE(reaches(*app, 'S'));
}
