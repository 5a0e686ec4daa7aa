#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End-to-end test of the real benchlist binary on a real X server.

Starts its own Xvfb (on a display number the server picks itself), openbox as
the window manager, and benchlist with a private HOME and XDG directories, in
which the real xdg-open finds no desktop environment and no registered web
browser and so hands every address to $BROWSER: a small script that appends it
to a log. The program is then driven only from outside, with xdotool (keys and
mouse), xclip (the clipboard) and the window manager's own Alt+F4, and judged by
what the window manager reports (frames, positions, the active window) and by
the addresses in the log. The machinery is in harness.py; here are the scenarios.

The test becomes a child subreaper, so every xdg-open the program leaves behind
is re-parented to it; that is how it sees whether a child process outlives the
program. It stops only the processes it started.

Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
"""

import os
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
# pylint: disable=wrong-import-position
import harness  # noqa: E402
from harness import (ABOUT, BUTTON_BOX, FIND, FIRST_PAGE, FLAT_ITEMS, INSTRUCTIONS, MAIN,  # noqa: E402
                     MONITORS_ACCESSORIES, MONITORS_FLAT, MONITORS_REFRESH, TITLE, WAIT, WINDOWS,
                     Browser, Failure, Session, add_address_options, centre, px, run_program,
                     start_desktop)

APPLE = TITLE["frmApple"]
MONITORS = TITLE["frmMonitors"]
LAPTOPS = TITLE["frmLaptops"]
COMPONENTS = TITLE["frmComponents"]

# Pictures and labels of the main window that the test clicks (twips, client area).
AUCTION_BANNER = (173, 3000, 6000, 900)
GIFT_BANNER = (6540, 3000, 3480, 900)
SIGNUP_LABEL = (630, 3960, 5085, 195)
FIND_HINT = (8000, 1110, 200, 240)  # on the link of "Find a category by words... (Ctrl+F)"
LAPTOPS_SYSTEMS = (120, 1680, 2295, 315)
# The first flat-panel item as a search at eBay (US).
EBAY_FLAT_PANEL = "https://www.ebay.com/sch/i.html?_nkw=LCD%20flat%20panel%20monitor"


class Scenarios(Session):
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
        for position, category in enumerate(WINDOWS):
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
            self.b.expect(f"Down in {category.title!r}", [self.page(FIRST_PAGE[category.button])],
                          lambda: self.d.key("Down", "Up"))
            self.close_with_wm(category.title)
            self.becomes_active(MAIN, f"after {category.title!r} was closed")

    def monitors(self):
        flat = [self.page(p) for p in (
            "/bl/cm/LCD-Flat-Panel.html", "/bl/cm/15-inch-Smaller-LCD.html",
            "/bl/cm/17-inch-LCD.html", "/bl/cm/18-inch-LCD.html")]
        self.click_main(BUTTON_BOX["cmdMonitors"])
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
        popup = self.run.wait_for("the drop-down list to open", self.d.popups)[0]
        px_, py, _, ph = self.d.client_geometry(popup)
        row = 2
        self.b.expect("a click on '17-inch LCD' in the list", [flat[2]], lambda: self.d.click(
            px_ + 40, py + int(ph * (row + 0.5) / len(FLAT_ITEMS))))
        self.run.wait_for("the list to close", lambda: not self.d.popups())
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
        self.run.wait_for("the window to move", lambda: self.d.outer_geometry(window)[0] > 200)
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
        self.run.wait_for("the window to move", lambda: self.d.outer_geometry(refreshed)[0] > 200)
        moved = self.d.outer_geometry(refreshed)[:2]
        self.click_main(BUTTON_BOX["cmdMonitors"])
        again = self.becomes_active(MONITORS, "after its button was clicked again")
        if again != refreshed or self.d.outer_geometry(again)[:2] != moved:
            raise Failure("the button of an open window made a new window or moved it")
        self.b.expect("Down in the window brought back", [flat[1]], lambda: self.d.key("Down"))
        self.close_with_wm(MONITORS)
        self.becomes_active(MAIN, "after Computer Monitors was closed")

    def gone_window(self, window, title):
        self.run.wait_for(f"{title!r} to go away", lambda: window not in
                          [w for _, w in self.d.windows()])

    def laptops_and_focus_return(self):
        self.click_main(BUTTON_BOX["cmdLaptops"])
        laptops = self.becomes_active(LAPTOPS, "after a click on its button")
        self.check_corner(LAPTOPS, laptops)
        # An address with blanks and an ampersand reaches the browser as it stands.
        self.d.click_client(laptops, centre(LAPTOPS_SYSTEMS, dx=-30))
        self.b.expect("pasting 'Toshiba 2.0GHz More'", [self.page("/bl/lt/2.0 GHz & More.html")],
                      lambda: self.paste("Toshiba 2.0GHz More"))

        # With the main window behind two others, closing the front one brings
        # the main window forward, not the one next in line.
        self.click_main(BUTTON_BOX["cmdApple"])
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
        for category in WINDOWS:
            self.click_main(BUTTON_BOX[category.button])
            window = self.becomes_active(category.title, f"after a click on {category.button}")
            self.check_corner(category.title, window)
        self.only_windows([MAIN, INSTRUCTIONS, ABOUT] + [c.title for c in WINDOWS],
                          "with every window open")
        self.menu("f", "x")
        self.farewell("File, Exit")

    def exit_by_shortcut(self):
        self.start_checks()
        self.click_main(BUTTON_BOX["cmdMonitors"])
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

    def exit_by_closing_main(self):
        self.start_checks()
        self.d.key("ctrl+a")
        self.becomes_active(ABOUT, "after Ctrl+A")
        self.d.activate(self.window(MAIN))
        self.d.key("alt+F4")
        self.farewell("closing the main window")


    def choose_shop(self):
        """File, Open Pages At: eBay (US) chosen with the keyboard; a drop-down's
        page then opens as a search there."""
        main = self.start_checks()
        self.menu("f", "p")
        self.run.wait_for("File, Open Pages At to open", lambda: len(self.d.popups()) >= 2)
        self.d.key("Down")
        time.sleep(0.3)  # the highlight drawn
        boxes = [self.d.outer_geometry(main)] + [self.d.client_geometry(p) for p in self.d.popups()]
        left, top = min(b[0] for b in boxes), min(b[1] for b in boxes)
        right, bottom = max(b[0] + b[2] for b in boxes), max(b[1] + b[3] for b in boxes)
        self.d.screenshot(self.out / "open-pages-at.png", (left, top, right - left, bottom - top))
        self.d.key("Return")
        self.run.wait_for("the menu to close", lambda: not self.d.popups())
        self.flat_panel_opens(EBAY_FLAT_PANEL, "after eBay (US) was chosen")
        self.leave()

    def shop_kept(self):
        """The choice lasts to the next start; the catalogue chosen again is the catalogue."""
        self.start_checks()
        self.flat_panel_opens(EBAY_FLAT_PANEL, "after a new start")
        self.menu("f", "p")
        self.run.wait_for("File, Open Pages At to open", lambda: len(self.d.popups()) >= 2)
        self.d.key("Home", "Return")
        self.run.wait_for("the menu to close", lambda: not self.d.popups())
        self.flat_panel_opens(self.page("/bl/cm/LCD-Flat-Panel.html"), "with the catalogue again")
        self.leave()

    def flat_panel_opens(self, address, when):
        self.click_main(BUTTON_BOX["cmdMonitors"])
        self.becomes_active(MONITORS, f"after a click on its button {when}")
        self.b.expect(f"Down in the flat-panel list {when}", [address], lambda: self.d.key("Down"))
        self.close_with_wm(MONITORS)
        self.becomes_active(MAIN, f"after Computer Monitors was closed {when}")


class GermanScenarios(Scenarios):
    """The program in German: its windows by their German titles, and a category
    window's drop-down that still opens pages by their English texts."""
    main_title = "Benchlist"
    farewell_title = "Danke, dass Sie Wishtrail nutzen"
    extra_env = {"LANGUAGE": "de", "LANG": "de_DE.UTF-8"}

    def german(self):
        main = self.start_checks()
        self.d.screenshot(self.out / "main-window-de.png", self.d.outer_geometry(main))
        self.click_main(BUTTON_BOX["cmdMonitors"])
        window = self.becomes_active("Monitore und Zubehör", "after a click on its button")
        self.d.click_client(window, centre(MONITORS_ACCESSORIES, dx=-30))
        self.d.key("ctrl+a")
        text = "Cables"
        for count in range(1, len(text) + 1):
            expected = self.page("/bl/cm/Cables.html") if count == len(text) else self.error
            self.b.expect(f"typing {text[:count]!r} in German", [expected],
                          lambda c=count: self.d.type(text[c - 1]))
        self.b.expect("pasting 'Stands and Risers' in German",
                      [self.page("/bl/cm/Stands-and-Risers.html")],
                      lambda: self.paste("Stands and Risers"))
        self.d.screenshot(self.out / "monitors-window-de.png", self.d.outer_geometry(window))
        self.close_with_wm("Monitore und Zubehör")
        self.d.activate(self.window(self.main_title))
        self.d.key("ctrl+f")
        find = self.becomes_active("Kategorie suchen", "after Ctrl+F in German")
        self.d.type("usb cables")
        time.sleep(0.3)  # the last keystroke's results drawn
        self.d.screenshot(self.out / "find-window-de.png", self.d.outer_geometry(find))
        self.d.key("Escape")
        self.gone("Kategorie suchen")
        self.leave()


