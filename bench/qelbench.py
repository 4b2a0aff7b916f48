"""What the desktop benchmarks share: a private X session, the program under it, counters of a
process from /proc, helpers that load or churn the machine, and least / median / spread figures.

bench/ui-cost and bench/footprint import it (their own folder is on Python's path)."""

import itertools
import json
import mmap
import os
import random
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import time

PAGES = ["overview", "cpu", "gpu", "mem", "disk", "net", "energy"]
TICK = os.sysconf("SC_CLK_TCK")
TOOLS = ("Xvfb", "dbus-daemon", "openbox", "trayer", "xdotool", "wmctrl", "top", "sleep")


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def run_main(name, main):
    """Runs a benchmark's main, turning a Failure into its message and exit code 1."""
    try:
        main()
    except Failure as failure:
        sys.exit(f"{name}: {failure}")


def need_tools(program, extra=()):
    if not os.access(program, os.X_OK):
        fail(f"no program at {program}; build the qel target in a Release build (build/rel)")
    for tool in TOOLS + tuple(extra):
        if not shutil.which(tool):
            fail(f"{tool} is missing; run scripts/setup")


def in_private_pids(script, flag_set):
    """With flag_set, runs this script again in a pid namespace of its own (root only), so new
    processes of other programs on the machine don't count; returns when already inside."""
    if not flag_set or os.environ.get("QEL_BENCH_PRIVATE_PIDS") == "1":
        return
    if os.geteuid() != 0:
        fail("--private-pids needs root")
    os.environ["QEL_BENCH_PRIVATE_PIDS"] = "1"
    os.execvp("unshare", ["unshare", "--pid", "--fork", "--mount-proc", sys.executable, os.path.abspath(script)]
              + sys.argv[1:])


class Proc:
    """Counters of one process from /proc."""

    def __init__(self, pid):
        self.pid = pid
        self.threads_run = {}  # thread id → nanoseconds it ran, as last read

    def cpu_seconds(self):
        """CPU time of every thread, in seconds: the scheduler's nanoseconds per thread, with a
        thread that ended counted up to its last reading (read often, see poll_cpu)."""
        self.poll_cpu()
        return sum(self.threads_run.values()) / 1e9

    def poll_cpu(self):
        try:
            tids = os.listdir(f"/proc/{self.pid}/task")
        except OSError:
            return
        for tid in tids:
            try:
                with open(f"/proc/{self.pid}/task/{tid}/schedstat") as f:
                    self.threads_run[tid] = int(f.read().split()[0])
            except (OSError, ValueError, IndexError):
                pass  # ended meanwhile: its last reading stands

    def wakeups(self):
        """How often the main thread went to sleep, so woke again. Being put off the processor
        for another program (a nonvoluntary switch) is no wake-up and depends on the machine's
        load, so it is not counted."""
        return self.switches()[0]

    def switches(self):
        """The main thread's (voluntary, nonvoluntary) context switches so far."""
        found = {}
        with open(f"/proc/{self.pid}/task/{self.pid}/status") as f:
            for line in f:
                key, _, value = line.partition(":")
                if key in ("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches"):
                    found[key] = int(value)
        return found.get("voluntary_ctxt_switches", 0), found.get("nonvoluntary_ctxt_switches", 0)

    def status(self, key):
        with open(f"/proc/{self.pid}/status") as f:
            for line in f:
                if line.startswith(key + ":"):
                    return int(line.split()[1])
        return 0

    def rss_mib(self):
        return self.status("VmRSS") / 1024

    def threads(self):
        return self.status("Threads")

    def pss_mib(self):
        """Proportional set size; 0 when the kernel doesn't say."""
        try:
            with open(f"/proc/{self.pid}/smaps_rollup") as f:
                for line in f:
                    if line.startswith("Pss:"):
                        return int(line.split()[1]) / 1024
        except OSError:
            pass
        return 0.0


