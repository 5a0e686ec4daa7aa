#!/usr/bin/env python3
"""End-to-end test of the real benchlist binary on a real X server.

Starts its own Xvfb (on a display number the server picks itself), openbox as
the window manager, and benchlist with a private HOME and XDG directories, in
which the real xdg-open finds no desktop environment and no registered web
browser and so hands every address to $BROWSER: a small script that appends it
to a log. The program is then driven only from outside, with xdotool (keys and
mouse), xclip (the clipboard) and the window manager's own Alt+F4, and judged by
what the window manager reports (frames, positions, the active window) and by
the addresses in the log.

The test becomes a child subreaper, so every xdg-open the program leaves behind
is re-parented to it; that is how it sees whether a child process outlives the
program. It stops only the processes it started.

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
"""

import argparse
import ctypes
import os
import secrets
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

SKIP = 77
WAIT = 10.0  # seconds for anything the program or the window manager should do
SETTLE = 1.5  # seconds an action that should open nothing is watched for an address
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xclip", "import", "xdg-open")

MAIN = "The Benchlist"
FAREWELL = "Thankyou for using Wishtrail"
ABOUT = "About Wishtrail"
INSTRUCTIONS = "Instructions"
APPLE = "Apple / Macintosh Computer Menu"
MONITORS = "Computer Monitors and Accessories"
LAPTOPS = "Laptops"
COMPONENTS = "PC Components"
FIND = "Find a Category"

# 1000 twips from the screen's top and left edges, at 15 twips to the pixel.
CORNER = (66, 67)


def px(twips):
    return (twips + 7) // 15


@dataclass(frozen=True)
class Category:
    button: str        # main-window button that opens the window
    box: tuple         # the button's left, top, width, height in twips (client area)
    title: str         # the window's title
    first_page: str    # page of the first item of the drop-down that starts with the focus


# In the main window's Tab order. Every first drop-down starts with a caption that
# is no item, so Down chooses its first item.
CATEGORIES = (
    Category("cmdApple", (173, 1440, 3135, 375), APPLE, "/bl/mac/68K-Mac.html"),
    Category("cmdMonitors", (3533, 2400, 3135, 375), MONITORS, "/bl/cm/LCD-Flat-Panel.html"),
    Category("cmdDrives", (3533, 1440, 3135, 375), "Drives and Peripherals",
             "/bl/dp/CD-Duplicators.html"),
    Category("cmdComponents", (3533, 1920, 3135, 375), "PC Components",
             "/bl/cc/Cables-Adapter-Cards.html"),
    Category("cmdDeskTops", (173, 1920, 3135, 375), "Desktop PC's",
             "/bl/dt/366MHz-Less-systems.html"),
    Category("cmdLaptops", (173, 2400, 3135, 375), LAPTOPS, "/bl/lt/Laptop-Systems.html"),
    Category("cmdNetworking", (6893, 1920, 3135, 375), "Networking",
             "/bl/nw/802-11-Wifi-Wireless.html"),
    Category("cmdPDA", (6893, 2400, 3135, 375), "PDA's & Handheld PC's",
             "/bl/pda/PDAs-and-Handheld-PCs.html"),
    Category("cmdPrinters", (6893, 1440, 3135, 375), "Prnters And Printer Supplies",
             "/bl/ps/All-In-One-Multifunction-Printers.html"),
)
BY_TITLE = {c.title: c for c in CATEGORIES}

# Pictures and labels of the main window that the test clicks (twips, client area).
AUCTION_BANNER = (173, 3000, 6000, 900)
GIFT_BANNER = (6540, 3000, 3480, 900)
SIGNUP_LABEL = (630, 3960, 5085, 195)
FIND_HINT = (8000, 1110, 200, 240)  # on the link of "Find a category by words... (Ctrl+F)"
MAIN_CLIENT_HEIGHT = 4260  # the client area below the menu bar

