# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The harness of the end-to-end tests of the real benchlist binary.

A test script imports this module, describes its run with `main()` and gets a
`Run` to build on; nothing here lives in module globals.

  main(description, body, tools=TOOLS, prefix=..., options=...) -> exit status
      Parses --binary, --keep and the script's own `options` (a function that
      adds arguments to the parser), skips with 77 when a tool is missing,
      makes the work directory, calls body(run, args) and returns its status;
      a Failure prints the logs and keeps the work directory. Whatever
      happens, every process the run started is stopped and the directory is
      removed (unless kept).
  Run                 one run: run.workdir, run.processes (a Processes),
                      run.wait_for(what, predicate), run.mismatch(message) to
                      note a wrong position or size and go on,
                      run.check_mismatches() to fail on them at the end,
                      run.end_orphans() to stop what others left to the test,
                      run.home(name) for a private HOME with XDG directories.
  add_address_options(parser)
                      --site-base, --affiliate-base and --publisher, which
                      Session and run_program need (with --out, a directory).
  Processes           what the run started (start(argv, **popen_args)), and the
                      orphans the program leaves to it, the test being their
                      child subreaper.
  start_xvfb(run, width, height) -> display number
                      an X server of the run's own, nothing on it.
  start_desktop(run) -> Desktop
                      an Xvfb of its own with openbox; Desktop drives it with
                      xdotool and reads it with xprop and xwininfo.
  start_accessibility_buses(run, desktop) -> session bus address
                      a session bus of the run's own with the accessibility
                      bus on it; accessibility_bus_tools() for main()'s tools.
  Browser(run)        the recording stand-in for the web browser:
                      expect(what, addresses, action), expect_nothing_more(what).
  Program(run, binary, desktop, browser, name, extra_env)
                      benchlist with a private HOME whose xdg-open goes to
                      the Browser.
  Session(run, desktop, browser, program, out, site, affiliate, publisher)
                      the steps scenarios are built of: windows by title,
                      activation, clicks on the main window, menus, the
                      clipboard, farewell; a scenario subclasses it.
  run_program(run, name, scenario, args, desktop, browser, session_class)
                      one program run driven by scenario(session), checked
                      to end cleanly and leave no process behind.
  settle_interpreter(module)
                      runs the script again under Debian's own Python when
                      only that one has `module` (pyatspi, dbus).
  wait_for(what, predicate), holds(what, predicate), Failure
  WINDOWS             the nine category windows (window, button, title,
                      caption), in the main window's button order, read from
                      tests/data/catalogue-reference.tsv; TITLE[window name];
                      FIRST_PAGE[button], the page Down opens first in it.
  MAIN, FAREWELL, ABOUT, INSTRUCTIONS, FIND: the other window titles.
  BUTTON_BOX[button], MONITORS_*, FLAT_ITEMS: places the tests click, in twips.
