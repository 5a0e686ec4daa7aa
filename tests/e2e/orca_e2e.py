#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real benchlist binary as a blind shopper hears it: Debian's Orca reads it.

Starts the Xvfb, openbox and recording browser of harness.py, a session bus of
its own with the accessibility bus on it, a speech-dispatcher whose only voice
writes each utterance to a file (no sound at all), and Orca with a home of its
own, started and stopped by its process id. benchlist runs with Qt's AT-SPI
bridge on and is driven by keyboard and mouse through xdotool; the test then
listens to what Orca said. At every stop of the main window and at every
drop-down, Orca must say a name and a role; a drop-down's caption at most
twice; nothing about selected or unselected text on a Tab tour. In the find
window the list's size is said once, the status line once when it changes,
the first Down from the words field names the list and the result it lands
on, also when there is only one, and a partial result the words it lacks after where it lives. With --keep, Orca's
own record of every event is kept in the work directory too.

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing, or Orca
cannot start, for example because another Orca runs for this user).
"""

import os
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
from harness import MAIN, SKIP, WINDOWS, Failure  # noqa: E402

TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xdg-open", "orca",
         "speech-dispatcher") + harness.accessibility_bus_tools()
GENERIC_MODULE = "/usr/lib/speech-dispatcher-modules/sd_generic"
HEAR = 15.0   # seconds Orca is given to speak after a key, on a loaded machine
QUIET = 1.0   # seconds of silence that end what one key made Orca say
# How Orca says the role of a button, of a drop-down and of the find window's
# status line, and the size of a list.
BUTTON_ROLE = "push button"
COMBO_ROLE = "combo box"
LIST_SIZE = "List with "
STATUS_ROLE = "notification"
# The find window: its field, the words typed, the status they bring and the
# first two results, by their text.
FIND_FIELD = "Words of a category"
FIND_LIST = "Categories found"
FIND_WORDS = ("usb printer", " c")
FIND_STATUS = "2 categories"  # after the last word
FIND_FIRST = "USB 1.0 Printer Cables"
FIND_SECOND = "USB 2.0 Printer Cables"
ONE_WORDS = "usb hub"  # one result, so Down cannot move
ONE_RESULT = "USB Hubs and Cables"
PARTIAL_WORDS = "usb zebra"
PARTIAL_RESULT = "USB Mice, Drives and Peripherals › Input Devices, without: zebra"


class SkipTest(Exception):
    pass


def drop_downs(window):
    """(initial text, first item) of each drop-down of a window, in Tab order."""
    reference = Path(__file__).resolve().parent.parent / "data" / "catalogue-reference.tsv"
    boxes = {}
    for line in reference.read_text(encoding="utf-8").split("\n"):
        fields = line.split("\t")
        if len(fields) == 7 and fields[0] == window and fields[4] == "item":
            boxes.setdefault(fields[1], (int(fields[3]), fields[2], fields[5]))
    return [(text, first) for _, text, first in sorted(boxes.values())]


class Speech:
    """What Orca said, one utterance a line, as the speech module wrote it."""

    def __init__(self, run, path):
        self.run = run
        self.path = path
        self.path.touch()

    def lines(self):
        return [line.strip() for line in self.path.read_text(errors="replace").splitlines()
                if line.strip()]

    def after(self, what, action, until, quiet=QUIET, timeout=HEAR, start=None, faults=None):
        """Runs the action, waits until what Orca says since satisfies `until`,
        then for Orca to be silent for `quiet` seconds; returns the new
        utterances. When `until` is never satisfied, that is a fault noted in
        `faults`, or, without them, a failure."""
        start = len(self.lines()) if start is None else start
        action()
        try:
            self.run.wait_for(what, lambda: until(self.lines()[start:]), timeout=timeout)
        except Failure:
            if faults is None:
                raise Failure(f"{what}; Orca said {self.lines()[start:]}") from None
            faults.append(f"{what}; Orca said {self.lines()[start:]}")
        count = len(self.lines())
        quiet_since = time.monotonic()
        while time.monotonic() - quiet_since < quiet:
            time.sleep(0.1)
            if len(self.lines()) != count:
                count = len(self.lines())
                quiet_since = time.monotonic()
        said = self.lines()[start:]
        print(f"{what}: {said}")
        return said


def says(text):
    return lambda said: any(text in s for s in said)


def count(said, text):
    return sum(s.count(text) for s in said)


def selection_messages(said):
    return [s for s in said if s.rstrip(".").lower() in ("selected", "unselected",
                                                          "text selected", "text unselected")]


def start_speech(run, desktop):
    """speech-dispatcher on a socket of the run's own, whose one output module
    appends each utterance to a file. Its audio goes to libao's null driver."""
    root = run.workdir / "speech"
    (root / "config" / "modules").mkdir(parents=True)
    (root / "home").mkdir()
    spoken = root / "spoken.txt"
    (root / "config" / "speechd.conf").write_text(
        f'LogLevel 3\nLogDir "{root}"\nAudioOutputMethod "libao"\n'
        'AddModule "file" "sd_generic" "file.conf"\nDefaultModule file\n'
        'DefaultLanguage "en"\n')
    (root / "config" / "modules" / "file.conf").write_text(
        f"GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> '{spoken}'\"\n"
        'AddVoice "en" "MALE1" "en"\nGenericLanguage "en" "en" "utf-8"\n')
    (root / "home" / ".libao").write_text("default_driver=null\n")
    socket = root / "socket"
    env = dict(desktop.env, HOME=str(root / "home"))
    process = run.processes.start(
        ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
         str(root / "config"), "--communication-method", "unix_socket",
         "--socket-path", str(socket), "--pid-file", str(root / "pid"),
         "--module-dir", os.path.dirname(GENERIC_MODULE)],
        env=env, stdout=subprocess.DEVNULL, stderr=open(root / "speechd-out.log", "wb"))
    try:
        run.wait_for("speech-dispatcher's socket", lambda: socket.exists()
                     or process.poll() is not None)
    except Failure:
        raise SkipTest("speech-dispatcher did not open its socket") from None
    if process.poll() is not None:
        raise SkipTest(f"speech-dispatcher ended at start (see {root})")
    return f"unix_socket:{socket}", spoken


