#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Benchlist measured against a plain Qt baseline, in one interleaved run.

Starts its own Xvfb (no window manager: windows land where the programs put
them and nothing else paints or moves them), then starts Benchlist and the
baseline program in turn, each the same number of times, and watches the X
server rather than trusting either program's own clock:

- time to map: from the start of the process to the MapNotify of its window;
- time to first frame: to the first DAMAGE report on that window, which comes
  when the program's first picture of it reaches the server;
- resident memory at rest, a second after the first frame, and again with all
  nine category windows open, each opened by a click on its button;
- for each button, the time from the click to that window's first frame;
- for Benchlist, the time from a keystroke in a drop-down until xdg-open starts
  (a stand-in xdg-open first on PATH reports back through a FIFO);
- instructions from exec to the first frame, counted by callgrind with
  BENCH_EXIT_AFTER_PAINT=1 (deterministic, so fewer runs are enough).

It prints medians and the ratios to the baseline, and the targets. It is a
benchmark, not a test: it exits 0 whatever it measured, and 77 when a tool it
needs is missing.
"""

import argparse
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SKIP = 77
WAIT = 20.0  # seconds for anything a program should do on screen
REST = 1.0  # seconds a program is left alone before its memory is read

# The main window's client area starts below its menu bar, which is 20 to 26
# pixels tall depending on the font; a click this far down lands inside the
# buttons (25 pixels tall) of either program.
MENU_BAR_PX = 23
BUTTON_SIZE_TWIPS = (3135, 375)

# The category buttons in the main window's Tab order: the window each opens
# and the button's top-left corner in twips within the client area. Benchlist
# and the baseline place them alike.
BUTTONS = (
    ("frmApple", 173, 1440),
    ("frmMonitors", 3533, 2400),
    ("frmDrives", 3533, 1440),
    ("frmComponents", 3533, 1920),
    ("frmDeskTops", 173, 1920),
    ("frmLaptops", 173, 2400),
    ("frmNetworking", 6893, 1920),
    ("frmPDA", 6893, 2400),
    ("frmPrinters", 6893, 1440),
)

# Targets, as ratios of Benchlist to the baseline in the same run.
TARGETS = {
    "instructions": 1.02,
    "first_frame_ms": 1.05,
    # Debian's shared libsqlite3, loaded at every start, and the translations.
    "rss_rest_mib": 1.04,
    "rss_all_mib": 1.10,
}
# Opening the largest category window costs at most this share of the main
# window's start (both Benchlist's own).
NETWORKING_SHARE = 0.5

LABELS = {
    "instructions": "Instructions to first frame (callgrind)",
    "map_ms": "Time to map (ms)",
    "first_frame_ms": "Time to first frame (ms)",
    "rss_rest_mib": "Memory at rest (RSS, MiB)",
    "rss_all_mib": "Memory, nine windows open (RSS, MiB)",
    "keystroke_ms": "Keystroke in a drop-down to xdg-open (ms)",
}

FAKE_OPENER = """#!/bin/sh
printf '%s\\n' "$1" >> "$BENCH_FIFO"
"""


# --------------------------------------------------------------------------- figures

def px(twips):
    return (twips + 7) // 15


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def ratio(product, baseline):
    if product is None or not baseline:
        return None
    return product / baseline


def parse_collected(text):
    """Instructions callgrind counted, from its closing 'Collected : N' line."""
    found = re.findall(r"^==\d+== Collected : (\d+)", text, re.MULTILINE)
    return int(found[-1]) if found else None


def parse_rss_kib(status_text):
    """Resident set size in KiB from the text of /proc/PID/status."""
    found = re.search(r"^VmRSS:\s+(\d+) kB", status_text, re.MULTILINE)
    return int(found.group(1)) if found else None


def summarise(samples):
    """Medians per program and measure: {kind: {measure: [values]}} -> {kind: {measure: m}}."""
    return {kind: {name: median(values) for name, values in measures.items()}
            for kind, measures in samples.items()}


def fmt(value, digits=1):
    if value is None:
        return "-"
    if isinstance(value, int) or (isinstance(value, float) and value >= 1e6):
        return f"{value:,.0f}"
    return f"{value:.{digits}f}"


def rows(medians):
    """The table's rows: (measure, Benchlist, baseline, ratio, target, met)."""
    product, baseline = medians.get("benchlist", {}), medians.get("baseline", {})
    table = []

    def add(key, label):
        value, base = product.get(key), baseline.get(key)
        r = ratio(value, base)
        target = TARGETS.get(key)
        met = None if r is None or target is None else r <= target
        table.append((label, value, base, r, target, met))

    for key in ("instructions", "map_ms", "first_frame_ms", "rss_rest_mib", "rss_all_mib"):
        add(key, LABELS[key])
    for name, _, _ in BUTTONS:
        add(f"open_{name}_ms", f"Click to first frame of {name} (ms)")
    share = ratio(product.get("open_frmNetworking_ms"), product.get("first_frame_ms"))
    table.append(("frmNetworking open / main window start", share, None, None,
                  NETWORKING_SHARE, None if share is None else share <= NETWORKING_SHARE))
    table.append((LABELS["keystroke_ms"], product.get("keystroke_ms"), None, None, None, None))
    return table


