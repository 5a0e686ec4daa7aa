#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End-to-end test of the real benchlist binary on a real Wayland compositor.

Starts its own Xvfb, weston on it with the X11 backend (so there is a real
seat), and benchlist with WAYLAND_DISPLAY and a private XDG_RUNTIME_DIR but no
DISPLAY: it starts there with nothing on standard error. With both displays at
hand, the session's type chooses; a platform tried and given up says nothing. Keys and clicks go to weston's window with xdotool; weston's debug
streams tell where each window is, its size and its app id; a screenshot taken
through weston shows what the program drew. Every title-bar button and the
compositor's own maximise and full-screen shortcuts are tried on every kind of
window: the program must live on, and a window of fixed size keep its size.

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
"""

import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path
from types import SimpleNamespace

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
# pylint: disable=wrong-import-position
import harness  # noqa: E402
from harness import (ABOUT, FAREWELL, FIRST_PAGE, INSTRUCTIONS, MAIN, TITLE, WAIT,  # noqa: E402
                     WINDOWS, Browser, Failure, Program, holds, wait_for)

APPLE = TITLE["frmApple"]
MONITORS = TITLE["frmMonitors"]

TOOLS = ("Xvfb", "weston", "weston-debug", "weston-screenshooter", "xdotool", "convert",
         "xdg-open")
SOCKET = "benchlist-e2e"
SCREEN = (1280, 1024)
PANEL = 32  # weston's panel along the top of the screen
# A strip of the X screen below weston's window, for the pointer to leave it.
OUTSIDE = 8
# Qt's own title bar: its height, and where the buttons sit from the right edge.
TITLE = 30
MAXIMIZE_FROM_RIGHT = 40
CLOSE_FROM_RIGHT = 17
VIEW = re.compile(r"top-level window '(?P<title>[^']*)' of (?P<app>\S+), .*\n"
                  r"\s*position: \((?P<x1>-?\d+), (?P<y1>-?\d+)\) -> "
                  r"\((?P<x2>-?\d+), (?P<y2>-?\d+)\)")


class Compositor:
    def __init__(self, run):
        workdir = run.workdir
        number = harness.start_xvfb(run, SCREEN[0], SCREEN[1] + OUTSIDE)
        self.runtime = workdir / "runtime"
        self.runtime.mkdir(mode=0o700)
        base = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C.UTF-8",
                "HOME": str(workdir), "XDG_RUNTIME_DIR": str(self.runtime)}
        self.x_env = dict(base, DISPLAY=f":{number}")
        self.env = dict(base, WAYLAND_DISPLAY=SOCKET)
        # The panel's one launcher starts nothing that could cover the program's
        # windows (weston's own starts a terminal) should a click stray onto it.
        config = workdir / "weston.ini"
        config.write_text("[launcher]\nicon=/usr/share/weston/terminal.png\npath=/bin/true\n")
        # --idle-time=0: no screen lock however long the test waits for input.
        run.processes.start(["weston", "--backend=x11-backend.so", f"--width={SCREEN[0]}",
                             f"--height={SCREEN[1]}", "--idle-time=0", "--debug",
                             f"--config={config}", f"--socket={SOCKET}"], env=self.x_env, cwd=workdir,
                            stdout=subprocess.DEVNULL, stderr=open(workdir / "weston.log", "wb"))
        wait_for("weston to show its panel", lambda: "panel for output" in self.scene())
        self.workdir = workdir

    def scene(self):
        result = subprocess.run(["weston-debug", "scene-graph"], env=self.env, timeout=WAIT,
                                capture_output=True, text=True, check=False)
        return result.stdout

    def windows(self):
        """{title: (app id, (left, top, right, bottom))} of every top-level window."""
        return {m["title"]: (m["app"], tuple(int(m[k]) for k in ("x1", "y1", "x2", "y2")))
                for m in VIEW.finditer(self.scene())}

    def box(self, title):
        return wait_for(f"the window {title!r}",
                        lambda: self.windows().get(title, (None, None))[1])

    def xdotool(self, *argv):
        subprocess.run(["xdotool", *argv], env=self.x_env, check=True, timeout=WAIT)

    def key(self, *keys):
        self.xdotool("key", "--delay", "60", *keys)

    def click(self, x, y, repeat=1):
        """weston's X11 backend moves its pointer by the X pointer's steps and
        learns where it really is only as it enters weston's window; a pointer
        already inside when weston started is off by an unknown amount. So each
        click comes in from outside the window, straight to its point."""
        self.xdotool("mousemove", str(x), str(SCREEN[1] + OUTSIDE // 2), "sleep", "0.1",
                     "mousemove", str(x), str(y), "sleep", "0.2", "click", "--repeat",
                     str(repeat), "--delay", "120", "1")

    def screenshot(self, path):
        before = set(self.workdir.glob("wayland-screenshot*.png"))
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.workdir, check=True,
                       timeout=WAIT)
        taken = wait_for("the screenshot", lambda: set(self.workdir.glob(
            "wayland-screenshot*.png")) - before)
        shutil.move(str(taken.pop()), path)


def size(box):
    return box[2] - box[0], box[3] - box[1]


class Session:
    def __init__(self, compositor, program, browser, args):
        self.c = compositor
        self.program = program
        self.b = browser
        self.args = args

    def alive(self, why):
        if not self.program.running():
            raise Failure(f"the program ended with status {self.program.process.returncode} "
                          f"{why}")

    def settles(self, title, box, why):
        """The window comes back to the box, and stays there."""
        try:
            try:
                wait_for(f"{title!r} back at {box}", lambda: self.c.box(title) == box)
            except Failure as failure:
                raise Failure(f"{failure}; it is at {self.c.box(title)}") from None
            holds(f"{title!r} left its size", lambda: self.c.box(title) == box, 1.0)
        finally:
            self.alive(why)

    def fills_screen(self, title, why):
        self.alive(why)
        return wait_for(f"{title!r} to fill the screen {why}", lambda: (
            size(self.c.box(title))[0] >= SCREEN[0] and self.c.box(title)))

    def title_actions(self, title, fixed):
        """Maximise button, a double click on the title, and the compositor's maximise
        and full-screen shortcuts (Super+Shift+M, Super+Shift+F)."""
        box = self.c.box(title)
        print(f"  {title!r} at {box}")
        maximize = lambda b: self.c.click(b[2] - MAXIMIZE_FROM_RIGHT, b[1] + TITLE // 2)
        double = lambda b: self.c.click(b[0] + 40, b[1] + TITLE // 2, repeat=2)
        keys = lambda k: lambda _: self.c.key(k)
        # What the program asks of the compositor once the action has reached it:
        # Qt's title bar starts a move on each press of a double click and does
        # nothing more; a window of fixed size leaves the state it was put in.
        for what, act, fills, asks in (
                ("its maximize button", maximize, True, {".set_maximized()": 1}),
                ("a double click on its title", double, False, {".move(": 2}),
                ("Super+Shift+M", keys("super+shift+m"), True,
                 {".unset_maximized()": 1} if fixed else {}),
                ("Super+Shift+F", keys("super+shift+f"), True,
                 {".unset_fullscreen()": 1} if fixed else {})):
            before = {request: self.requests(request) for request in asks}
            act(self.c.box(title))
            for request, count in asks.items():
                wait_for(f"{request} from the program after {what} on {title!r}",
                         lambda: self.requests(request) >= before[request] + count)
            if fills and not fixed:
                act(self.fills_screen(title, f"after {what} on {title!r}"))
            self.settles(title, box, f"after {what} on {title!r}")
            print(f"ok - {what} on {title!r}")

    def requests(self, request):
        """How often the program has sent this request (WAYLAND_DEBUG)."""
        return sum(request in line for line in Path(self.program.log.name).read_text(
            errors="replace").splitlines() if " -> " in line)

    def run(self):
        main = self.c.box(MAIN)
        app_id = wait_for("the main window's app id",
                          lambda: self.c.windows().get(MAIN, (None,))[0])
        if app_id != self.args.app_id:
            raise Failure(f"app id {app_id!r}, not the desktop entry's {self.args.app_id!r}")
        print(f"ok - app id {app_id}")
        self.drawn(main)

        # The focus starts on the first category button; the focus in the window
        # it opens starts on a drop-down whose first item Down chooses.
        first = WINDOWS[0]
        self.c.key("space")
        self.c.box(first.title)
        self.b.expect(f"Down in {first.title!r}", [self.page(FIRST_PAGE[first.button])],
                      lambda: self.c.key("Down"))
        print("ok - a category window from the keyboard, and one address from Down")

        # A category window opens over the main window, which the compositor's
        # focus then passes to: each is closed by its close box before the next.
        self.title_actions(APPLE, fixed=True)
        self.close(APPLE)
        self.on_main("Tab", "space")
        self.title_actions(MONITORS, fixed=True)
        self.close(MONITORS)
        self.on_main("ctrl+h")
        self.title_actions(INSTRUCTIONS, fixed=True)
        self.close(INSTRUCTIONS)
        self.on_main("ctrl+a")
        self.title_actions(ABOUT, fixed=False)
        self.close(ABOUT)
        self.title_actions(MAIN, fixed=False)
        self.on_main("ctrl+x")
        self.title_actions(FAREWELL, fixed=True)
        self.close(FAREWELL)

    def close(self, title):
        box = self.c.box(title)
        self.c.click(box[2] - CLOSE_FROM_RIGHT, box[1] + TITLE // 2)
        wait_for(f"{title!r} to close", lambda: title not in self.c.windows())

    def on_main(self, *keys):
        """Keys for the main window, made active by a click on its title."""
        box = self.c.box(MAIN)
        self.c.click(box[0] + 60, box[1] + TITLE // 2)
        time.sleep(0.3)
        self.c.key(*keys)

    def page(self, path):
        return self.args.site_base + path

    def drawn(self, box):
        shot = self.args.out / "wayland-main-window.png"
        self.c.screenshot(shot)
        x1, y1, x2, y2 = box
        colours = int(subprocess.run(
            ["convert", str(shot), "-crop", f"{x2 - x1}x{y2 - y1}+{x1}+{y1}", "+repage",
             "-format", "%k", "info:"], capture_output=True, text=True, check=True).stdout)
        # A blank window is one or two colours; the main window has pictures.
        if colours < 200:
            raise Failure(f"the main window shows only {colours} colours in {shot}")
        print(f"ok - the main window is drawn ({colours} colours, {shot})")


def test(run, args):
    args.out.mkdir(parents=True, exist_ok=True)
    compositor = Compositor(run)
    no_x = SimpleNamespace(env={"DISPLAY": None})
    wayland = {"WAYLAND_DISPLAY": SOCKET, "XDG_RUNTIME_DIR": str(compositor.runtime)}
    browser = Browser(run)
    # Qt's platforms tried in turn: an X server named but gone leaves Wayland,
    # and a session that names no Wayland display has its usual socket. A
    # platform given up on the way says nothing.
    dead_x = next(f":{n}" for n in range(900, 1000) if not Path(f"/tmp/.X11-unix/X{n}").exists())
    (compositor.runtime / "wayland-0").symlink_to(SOCKET)
    # The session's type chooses between the two where both are at hand; its
    # side of the Wayland protocol (WAYLAND_DEBUG) shows which one it took.
    both = dict(wayland, DISPLAY=compositor.x_env["DISPLAY"], WAYLAND_DEBUG="1")
    for name, how, env, on_wayland in (  # on_wayland None: no X at all
            ("first-frame", "", wayland, None),
            ("dead-x", f" with the X display {dead_x} gone", dict(wayland, DISPLAY=dead_x), None),
            ("wayland-0", " on wayland-0", dict(wayland, WAYLAND_DISPLAY=None), None),
            ("wayland-session", " in a Wayland session with X at hand",
             dict(both, XDG_SESSION_TYPE="wayland"), True),
            ("x11-session", " in an X11 session with Wayland at hand",
             dict(both, XDG_SESSION_TYPE="x11"), False),
            ("nonsense-session", " in a session of no known type",
             dict(both, XDG_SESSION_TYPE="nonsense"), False),
            ("gone-socket", " in a Wayland session whose socket is gone",
             dict(both, XDG_SESSION_TYPE="wayland", WAYLAND_DISPLAY="benchlist-gone"), False)):
        first = Program(run, args.binary, no_x, browser, name,
                        dict(env, BENCH_EXIT_AFTER_PAINT="1"))
        status = first.process.wait(timeout=WAIT)
        if status != 0:
            raise Failure(f"exit after the first frame{how}: status {status}")
        said = Path(first.log.name).read_text(errors="replace")
        if on_wayland and " -> " not in said:
            raise Failure(f"the first frame{how} not on Wayland: {said[:300]!r}")
        if not on_wayland and said:  # on X11 even WAYLAND_DEBUG has nothing to say
            raise Failure(f"the first frame{how} came with words on standard error: {said!r}")
        print(f"ok - the first frame{how}, then status 0")
        wait_for("its window to leave the screen",
                 lambda: "xdg_toplevel" not in compositor.scene())

    # The program's side of the protocol shows that each click and shortcut reached it.
    program = Program(run, args.binary, no_x, browser, "session",
                      dict(wayland, WAYLAND_DEBUG="1"))
    Session(compositor, program, browser, args).run()
    try:
        # Leaving takes longer on a loaded machine; the wait is long enough to
        # tell a slow exit from one that hangs.
        status = program.process.wait(timeout=3 * WAIT)
    except subprocess.TimeoutExpired:
        if shutil.which("gdb"):  # where it hangs, for whoever looks into it
            print(subprocess.run(["gdb", "-p", str(program.process.pid), "-batch", "-ex",
                                  "thread apply all bt"], capture_output=True, text=True,
                                 timeout=60, check=False).stdout)
        raise Failure("the program did not end with its farewell window") from None
    if status != 0:
        raise Failure(f"the program ended with status {status}")
    print("passed: status 0 after the farewell window's close box")
    return 0


def options(parser):
    parser.add_argument("--out", required=True, type=Path)
    parser.add_argument("--site-base", required=True)
    parser.add_argument("--app-id", required=True)


if __name__ == "__main__":
    sys.exit(harness.main(__doc__, test, tools=TOOLS, prefix="benchlist-wayland-",
                          options=options))