def start_orca(run, desktop, bus, speech_address, speech, debug):
    """Orca with a home of its own, speaking through the run's speech-dispatcher;
    with `debug`, it writes down every event it handles (and is slower for it)."""
    home = run.home("orca")
    env = dict(desktop.env, HOME=str(home), XDG_CONFIG_HOME=str(home / "config"),
               XDG_DATA_HOME=str(home / "data"), XDG_CACHE_HOME=str(home / "cache"),
               XDG_RUNTIME_DIR=str(home / "runtime"), DBUS_SESSION_BUS_ADDRESS=bus,
               SPEECHD_ADDRESS=speech_address, GSETTINGS_BACKEND="memory",
               NO_AT_BRIDGE="1", LANG="C.UTF-8")
    log = run.workdir / "orca.log"
    argv = ["orca", "--disable", "braille", "--disable", "braille-monitor"]
    if debug:
        argv += ["--debug-file", str(run.workdir / "orca-debug.txt")]
    orca = run.processes.start(argv, env=env, stdout=open(log, "wb"), stderr=subprocess.STDOUT)
    try:
        run.wait_for("Orca to say it is on", lambda: orca.poll() is not None
                     or says("Screen reader on")(speech.lines()), timeout=30)
    except Failure:
        raise SkipTest("Orca did not start speaking within 30 s") from None
    if orca.poll() is not None:
        reason = log.read_text(errors="replace").strip().replace("\n", " ")
        raise SkipTest(f"Orca cannot start here ({reason or 'it ended at once'}); this test "
                       "never ends or replaces another Orca")
    return orca


class Listener:
    """The steps of the tour, each with what Orca must say."""

    def __init__(self, run, desktop, speech, faults):
        self.run = run
        self.d = desktop
        self.s = speech
        self.faults = faults
        self.tour = []  # every utterance of the Tab tours

    def stop(self, what, action, name, role, caption_limit=None):
        said = self.s.after(what, action, lambda said: says(name)(said) and says(role)(said))
        self.tour += said
        if caption_limit is not None and count(said, name) > caption_limit:
            self.faults.append(f"{what}: {name!r} said {count(said, name)} times: {said}")
        return said

    def main_window(self):
        """Every stop of the main window's Tab chain, named with its role."""
        stops = [w.caption for w in WINDOWS[1:]] + [
            "Auction site offer: brand-name computers",
            "Gift certificates: send a loved one the perfect gift", WINDOWS[0].caption]
        for name in stops:
            self.stop(f"Tab to {name!r}", lambda: self.d.key("Tab"), name, BUTTON_ROLE)

    def category_window(self, category):
        """Into a category window by its button, then a Tab tour of its drop-downs."""
        boxes = drop_downs(category.window)
        self.d.key("Tab")  # from the first button to the second, which opens the window
        self.stop(f"{category.title!r} opened", lambda: self.d.key("space"), boxes[0][0],
                  COMBO_ROLE, caption_limit=2)
        for text, _ in boxes[1:]:
            self.stop(f"Tab to drop-down {text!r}", lambda: self.d.key("Tab"), text,
                      COMBO_ROLE, caption_limit=2)
        self.stop("Tab to the refresh button", lambda: self.d.key("Tab"),
                  "Refresh Categories", BUTTON_ROLE)
        text, first = boxes[0]
        self.stop(f"Tab round to drop-down {text!r}", lambda: self.d.key("Tab"), text,
                  COMBO_ROLE, caption_limit=2)
        # Down chooses the first item, which is said.
        self.s.after(f"Down in {text!r}", lambda: self.d.key("Down"), says(first),
                     faults=self.faults)

    def mouse(self, category):
        """A click into another drop-down of the window. Orca itself says nothing
        of a control that is focused by the time it hears the click, so only
        what it must not say is checked."""
        caption = drop_downs(category.window)[2][0]
        window = self.d.find(category.title)
        said = self.s.after(f"a click into drop-down {caption!r}", lambda: self.d.click_client(
            window, harness.centre(harness.MONITORS_ACCESSORIES)), lambda said: True,
            quiet=3 * QUIET)
        self.tour += said
        if count(said, caption) > 2:
            self.faults.append(f"a click: {caption!r} said {count(said, caption)} times: {said}")


