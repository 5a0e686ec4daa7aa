#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The search service of the real benchlist binary, as the desktop's search meets it.

Starts its own D-Bus session bus whose service directory holds the build's
service file, so that the first call starts `benchlist --search-service`, and
talks to it through python3-dbus as GNOME Shell and KRunner do (and once
through gdbus, as the README shows). Pages go through the real xdg-open to the
harness's recording browser. Checks the answers, that each activation
opens exactly one page, that unknown ids and bad input open nothing, that the
service keeps within its memory bound and leaves once idle; then, with an X
server added to the bus's environment, the clipboard and the find window.

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
"""

import importlib.util
import os
import secrets
import signal
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402

harness.settle_interpreter("dbus")
from harness import FIND, Failure, Processes  # noqa: E402

TOOLS = ("dbus-daemon", "gdbus", "xdg-open", "Xvfb", "openbox", "xdotool", "xprop", "xwininfo",
         "xclip")
COMPONENTS = harness.TITLE["frmComponents"]
MONITORS = harness.TITLE["frmMonitors"]
APP_ID = "example.veldmark.benchlist"
NAME = APP_ID + ".SearchProvider"
GNOME = ("/example/veldmark/benchlist/SearchProvider", "org.gnome.Shell.SearchProvider2")
KRUNNER = ("/example/veldmark/benchlist/KRunner", "org.kde.krunner1")
IDLE_MS = 3000
MAX_RSS_KIB = 50 * 1024

HUBS = "frmComponents/cbCables/USB Hubs and Cables"
LCD = "frmMonitors/cbFlat/17-inch LCD"
STANDS = "frmMonitors/cbAccessories/Stands and Risers"
# KRunner's match types the service uses.
EXACT = 100
POSSIBLE = 30

dbus = None  # python3-dbus, imported once the tools are known to be there


def bus_config(workdir, service_dir):
    path = workdir / "bus.conf"
    path.write_text(f"""<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={workdir}</listen>
  <servicedir>{Path(service_dir).resolve()}</servicedir>
  <!-- as the desktop's own session bus allows: a burst of calls keeps all its answers -->
  <limit name="max_replies_per_connection">50000</limit>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