class FrenchScenarios(Scenarios):
    """The program in French, its main window with the banners drawn in French."""
    main_title = "Benchlist"
    farewell_title = "Merci d’avoir utilisé Wishtrail"
    extra_env = {"LANGUAGE": "fr", "LANG": "fr_FR.UTF-8"}

    def french(self):
        main = self.start_checks()
        self.d.screenshot(self.out / "main-window-fr.png", self.d.outer_geometry(main))
        self.leave()


class SpanishScenarios(Scenarios):
    """The program in Spanish: the Printers window, opened from its button."""
    main_title = "Benchlist"
    farewell_title = "Gracias por usar Wishtrail"
    extra_env = {"LANGUAGE": "es", "LANG": "es_ES.UTF-8"}
    printers = "Impresoras y consumibles"

    def spanish(self):
        self.start_checks()
        self.click_main(BUTTON_BOX["cmdPrinters"])
        window = self.becomes_active(self.printers, "after a click on its button")
        self.d.screenshot(self.out / "printers-window-es.png", self.d.outer_geometry(window))
        self.close_with_wm(self.printers)
        self.leave()


class DoubleSizeScenarios(Scenarios):
    """The main window at twice the size, as on a screen of twice the density."""
    extra_env = {"QT_SCALE_FACTOR": "2"}

    def double(self):
        main = self.becomes_active(self.main_title, "at start")
        self.d.screenshot(self.out / "main-window-2x.png", self.d.outer_geometry(main))
        self.leave()