def find_window(run, desktop, speech, faults):
    """Words typed, Down and Up from the field, then Tab into the list and Down
    in it: each result landed on is said, the list's name and size once."""
    said = speech.after("Ctrl+F", lambda: desktop.key("ctrl+f"), says(FIND_FIELD))
    # Typed at a person's pace; a status may be cut short by the next key's
    # echo. The last key changes the status, which is then said once.
    said += speech.after("typing words", lambda: desktop.type(FIND_WORDS[0], delay=150),
                         lambda said: len(said) - count(said, STATUS_ROLE) >= len(FIND_WORDS[0]),
                         faults=faults)
    last = speech.after("the last key", lambda: desktop.type(FIND_WORDS[1], delay=150),
                        says(FIND_STATUS), faults=faults)
    said += last
    if last.count(f"{STATUS_ROLE} {FIND_STATUS}.") != 1:
        faults.append(f"the status {FIND_STATUS!r} said "
                      f"{last.count(f'{STATUS_ROLE} {FIND_STATUS}.')} times after the last key")
    first = speech.after("the first Down from the words field", lambda: desktop.key("Down"),
                         says(FIND_SECOND), faults=faults)
    said += first
    said += speech.after("Up from the words field", lambda: desktop.key("Up"), says(FIND_FIRST),
                         faults=faults)
    said += speech.after("Tab into the results", lambda: desktop.key("Tab"), says("tab"))
    said += speech.after("Down in the results", lambda: desktop.key("Down"), says(FIND_SECOND),
                         faults=faults)
    if count(said, LIST_SIZE) != 1 or count(said, FIND_LIST) != 1:
        faults.append(f"the list named {count(said, FIND_LIST)} times and its size said "
                      f"{count(said, LIST_SIZE)} times in the find window, not once")

    speech.after("Shift+Tab back to the words", lambda: desktop.key("shift+Tab"),
                 says(FIND_FIELD))
    # One result: the first Down lands where the search put it, and still
    # names the list, its size and the result.
    speech.after("words with one result", lambda: (
        desktop.key("ctrl+a"), desktop.type(ONE_WORDS, delay=150)), says("1 category"))
    speech.after("the first Down to the one result", lambda: desktop.key("Down"),
                 lambda said: all(says(text)(said) for text in (FIND_LIST, LIST_SIZE, ONE_RESULT)),
                 faults=faults)

    # A partial result: the words it lacks follow where it lives. Orca is on
    # the list now, and no longer echoes the keys; the status is still said.
    speech.after("words no category has all of", lambda: (
        desktop.key("ctrl+a"), desktop.type(PARTIAL_WORDS, delay=150)),
        says("No category has every word"))
    speech.after("Down to a partial result", lambda: desktop.key("Down"),
                 lambda said: any(s.startswith(PARTIAL_RESULT) for s in said), faults=faults)
    return first


def tour(run, desktop, speech, start):
    faults = []
    listener = Listener(run, desktop, speech, faults)
    speech.after("the main window", lambda: None, says(WINDOWS[0].caption), start=start)
    listener.main_window()
    listener.category_window(WINDOWS[1])
    listener.mouse(WINDOWS[1])
    selection = selection_messages(listener.tour)
    if selection:
        faults.append(f"selection messages on the Tab tour: {selection}")
    find_window(run, desktop, speech, faults)
    if faults:
        raise Failure(f"{len(faults)} fault(s) heard:\n  " + "\n  ".join(faults))


def test(run, args):
    started = time.monotonic()
    desktop = harness.start_desktop(run)
    bus = harness.start_accessibility_buses(run, desktop)
    try:
        speech_address, spoken = start_speech(run, desktop)
        speech = Speech(run, spoken)
        start_orca(run, desktop, bus, speech_address, speech, debug=args.keep)
    except SkipTest as skip:
        print(f"SKIPPED: {skip}")
        return SKIP
    browser = harness.Browser(run)
    start = len(speech.lines())
    program = harness.Program(run, args.binary, desktop, browser, "orca", extra_env={
        "DBUS_SESSION_BUS_ADDRESS": bus, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    try:
        desktop.activate(run.wait_for("the main window", lambda: desktop.find(MAIN)))
        tour(run, desktop, speech, start)
    finally:
        program.stop()
        if args.out:
            args.out.mkdir(parents=True, exist_ok=True)
            (args.out / "spoken.txt").write_text("\n".join(speech.lines()) + "\n")
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


def options(parser):
    parser.add_argument("--out", type=Path, help="where to keep what Orca said")


if __name__ == "__main__":
    if not os.access(GENERIC_MODULE, os.X_OK):
        TOOLS = TOOLS + ("speech-dispatcher's generic module",)
    sys.exit(harness.main(__doc__, test, tools=TOOLS, prefix="benchlist-orca-", options=options,
                          log_lines=30))