# Drop-downs of the Computer Monitors window (twips) and the first one's list.
MONITORS_FLAT = (240, 1560, 3135, 315)
MONITORS_ACCESSORIES = (3600, 1560, 3135, 315)
MONITORS_REFRESH = (7080, 1665, 1095, 495)
FLAT_ITEMS = ("LCD Flat Panel", "15-inch Smaller LCD", "17-inch LCD", "18-inch LCD",
              "19-inch LCD", "20-inch Larger LCD")
LAPTOPS_SYSTEMS = (120, 1680, 2295, 315)


class Failure(Exception):
    pass


# Wrong positions and sizes are collected rather than raised, so that one run
# reports all of them and still goes on to check everything else.
MISMATCHES = []


def mismatch(message):
    print(f"not ok - {message}")
    MISMATCHES.append(message)


def centre(box, dx=0, dy=0):
    left, top, width, height = box
    return px(left) + px(width) // 2 + dx, px(top) + px(height) // 2 + dy


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

    def own_pids(self):
        return {p.pid for p in self.started}

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
        own = self.own_pids()
        return [(pid, state, cmd) for pid, state, _, cmd in self.children_of(os.getpid())
                if pid not in own]

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

    def stop_all(self):
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.reap_orphans()


PROCESSES = None


def wait_for(what, predicate, timeout=WAIT, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        PROCESSES.reap_orphans()
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


# --------------------------------------------------------------------------- X server

class Desktop:
    def __init__(self, env):
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
        out = self.run("xdotool", "getwindowname", str(window), check=False)
        return out.rstrip("\n")

    def viewable(self, window):
        out = self.run("xwininfo", "-id", str(window), check=False)
        return "IsViewable" in out

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
        out = self.run("xwininfo", "-id", str(window))
        values = {}
        for line in out.splitlines():
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
        out = self.run("xprop", "-id", str(window), "WM_NORMAL_HINTS")
        for line in out.splitlines():
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

    def type(self, text):
        self.run("xdotool", "type", "--delay", "20", "--", text)

    def click(self, x, y):
        self.run("xdotool", "mousemove", "--sync", str(x), str(y))
        self.run("xdotool", "click", "1")

    def click_client(self, window, point):
        x, y, _, _ = self.client_geometry(window)
        self.click(x + point[0], y + point[1])

    def activate(self, window):
        self.run("xdotool", "windowactivate", "--sync", str(window))
        wait_for(f"window {self.title(window)!r} to become active",
                 lambda: self.active() == window)

    def screenshot(self, path, box=None):
        argv = ["import", "-window", "root"]
        if box:
            x, y, width, height = box
            argv += ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]
        self.run(*argv, str(path))


# --------------------------------------------------------------------------- browser log

class Browser:
    """The recording stand-in for the web browser, and what it has seen so far."""

    def __init__(self, directory):
        self.log = directory / "opened.log"
        self.script = directory / "record-browser"
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

    def expect(self, what, expected, action=None):
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
        wait_for(f"{len(expected)} address(es) after {what}", lambda: len(self.lines()) >= want)
        got = self.lines()[self.checked:want]
        self.checked = want
        if sorted(got) != sorted(expected):
            raise Failure(f"{what}: expected addresses\n    " + "\n    ".join(expected)
                          + "\n  got\n    " + "\n    ".join(got))

    def expect_nothing_more(self, what):
        lines = self.lines()
        if len(lines) != self.checked:
            raise Failure(f"{what}: unexpected addresses " + repr(lines[self.checked:]))


# --------------------------------------------------------------------------- the program