"""

import argparse
import ctypes
import importlib.util
import os
import secrets
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

# Debian's python3- packages come with Debian's own Python; another python3
# first on PATH lacks them.
SYSTEM_PYTHON = "/usr/bin/python3"


def settle_interpreter(module):
    """Runs the script again under Debian's own Python when `module` is missing
    from the one running it and that one has it."""
    if importlib.util.find_spec(module) is None and os.path.exists(SYSTEM_PYTHON) \
            and os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)


SKIP = 77
WAIT = 10.0  # seconds for anything the program or the window manager should do
SETTLE = 1.5  # seconds an action that should open nothing is watched for an address
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xclip", "import", "xdg-open")

MAIN = "The Benchlist"
FAREWELL = "Thankyou for using Wishtrail"
ABOUT = "About Wishtrail"
INSTRUCTIONS = "Instructions"
FIND = "Find a Category"

# 1000 twips from the screen's top and left edges, at 15 twips to the pixel.
CORNER = (66, 67)
MAIN_CLIENT_HEIGHT = 4260  # the main window's client area below the menu bar

# The main window's category buttons: left, top, width, height in twips (client area).
BUTTON_BOX = {
    "cmdApple": (173, 1440, 3135, 375), "cmdMonitors": (3533, 2400, 3135, 375),
    "cmdDrives": (3533, 1440, 3135, 375), "cmdComponents": (3533, 1920, 3135, 375),
    "cmdDeskTops": (173, 1920, 3135, 375), "cmdLaptops": (173, 2400, 3135, 375),
    "cmdNetworking": (6893, 1920, 3135, 375), "cmdPDA": (6893, 2400, 3135, 375),
    "cmdPrinters": (6893, 1440, 3135, 375),
}
# Drop-downs and the refresh button of the Computer Monitors window (twips), and
# the first one's list.
MONITORS_FLAT = (240, 1560, 3135, 315)
MONITORS_ACCESSORIES = (3600, 1560, 3135, 315)
MONITORS_REFRESH = (7080, 1665, 1095, 495)
FLAT_ITEMS = ("LCD Flat Panel", "15-inch Smaller LCD", "17-inch LCD", "18-inch LCD",
              "19-inch LCD", "20-inch Larger LCD")


@dataclass(frozen=True)
class Window:
    window: str   # "frmApple"
    button: str   # the main window's button that opens it, "cmdApple"
    title: str
    caption: str  # the button's caption


def read_windows():
    reference = Path(__file__).resolve().parent.parent / "data" / "catalogue-reference.tsv"
    windows = []
    for line in reference.read_text(encoding="utf-8").split("\n"):
        fields = line.split("\t")
        if len(fields) == 7 and fields[4] == "window":
            windows.append(Window(fields[0], fields[1], fields[2], fields[5]))
    return tuple(windows)


WINDOWS = read_windows()
TITLE = {w.window: w.title for w in WINDOWS}

# The page of the first item of the drop-down that starts with the focus. Every
# first drop-down starts with a caption that is no item, so Down chooses it.
FIRST_PAGE = {
    "cmdApple": "/bl/mac/68K-Mac.html", "cmdMonitors": "/bl/cm/LCD-Flat-Panel.html",
    "cmdDrives": "/bl/dp/CD-Duplicators.html", "cmdComponents": "/bl/cc/Cables-Adapter-Cards.html",
    "cmdDeskTops": "/bl/dt/366MHz-Less-systems.html", "cmdLaptops": "/bl/lt/Laptop-Systems.html",
    "cmdNetworking": "/bl/nw/802-11-Wifi-Wireless.html",
    "cmdPDA": "/bl/pda/PDAs-and-Handheld-PCs.html",
    "cmdPrinters": "/bl/ps/All-In-One-Multifunction-Printers.html",
}


def px(twips):
    return (twips + 7) // 15


def centre(box, dx=0, dy=0):
    left, top, width, height = box
    return px(left) + px(width) // 2 + dx, px(top) + px(height) // 2 + dy


class Failure(Exception):
    pass


def wait_for(what, predicate, timeout=WAIT, interval=0.05, reap=None):
    deadline = time.monotonic() + timeout
    while True:
        if reap:
            reap()
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def holds(what, predicate, duration=0.3, interval=0.05):
    """Fails if the predicate turns false within the duration."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not predicate():
            raise Failure(what)
        time.sleep(interval)


# --------------------------------------------------------------------------- processes