class NoOpenerScenarios(Scenarios):
    """No xdg-open to hand pages to: the note over the main window says so."""
    extra_env = {"PATH": "/nonexistent-benchlist-folder"}

    def no_opener(self):
        main = self.start_checks()
        self.click_main(AUCTION_BANNER)
        time.sleep(0.5)  # the note drawn
        self.d.screenshot(self.out / "page-not-opened.png", self.d.outer_geometry(main))
        self.nothing_opened("a click on the banner without xdg-open")
        self.d.activate(main)
        self.d.key("alt+F4")
        self.becomes_active(self.farewell_title, "after closing the main window")
        self.close_with_wm(self.farewell_title)


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


def test(run, args):
    args.out.mkdir(parents=True, exist_ok=True)
    started = time.monotonic()
    find_on_command_line(args)
    print("ok - --find")
    # Wide enough for the main window at twice the size, whole.
    desktop = start_desktop(run, width=1600)
    browser = Browser(run)
    for name, scenario in (("tour", Scenarios.tour),
                           ("ctrl-x", Scenarios.exit_by_shortcut),
                           ("find", Scenarios.find_window),
                           ("close-main", Scenarios.exit_by_closing_main)):
        begun = time.monotonic()
        run_program(run, name, scenario, args, desktop, browser, Scenarios)
        print(f"ok - {name} ({time.monotonic() - begun:.1f} s)")
    # Both runs share one home: the shop chosen in the first is kept for the second.
    for step, scenario in (("shop chosen", Scenarios.choose_shop),
                           ("shop kept", Scenarios.shop_kept)):
        begun = time.monotonic()
        run_program(run, "shop", scenario, args, desktop, browser, Scenarios)
        print(f"ok - {step} ({time.monotonic() - begun:.1f} s)")
    begun = time.monotonic()
    run_program(run, "german", GermanScenarios.german, args, desktop, browser, GermanScenarios)
    print(f"ok - german ({time.monotonic() - begun:.1f} s)")
    for name, scenario, session in (("french", FrenchScenarios.french, FrenchScenarios),
                                    ("spanish", SpanishScenarios.spanish, SpanishScenarios),
                                    ("double", DoubleSizeScenarios.double, DoubleSizeScenarios),
                                    ("no-opener", NoOpenerScenarios.no_opener, NoOpenerScenarios)):
        begun = time.monotonic()
        run_program(run, name, scenario, args, desktop, browser, session)
        print(f"ok - {name} ({time.monotonic() - begun:.1f} s)")
    run.check_mismatches()
    openers = sum(1 for _, command in run.processes.reaped if "xdg-open" in command)
    print(f"passed: {browser.checked} addresses checked, {openers} finished xdg-open "
          f"processes reaped, in {time.monotonic() - started:.1f} s")
    return 0


def options(parser):
    parser.add_argument("--out", required=True, type=Path,
                        help="directory for the screenshots (and failure.png when a check fails)")
    add_address_options(parser)


if __name__ == "__main__":
    sys.exit(harness.main(__doc__, test, options=options))