def markdown(table):
    lines = ["| Measure | Benchlist | Baseline | Ratio | Target |",
             "| --- | ---: | ---: | ---: | --- |"]
    for label, value, base, r, target, met in table:
        goal = "" if target is None else f"<= {target:.2f}"
        if met is not None:
            goal += " (met)" if met else " (missed)"
        digits = 2 if "/" in label else 1
        lines.append(f"| {label} | {fmt(value, digits)} | {fmt(base)} | "
                     f"{fmt(r, 3)} | {goal} |")
    return "\n".join(lines)


# --------------------------------------------------------------------------- the X server

def load_xlib():
    try:
        import Xlib  # noqa: F401
    except ImportError:
        # Debian's python3-xlib, when python3 on PATH is another interpreter.
        sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, display
    from Xlib.ext import damage, xtest
    return X, display, damage, xtest


class Screen:
    """Xvfb, and a connection that sees every top-level window come and draw."""

    def __init__(self, workdir):
        self.X, display_mod, self.damage, self.xtest = load_xlib()
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.name = f":{number.decode().strip()}"
        self.display = display_mod.Display(self.name)
        # Windows that cannot be drawn on (input-only ones) refuse a DAMAGE watch.
        self.display.set_error_handler(lambda error, request: None)
        self.root = self.display.screen().root
        # The server answers DAMAGE requests only from clients that asked its version.
        self.display.damage_query_version()
        self.root.change_attributes(event_mask=self.X.SubstructureNotifyMask)
        self.display.sync()
        self.fifo_path = Path(workdir) / "opened"
        os.mkfifo(self.fifo_path)
        # Opened for writing too, so the reading end never sees end-of-file.
        self.fifo = os.open(self.fifo_path, os.O_RDWR | os.O_NONBLOCK)
        self.reset()

    def close(self):
        self.display.close()
        self.server.terminate()
        self.server.wait(timeout=10)
        os.close(self.fifo)

    def reset(self):
        self.created, self.mapped, self.drawn, self.opened = {}, {}, {}, []
        self.fifo_buffer = b""

    def pump(self, timeout):
        """Handles what the server and the FIFO have to say, for up to `timeout` seconds."""
        if not self.display.pending_events():
            ready, _, _ = select.select([self.display.fileno(), self.fifo], [], [], timeout)
            now = time.monotonic()
            if self.fifo in ready:
                self.read_fifo(now)
        now = time.monotonic()
        while self.display.pending_events():
            self.handle(self.display.next_event(), now)

    def read_fifo(self, now):
        try:
            self.fifo_buffer += os.read(self.fifo, 4096)
        except BlockingIOError:
            return
        *lines, self.fifo_buffer = self.fifo_buffer.split(b"\n")
        self.opened += [(now, line.decode()) for line in lines]

    def handle(self, event, now):
        X = self.X
        if event.type == X.CreateNotify and not event.override:
            # Watched from its creation, so its very first drawing is seen.
            event.window.damage_create(self.damage.DamageReportNonEmpty)
            self.display.flush()
            self.created[event.window.id] = now
        elif event.type == X.MapNotify and event.window.id in self.created:
            self.mapped.setdefault(event.window.id, now)
        elif event.type == X.DestroyNotify:
            self.created.pop(event.window.id, None)
        elif getattr(event, "drawable", None) is not None and event.drawable.id in self.mapped:
            self.drawn.setdefault(event.drawable.id, now)

    def wait_for(self, condition, what):
        deadline = time.monotonic() + WAIT
        while True:
            result = condition()
            if result:
                return result
            left = deadline - time.monotonic()
            if left <= 0:
                raise RuntimeError(f"timed out waiting for {what}")
            self.pump(min(left, 0.5))

    def wait_new_frame(self, seen, what="the main window"):
        """(window id, map time, first-frame time) of a window not in `seen`."""
        def found():
            for window, drawn in self.drawn.items():
                if window not in seen:
                    return window, self.mapped[window], drawn
            return None
        return self.wait_for(found, f"the first frame of {what}")

    def geometry(self, window_id):
        window = self.display.create_resource_object("window", window_id)
        geometry = window.get_geometry()
        return geometry.x, geometry.y, geometry.width, geometry.height

    def raise_window(self, window_id):
        """Puts the window on top, once the program has stopped restacking its own."""
        window = self.display.create_resource_object("window", window_id)
        for _ in range(20):
            self.settle(0.05)
            window.configure(stack_mode=self.X.Above)
            self.display.sync()
            mapped = [w for w in self.root.query_tree().children if w.id in self.mapped]
            if mapped and mapped[-1].id == window_id:
                return
        raise RuntimeError("the main window stays covered")

    def click(self, x, y):
        X = self.X
        self.xtest.fake_input(self.display, X.MotionNotify, x=x, y=y)
        self.display.sync()
        started = time.monotonic()
        self.xtest.fake_input(self.display, X.ButtonPress, 1)
        self.xtest.fake_input(self.display, X.ButtonRelease, 1)
        self.display.sync()
        return started

    def park_pointer(self):
        """The pointer to the screen's corner, outside where either window opens."""
        self.xtest.fake_input(self.display, self.X.MotionNotify, x=0, y=0)
        self.display.sync()

    def type_key(self, keysym_name):
        from Xlib import XK
        code = self.display.keysym_to_keycode(XK.string_to_keysym(keysym_name))
        started = time.monotonic()
        self.xtest.fake_input(self.display, self.X.KeyPress, code)
        self.xtest.fake_input(self.display, self.X.KeyRelease, code)
        self.display.sync()
        return started

    def settle(self, seconds):
        deadline = time.monotonic() + seconds
        while (left := deadline - time.monotonic()) > 0:
            self.pump(left)