class Processes:
    """What the test started, and the orphans the program leaves to it."""

    def __init__(self):
        self.started = []   # Popen objects, in start order
        self.reaped = []    # (pid, command) of orphans that were re-parented and reaped
        self.libc = ctypes.CDLL(None, use_errno=True)
        pr_set_child_subreaper = 36
        if self.libc.prctl(pr_set_child_subreaper, 1, 0, 0, 0) != 0:
            raise Failure("cannot become a child subreaper: errno %d" % ctypes.get_errno())

    def start(self, argv, **kwargs):
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        pr_set_pdeathsig = 1
        # Whatever happens to the test, what it started does not outlive it.
        kwargs["preexec_fn"] = lambda: self.libc.prctl(pr_set_pdeathsig, signal.SIGTERM, 0, 0, 0)
        process = subprocess.Popen(argv, **kwargs)
        self.started.append(process)
        return process

    @staticmethod
    def stat(pid):
        """(state, parent pid, command) of a process, or None once it is gone."""
        try:
            with open(f"/proc/{pid}/stat", "rb") as f:
                data = f.read().decode(errors="replace")
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                command = f.read().replace(b"\0", b" ").decode(errors="replace").strip()
        except OSError:
            return None
        name = data[data.index("(") + 1:data.rindex(")")]
        fields = data[data.rindex(")") + 2:].split()
        return fields[0], int(fields[1]), command or f"[{name}]"

    @classmethod
    def children_of(cls, parent):
        found = []
        for entry in os.listdir("/proc"):
            if entry.isdigit():
                info = cls.stat(int(entry))
                if info and info[1] == parent:
                    found.append((int(entry),) + info)
        return found

    def orphans(self):
        """Children of the test that it did not start itself: (pid, state, command)."""
        own = {p.pid for p in self.started}
        return [(pid, state, cmd) for pid, state, _, cmd in self.children_of(os.getpid())
                if pid not in own]

    def live_orphans(self):
        return [(pid, cmd) for pid, state, cmd in self.orphans() if state != "Z"]

    def reap_orphans(self):
        for pid, state, command in self.orphans():
            if state == "Z":
                try:
                    os.waitpid(pid, os.WNOHANG)
                    self.reaped.append((pid, command))
                except ChildProcessError:
                    pass

    @staticmethod
    def marked(token):
        """Live processes whose environment carries the run's marker."""
        needle = f"BENCHLIST_E2E_RUN={token}".encode()
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as f:
                    if needle in f.read().split(b"\0"):
                        info = Processes.stat(int(entry))
                        if info and info[0] != "Z":
                            found.append((int(entry), info[2]))
            except OSError:
                pass
        return found

    @staticmethod
    def kill_marked(token):
        """Ends what a bus started for the run, which the run did not start itself."""
        for pid, _ in Processes.marked(token):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    @staticmethod
    def stop(process):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def stop_all(self):
        for process in reversed(self.started):
            self.stop(process)
        self.reap_orphans()


class Run:
    """One test run: its work directory, its processes and what it noted."""

    def __init__(self, prefix):
        self.workdir = Path(tempfile.mkdtemp(prefix=prefix))
        self.processes = Processes()
        self.mismatches = []

    def wait_for(self, what, predicate, timeout=WAIT, interval=0.05):
        return wait_for(what, predicate, timeout, interval, reap=self.processes.reap_orphans)

    # Wrong positions and sizes are collected rather than raised, so that one
    # run reports all of them and still goes on to check everything else.
    def mismatch(self, message):
        print(f"not ok - {message}")
        self.mismatches.append(message)

    def check_mismatches(self):
        if self.mismatches:
            raise Failure(f"{len(self.mismatches)} wrong position(s) or size(s):\n  "
                          + "\n  ".join(self.mismatches))

    def home(self, name):
        """A private HOME with its XDG directories."""
        home = self.workdir / f"home-{name}"
        for sub in ("config", "data", "cache", "state", "runtime"):
            (home / sub).mkdir(parents=True, exist_ok=True)
        (home / "runtime").chmod(0o700)
        return home

    def end_orphans(self):
        """Ends, by pid, what others started and left to the test (a browser's
        helpers, an accessibility bus), and fails if any of it will not go."""
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid, _ in self.processes.live_orphans():
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            try:
                self.wait_for("orphaned processes to end",
                              lambda: not self.processes.live_orphans(), timeout=5)
                return
            except Failure:
                pass
        raise Failure(f"processes outlived the test: {self.processes.live_orphans()}")

    def print_logs(self, lines):
        """Shows the last lines of every log the run left in its work directory."""
        for log in sorted(self.workdir.glob("**/*.log")):
            text = log.read_text(errors="replace").strip()
            if text:
                print(f"--- {log.relative_to(self.workdir)} (last lines)")
                print("\n".join(text.splitlines()[-lines:]))

    def clean_up(self, keep):
        """Stops every process the run started and removes its work directory,
        unless it is kept for a look at what went wrong."""
        self.processes.stop_all()
        try:
            self.end_orphans()
        except Failure as failure:
            print(f"(clean-up: {failure})")
        if keep:
            print(f"work directory kept: {self.workdir}")
        else:
            shutil.rmtree(self.workdir, ignore_errors=True)


