#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Load tests of the real benchlist binary on a real X server.

Built on harness.py, as desktop_e2e.py is. One scenario a run:

  storm    keys as fast as xdotool sends them into one drop-down; the window still
           answers a click within a second, and every page reaches the browser
  cycles   hundreds of open / refresh / close cycles of a category window; resident
           memory stays flat once the first hundred are done
  hanging  an xdg-open that takes seconds to hand over; choices go on at once and
           no more openers run together than the program's limit

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
"""

import os
import random
import shutil
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402  pylint: disable=wrong-import-position
from harness import (BUTTON_BOX, MAIN, MONITORS_REFRESH, TITLE, Failure,  # noqa: E402
                     Processes, centre)

MONITORS = TITLE["frmMonitors"]

ANSWER = 1.0  # seconds within which a click must be answered
OPENER_LIMIT = 8

STORM_KEYS = 2000
STORM_CHUNK = 500
STORM_LETTERS = "abcdefghij"
# Mostly typing, with enough BackSpace to come back to an item's exact text.
STORM_CHOICES = list(STORM_LETTERS) + ["BackSpace"] * 6 + ["Up"] * 2 + ["Down"] * 2

CYCLES = 300
CYCLES_SETTLED = 100
CYCLE_GROWTH = 2 * 1024 * 1024

HANG_SECONDS = 2
HANG_KEYS = (["Down"] * 5 + ["Up"] * 5) * 2

FLAT = harness.FLAT_ITEMS


def flat_page(session, text):
    """What an edit of the flat-panel drop-down to this text opens."""
    if text in FLAT:
        return session.page("/bl/cm/" + text.replace(" ", "-") + ".html")
    return session.error


def expected_pages(session, keys):
    """The pages the keys open in the flat-panel drop-down, starting from its caption."""
    text, chosen, pages = "", -1, []
    for key in keys:
        if key in ("Up", "Down"):
            step = 1 if key == "Down" else -1
            following = 0 if chosen < 0 else chosen + step
            if 0 <= following < len(FLAT) and following != chosen:
                chosen, text = following, FLAT[following]
                pages.append(flat_page(session, text))
        elif key == "BackSpace":
            if text:
                text, chosen = text[:-1], -1
                pages.append(flat_page(session, text))
        else:
            text, chosen = text + key, -1
            pages.append(flat_page(session, text))
    return pages


def refresh(session, window, timeout=ANSWER):
    """Clicks Refresh in the Computer Monitors window and returns the new window
    and how long the program took to answer."""
    x, y, _, _ = session.d.client_geometry(window)
    point = centre(MONITORS_REFRESH)
    # The pointer may already be there, where "mousemove --sync" would wait forever.
    session.d.run("xdotool", "mousemove", str(x + point[0]), str(y + point[1]), "click", "1")
    begun = time.monotonic()

    def answered():
        active = session.d.active()
        return active if active not in (None, window) and \
            session.d.title(active) == MONITORS else None
    # Wait past the bound to report the figure; fail on it afterwards.
    new = session.run.wait_for("an answer to the click on Refresh", answered,
                               timeout=max(timeout, 600), interval=0.02)
    return new, time.monotonic() - begun


def open_monitors(session):
    session.click_main(BUTTON_BOX["cmdMonitors"])
    return session.becomes_active(MONITORS, "after a click on its button")


def check_answer(what, seconds):
    print(f"# a click {what} was answered in {seconds:.2f} s")
    if seconds > ANSWER:
        raise Failure(f"a click {what} took {seconds:.2f} s to answer, more than {ANSWER:g} s")


# --------------------------------------------------------------------------- scenarios

def storm(session):
    session.start_checks()
    window = open_monitors(session)
    rng = random.Random(20)
    begun = time.monotonic()
    expected = []
    for sent in range(0, STORM_KEYS, STORM_CHUNK):
        # Down first: from the caption of a fresh window it chooses the first item.
        keys = ["Down"] + [rng.choice(STORM_CHOICES) for _ in range(STORM_CHUNK - 1)]
        session.d.run("xdotool", "key", "--delay", "0", *keys)
        expected += expected_pages(session, keys)
        window, seconds = refresh(session, window)
        last = sent + STORM_CHUNK >= STORM_KEYS
        check_answer("after the storm" if last else f"after {sent + STORM_CHUNK} keys", seconds)
    print(f"# {STORM_KEYS} keys sent and answered in {time.monotonic() - begun:.1f} s")
    waited = time.monotonic()
    # Openers run side by side, so the browser may see neighbours swapped.
    session.b.expect(f"{STORM_KEYS} keys", expected, timeout=120)
    print(f"# all {len(expected)} addresses reached the browser "
          f"{time.monotonic() - waited:.1f} s after the last click")
    session.leave()


def resident_bytes(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) * 1024
    raise Failure("no VmRSS for the program")


def cycles(session):
    desktop = session.d
    main = session.start_checks()
    x, y, _, _ = desktop.client_geometry(main)
    button = session.main_point(BUTTON_BOX["cmdMonitors"])
    button = (x + button[0], y + button[1])
    refresh_point = None

    def becomes(title, unlike=None):
        def active():
            window = desktop.active()
            return window if window not in (None, unlike) and desktop.title(window) == title \
                else None
        return session.run.wait_for(f"{title!r} to be active", active, interval=0.02)

    settled = None
    begun = time.monotonic()
    for cycle in range(1, CYCLES + 1):
        desktop.run("xdotool", "mousemove", "--sync", *map(str, button), "click", "1")
        window = becomes(MONITORS)
        if refresh_point is None:
            wx, wy, _, _ = desktop.client_geometry(window)
            point = centre(MONITORS_REFRESH)
            refresh_point = (wx + point[0], wy + point[1])
        desktop.run("xdotool", "mousemove", "--sync", *map(str, refresh_point), "click", "1")
        window = becomes(MONITORS, unlike=window)
        desktop.key("alt+F4")
        becomes(MAIN)
        if cycle % 50 == 0:
            size = resident_bytes(session.program.process.pid)
            print(f"# after {cycle} cycles: {size / 1048576:.1f} MiB resident "
                  f"({time.monotonic() - begun:.0f} s)")
            if cycle == CYCLES_SETTLED:
                settled = size
    growth = resident_bytes(session.program.process.pid) - settled
    print(f"# growth from cycle {CYCLES_SETTLED} to {CYCLES}: {growth / 1024:.0f} KiB "
          f"({growth / (CYCLES - CYCLES_SETTLED) / 1024:.1f} KiB a cycle)")
    if growth > CYCLE_GROWTH:
        raise Failure(f"resident memory grew by {growth / 1024:.0f} KiB over "
                          f"{CYCLES - CYCLES_SETTLED} cycles")
    session.leave()


def hanging(session):
    session.start_checks()
    window = open_monitors(session)
    program = session.program.process.pid

    def openers():
        return sum(1 for _, state, _, command in Processes.children_of(program)
                   if state != "Z" and "xdg-open" in command)
    session.d.key(*HANG_KEYS)
    expected = expected_pages(session, HANG_KEYS)
    window, seconds = refresh(session, window)
    check_answer(f"after {len(expected)} choices with a hanging opener", seconds)
    most = 0
    deadline = time.monotonic() + HANG_SECONDS * 1.5
    while time.monotonic() < deadline:
        most = max(most, openers())
        time.sleep(0.05)
    print(f"# at most {most} openers ran together for {len(expected)} choices")
    if most > OPENER_LIMIT:
        raise Failure(f"{most} openers ran together, more than {OPENER_LIMIT}")
    # Those that run together may hand over in any order.
    session.b.expect("choices with a hanging opener", expected,
                     timeout=HANG_SECONDS * (len(expected) // OPENER_LIMIT + 2) + harness.WAIT)
    session.leave()


def hanging_opener_on_path(workdir):
    """A directory with an xdg-open that waits before handing over to the real one."""
    real = shutil.which("xdg-open")
    directory = workdir / "hanging-bin"
    directory.mkdir()
    script = directory / "xdg-open"
    script.write_text("#!/bin/sh\n# An opener that takes its time before it hands over.\n"
                      f"sleep {HANG_SECONDS}\nexec '{real}' \"$@\"\n")
    script.chmod(0o755)
    return f"{directory}:{os.environ.get('PATH', '/usr/bin:/bin')}"


SCENARIOS = {"storm": storm, "cycles": cycles, "hanging": hanging}


def test(run, args):
    args.out.mkdir(parents=True, exist_ok=True)
    begun = time.monotonic()
    desktop = harness.start_desktop(run)
    browser = harness.Browser(run)
    if args.scenario == "hanging":
        os.environ["PATH"] = hanging_opener_on_path(run.workdir)
    harness.run_program(run, args.scenario, SCENARIOS[args.scenario], args, desktop, browser)
    print(f"ok - {args.scenario} ({time.monotonic() - begun:.1f} s, "
          f"{browser.checked} addresses checked)")
    return 0


def options(parser):
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    parser.add_argument("--out", required=True, type=Path)
    harness.add_address_options(parser)


if __name__ == "__main__":
    sys.exit(harness.main(__doc__, test, prefix="benchlist-load-", options=options))