""")
    return path


class Service:
    """The session bus and the search service on it, seen as a client sees them."""

    def __init__(self, run, service_dir, env):
        workdir = run.workdir
        self.log = workdir / "bus.log"
        self.daemon = run.processes.start(
            ["dbus-daemon", "--nofork", "--print-address",
             "--config-file", str(bus_config(workdir, service_dir))],
            env=env, stdout=subprocess.PIPE, stderr=open(self.log, "wb"))
        self.address = self.daemon.stdout.readline().decode().strip()
        if not self.address:
            raise Failure(f"dbus-daemon did not start (see {self.log})")
        self.bus = dbus.bus.BusConnection(self.address)

    def call(self, where, method, signature="", args=(), timeout=10.0):
        path, interface = where
        return self.bus.call_blocking(NAME, path, interface, method, signature, list(args),
                                      timeout=timeout)

    def send(self, where, method, signature, args):
        """A call whose answer nobody waits for: for a burst."""
        path, interface = where
        message = dbus.lowlevel.MethodCallMessage(NAME, path, interface, method)
        message.append(signature=signature, *args)
        self.bus.send_message(message)

    def pid(self):
        """The service's process id, or None once it has left the bus (it may
        leave, idle, between any two calls)."""
        try:
            return int(self.bus.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                              "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                                              "s", [NAME]))
        except dbus.exceptions.DBusException as error:
            if error.get_dbus_name() == "org.freedesktop.DBus.Error.NameHasNoOwner":
                return None
            raise

    def peak_rss_kib(self, pid):
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
        raise Failure(f"no VmHWM for process {pid}")

    def reports(self, text):
        return self.log.read_text(errors="replace").count(text)


class Check:
    def __init__(self, run, service, browser, site):
        self.run = run
        self.s = service
        self.b = browser
        self.site = site

    def page(self, path):
        return self.site + path

    def same(self, what, got, expected):
        if got != expected:
            raise Failure(f"{what}:\n  got      {got!r}\n  expected {expected!r}")

    def activation(self, binary):
        """The first call starts the service; a second instance leaves at once."""
        if self.s.pid() is not None:
            raise Failure("the service runs before any call")
        terms = "['usb', 'hub']"
        result = subprocess.run(
            ["gdbus", "call", "--session", "--dest", NAME, "--object-path", GNOME[0],
             "--method", GNOME[1] + ".GetInitialResultSet", terms],
            env={**os.environ, "DBUS_SESSION_BUS_ADDRESS": self.s.address},
            capture_output=True, text=True, timeout=10)
        self.same(f"gdbus call GetInitialResultSet {terms} ({result.stderr.strip()})",
                  result.stdout.strip(),
                  f"(['{HUBS}'],)")
        pid = self.s.pid()
        if not pid:
            raise Failure("no service owns the name after the first call")
        second = subprocess.run([binary, "--search-service"], capture_output=True, timeout=10,
                                env={**os.environ, "DBUS_SESSION_BUS_ADDRESS": self.s.address})
        self.same("a second service while one runs: status and output",
                  (second.returncode, second.stdout + second.stderr), (0, b""))
        self.same("the service's process after a second one left", self.s.pid(), pid)
        return pid

    def gnome_calls(self):
        for terms, ids in ((["USB", "hub"], [HUBS]),
                           (["moniter", "stnads"], [STANDS]),
                           (["zebra"], [])):
            self.same(f"GetInitialResultSet {terms}",
                      list(self.s.call(GNOME, "GetInitialResultSet", "as", [terms])), ids)
        self.same("GetSubsearchResultSet", list(self.s.call(
            GNOME, "GetSubsearchResultSet", "asas", [[HUBS, STANDS], ["stands", "risers"]])),
            [STANDS])
        many = list(self.s.call(GNOME, "GetInitialResultSet", "as", [["s"]]))
        if len(many) != 20:
            raise Failure(f"GetInitialResultSet ['s'] gave {len(many)} results, not 20")
        metas = self.s.call(GNOME, "GetResultMetas", "as", [[HUBS, "frmNowhere/cb/x", LCD]])
        self.same("GetResultMetas", [dict(m) for m in metas], [
            {"id": HUBS, "name": "USB Hubs and Cables",
             "description": f"{COMPONENTS} \u203a Cables and, Adapter Cards",
             "gicon": "benchlist"},
            {"id": LCD, "name": "17-inch LCD",
             "description": f"{MONITORS} \u203a LCD & FlatScreen Monitors", "gicon": "benchlist"},
        ])
        self.same("the report of the unknown id", self.s.reports("'frmNowhere/cb/x'"), 1)

    def krunner_calls(self):
        self.same("Actions", [tuple(a) for a in self.s.call(KRUNNER, "Actions")],
                  [("copy-address", "Copy address", "edit-copy")])
        hubs = ("USB Hubs and Cables", f"{COMPONENTS} \u203a Cables and, Adapter Cards")
        stands = ("Stands and Risers", f"{MONITORS} \u203a Monitor Accessories")
        # The very text is an exact match at full relevance; looser ones are
        # possible matches, and a slip costs relevance.
        relevances = []
        for query, match_id, (text, subtext), kind in (
                ("usb hubs and cables", HUBS, hubs, EXACT),
                ("usb hub", HUBS, hubs, POSSIBLE),
                ("moniter stnads", STANDS, stands, POSSIBLE)):
            matches = self.s.call(KRUNNER, "Match", "s", [query])
            self.same(f"Match {query!r}: how many", len(matches), 1)
            got_id, got_text, icon, got_kind, relevance, properties = matches[0]
            self.same(f"Match {query!r}", (got_id, got_text, icon, got_kind, dict(properties)),
                      (match_id, text, "benchlist", kind, {"subtext": subtext}))
            relevances.append(float(relevance))
        if not (relevances[0] == 1.0 > relevances[1] > relevances[2] > 0):
            raise Failure(f"relevances of the exact, the loose and the mistyped match: "
                          f"{relevances}")
        # No category has every word: those with most of them, as possible matches
        # of at most half the relevance.
        partial = self.s.call(KRUNNER, "Match", "s", ["usb hubs zebra"])
        if not partial or partial[0][0] != HUBS or partial[0][3] != POSSIBLE \
                or not 0 < partial[0][4] <= 0.5:
            raise Failure(f"Match 'usb hubs zebra': {[tuple(m[:5]) for m in partial][:3]}")
        ranked = [m[4] for m in self.s.call(KRUNNER, "Match", "s", ["usb"])]
        if len(ranked) != 20 or ranked != sorted(ranked, reverse=True) \
                or not all(0 < r <= 1 for r in ranked):
            raise Failure(f"Match 'usb': relevances not falling within 0 to 1: {ranked}")

    def opening(self):
        self.b.expect("ActivateResult", [self.page("/bl/cc/USB-Hubs.html")],
                      lambda: self.s.call(GNOME, "ActivateResult", "sasu", [HUBS, ["usb"], 0]))
        self.b.expect("Run", [self.page("/bl/cm/17-inch-LCD.html")],
                      lambda: self.s.call(KRUNNER, "Run", "ss", [LCD, ""]))
        before = self.s.reports("no search result has the id")
        for where, method, signature, args in (
                (GNOME, "ActivateResult", "sasu", [LCD + " ", [], 0]),
                (KRUNNER, "Run", "ss", ["frmMonitors/cbFlat/17-inch lcd", ""]),
                (KRUNNER, "Run", "ss", ["frmMonitors/cbFlat/x\u2603\x01\x1b[2J", "copy-address"])):
            self.b.expect(f"{method} with an unknown id", [],
                          lambda: self.s.call(where, method, signature, args))
        self.same("reports of unknown ids", self.s.reports("no search result has the id") - before,
                  3)
        self.b.expect("Copy address without a display", [],
                      lambda: self.s.call(KRUNNER, "Run", "ss", [LCD, "copy-address"]))
        self.run.wait_for("the report that there is no clipboard",
                 lambda: self.s.reports("cannot copy the address: no display") == 1)

    def bad_input(self, pid):
        """Each answered, nothing opened, memory kept within bounds."""
        huge = "u" * (1 << 20)
        for what, where, method, signature, args, check in (
                ("10,000 terms", GNOME, "GetInitialResultSet", "as",
                 [["usb", "hub"] * 5000], lambda r: list(r) == [HUBS]),
                ("10,000 different terms", GNOME, "GetInitialResultSet", "as",
                 [[f"w{i}" for i in range(10000)]], lambda r: list(r) == []),
                ("a 1 MB term", GNOME, "GetInitialResultSet", "as", [[huge]],
                 lambda r: list(r) == []),
                ("a 1 MB query", KRUNNER, "Match", "s", ["usb " * (1 << 18)],
                 lambda r: 0 < len(r) <= 20),
                ("a 1 MB id", GNOME, "GetResultMetas", "as", [[huge]], lambda r: list(r) == []),
                ("control characters", GNOME, "GetInitialResultSet", "as",
                 [["usb\x01\x1b\x7f", "\t\r\nhub"]], lambda r: list(r) == [HUBS]),
                ("non-ASCII text", KRUNNER, "Match", "s", ["\u00fcsb h\u00fcb \u2603 \U0001f600"],
                 lambda r: len(r) <= 20),
        ):
            result = self.s.call(where, method, signature, args, timeout=30)
            if not check(result):
                raise Failure(f"{what}: unexpected answer {str(result)[:200]}")
        # A burst: 1,000 calls sent at once, then one whose answer shows they were all served.
        calls = ((GNOME, "GetInitialResultSet", "as", [["usb", "hub"]]),
                 (KRUNNER, "Match", "s", ["moniter"]),
                 (GNOME, "GetResultMetas", "as", [[HUBS, LCD]]),
                 (GNOME, "ActivateResult", "sasu", ["nowhere", [], 0]))
        for i in range(1000):
            self.s.send(*calls[i % len(calls)])
        self.same("the answer after a burst of 1,000 calls",
                  list(self.s.call(GNOME, "GetInitialResultSet", "as", [["usb", "hub"]],
                                   timeout=60)), [HUBS])
        # Asked at once: the idle time runs from the last answer.
        self.same("the service's process after the bad input", self.s.pid(), pid)
        peak = self.s.peak_rss_kib(pid)
        if peak > MAX_RSS_KIB:
            raise Failure(f"the service peaked at {peak // 1024} MiB resident, over 50 MiB")
        self.b.expect("the bad input and the burst", [])
        return peak

    def idle_exit(self, pid):
        begun = time.monotonic()
        self.run.wait_for("the service to leave the bus once idle", lambda: self.s.pid() is None,
                          timeout=IDLE_MS / 1000 + 10)
        self.run.wait_for("the service's process to end", lambda: Processes.stat(pid) is None
                          or Processes.stat(pid)[0] == "Z")
        return time.monotonic() - begun

    def with_display(self, desktop, token):
        """Copy address and LaunchSearch, once the bus passes a display on."""
        self.s.bus.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                 "org.freedesktop.DBus", "UpdateActivationEnvironment", "a{ss}",
                                 [{"DISPLAY": desktop.env["DISPLAY"]}])
        address = self.page("/bl/cm/17-inch-LCD.html")
        self.b.expect("Copy address", [], lambda: self.s.call(KRUNNER, "Run", "ss",
                                                               [LCD, "copy-address"]))
        self.run.wait_for("the address on the clipboard", lambda: desktop.run(
            "xclip", "-o", "-selection", "clipboard", check=False) == address)

        self.s.call(GNOME, "LaunchSearch", "asu", [["usb", "hub"], 0])
        find = self.run.wait_for(f"window {FIND!r} after LaunchSearch",
                                 lambda: desktop.find(FIND), timeout=20)
        desktop.activate(find)
        self.b.expect("Enter in the find window opened by LaunchSearch",
                      [self.page("/bl/cc/USB-Hubs.html")], lambda: desktop.key("Return"))
        # The program and the clipboard's keeper were started by the service;
        # the test ends them by their process ids.
        for pid, command in Processes.marked(token):
            if "--find-window" in command or "--copy-address" in command:
                os.kill(pid, signal.SIGTERM)


def options(parser):
    parser.add_argument("--service-dir", required=True,
                        help="directory of the build's D-Bus service file")
    parser.add_argument("--site-base", required=True)


def test(run, args):
    global dbus
    import dbus as dbus_module  # pylint: disable=import-outside-toplevel
    import dbus.exceptions  # noqa: F401  pylint: disable=import-outside-toplevel,unused-import
    import dbus.lowlevel  # noqa: F401  pylint: disable=import-outside-toplevel,unused-import
    dbus = dbus_module
    browser = harness.Browser(run)
    token = secrets.token_hex(8)
    home = run.home("service")
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(home),
           "XDG_CONFIG_HOME": str(home / "config"), "XDG_DATA_HOME": str(home / "data"),
           "XDG_CACHE_HOME": str(home / "cache"), "XDG_RUNTIME_DIR": str(home / "runtime"),
           "XDG_STATE_HOME": str(home / "state"),
           "XDG_CONFIG_DIRS": str(home / "config"), "XDG_DATA_DIRS": str(home / "data"),
           "XDG_CURRENT_DESKTOP": "X-Generic", "BROWSER": str(browser.script),
           "LANG": "C.UTF-8", "BENCHLIST_E2E_RUN": token,
           "BENCHLIST_SEARCH_IDLE_MS": str(IDLE_MS)}
    try:
        help_text = subprocess.run([args.binary, "--help"], capture_output=True, text=True,
                                   timeout=10).stdout
        if "--search-service" not in help_text:
            raise Failure(f"--help does not list --search-service: {help_text!r}")
        service = Service(run, args.service_dir, env)
        check = Check(run, service, browser, args.site_base)
        pid = check.activation(args.binary)
        print("ok - started by the first call; a second instance leaves at once")
        check.gnome_calls()
        print("ok - GNOME Shell calls")
        check.krunner_calls()
        print("ok - KRunner calls")
        check.opening()
        print("ok - one page per activation, none for unknown ids or without a clipboard")
        peak = check.bad_input(pid)
        print(f"ok - bad input and a burst of 1,000 calls, peak {peak / 1024:.1f} MiB resident")
        idle = check.idle_exit(pid)
        print(f"ok - left the bus {idle:.1f} s after the last call (idle time "
              f"{IDLE_MS / 1000:g} s)")
        check.with_display(harness.start_desktop(run), token)
        print("ok - Copy address on the clipboard; LaunchSearch opens the find window")
        check.idle_exit(service.pid() or pid)
        browser.expect_nothing_more("at the end")
        print("passed")
        return 0
    except dbus.exceptions.DBusException as error:
        raise Failure(f"D-Bus: {error}") from None
    finally:
        Processes.kill_marked(token)


def main():
    tools = TOOLS if importlib.util.find_spec("dbus") else TOOLS + ("python3-dbus",)
    return harness.main(__doc__, test, tools=tools, prefix="benchlist-search-", options=options)


if __name__ == "__main__":
    sys.exit(main())