class Program:
    def __init__(self, binary, desktop, browser, home, token, extra_env=None):
        self.desktop = desktop
        self.browser = browser
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "DISPLAY": desktop.env["DISPLAY"],
            "HOME": str(home),
            "XDG_CONFIG_HOME": str(home / "config"),
            "XDG_DATA_HOME": str(home / "data"),
            "XDG_CACHE_HOME": str(home / "cache"),
            "XDG_RUNTIME_DIR": str(home / "runtime"),
            # No system-wide handler for web addresses and no desktop to ask, so
            # xdg-open's generic path goes straight to $BROWSER.
            "XDG_CONFIG_DIRS": str(home / "config"),
            "XDG_DATA_DIRS": str(home / "data"),
            "XDG_CURRENT_DESKTOP": "X-Generic",
            "BROWSER": str(browser.script),
            "LANG": "C.UTF-8",
            "BENCHLIST_E2E_RUN": token,
            # No session bus: where dbus-x11 is installed, Qt's accessibility
            # bridge would otherwise autolaunch one that outlives the program.
            "DBUS_SESSION_BUS_ADDRESS": f"unix:path={home / 'no-session-bus'}",
        }
        env.update(extra_env or {})
        # A None in extra_env leaves that variable out.
        env = {name: value for name, value in env.items() if value is not None}
        self.log = open(home / "benchlist.log", "ab")
        self.process = PROCESSES.start([binary], env=env, stdout=self.log, stderr=self.log)

    def running(self):
        return self.process.poll() is None

    def zombie_children(self):
        return [(pid, cmd) for pid, state, _, cmd in Processes.children_of(self.process.pid)
                if state == "Z"]


# --------------------------------------------------------------------------- scenario steps