class Session:
    """Xvfb, a window manager, an XEmbed tray, a session bus and private folders; all ended on close."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="qel-bench-")
        self.children = []
        env = dict(os.environ)
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "HOME"):
            path = os.path.join(self.dir, name.lower())
            os.makedirs(path, mode=0o700)
            env[name] = path
        for name in ("DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER"):
            env.pop(name, None)
        self.env = env

        read, write = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                   pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as f:
            display = f.readline().strip()
        if not display:
            fail("Xvfb did not start")
        env["DISPLAY"] = ":" + display

        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                          f"--address=unix:path={self.dir}/bus"], stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.spawn(["openbox", "--sm-disable"])
        # A tray across the top right, so that closing the window leaves Qel in it as on a desktop
        # with a tray; without one the window would only minimise.
        self.spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "48",
                    "--height", "24", "--SetDockType", "false", "--SetPartialStrut", "false", "--expand", "false"])
        time.sleep(1)

    def spawn(self, argv, **kw):
        kw.setdefault("stdout", subprocess.DEVNULL)
        kw.setdefault("stderr", subprocess.DEVNULL)
        kw.setdefault("env", self.env)
        child = subprocess.Popen(argv, **kw)
        self.children.append(child)
        return child

    def run(self, *argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True).stdout.strip()

    def close(self):
        for child in reversed(self.children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(5)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()
        shutil.rmtree(self.dir, ignore_errors=True)


class Qel:
    """The program under a session, its window and its tray icon, driven as a user would."""

    def __init__(self, session, program, style="ring"):
        self.session = session
        self.program = program
        self.count_file = os.path.join(session.dir, "paints")
        self.process = None
        self.start(style)

    def start(self, style):
        """A fresh qel showing `style` in the tray, and its window."""
        self.stop()
        config = os.path.join(self.session.env["XDG_CONFIG_HOME"], "Qel")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "defaults.json"), "w") as f:
            json.dump({"qel.menuIconStyle": style}, f)
        for name in (self.count_file, self.count_file + ".tabs"):
            if os.path.exists(name):
                os.remove(name)
        env = dict(self.session.env, QEL_PAINT_COUNT_FILE=self.count_file)
        self.process = self.session.spawn([self.program], env=env)
        self.proc = Proc(self.process.pid)
        self.window = self.find_window()

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(10)

    def geometry(self, window):
        shell = self.session.run("xdotool", "getwindowgeometry", "--shell", window)
        return {k: int(v) for k, _, v in (line.partition("=") for line in shell.splitlines()) if v.lstrip("-").isdigit()}

    def main_windows(self):
        """Qel's shown windows wider than a tray icon."""
        found = self.session.run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)).split()
        return [w for w in found if self.geometry(w).get("WIDTH", 0) > 200]

    def find_window(self):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                fail(f"qel ended with {self.process.returncode}")
            found = self.main_windows()
            if found:
                return found[-1]
            time.sleep(0.3)
        fail("the main window did not appear")

    def painted(self):
        """(paints so far, page shown) from the root view's count file."""
        try:
            with open(self.count_file) as f:
                count, page = f.read().split()
                return int(count), page
        except (OSError, ValueError):
            return 0, ""

    def click(self, x, y):
        # Onto it first, then a moment later the click, as a hand would: a press that arrives with
        # the pointer's first move can land before the window knows the pointer is over the tab.
        self.session.run("xdotool", "mousemove", "--window", self.window, str(x), str(y))
        time.sleep(0.3)
        self.session.run("xdotool", "click", "1")
        time.sleep(0.2)
        # Away again, to the window's lower left corner, so no hover state stays on what was clicked.
        height = self.geometry(self.window).get("HEIGHT", 400)
        self.session.run("xdotool", "mousemove", "--window", self.window, "2", str(height - 2))

    def find_tabs(self):
        """The centre of each page's tab in the window, as the program tells it now (tabs widen
        once the first sample gives them numbers)."""
        deadline = time.monotonic() + 10
        while True:
            tabs = {}
            try:
                with open(self.count_file + ".tabs") as f:
                    for line in f:
                        page, x, y, w, h = line.split()
                        tabs[page] = (int(x) + int(w) // 2, int(y) + int(h) // 2)
            except (OSError, ValueError):
                tabs = {}
            if all(p in tabs for p in PAGES) or time.monotonic() > deadline:
                break
            time.sleep(0.3)
        if missing := [p for p in PAGES if p not in tabs]:
            fail(f"qel told no place for the tab of {', '.join(missing)}")
        return tabs

    def show_page(self, page):
        """Clicks the page's tab and waits until the root view paints that page; tries once more
        should the bar have moved between reading the places and the click."""
        for _ in range(2):
            self.click(*self.find_tabs()[page])
            deadline = time.monotonic() + 2
            while time.monotonic() < deadline:
                if self.painted()[1] == page:
                    return
                time.sleep(0.1)
        fail(f"clicking the {page} tab showed {self.painted()[1] or 'nothing'}")

    def tray_icon(self):
        """Where Qel's icon sits on the screen: its small window that the tray took in."""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            # Every window: a search by name skips the ones the tray has taken in.
            for window in self.session.run("xdotool", "search", "--class", "").split():
                if self.session.run("xdotool", "getwindowname", window) != "Qel":
                    continue
                g = self.geometry(window)
                if 8 <= g.get("WIDTH", 0) <= 64 and g.get("X", 0) > 0:
                    return g["X"] + g["WIDTH"] // 2, g["Y"] + g["HEIGHT"] // 2
            time.sleep(0.3)
        fail("the icon did not dock in the tray")

    def panel_shown(self):
        return bool(self.session.run("xdotool", "search", "--onlyvisible", "--name", "^Qel panel$"))

    def minimise_window(self):
        self.session.run("xdotool", "windowminimize", self.window)
        self.wait_gone("the window did not minimise")

    def restore_window(self):
        self.session.run("xdotool", "windowactivate", "--sync", self.window)
        self.window = self.find_window()

    def close_window(self):
        self.session.run("wmctrl", "-i", "-c", self.window)
        self.wait_gone("the window did not close")

    def show_window(self):
        """The window back after a close, as a second start asks the running one."""
        subprocess.run([self.program], env=self.session.env, capture_output=True, timeout=30)
        self.window = self.find_window()

    def wait_gone(self, message):
        deadline = time.monotonic() + 5
        while self.main_windows():
            if time.monotonic() > deadline:
                fail(message)
            time.sleep(0.2)

    def open_panel(self):
        x, y = self.tray_icon()
        self.session.run("xdotool", "mousemove", str(x), str(y), "click", "1")
        deadline = time.monotonic() + 3
        while not self.panel_shown():
            if time.monotonic() > deadline:
                fail("a click on the tray icon did not open the panel")
            time.sleep(0.1)


def reap_group(pgid):
    """Waits for the processes of group `pgid` that were orphaned to this script. In a pid
    namespace of its own the script is the namespace's init, so a helper's children outlive it
    as this script's: left unreaped they stay zombies, which every reader of /proc (Qel and top
    alike) pays for in every later row and run. Outside a namespace they are init's, and this
    returns at once."""
    while True:
        try:
            os.waitpid(-pgid, 0)
        except ChildProcessError:
            return


class _Forked:
    """A helper process of the benchmark's own, ended on stop()."""

    def __init__(self, body):
        self.pid = os.fork()
        if self.pid == 0:
            signal.signal(signal.SIGTERM, signal.SIG_DFL)
            try:
                body()
            finally:
                os._exit(0)

    def stop(self):
        os.kill(self.pid, signal.SIGTERM)
        os.waitpid(self.pid, 0)


class LoadChanger(_Forked):
    """Changes the machine's CPU load every second: one busy process for a random part of it."""

    def __init__(self):
        super().__init__(self._body)

    @staticmethod
    def _body():
        rng = random.Random(16)
        while True:
            start = time.monotonic()
            busy = rng.uniform(0.1, 0.9)
            while time.monotonic() - start < busy:
                pass
            time.sleep(max(0.0, 1 - (time.monotonic() - start)))


class Churn(_Forked):
    """Starts `per_second` processes a second, each running `sleep lifetime`, from a process of
    its own; started() tells how many it has started so far (it falls behind on a loaded machine)."""

    def __init__(self, per_second, lifetime=1.0):
        self.per_second = per_second
        self.lifetime = lifetime
        self._count = mmap.mmap(-1, 8)
        super().__init__(self._body)

    def _body(self):
        os.setpgid(0, 0)  # its processes share its group, so the last ones can be reaped by it
        sleep = shutil.which("sleep")
        argv = ["sleep", f"{self.lifetime:g}"]
        start = time.monotonic()
        for n in itertools.count(1):
            os.posix_spawn(sleep, argv, os.environ)
            self._count[:8] = struct.pack("q", n)
            while True:
                try:
                    if os.waitpid(-1, os.WNOHANG)[0] == 0:
                        break
                except ChildProcessError:
                    break
            time.sleep(max(0.0, start + n / self.per_second - time.monotonic()))

    def started(self):
        return struct.unpack("q", self._count[:8])[0]

    def stop(self):
        super().stop()
        reap_group(self.pid)


class Burners:
    """N processes that keep a core busy each, at the lowest priority: every CPU figure Qel shows
    stays near full and moves a little each second, as under a build, while the machine's own
    work (and Qel) still goes first."""

    def __init__(self, count):
        self.spinners = [_Forked(self._body) for _ in range(count)]

    @staticmethod
    def _body():
        os.nice(19)
        while True:
            pass

    def stop(self):
        for spinner in self.spinners:
            spinner.stop()


class Sleepers:
    """N processes that sleep until the session ends, in a process group of their own."""

    def __init__(self, count):
        script = f"i=0; while [ $i -lt {count} ]; do sleep 1000000 & i=$((i+1)); done; wait"
        self.group = subprocess.Popen(["sh", "-c", script], start_new_session=True)
        time.sleep(1 + count / 1000)

    def stop(self):
        os.killpg(self.group.pid, signal.SIGKILL)
        self.group.wait()
        reap_group(self.group.pid)


class Spread:
    """Least, median and greatest of a figure measured several times."""

    def __init__(self, values):
        values = list(values)
        self.least, self.median, self.most = min(values), statistics.median(values), max(values)
        self.count = len(values)

    @property
    def spread(self):
        return self.most - self.least

    def __format__(self, form):
        if self.count == 1:
            return format(self.least, form)
        return f"{self.least:{form}} / {self.median:{form}}"


def judge(figure, budget, unit, within=None):
    """The verdict on a figure against its budget: over it even at its least, it is over; else,
    measured more than once, a spread wider than the budget can't tell; else the median decides.
    `within` words the budget ("≤27 µs")."""
    within = within or f"≤{budget:g}{unit}"
    if figure.least > budget:
        return f"OVER ({within})"
    if figure.count > 1 and figure.spread > budget:
        return f"can't tell: spread {figure.spread:.3g}{unit} > budget ({within})"
    return f"{'ok' if figure.median <= budget else 'OVER'} ({within})"


def print_table(head, lines):
    lines = [tuple(head)] + [tuple(line) for line in lines]
    widths = [max(len(line[i]) for line in lines) for i in range(len(head))]
    for n, line in enumerate(lines):
        print("| " + " | ".join(cell.ljust(w) for cell, w in zip(line, widths)) + " |")
        if n == 0:
            print("|" + "|".join("-" * (w + 2) for w in widths) + "|")


def wait_polling(seconds, procs):
    """Sleeps `seconds`, reading the processes' thread times every second meanwhile so that a
    thread ending in between still counts."""
    end = time.monotonic() + seconds
    while (left := end - time.monotonic()) > 0:
        time.sleep(min(1.0, left))
        for proc in procs:
            proc.poll_cpu()