def main(description, body, tools=TOOLS, prefix="benchlist-e2e-", options=None, log_lines=25):
    parser = argparse.ArgumentParser(description=description.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--keep", action="store_true", help="keep the work directory")
    if options:
        options(parser)
    args = parser.parse_args()
    missing = [tool for tool in tools if not shutil.which(tool)]
    if missing:
        print("SKIPPED: missing " + ", ".join(missing) + " (bash scripts/build-and-test.sh "
              "installs them)")
        return SKIP
    # A timeout or Ctrl+C still stops everything the test started.
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, lambda number, _: sys.exit(128 + number))
    run = Run(prefix)
    try:
        return body(run, args)
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f"FAILED: {failure}")
        run.print_logs(log_lines)
        args.keep = True
        return 1
    finally:
        run.clean_up(args.keep)


def add_address_options(parser):
    parser.add_argument("--site-base", required=True)
    parser.add_argument("--affiliate-base", required=True)
    parser.add_argument("--publisher", required=True)


# --------------------------------------------------------------------------- X server

class Desktop:
    def __init__(self, run, env):
        self.run_ = run
        self.env = env

    def run(self, *argv, check=True):
        try:
            result = subprocess.run(argv, env=self.env, capture_output=True, text=True,
                                    timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise Failure(f"{' '.join(argv)} did not finish within {WAIT:g} s") from None
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed ({result.returncode}): {result.stderr.strip()}")
        return result.stdout

    # ---- what the window manager knows
    def managed(self):
        """Managed client windows, bottom to top."""
        out = self.run("xprop", "-root", "-notype", "_NET_CLIENT_LIST_STACKING", check=False)
        if "#" not in out:
            return []
        return [int(w, 16) for w in out.split("#", 1)[1].replace(",", " ").split()]

    def title(self, window):
        return self.run("xdotool", "getwindowname", str(window), check=False).rstrip("\n")

    def viewable(self, window):
        return "IsViewable" in self.run("xwininfo", "-id", str(window), check=False)

    def windows(self):
        """Titles of the viewable managed windows, bottom to top, with their ids."""
        return [(self.title(w), w) for w in self.managed() if self.viewable(w)]

    def titles(self):
        return sorted(t for t, _ in self.windows())

    def find(self, title):
        ids = [w for t, w in self.windows() if t == title]
        if len(ids) > 1:
            raise Failure(f"{len(ids)} windows titled {title!r}, expected one")
        return ids[0] if ids else None

    def active(self):
        out = self.run("xprop", "-root", "-notype", "_NET_ACTIVE_WINDOW", check=False)
        try:
            return int(out.split("#", 1)[1].split(",")[0], 16)
        except (IndexError, ValueError):
            return None

    def active_title(self):
        window = self.active()
        return self.title(window) if window else None

    def client_geometry(self, window):
        values = {}
        for line in self.run("xwininfo", "-id", str(window)).splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def frame_extents(self, window):
        out = self.run("xprop", "-id", str(window), "-notype", "_NET_FRAME_EXTENTS")
        left, right, top, bottom = (int(v) for v in out.split("=", 1)[1].split(","))
        return left, right, top, bottom

    def outer_geometry(self, window):
        x, y, width, height = self.client_geometry(window)
        left, right, top, bottom = self.frame_extents(window)
        return x - left, y - top, width + left + right, height + top + bottom

    def min_client_height(self, window):
        for line in self.run("xprop", "-id", str(window), "WM_NORMAL_HINTS").splitlines():
            if "minimum size" in line:
                return int(line.rsplit("by", 1)[1])
        raise Failure("the main window states no minimum size")

    def popups(self):
        """Viewable windows of the program that the window manager does not manage."""
        out = self.run("xdotool", "search", "--onlyvisible", "--class", "benchlist", check=False)
        managed = set(self.managed())
        return [int(w) for w in out.split() if int(w) not in managed]

    # ---- input
    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "30", *keys)

    def type(self, text, delay=20):
        self.run("xdotool", "type", "--delay", str(delay), "--", text)

    def click(self, x, y):
        # A synced move to where the pointer already is waits for a motion that
        # never comes.
        here = self.run("xdotool", "getmouselocation", "--shell").split()
        if f"X={x}" not in here or f"Y={y}" not in here:
            self.run("xdotool", "mousemove", "--sync", str(x), str(y))
        self.run("xdotool", "click", "1")

    def click_client(self, window, point):
        x, y, _, _ = self.client_geometry(window)
        self.click(x + point[0], y + point[1])

    def activate(self, window):
        self.run("xdotool", "windowactivate", "--sync", str(window))
        self.run_.wait_for(f"window {self.title(window)!r} to become active",
                           lambda: self.active() == window)

    def screenshot(self, path, box=None):
        argv = ["import", "-window", "root"]
        if box:
            x, y, width, height = box
            argv += ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]
        self.run(*argv, str(path))

    def describe(self, out):
        """What was on the screen when a check failed, and a picture of it."""
        try:
            print("windows, bottom to top:", [t for t, _ in self.windows()])
            print("active:", self.active_title())
            self.screenshot(out / "failure.png")
            print(f"screen saved to {out / 'failure.png'}")
        except Exception as error:  # pylint: disable=broad-except; diagnostics only
            print(f"(no screen diagnostics: {error})")


