#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Pages chosen before come first: the real benchlist binary and its search service.

A shopper chooses a lower result in the find window twice; started again, the
program has that page first, and so does the desktop's search, on a session
bus of its own, right after. Then a lower result chosen through GNOME Shell's
ActivateResult and one through KRunner's Run come first there, and still do
once the service has left on idle and the bus has started it again. --recent
lists the page, --find does not change its order and --forget empties the store.

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
"""

import importlib.util
import os
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402

harness.settle_interpreter("dbus")
import search_service_e2e as service_test  # noqa: E402
from harness import FIND, MAIN, Failure, Processes  # noqa: E402
from search_service_e2e import GNOME, KRUNNER  # noqa: E402

TOOLS = ("dbus-daemon", "xdg-open", "Xvfb", "openbox", "xdotool", "xprop", "xwininfo")
IDLE_MS = 3000
QUERY = "printer usb cables"


class Shopper:
    """One private home, shared by every copy of the program and the service."""

    def __init__(self, run, args, desktop, browser):
        self.run = run
        self.binary = args.binary
        self.d = desktop
        self.b = browser
        home = run.home("shopper")
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(home),
                    "XDG_CONFIG_HOME": str(home / "config"), "XDG_DATA_HOME": str(home / "data"),
                    "XDG_CACHE_HOME": str(home / "cache"), "XDG_STATE_HOME": str(home / "state"),
                    "XDG_RUNTIME_DIR": str(home / "runtime"),
                    "XDG_CONFIG_DIRS": str(home / "config"), "XDG_DATA_DIRS": str(home / "data"),
                    "XDG_CURRENT_DESKTOP": "X-Generic", "BROWSER": str(browser.script),
                    "LANG": "C.UTF-8"}

    def cli(self, *arguments):
        done = subprocess.run([self.binary, *arguments], env=self.env, capture_output=True,
                              text=True, timeout=60)
        if done.returncode not in (0, 1):
            raise Failure(f"benchlist {' '.join(arguments)}: status {done.returncode}, "
                          f"{done.stderr!r}")
        return [line.split("\t") for line in done.stdout.splitlines()]

    def program(self):
        return harness.Program(self.run, self.binary, self.d, self.b, "shopper")

    def find_window(self, words):
        main = self.run.wait_for(f"window {MAIN!r}", lambda: self.d.find(MAIN), timeout=30)
        self.d.activate(main)
        self.run.wait_for("the main window active", lambda: self.d.active() == main)
        self.d.key("ctrl+f")
        find = self.run.wait_for(f"window {FIND!r}", lambda: self.d.find(FIND))
        self.run.wait_for("the find window active", lambda: self.d.active() == find)
        self.d.type(words)
        time.sleep(0.5)  # the last keystroke's results listed

    def opened_one(self, what, action):
        """The one address an action opens, whichever it is."""
        before = len(self.b.lines())
        action()
        self.run.wait_for(f"an address after {what}", lambda: len(self.b.lines()) > before)
        self.b.checked = before + 1
        return self.b.lines()[before]


def same(what, got, expected):
    if got != expected:
        raise Failure(f"{what}:\n  got      {got!r}\n  expected {expected!r}")


def find_window_part(shopper):
    found = shopper.cli("--find", *QUERY.split())
    if len(found) < 2:
        raise Failure(f"--find {QUERY} finds fewer than two categories: {found!r}")
    first, lower = found[0], found[1]
    program = shopper.program()
    shopper.find_window(QUERY)
    shopper.b.expect("Down and Enter in the find window", [lower[3]],
                     lambda: shopper.d.key("Down", "Return"))
    shopper.b.expect("Enter again", [lower[3]], lambda: shopper.d.key("Return"))
    # Written by the program's own thread: --recent, another process, sees it.
    shopper.run.wait_for("--recent to list the page chosen",
                         lambda: [line[3] for line in shopper.cli("--recent")] == [lower[3]])
    program.stop()

    program = shopper.program()
    shopper.find_window(QUERY)
    shopper.b.expect("Enter on the first result after a new start", [lower[3]],
                     lambda: shopper.d.key("Return"))
    program.stop()
    same("--find's first result, which takes no usage", shopper.cli("--find", *QUERY.split())[0],
         first)
    return lower[0]


def desktop_search_part(shopper, args, text, token):
    env = dict(shopper.env, BENCHLIST_E2E_RUN=token, BENCHLIST_SEARCH_IDLE_MS=str(IDLE_MS))
    service = service_test.Service(shopper.run, args.service_dir, env)
    run = shopper.run

    def first_id(terms):
        return str(service.call(GNOME, "GetInitialResultSet", "as", [terms])[0])

    def text_of(result_id):
        return result_id.split("/", 2)[2]

    same("the desktop's first result for the page chosen in the find window",
         text_of(first_id(QUERY.split())), text)

    terms = ["usb"]
    ids = [str(i) for i in service.call(GNOME, "GetInitialResultSet", "as", [terms])]
    target = next(i for i in ids[3:] if text_of(i) != text)
    for _ in range(3):
        shopper.opened_one("ActivateResult", lambda: service.call(
            GNOME, "ActivateResult", "sasu", [target, terms, 0]))
    run.wait_for("the page chosen through GNOME Shell first",
                 lambda: first_id(terms) == target)
    same("first while the word is still being typed", first_id(["us"]), target)
    matches = [str(match[0]) for match in service.call(KRUNNER, "Match", "s", ["hub"])]
    chosen = next(i for i in matches[2:] if i != target and text_of(i) != text)
    for _ in range(3):
        shopper.opened_one("KRunner's Run", lambda: service.call(KRUNNER, "Run", "ss",
                                                                 [chosen, ""]))
    run.wait_for("the page chosen through KRunner first",
                 lambda: str(service.call(KRUNNER, "Match", "s", ["hub"])[0][0]) == chosen)

    pid = service.pid()
    run.wait_for("the service to leave the bus once idle", lambda: service.pid() is None,
                 timeout=IDLE_MS / 1000 + 20)
    run.wait_for("the service's process to end",
                 lambda: Processes.stat(pid) is None or Processes.stat(pid)[0] == "Z")
    same("GNOME Shell's first result from a new service", first_id(terms), target)
    same("KRunner's first match from a new service",
         str(service.call(KRUNNER, "Match", "s", ["hub"])[0][0]), chosen)
    recent = [line[0] for line in shopper.cli("--recent")]
    same("--recent, newest first", recent[:3], [text_of(chosen), text_of(target), text])


def test(run, args):
    import dbus as dbus_module  # pylint: disable=import-outside-toplevel
    import dbus.exceptions  # noqa: F401  pylint: disable=import-outside-toplevel,unused-import
    import dbus.lowlevel  # noqa: F401  pylint: disable=import-outside-toplevel,unused-import
    service_test.dbus = dbus_module
    token = "usage-" + os.urandom(6).hex()
    try:
        desktop = harness.start_desktop(run)
        shopper = Shopper(run, args, desktop, harness.Browser(run))
        text = find_window_part(shopper)
        print("ok - a lower page chosen twice in the find window is first after a new start")
        desktop_search_part(shopper, args, text, token)
        print("ok - and first in the desktop's search; pages chosen there come first, "
              "also after the service left on idle")
        shopper.cli("--forget")
        same("--recent after --forget", shopper.cli("--recent"), [])
        store = Path(shopper.env["XDG_STATE_HOME"]) / "benchlist" / "usage.sqlite"
        if b"Printer" in store.read_bytes():
            raise Failure(f"{store} still holds what --forget deleted")
        print("ok - --forget leaves nothing in the store")
        print("passed")
        return 0
    except dbus_module.exceptions.DBusException as error:
        raise Failure(f"D-Bus: {error}") from None
    finally:
        Processes.kill_marked(token)


def options(parser):
    parser.add_argument("--service-dir", required=True,
                        help="directory of the build's D-Bus service file")


def main():
    tools = TOOLS if importlib.util.find_spec("dbus") else TOOLS + ("python3-dbus",)
    return harness.main(__doc__, test, tools=tools, prefix="benchlist-usage-", options=options)


if __name__ == "__main__":
    sys.exit(main())