# --------------------------------------------------------------------------- runs

def rss_mib(pid):
    kib = parse_rss_kib(Path(f"/proc/{pid}/status").read_text())
    return None if kib is None else kib / 1024


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def one_start(screen, binary, env, is_product):
    """One start of a program, driven through every measure; returns {measure: value}."""
    screen.settle(0.05)
    screen.reset()
    started = time.monotonic()
    process = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    figures = {}
    try:
        main, mapped, drawn = screen.wait_new_frame(set())
        figures["map_ms"] = (mapped - started) * 1000
        figures["first_frame_ms"] = (drawn - started) * 1000
        screen.settle(REST)
        figures["rss_rest_mib"] = rss_mib(process.pid)

        left, top, _, _ = screen.geometry(main)
        client_top = top + MENU_BAR_PX
        seen = {main}
        for name, bx, by in BUTTONS:
            screen.raise_window(main)
            x = left + px(bx) + px(BUTTON_SIZE_TWIPS[0]) // 2
            y = client_top + px(by) + px(BUTTON_SIZE_TWIPS[1]) // 2
            clicked = screen.click(x, y)
            window, _, drawn = screen.wait_new_frame(seen, f"{name} after a click")
            seen.add(window)
            figures[f"open_{name}_ms"] = (drawn - clicked) * 1000
        screen.settle(REST)
        figures["rss_all_mib"] = rss_mib(process.pid)

        if is_product:
            # The last window opened has the focus on its first drop-down.
            count = len(screen.opened)
            typed = screen.type_key("x")
            when, _ = screen.wait_for(lambda: screen.opened[count:] and screen.opened[count],
                                      "xdg-open")
            figures["keystroke_ms"] = (when - typed) * 1000
    finally:
        stop(process)
    return figures