def start_xvfb(run, width=1280, height=1024):
    """An X server of the run's own; its display number, as Xvfb chose it."""
    read_end, write_end = os.pipe()
    run.processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                         f"{width}x{height}x24", "-dpi", "96", "-nolisten", "tcp", "-noreset"],
                        pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                        stderr=open(run.workdir / "xvfb.log", "wb"))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number.isdigit():
        raise Failure(f"Xvfb did not start (see {run.workdir / 'xvfb.log'})")
    return number


def start_desktop(run, width=1280):
    workdir = run.workdir
    number = start_xvfb(run, width=width)
    home = workdir / "home-wm"
    home.mkdir()
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "DISPLAY": f":{number}",
           "HOME": str(home), "XDG_CONFIG_HOME": str(home / "config"),
           "XDG_CACHE_HOME": str(home / "cache"), "LANG": "C.UTF-8"}
    desktop = Desktop(run, env)
    run.processes.start(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL,
                        stderr=open(workdir / "openbox.log", "wb"))
    run.wait_for("openbox to manage the screen", lambda: "window id" in desktop.run(
        "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
    return desktop


# The accessibility bus's launcher, where Debian has put it in one release or another.
ACCESSIBILITY_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher",
                           "/usr/lib/at-spi2-core/at-spi-bus-launcher")


def accessibility_bus_tools():
    """What start_accessibility_buses needs, as missing tools for main()."""
    launcher = any(os.access(p, os.X_OK) for p in ACCESSIBILITY_LAUNCHERS)
    return ("dbus-daemon", "dbus-send") + (() if launcher else ("at-spi-bus-launcher",))


def start_accessibility_buses(run, desktop):
    """A session bus of the run's own, in DBUS_SESSION_BUS_ADDRESS of this
    process, and on it the accessibility bus that screen readers and programs
    meet on. The launcher starts the bus and its registry; the run, their
    subreaper, ends them by pid at clean-up. Returns the session bus address."""
    bus = run.processes.start(["dbus-daemon", "--session", "--nofork", "--print-address"],
                              stdout=subprocess.PIPE,
                              stderr=open(run.workdir / "dbus.log", "wb"))
    address = bus.stdout.readline().decode().strip()
    if not address:
        raise Failure("the session bus did not start")
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    launcher = next(p for p in ACCESSIBILITY_LAUNCHERS if os.access(p, os.X_OK))
    env = dict(desktop.env, DBUS_SESSION_BUS_ADDRESS=address)
    run.processes.start([launcher, "--launch-immediately"], env=env, stdout=subprocess.DEVNULL,
                        stderr=open(run.workdir / "at-spi.log", "wb"))
    run.wait_for("the accessibility bus", lambda: subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], env=env, capture_output=True, timeout=5).returncode == 0)
    return address