class Session:
    def __init__(self, desktop, browser, program, out):
        self.d = desktop
        self.b = browser
        self.program = program
        self.out = out
        self.menu_bar = None

    # ---- addresses
    def setup_addresses(self, site, affiliate, publisher):
        self.site = site
        self.affiliate = affiliate
        self.publisher = publisher

    def page(self, path):
        return self.site + path

    @property
    def error(self):
        return self.site + "/error.html"

    def offer(self, number):
        return f"{self.affiliate}/click-{self.publisher}-{number}"

    # ---- windows
    def window(self, title):
        return wait_for(f"window {title!r}", lambda: self.d.find(title))

    def gone(self, title):
        wait_for(f"window {title!r} to close", lambda: self.d.find(title) is None)

    def becomes_active(self, title, why):
        window = self.window(title)
        try:
            wait_for(f"{title!r} to be active {why}", lambda: self.d.active() == window)
            # Focus that merely passes through the window does not count.
            holds(f"{title!r} lost the focus again {why}", lambda: self.d.active() == window)
        except Failure as failure:
            raise Failure(f"{failure}; the active window is {self.d.active_title()!r}") from None
        return window

    def only_windows(self, titles, why):
        try:
            wait_for(f"exactly the windows {sorted(titles)} {why}",
                     lambda: self.d.titles() == sorted(titles))
        except Failure as failure:
            raise Failure(f"{failure}; open are {self.d.titles()}") from None

    def check_corner(self, title, window):
        x, y, _, _ = self.d.outer_geometry(window)
        if x not in CORNER or y not in CORNER:
            mismatch(f"{title!r}: outer corner at {x}, {y}; expected {CORNER[0]} or "
                     f"{CORNER[1]} px from the screen's left and top")

    def check_outer_size(self, title, window, size, after):
        try:
            wait_for(f"{title!r} at outer size {size[0]} x {size[1]} {after}",
                     lambda: self.d.outer_geometry(window)[2:] == size, timeout=5)
        except Failure:
            got = self.d.outer_geometry(window)[2:]
            mismatch(f"{title!r}: outer size {got[0]} x {got[1]} {after}; "
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
        main = self.window(MAIN)
        self.d.activate(main)
        self.d.click_client(main, self.main_point(box))

    def menu(self, access_key, *keys):
        """Opens a menu of the main window with Alt and its access key, waits for
        it to drop down, then presses the keys."""
        self.d.activate(self.window(MAIN))
        self.d.key(f"alt+{access_key}")
        wait_for(f"the menu of Alt+{access_key.upper()} to drop down", self.d.popups)
        self.d.key(*keys)

    def paste(self, text):
        """Puts the text on the clipboard from another program and pastes it over
        the whole text of the focused field."""
        holder = PROCESSES.start(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                                 env=self.d.env, stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        holder.stdin.write(text.encode())
        holder.stdin.close()
        wait_for("the clipboard to hold the text", lambda: self.d.run(
            "xclip", "-selection", "clipboard", "-o", check=False) == text)
        self.d.key("ctrl+a", "ctrl+v")
        return holder

    # ---- the start
    def start_checks(self):
        main = self.becomes_active(MAIN, "at start")
        self.only_windows([MAIN], "at start")
        self.check_corner(MAIN, main)
        self.check_outer_size(MAIN, main, (690, 338), "at start")
        # The client area of 284 px lies under the menu bar; the window's
        # minimum height is the two together.
        self.menu_bar = self.d.min_client_height(main) - px(MAIN_CLIENT_HEIGHT)
        if not 10 <= self.menu_bar <= 40:
            raise Failure(f"implausible menu bar height {self.menu_bar} px")
        return main

    # ---- scenarios
    def tour(self):
        """One long session through every window, menu item, shortcut and banner."""
        main = self.start_checks()
        self.d.screenshot(self.out / "main-window.png", self.d.outer_geometry(main))

        self.d.run("xdotool", "windowsize", str(main), "900", "600")
        self.check_outer_size(MAIN, main, (690, 338), "after an attempt to resize it")
        self.check_corner(MAIN, main)

        self.keyboard_walk()
        self.monitors()
        self.laptops_and_focus_return()
        self.help_windows()
        self.web_menus()
        self.banners()
        self.all_categories_then_exit()

    def keyboard_walk(self):
        """Tab through the nine buttons, opening each window with the space bar."""
        self.becomes_active(MAIN, "before the walk through its buttons")
        for position, category in enumerate(CATEGORIES):
            if position:
                self.d.key("Tab")
            self.d.key("space")
            window = self.becomes_active(category.title, f"after {category.button} was pressed")
            self.check_corner(category.title, window)
            if category.title == APPLE:
                self.check_outer_size(APPLE, window, (625, 239), "when opened")
                self.d.run("xdotool", "windowsize", str(window), "800", "400")
                self.check_outer_size(APPLE, window, (625, 239), "after an attempt to resize it")
            # The focus starts in the first drop-down, which shows a caption: Down
            # chooses its first item, Up then has nothing above it.
            self.b.expect(f"Down in {category.title!r}", [self.page(category.first_page)],
                          lambda: self.d.key("Down", "Up"))
            self.close_with_wm(category.title)
            self.becomes_active(MAIN, f"after {category.title!r} was closed")

    def monitors(self):
        flat = [self.page(p) for p in (
            "/bl/cm/LCD-Flat-Panel.html", "/bl/cm/15-inch-Smaller-LCD.html",
            "/bl/cm/17-inch-LCD.html", "/bl/cm/18-inch-LCD.html")]
        self.click_main(BY_TITLE[MONITORS].box)
        window = self.becomes_active(MONITORS, "after a click on its button")
        self.check_corner(MONITORS, window)

        # Arrow keys: one page per step; Enter and a step past the top open nothing
        # (what they would have opened shows up at the next check).
        self.b.expect("Down, Down, Up in the flat-panel list", [flat[0], flat[1], flat[0]],
                      lambda: self.d.key("Down", "Down", "Up"))
        self.b.expect("Enter, Up at the top, then Down", [flat[1]],
                      lambda: self.d.key("Return", "Up", "Down"))

        # The mouse: open the list with the arrow and click its third item.
        left, top, width, height = MONITORS_FLAT
        arrow = (px(left + width) - 8, centre(MONITORS_FLAT)[1])
        self.d.click_client(window, arrow)
        popup = wait_for("the drop-down list to open", self.d.popups)[0]
        px_, py, _, ph = self.d.client_geometry(popup)
        row = 2
        self.b.expect("a click on '17-inch LCD' in the list", [flat[2]], lambda: self.d.click(
            px_ + 40, py + int(ph * (row + 0.5) / len(FLAT_ITEMS))))
        wait_for("the list to close", lambda: not self.d.popups())
        self.b.expect("Down after the mouse choice", [flat[3]], lambda: self.d.key("Down"))

        # Typing: every keystroke is an edit and opens a page; only the complete
        # text of an entry that is no list item opens its own page.
        self.d.click_client(window, centre(MONITORS_ACCESSORIES, dx=-30))
        self.d.key("ctrl+a")
        text = "Glare Filters"
        for count in range(1, len(text) + 1):
            expected = self.page("/bl/cm/Glare-Filters.html") if count == len(text) else self.error
            self.b.expect(f"typing {text[:count]!r}", [expected],
                          lambda c=count: self.d.type(text[c - 1]))

        # Pasting replaces the whole text in one edit: one page, found by the exact text.
        for pasted, expected in (
                ("Cables", self.page("/bl/cm/Cables.html")),
                ("cables", self.error),
                ("Cables ", self.error),
                ("Stands and Risers", self.page("/bl/cm/Stands-and-Risers.html")),
        ):
            self.b.expect(f"pasting {pasted!r}", [expected], lambda t=pasted: self.paste(t))

        # Refresh: a new window, back at its place, in front and active, every
        # drop-down showing its first text again (Down chooses the first item).
        self.d.run("xdotool", "windowmove", str(window), "300", "400")
        wait_for("the window to move", lambda: self.d.outer_geometry(window)[0] > 200)
        self.d.click_client(window, centre(MONITORS_REFRESH))
        self.gone_window(window, MONITORS)
        refreshed = self.becomes_active(MONITORS, "after Refresh Categories")
        self.check_corner(MONITORS, refreshed)
        self.only_windows([MAIN, MONITORS], "after Refresh Categories")
        self.d.screenshot(self.out / "monitors-window.png", self.d.outer_geometry(refreshed))
        self.b.expect("Down after Refresh Categories", [flat[0]], lambda: self.d.key("Down"))

        # Its button again: the same window comes to the front where it is,
        # keeping its texts.
        self.d.run("xdotool", "windowmove", str(refreshed), "320", "420")
        wait_for("the window to move", lambda: self.d.outer_geometry(refreshed)[0] > 200)
        moved = self.d.outer_geometry(refreshed)[:2]
        self.click_main(BY_TITLE[MONITORS].box)
        again = self.becomes_active(MONITORS, "after its button was clicked again")
        if again != refreshed or self.d.outer_geometry(again)[:2] != moved:
            raise Failure("the button of an open window made a new window or moved it")
        self.b.expect("Down in the window brought back", [flat[1]], lambda: self.d.key("Down"))
        self.close_with_wm(MONITORS)
        self.becomes_active(MAIN, "after Computer Monitors was closed")

    def gone_window(self, window, title):
        wait_for(f"{title!r} to go away", lambda: window not in
                 [w for _, w in self.d.windows()])

    def laptops_and_focus_return(self):
        self.click_main(BY_TITLE[LAPTOPS].box)
        laptops = self.becomes_active(LAPTOPS, "after a click on its button")
        self.check_corner(LAPTOPS, laptops)
        # An address with blanks and an ampersand reaches the browser as it stands.
        self.d.click_client(laptops, centre(LAPTOPS_SYSTEMS, dx=-30))
        self.b.expect("pasting 'Toshiba 2.0GHz More'", [self.page("/bl/lt/2.0 GHz & More.html")],
                      lambda: self.paste("Toshiba 2.0GHz More"))

        # With the main window behind two others, closing the front one brings
        # the main window forward, not the one next in line.
        self.click_main(BY_TITLE[APPLE].box)
        self.becomes_active(APPLE, "after a click on its button")
        self.d.activate(laptops)
        self.close_with_wm(LAPTOPS)
        self.becomes_active(MAIN, "after Laptops was closed with Apple still open")
        stack = [t for t, _ in self.d.windows()]
        if stack[-1] != MAIN:
            raise Failure(f"the main window is not in front after Laptops closed: {stack}")
        self.close_with_wm(APPLE)
        self.becomes_active(MAIN, "after Apple was closed")

    def help_windows(self):
        self.becomes_active(MAIN, "before the Help menu")
        self.d.key("ctrl+h")
        self.becomes_active(INSTRUCTIONS, "after Ctrl+H")
        self.close_with_wm(INSTRUCTIONS)
        self.menu("h", "Return")
        self.becomes_active(INSTRUCTIONS, "after Help, Instructions")

        self.d.activate(self.window(MAIN))
        self.d.key("ctrl+a")
        about = self.becomes_active(ABOUT, "after Ctrl+A")
        self.check_outer_size(ABOUT, about, (604, 187), "when opened")
        self.d.run("xdotool", "windowsize", str(about), "800", "400")
        self.check_outer_size(ABOUT, about, (604, 187), "after an attempt to resize it")
        self.b.expect("the About window's button", [self.site], lambda: self.d.key("space"))
        self.becomes_active(ABOUT, "after its button opened the home page")

        self.menu("h", "a")
        again = self.becomes_active(ABOUT, "after Help, About")
        if again != about:
            raise Failure("Help, About made a second About window")
        self.only_windows([MAIN, INSTRUCTIONS, ABOUT], "after Help, About")

    def web_menus(self):
        for keys, what, expected in (
                (("v", "Return"), "Version, Check For Updates",
                 self.page("/bl/version1.html")),
                (("t", "Return"), "Tell A Friend, Send Benchlist",
                 self.page("/tellafriend.html")),
                # "Join Ebay" has no access key: open File and step right to it.
                (("f", "Right", "Return"), "Join Ebay, Sign Up For Ebay",
                 self.offer(2202641)),
        ):
            self.b.expect(what, [expected], lambda k=keys: self.menu(*k))
            self.becomes_active(MAIN, f"after {what}")

    def banners(self):
        for box, what, expected in (
                (AUCTION_BANNER, "the auction banner", [self.offer(10296229)]),
                (SIGNUP_LABEL, "the label under it", []),
                (GIFT_BANNER, "the gift-certificate banner", [self.offer(10304392)]),
        ):
            self.b.expect(f"a click on {what}", expected, lambda b=box: self.click_main(b))

    def all_categories_then_exit(self):
        # Each button opens its window at the same corner, over the others.
        for category in CATEGORIES:
            self.click_main(category.box)
            window = self.becomes_active(category.title, f"after a click on {category.button}")
            self.check_corner(category.title, window)
        self.only_windows([MAIN, INSTRUCTIONS, ABOUT] + [c.title for c in CATEGORIES],
                          "with every window open")
        self.menu("f", "x")
        self.farewell("File, Exit")

    def farewell(self, how):
        self.becomes_active(FAREWELL, f"after {how}")
        self.only_windows([FAREWELL], f"after {how}")
        self.b.expect("the farewell window's button", [self.site], lambda: self.d.key("space"))
        self.becomes_active(FAREWELL, "after its button opened the home page")
        # Every page went to a process of its own that the program does not
        # wait for; none of them may linger as the program's zombie child.
        try:
            wait_for("the program to reap its child processes",
                     lambda: not self.program.zombie_children(), timeout=5)
        except Failure:
            zombies = self.program.zombie_children()
            raise Failure(f"the program leaves {len(zombies)} child process(es) unreaped, "
                          f"such as {zombies[:3]}") from None
        self.close_with_wm(FAREWELL)

    def exit_by_shortcut(self):
        self.start_checks()
        self.click_main(BY_TITLE[MONITORS].box)
        self.becomes_active(MONITORS, "after a click on its button")
        self.d.activate(self.window(MAIN))
        self.d.key("ctrl+x")
        self.farewell("Ctrl+X")

    def find_window(self):
        """The find window by keyboard only: Ctrl+F, words, Down and Enter open one
        page; Alt+Enter shows a result in its window; Escape closes."""
        self.start_checks()
        self.d.key("ctrl+f")
        self.becomes_active(FIND, "after Ctrl+F in the main window")
        self.d.type("usb cables")
        find = self.window(FIND)
        time.sleep(0.3)  # the last keystroke's results drawn
        self.d.screenshot(self.out / "find-window.png", self.d.outer_geometry(find))
        self.d.key("ctrl+a")
        self.d.type("printer usb cables")
        self.nothing_opened("typing in the find window")
        self.b.expect("Down and Enter on the results", [self.page("/bl/ps/USB-2-Printer-Cables.html")],
                      lambda: self.d.key("Down", "Return"))
        self.nothing_opened("Enter in the find window")

        # The text goes into its drop-down, which takes the focus without opening
        # anything; Down there steps on to the item after it.
        self.d.key("ctrl+a")
        self.d.type("usb hubs")
        self.d.key("alt+Return")
        self.becomes_active(COMPONENTS, "after Alt+Enter on 'USB Hubs and Cables'")
        self.nothing_opened("Alt+Enter in the find window")
        self.b.expect("Down in the drop-down shown", [self.page("/bl/cc/PCI-Cards.html")],
                      lambda: self.d.key("Down"))

        self.d.key("ctrl+f")
        self.becomes_active(FIND, "after Ctrl+F in a category window")
        self.d.key("Escape")
        self.gone(FIND)
        self.click_main(FIND_HINT)
        self.becomes_active(FIND, "after a click on the hint in the main window")
        self.d.activate(self.window(MAIN))
        self.d.key("ctrl+x")
        self.farewell("Ctrl+X with the find window open")

    def nothing_opened(self, why):
        holds(f"no page opened by {why}", lambda: len(self.b.lines()) == self.b.checked,
              duration=0.5)

    def exit_by_closing_main(self):
        self.start_checks()
        self.d.key("ctrl+a")
        self.becomes_active(ABOUT, "after Ctrl+A")
        self.d.activate(self.window(MAIN))
        self.d.key("alt+F4")
        self.farewell("closing the main window")


# --------------------------------------------------------------------------- driver

def run_program(name, scenario, args, desktop, browser, workdir):
    token = secrets.token_hex(8)
    home = workdir / f"home-{name}"
    for sub in ("config", "data", "cache", "runtime"):
        (home / sub).mkdir(parents=True, exist_ok=True)
    (home / "runtime").chmod(0o700)
    program = Program(args.binary, desktop, browser, home, token)
    session = Session(desktop, browser, program, args.out)
    session.setup_addresses(args.site_base, args.affiliate_base, args.publisher)

    def leftovers():
        return Processes.marked(token) + [(pid, cmd) for pid, state, cmd in PROCESSES.orphans()
                                          if state != "Z"]
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
            wait_for("every process the program started to end", lambda: not leftovers())
        except Failure:
            raise Failure(f"processes left behind by the program: {leftovers()}") from None
        browser.expect_nothing_more(f"{name}: after the program ended")
    except Failure:
        describe_screen(desktop, args.out)
        raise
    finally:
        if program.running():
            program.process.kill()
            program.process.wait()
        for pid, _ in leftovers():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        PROCESSES.reap_orphans()


def find_on_command_line(args):
    """benchlist --find, with no display at all."""
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C.UTF-8"}
    hubs = "\t".join(("USB Hubs and Cables", COMPONENTS, "Cables and, Adapter Cards",
                      args.site_base + "/bl/cc/USB-Hubs.html"))
    for words, status, output in ((["usb", "HUBS"], 0, hubs + "\n"),
                                  (["zebra"], 1, ""),
                                  ([], 2, "")):
        result = subprocess.run([args.binary, "--find", *words], env=env, capture_output=True,
                                text=True, timeout=WAIT)
        if result.returncode != status or result.stdout != output:
            raise Failure(f"benchlist --find {' '.join(words)}: status {result.returncode}, "
                          f"output {result.stdout!r}; expected {status}, {output!r}")
    if result.stderr.count("\n") != 1:
        raise Failure(f"benchlist --find without words: {result.stderr!r}")


def describe_screen(desktop, out):
    try:
        print("windows, bottom to top:", [t for t, _ in desktop.windows()])
        print("active:", desktop.active_title())
        desktop.screenshot(out / "failure.png")
        print(f"screen saved to {out / 'failure.png'}")
    except Exception as error:  # pylint: disable=broad-except; diagnostics only
        print(f"(no screen diagnostics: {error})")


def start_desktop(workdir):
    read_end, write_end = os.pipe()
    PROCESSES.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                            "-dpi", "96", "-nolisten", "tcp", "-noreset"],
                           pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                           stderr=open(workdir / "xvfb.log", "wb"))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number.isdigit():
        raise Failure(f"Xvfb did not start (see {workdir / 'xvfb.log'})")
    home = workdir / "home-wm"
    home.mkdir()
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "DISPLAY": f":{number}",
           "HOME": str(home), "XDG_CONFIG_HOME": str(home / "config"),
           "XDG_CACHE_HOME": str(home / "cache"), "LANG": "C.UTF-8"}
    desktop = Desktop(env)
    PROCESSES.start(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL,
                    stderr=open(workdir / "openbox.log", "wb"))
    wait_for("openbox to manage the screen", lambda: "window id" in desktop.run(
        "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
    return desktop


def print_logs(workdir, lines):
    """Shows the last lines of every log a failed run left in its work directory."""
    for log in sorted(workdir.glob("**/*.log")):
        text = log.read_text(errors="replace").strip()
        if text:
            print(f"--- {log.relative_to(workdir)} (last lines)")
            print("\n".join(text.splitlines()[-lines:]))


def clean_up(workdir, keep):
    """Stops every process the run started and removes its work directory,
    unless it is kept for a look at what went wrong."""
    PROCESSES.stop_all()
    if keep:
        print(f"work directory kept: {workdir}")
    else:
        shutil.rmtree(workdir, ignore_errors=True)


def main():
    global PROCESSES
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--out", required=True, type=Path,
                        help="directory for the screenshots (and failure.png when a check fails)")
    parser.add_argument("--site-base", required=True)
    parser.add_argument("--affiliate-base", required=True)
    parser.add_argument("--publisher", required=True)
    parser.add_argument("--keep", action="store_true", help="keep the work directory")
    args = parser.parse_args()

    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if missing:
        print("SKIPPED: missing " + ", ".join(missing) + " (bash scripts/build-and-test.sh "
              "installs them)")
        return SKIP
    args.out.mkdir(parents=True, exist_ok=True)
    # A timeout or Ctrl+C still stops everything the test started.
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, lambda number, _: sys.exit(128 + number))
    workdir = Path(tempfile.mkdtemp(prefix="benchlist-e2e-"))
    PROCESSES = Processes()
    browser = Browser(workdir)
    desktop = None
    started = time.monotonic()
    try:
        find_on_command_line(args)
        print("ok - --find")
        desktop = start_desktop(workdir)
        for name, scenario in (("tour", Session.tour),
                               ("ctrl-x", Session.exit_by_shortcut),
                               ("find", Session.find_window),
                               ("close-main", Session.exit_by_closing_main)):
            begun = time.monotonic()
            run_program(name, scenario, args, desktop, browser, workdir)
            print(f"ok - {name} ({time.monotonic() - begun:.1f} s)")
        if MISMATCHES:
            raise Failure(f"{len(MISMATCHES)} wrong position(s) or size(s):\n  "
                          + "\n  ".join(MISMATCHES))
        openers = sum(1 for _, command in PROCESSES.reaped if "xdg-open" in command)
        print(f"passed: {browser.checked} addresses checked, {openers} finished xdg-open "
              f"processes reaped, in {time.monotonic() - started:.1f} s")
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}")
        print_logs(workdir, 25)
        args.keep = True
        return 1
    finally:
        clean_up(workdir, args.keep)


if __name__ == "__main__":
    sys.exit(main())