def count_instructions(binary, env, workdir):
    env = dict(env, BENCH_EXIT_AFTER_PAINT="1")
    out = Path(workdir) / "callgrind.out"
    result = subprocess.run(
        ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", binary],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, timeout=600)
    return parse_collected(result.stderr)


def program_env(display, workdir, fake_bin, fifo, language):
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "WAYLAND")) and k != "BENCH_EXIT_AFTER_PAINT"}
    if language:
        # Both programs in that language: LANGUAGE for the texts, LANG for the rest.
        for variable in ("LC_ALL", "LC_MESSAGES"):
            env.pop(variable, None)
        env.update(LANGUAGE=language, LANG=f"{language}_{language.upper()}.UTF-8")
    env.update(DISPLAY=display, HOME=str(workdir), XDG_RUNTIME_DIR=str(workdir / "runtime"),
               PATH=f"{fake_bin}:{env.get('PATH', '/usr/bin:/bin')}", BENCH_FIFO=str(fifo))
    return env


def measure(args):
    programs = {"benchlist": args.benchlist, "baseline": args.baseline}
    samples = {kind: {} for kind in programs}
    with tempfile.TemporaryDirectory(prefix="bench-") as scratch:
        workdir = Path(scratch)
        (workdir / "runtime").mkdir(mode=0o700)
        fake_bin = workdir / "bin"
        fake_bin.mkdir()
        opener = fake_bin / "xdg-open"
        opener.write_text(FAKE_OPENER)
        opener.chmod(0o755)
        screen = Screen(workdir)
        try:
            env = program_env(screen.name, workdir, fake_bin, screen.fifo_path, args.language)
            order = list(programs)
            # One start of each first, not counted, so both find the files cached.
            for kind in order:
                try:
                    one_start(screen, programs[kind], env, kind == "benchlist")
                except RuntimeError:
                    pass
            for run in range(args.runs):
                # Alternate who goes first, so neither always follows the other.
                for kind in (order if run % 2 == 0 else order[::-1]):
                    try:
                        figures = one_start(screen, programs[kind], env, kind == "benchlist")
                    except RuntimeError as error:
                        # One lost start costs one sample, not the whole run.
                        print(f"{kind}, start {run + 1}: {error}", file=sys.stderr)
                        continue
                    for name, value in figures.items():
                        samples[kind].setdefault(name, []).append(value)
                print(f"run {run + 1}/{args.runs} done", file=sys.stderr)
            # The clicks above leave the pointer over the main window, where a
            # program starting would meet it and draw its hover: both are
            # counted with the pointer away from their windows instead.
            screen.park_pointer()
            for run in range(args.callgrind_runs):
                for kind in order:
                    samples[kind].setdefault("instructions", []).append(
                        count_instructions(programs[kind], env, workdir))
        finally:
            screen.close()
    return samples


def machine():
    model = "unknown CPU"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            model = line.split(":", 1)[1].strip()
            break
    return f"{model}, {os.cpu_count()} cores"


def main():
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=str(here.parent / "build" / "bench"),
                        help="build directory holding src/benchlist and bench/benchlist_baseline")
    parser.add_argument("--runs", type=int, default=15, help="starts of each program")
    parser.add_argument("--callgrind-runs", type=int, default=3,
                        help="callgrind runs of each program (0 to leave them out)")
    parser.add_argument("--language", default="",
                        help="run both programs in this language, e.g. de (default: the caller's)")
    args = parser.parse_args()
    args.benchlist = str(Path(args.build) / "src" / "benchlist")
    args.baseline = str(Path(args.build) / "bench" / "benchlist_baseline")

    tools = ["Xvfb"] + (["valgrind"] if args.callgrind_runs else [])
    missing = [t for t in tools if not shutil.which(t)]
    missing += [p for p in (args.benchlist, args.baseline) if not os.access(p, os.X_OK)]
    try:
        load_xlib()
    except ImportError:
        missing.append("python3-xlib")
    if missing:
        print(f"skipped: missing {', '.join(missing)}", file=sys.stderr)
        return SKIP

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        samples = measure(args)
    except RuntimeError as error:
        print(f"benchmark stopped: {error}", file=sys.stderr)
        return 0
    print(f"{time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())}; {machine()}; "
          f"{args.runs} starts of each, interleaved; medians; "
          f"language {args.language or os.environ.get('LANG', 'C')}")
    print(markdown(rows(summarise(samples))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