# --------------------------------------------------------------------------- browser log

class Browser:
    """The recording stand-in for the web browser, and what it has seen so far."""

    def __init__(self, run):
        self.run = run
        self.log = run.workdir / "opened.log"
        self.script = run.workdir / "record-browser"
        self.script.write_text(
            "#!/bin/sh\n"
            "# Stands in for the web browser: notes the address it was asked to open.\n"
            'if [ "$#" -eq 1 ]; then line="$1"; else line="WRONG ARGUMENT COUNT $#: $*"; fi\n'
            f"printf '%s\\n' \"$line\" >> '{self.log}'\n")
        self.script.chmod(0o755)
        self.log.touch()
        self.checked = 0

    def lines(self):
        return self.log.read_text().splitlines()

    def expect(self, what, expected, action=None, timeout=WAIT):
        """Runs the action and checks that exactly the expected addresses reach the
        browser. Each hand-off starts its own xdg-open, and several of them running
        at once may reach the browser in any order, so one action's addresses are
        compared as a collection; the in-process suites check their order. An
        action that should open nothing is watched for a while; extra addresses
        after expected ones show up at the next check."""
        if action:
            action()
        if not expected:
            deadline = time.monotonic() + SETTLE
            while time.monotonic() < deadline and len(self.lines()) == self.checked:
                time.sleep(0.05)
            self.expect_nothing_more(what)
            return
        want = self.checked + len(expected)
        self.run.wait_for(f"{len(expected)} address(es) after {what}",
                          lambda: len(self.lines()) >= want, timeout=timeout)
        got = self.lines()[self.checked:want]
        self.checked = want
        missing, extra = Counter(expected) - Counter(got), Counter(got) - Counter(expected)
        if missing or extra:
            raise Failure(f"{what}: of {len(expected)} addresses, missing {dict(missing)}, "
                          f"unexpected {dict(extra)}")

    def expect_nothing_more(self, what):
        lines = self.lines()
        if len(lines) != self.checked:
            raise Failure(f"{what}: unexpected addresses " + repr(lines[self.checked:]))


# --------------------------------------------------------------------------- the program

