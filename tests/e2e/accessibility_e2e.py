#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real benchlist binary as a screen reader meets it, through AT-SPI.

Starts its own D-Bus session bus, the accessibility bus (at-spi-bus-launcher),
and the Xvfb, openbox and recording browser of harness.py; runs benchlist
with Qt's AT-SPI bridge switched on and reads it with pyatspi, as a screen
reader does. It checks that every window is a frame or dialog named by its
title, that every control that takes the focus has a name, that each drop-down
is named by its caption and keeps that name when Down chooses its first item,
and that the two banners follow the category buttons in the Tab chain and open
their offers through their press action. In the find window, the focus a
screen reader is told of last is the current result, by its plain words, when
Tab brings the focus to the results and when Down moves it. Keys go in
through xdotool.

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
"""

import importlib.util
import os
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402

harness.settle_interpreter("pyatspi")
from harness import ABOUT, FAREWELL, FIND, INSTRUCTIONS, MAIN, WINDOWS, Failure  # noqa: E402

TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xdg-open")
# The category buttons' captions, in the main window's Tab order.
BUTTONS = tuple(w.caption for w in WINDOWS)
AUCTION_OFFER = 10296229
GIFT_OFFER = 10304392

atspi = None  # pyatspi, imported once the session bus is up
GLib = None  # its main loop delivers the bus's events


def role(node):
    return node.getRole()


def name(node):
    node.clear_cache()  # the program's word, not what an event left behind
    return node.name


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def descendants(node):
    for child in children(node):
        if child is not None:
            yield child
            yield from descendants(child)


def focusable(node):
    return node.getState().contains(atspi.STATE_FOCUSABLE)


def focused(node):
    return node.getState().contains(atspi.STATE_FOCUSED)


def path(node):
    names = []
    while node is not None and role(node) != atspi.ROLE_APPLICATION:
        names.append(f"{node.getRoleName()} {node.name!r}")
        node = node.parent
    return " < ".join(names)


def action(node, wanted):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index).lower() == wanted:
            return lambda: actions.doAction(index)
    raise Failure(f"{path(node)} offers no {wanted!r} action")


def text_of(field):
    text = field.queryText()
    return text.getText(0, text.characterCount)


class Reader:
    """The program as seen through the accessibility bus."""

    def __init__(self, run, desktop, browser, args):
        self.run = run
        self.d = desktop
        self.b = browser
        self.offer = f"{args.affiliate_base}/click-{args.publisher}-" + "{}"
        self.app = run.wait_for("benchlist on the accessibility bus", self.find_app, timeout=20)
        self.heard = []  # the objects the focus went to, in order
        atspi.Registry.registerEventListener(
            lambda event: event.detail1 and self.heard.append(event.source),
            "object:state-changed:focused")

    def find_app(self):
        root = atspi.Registry.getDesktop(0)
        return next((a for a in children(root) if a is not None and a.name == "benchlist"), None)

    def windows(self):
        return {name(w): w for w in children(self.app) if w is not None
                and w.getState().contains(atspi.STATE_SHOWING)}

    def window(self, title):
        return self.run.wait_for(f"window {title!r} on the bus",
                                 lambda: self.windows().get(title))

    def focus(self, window):
        return next((n for n in descendants(window) if focused(n)), None)

    def one_address(self, what, act):
        act()
        want = self.b.checked + 1
        self.run.wait_for(f"an address after {what}", lambda: len(self.b.lines()) >= want)
        self.b.checked = want

    def activated(self, title):
        self.run.wait_for(f"{title!r} to be active",
                          lambda: self.d.active() == self.d.find(title))

    def last_heard(self):
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        return name(self.heard[-1]) if self.heard else None

    # ---- checks
    def check_windows(self):
        """Every window shown is a frame or dialog named by its title."""
        self.run.wait_for("the window manager and the bus to agree on the windows",
                 lambda: sorted(self.windows()) == self.d.titles())
        shown = self.windows()
        for title, window in shown.items():
            if role(window) not in (atspi.ROLE_FRAME, atspi.ROLE_DIALOG):
                raise Failure(f"window {title!r} is a {window.getRoleName()}, not a frame")
        return shown

    def check_names(self, window):
        """Every control that can take the focus has a name; returns the controls."""
        controls = [n for n in descendants(window) if focusable(n)]
        unnamed = [path(n) for n in controls if not name(n).strip()]
        if unnamed:
            raise Failure("controls without a name:\n    " + "\n    ".join(unnamed))
        return controls

    def tab_chain(self, window):
        expected = list(BUTTONS) + ["Auction site offer: brand-name computers",
                                    "Gift certificates: send a loved one the perfect gift",
                                    BUTTONS[0]]
        self.d.activate(self.d.find(MAIN))
        for step, want in enumerate(expected):
            if step:
                self.d.key("Tab")
            try:
                self.run.wait_for(f"{want!r} to take the focus", lambda w=want: name(
                    self.focus(window) or window) == w, timeout=3)
            except Failure:
                node = self.focus(window)
                raise Failure(f"after {step} Tab(s) the focus is on "
                              f"{path(node) if node else 'nothing'}, not on {want!r}") from None

    def banners(self, window):
        for caption, offer in (("Auction site offer", AUCTION_OFFER),
                               ("Gift certificates", GIFT_OFFER)):
            banner = next((n for n in descendants(window) if name(n).startswith(caption)), None)
            if banner is None or role(banner) not in (atspi.ROLE_PUSH_BUTTON, atspi.ROLE_LINK):
                raise Failure(f"no banner button {caption!r}")
            self.b.expect(f"the press action of {caption!r}", [self.offer.format(offer)],
                          action(banner, "press"))

    def drop_downs(self, window, title):
        """Each drop-down's name is its text at load, and stays so when Down
        chooses its first item."""
        boxes = [n for n in descendants(window) if role(n) == atspi.ROLE_COMBO_BOX]
        if not boxes:
            raise Failure(f"{title!r} has no drop-downs on the bus")
        for box in boxes:
            items, field = children(box)[:2]
            caption = name(box)
            if role(field) != atspi.ROLE_TEXT or text_of(field) != caption:
                raise Failure(f"{path(box)}: named {caption!r} but shows {text_of(field)!r}")
            if items.childCount == 0:
                raise Failure(f"{path(box)}: no list items")
            first = name(items.getChildAtIndex(0))
            box.queryComponent().grabFocus()
            self.run.wait_for(f"{path(box)} to take the focus",
                              lambda b=box: focused(b) or focused(b.getChildAtIndex(1)))
            self.one_address(f"Down in {path(box)}", lambda: self.d.key("Down"))
            if text_of(field) != first:
                raise Failure(f"{path(box)}: Down chose {text_of(field)!r}, not {first!r}")
            if name(box) != caption:
                raise Failure(f"{path(box)}: renamed {name(box)!r} after a choice")
        return len(boxes)

    def find_results(self, window):
        """The focus a screen reader hears last is the current result, unmarked."""
        self.activated(FIND)
        self.d.type("usb printer cables")
        results = next(n for n in descendants(window) if role(n) == atspi.ROLE_LIST)

        def plain_rows():
            rows = [name(r) for r in children(results)]
            plain = rows and rows[0].startswith("USB 1.0 Printer Cables, ")
            return rows if plain and not any("<" in r for r in rows) else None

        rows = self.run.wait_for("the results to be named by their plain words", plain_rows)
        for key, row in (("Tab", 0), ("Down", 1)):
            self.last_heard()
            self.heard.clear()
            self.d.key(key)
            self.run.wait_for(f"{rows[row]!r} to be heard after {key}",
                              lambda r=row: self.last_heard() == rows[r])
            harness.holds(f"after {key}, another focus heard over {rows[row]!r}",
                          lambda r=row: self.last_heard() == rows[r])

        # No category has every word: each row names the words it lacks, and
        # the line below the list says why.
        self.d.key("shift+Tab")
        self.d.key("ctrl+a")
        self.d.type("usb hubs zebra")
        partly = "No category has every word; showing those with most of them"
        self.run.wait_for("the first result to name the word it lacks", lambda: [
            name(r) for r in children(results)][:1] == [
            f"USB Hubs and Cables, {harness.TITLE['frmComponents']} \u203a Cables and, "
            "Adapter Cards, without: zebra"])
        self.run.wait_for("the line below the list to say why",
                          lambda: any(name(n) == partly for n in descendants(window)))


def tour(reader):
    main = reader.window(MAIN)
    reader.tab_chain(main)
    reader.banners(main)
    reader.d.key("ctrl+a")
    reader.window(ABOUT)
    reader.d.activate(reader.d.find(MAIN))
    reader.d.key("ctrl+h")
    reader.window(INSTRUCTIONS)
    reader.d.activate(reader.d.find(MAIN))
    reader.d.key("ctrl+f")
    reader.find_results(reader.window(FIND))
    boxes = 0
    for category in WINDOWS:
        button = next(n for n in descendants(main) if name(n) == category.caption)
        action(button, "press")()
        window = reader.window(category.title)
        reader.activated(category.title)
        boxes += reader.drop_downs(window, category.title)
    windows = list(reader.check_windows().values())
    controls = sum(len(reader.check_names(window)) for window in windows)
    reader.d.activate(reader.d.find(MAIN))
    reader.d.key("ctrl+x")
    farewell = reader.check_windows()[FAREWELL]
    controls += len(reader.check_names(farewell))
    reader.d.key("alt+F4")
    return boxes, controls, len(windows) + 1


def test(run, args):
    global atspi, GLib
    started = time.monotonic()
    desktop = harness.start_desktop(run)
    harness.start_accessibility_buses(run, desktop)
    import pyatspi  # pylint: disable=import-outside-toplevel; needs the bus first
    atspi = pyatspi
    from gi.repository import GLib as glib  # pylint: disable=import-outside-toplevel
    GLib = glib
    browser = harness.Browser(run)
    program = harness.Program(run, args.binary, desktop, browser, "a11y", extra_env={
        "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    try:
        reader = Reader(run, desktop, browser, args)
        boxes, controls, windows = tour(reader)
        if program.process.wait(timeout=harness.WAIT) != 0:
            raise Failure("the program did not end cleanly")
    finally:
        program.stop()
    print(f"passed: {windows} windows, {controls} focusable objects, {boxes} drop-downs, "
          f"{browser.checked} addresses, in {time.monotonic() - started:.1f} s")
    return 0


TOOLS = TOOLS + harness.accessibility_bus_tools() \
    + (() if importlib.util.find_spec("pyatspi") else ("pyatspi",))

if __name__ == "__main__":
    sys.exit(harness.main(__doc__, test, tools=TOOLS, prefix="benchlist-a11y-",
                          options=harness.add_address_options,
                          log_lines=15))