class Program:
    def __init__(self, run, binary, desktop, browser, name, extra_env=None):
        home = run.home(name)
        self.token = secrets.token_hex(8)
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "DISPLAY": desktop.env["DISPLAY"],
            "HOME": str(home),
            "XDG_CONFIG_HOME": str(home / "config"),
            "XDG_DATA_HOME": str(home / "data"),
            "XDG_CACHE_HOME": str(home / "cache"),
            "XDG_STATE_HOME": str(home / "state"),
            "XDG_RUNTIME_DIR": str(home / "runtime"),
            # No system-wide handler for web addresses and no desktop to ask, so
            # xdg-open's generic path goes straight to $BROWSER.
            "XDG_CONFIG_DIRS": str(home / "config"),
            "XDG_DATA_DIRS": str(home / "data"),
            "XDG_CURRENT_DESKTOP": "X-Generic",
            "BROWSER": str(browser.script),
            "LANG": "C.UTF-8",
            "BENCHLIST_E2E_RUN": self.token,
            # No session bus: where dbus-x11 is installed, Qt's accessibility
            # bridge would otherwise autolaunch one that outlives the program.
            "DBUS_SESSION_BUS_ADDRESS": f"unix:path={home / 'no-session-bus'}",
        }
        env.update(extra_env or {})
        # A None in extra_env leaves that variable out.
        env = {name: value for name, value in env.items() if value is not None}
        self.log = open(home / "benchlist.log", "ab")
        self.process = run.processes.start([binary], env=env, stdout=self.log, stderr=self.log)

    def running(self):
        return self.process.poll() is None

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait()

    def zombie_children(self):
        return [(pid, cmd) for pid, state, _, cmd in Processes.children_of(self.process.pid)
                if state == "Z"]


# --------------------------------------------------------------------------- scenario steps

class Session:
    """The steps scenarios are made of, on one program run."""

    # The titles the steps know the main and farewell windows by, and what the
    # program's environment adds to the usual one (a language, say).
    main_title = MAIN
    farewell_title = FAREWELL
    extra_env = None

    def __init__(self, run, desktop, browser, program, out, site, affiliate, publisher):
        self.run = run
        self.d = desktop
        self.b = browser
        self.program = program
        self.out = out
        self.site = site
        self.affiliate = affiliate
        self.publisher = publisher
        self.menu_bar = None

    # ---- addresses
    def page(self, path):
        return self.site + path

    @property
    def error(self):
        return self.site + "/error.html"

    def offer(self, number):
        return f"{self.affiliate}/click-{self.publisher}-{number}"

    # ---- windows
    def window(self, title):
        return self.run.wait_for(f"window {title!r}", lambda: self.d.find(title))

    def gone(self, title):
        self.run.wait_for(f"window {title!r} to close", lambda: self.d.find(title) is None)

    def becomes_active(self, title, why):
        window = self.window(title)
        try:
            self.run.wait_for(f"{title!r} to be active {why}", lambda: self.d.active() == window)
            # Focus that merely passes through the window does not count.
            holds(f"{title!r} lost the focus again {why}", lambda: self.d.active() == window)
        except Failure as failure:
            raise Failure(f"{failure}; the active window is {self.d.active_title()!r}") from None
        return window

    def only_windows(self, titles, why):
        try:
            self.run.wait_for(f"exactly the windows {sorted(titles)} {why}",
                              lambda: self.d.titles() == sorted(titles))
        except Failure as failure:
            raise Failure(f"{failure}; open are {self.d.titles()}") from None

    def check_corner(self, title, window):
        x, y, _, _ = self.d.outer_geometry(window)
        if x not in CORNER or y not in CORNER:
            self.run.mismatch(f"{title!r}: outer corner at {x}, {y}; expected {CORNER[0]} or "
                              f"{CORNER[1]} px from the screen's left and top")

    def check_outer_size(self, title, window, size, after):
        try:
            self.run.wait_for(f"{title!r} at outer size {size[0]} x {size[1]} {after}",
                              lambda: self.d.outer_geometry(window)[2:] == size, timeout=5)
        except Failure:
            got = self.d.outer_geometry(window)[2:]
            self.run.mismatch(f"{title!r}: outer size {got[0]} x {got[1]} {after}; "
                              f"expected {size[0]} x {size[1]}")

    def close_with_wm(self, title):
        """Alt+F4: the window manager asks the window to close, as its close box does."""
        window = self.window(title)
        if self.d.active() != window:
            self.d.activate(window)
        self.d.key("alt+F4")
        self.gone(title)

    def main_point(self, box):
        """A control's centre in the main window's X client area, below the menu bar."""
        x, y = centre(box)
        return x, self.menu_bar + y

    def click_main(self, box):
        main = self.window(self.main_title)
        self.d.activate(main)
        self.d.click_client(main, self.main_point(box))

    def menu(self, access_key, *keys):
        """Opens a menu of the main window with Alt and its access key, waits for
        it to drop down, then presses the keys."""
        self.d.activate(self.window(MAIN))
        self.d.key(f"alt+{access_key}")
        self.run.wait_for(f"the menu of Alt+{access_key.upper()} to drop down", self.d.popups)
        self.d.key(*keys)

    def paste(self, text):
        """Puts the text on the clipboard from another program and pastes it over
        the whole text of the focused field."""
        holder = self.run.processes.start(
            ["xclip", "-quiet", "-selection", "clipboard", "-i"], env=self.d.env,
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        holder.stdin.write(text.encode())
        holder.stdin.close()
        self.run.wait_for("the clipboard to hold the text", lambda: self.d.run(
            "xclip", "-selection", "clipboard", "-o", check=False) == text)
        self.d.key("ctrl+a", "ctrl+v")
        return holder

    def nothing_opened(self, why):
        holds(f"no page opened by {why}", lambda: len(self.b.lines()) == self.b.checked,
              duration=0.5)

    # ---- the start and the end
    def start_checks(self):
        main = self.becomes_active(self.main_title, "at start")
        self.only_windows([self.main_title], "at start")
        self.check_corner(self.main_title, main)
        self.check_outer_size(self.main_title, main, (690, 338), "at start")
        # The client area of 284 px lies under the menu bar; the window's
        # minimum height is the two together.
        self.menu_bar = self.d.min_client_height(main) - px(MAIN_CLIENT_HEIGHT)
        if not 10 <= self.menu_bar <= 40:
            raise Failure(f"implausible menu bar height {self.menu_bar} px")
        return main

    def farewell(self, how):
        self.becomes_active(self.farewell_title, f"after {how}")
        self.only_windows([self.farewell_title], f"after {how}")
        self.b.expect("the farewell window's button", [self.site], lambda: self.d.key("space"))
        self.becomes_active(self.farewell_title, "after its button opened the home page")
        # Every page went to a process of its own that the program does not
        # wait for; none of them may linger as the program's zombie child.
        try:
            self.run.wait_for("the program to reap its child processes",
                              lambda: not self.program.zombie_children(), timeout=5)
        except Failure:
            zombies = self.program.zombie_children()
            raise Failure(f"the program leaves {len(zombies)} child process(es) unreaped, "
                          f"such as {zombies[:3]}") from None
        self.close_with_wm(self.farewell_title)

    def leave(self):
        """Closes the main window and then the farewell window."""
        self.d.activate(self.window(self.main_title))
        self.d.key("alt+F4")
        self.farewell("closing the main window")


# --------------------------------------------------------------------------- driver

def run_program(run, name, scenario, args, desktop, browser, session_class=Session):
    """Starts the program, runs scenario(session) and checks that the program
    then ends with status 0, leaving no process and no unchecked address."""
    program = Program(run, args.binary, desktop, browser, name, session_class.extra_env)
    session = session_class(run, desktop, browser, program, args.out, args.site_base,
                            args.affiliate_base, args.publisher)

    def leftovers():
        return Processes.marked(program.token) + run.processes.live_orphans()
    try:
        scenario(session)
        try:
            status = program.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after its last window was closed") from None
        if status != 0:
            raise Failure(f"the program ended with status {status}")
        # xdg-open and the browser run on their own; give them time to finish.
        try:
            run.wait_for("every process the program started to end", lambda: not leftovers())
        except Failure:
            raise Failure(f"processes left behind by the program: {leftovers()}") from None
        browser.expect_nothing_more(f"{name}: after the program ended")
    except Failure:
        desktop.describe(args.out)
        raise
    finally:
        program.stop()
        for pid, _ in leftovers():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        run.processes.reap_orphans()
