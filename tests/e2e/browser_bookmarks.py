#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The exported bookmark file, imported by a real browser.

Takes what each drop-down opens from `benchlist --list` (for a text a table
holds twice, the last entry's address), writes the bookmark file with
`benchlist --export-bookmarks`, and starts Debian's firefox-esr headless with a
fresh profile told to import the file on its first start. Its places.sqlite,
read with sqlite3, must hold the nine window folders under the bookmarks menu in
the main window's button order, each with its drop-down folders and their
bookmarks, in order. The browser keeps an address in its own canonical form,
with blanks as %20, exactly as it does when the program hands it the address
through xdg-open; so every stored address must be that form of the listed one,
and decode to it byte for byte.

The browser runs with no network to speak of: no proxy, no updates, no
telemetry, and a private HOME. The harness stops it, and ends by pid the
helper processes it leaves behind.

Exit status: 0 passed, 1 failed, 77 skipped (firefox-esr or sqlite3 missing).
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse
from pathlib import Path

sys.dont_write_bytecode = True  # leaves the source tree as it was
sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402  pylint: disable=wrong-import-position
from harness import Failure  # noqa: E402  pylint: disable=wrong-import-position

IMPORT_TIMEOUT = 120.0  # seconds for the browser to start and import

# Window titles in the order of the main window's buttons.
BUTTON_ORDER = [w.title for w in harness.WINDOWS]

# Characters a catalogue address may hold besides the blank; the browser keeps
# all of these as they are, so blanks are the only thing its canonical form changes.
ADDRESS_CHARACTERS = set(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-._~:/&+,;=()!*'$@")

PREFS = {
    "browser.places.importBookmarksHTML": True,
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.page": 0,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.aboutwelcome.enabled": False,
    "browser.safebrowsing.update.enabled": False,
    "app.update.auto": False,
    "app.normandy.enabled": False,
    "extensions.update.enabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "network.proxy.type": 0,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
}


def check(condition, message):
    if not condition:
        raise Failure(message)


# --------------------------------------------------------------------------- expectations

def expected_tree(binary):
    """{window title: [(drop-down caption, [(text, address)])]} from the listing.

    Texts keep the place of their first entry and the address of their last,
    which is what the drop-down opens."""
    run = subprocess.run([binary, "--list"], capture_output=True, timeout=30)
    check(run.returncode == 0, f"--list failed: {run.stderr!r}")
    windows = {}
    for line in run.stdout.decode("ascii").splitlines():
        _, title, drop_down, caption, text, address, _ = line.split("\t")
        pages = windows.setdefault(title, {}).setdefault((drop_down, caption), {})
        pages[text] = address
    check(sorted(windows) == sorted(BUTTON_ORDER), f"unexpected windows {sorted(windows)}")
    return [(title, [(caption, list(pages.items()))
                     for (_, caption), pages in windows[title].items()])
            for title in BUTTON_ORDER]


# --------------------------------------------------------------------------- the browser

def write_profile(profile, bookmarks):
    os.makedirs(profile)
    prefs = dict(PREFS, **{"browser.bookmarks.file": bookmarks})  # imported on first start
    with open(os.path.join(profile, "user.js"), "w") as f:
        for name, value in prefs.items():
            f.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")


def query(database, sql):
    """Rows of a query on a copy of the database and its write-ahead log."""
    with tempfile.TemporaryDirectory() as snapshot:
        copy = os.path.join(snapshot, "places.sqlite")
        for suffix in ("", "-wal"):
            if os.path.exists(database + suffix):
                shutil.copyfile(database + suffix, copy + suffix)
        run = subprocess.run(["sqlite3", "-json", "-readonly", copy, sql],
                             capture_output=True, timeout=30)
    if run.returncode != 0:
        return None
    return json.loads(run.stdout or b"[]")


BOOKMARK_ROWS = """
    SELECT b.id, b.parent, b.type, b.position, b.title, p.url
    FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk
    ORDER BY b.parent, b.position"""
MENU = "SELECT id FROM moz_bookmarks WHERE guid = 'menu________'"


def bookmark_count(database):
    rows = query(database, "SELECT count(*) AS n FROM moz_bookmarks WHERE type = 1")
    return rows[0]["n"] if rows else 0


def import_in_firefox(run, firefox, bookmarks, expected_bookmarks):
    work = str(run.workdir)
    profile = os.path.join(work, "profile")
    home = os.path.join(work, "home")
    os.makedirs(home)
    write_profile(profile, bookmarks)
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY") and not key.lower().endswith("_proxy")}
    env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"), MOZ_HEADLESS="1",
               MOZ_CRASHREPORTER_DISABLE="1", MOZ_DISABLE_AUTO_SAFE_MODE="1")
    log = open(os.path.join(work, "firefox.log"), "wb")
    process = run.processes.start(
        [firefox, "--headless", "--no-remote", "--profile", profile, "about:blank"],
        stdout=log, stderr=subprocess.STDOUT, env=env)
    database = os.path.join(profile, "places.sqlite")
    started = time.monotonic()
    try:
        while time.monotonic() - started < IMPORT_TIMEOUT:
            check(process.poll() is None, f"firefox ended early with {process.returncode}")
            if os.path.exists(database) and bookmark_count(database) >= expected_bookmarks:
                break
            time.sleep(1)
        else:
            raise Failure(f"no import within {IMPORT_TIMEOUT:.0f} s "
                          f"({bookmark_count(database) if os.path.exists(database) else 0} "
                          "bookmarks)")
        print(f"firefox imported {expected_bookmarks} bookmarks "
              f"in {time.monotonic() - started:.1f} s")
    finally:
        run.processes.stop(process)
        log.close()
    run.end_orphans()  # the browser's helpers, left behind as it ended
    rows = query(database, BOOKMARK_ROWS)
    menu = query(database, MENU)
    check(rows and menu, "places.sqlite cannot be read")
    children = {}
    for row in rows:
        children.setdefault(row["parent"], []).append(row)

    def tree(folder_id, depth):
        nodes = []
        for row in children.get(folder_id, []):
            if row["type"] == 2 and depth > 0:
                nodes.append((row["title"], tree(row["id"], depth - 1)))
            else:
                nodes.append((row["title"], row["url"]))
        return nodes

    return tree(menu[0]["id"], 2)


def browser_form(address):
    check(set(address) <= ADDRESS_CHARACTERS | {" "}, f"unforeseen character in {address!r}")
    return address.replace(" ", "%20")


def compare_browser(expected, found):
    check([title for title, _ in found] == BUTTON_ORDER,
          f"window folders under the menu: {[title for title, _ in found]}")
    compared = []
    for (title, drop_downs), (_, found_drop_downs) in zip(expected, found):
        check(len(found_drop_downs) == len(drop_downs),
              f"{title}: {len(found_drop_downs)} drop-down folders, not {len(drop_downs)}")
        for (caption, pages), (found_caption, found_pages) in zip(drop_downs, found_drop_downs):
            # The browser trims the names it reads; the addresses are what matter.
            check(found_caption == caption.strip(), f"{title}: folder {found_caption!r}")
            check(isinstance(found_pages, list) and len(found_pages) == len(pages),
                  f"{title} / {caption}: {len(found_pages)} bookmarks, not {len(pages)}")
            for (text, address), (name, url) in zip(pages, found_pages):
                check(name == text.strip(), f"{title} / {caption}: bookmark {name!r}")
                check(url == browser_form(address),
                      f"{title} / {caption} / {text!r}: {url!r} for {address!r}")
                check(urllib.parse.unquote_to_bytes(url) == address.encode("ascii"),
                      f"{title} / {caption} / {text!r}: {url!r} decodes otherwise")
                compared.append((text, address))
    return compared


def test(run, args):
    firefox = shutil.which("firefox-esr")
    expected = expected_tree(args.binary)
    total = sum(len(pages) for _, drop_downs in expected for _, pages in drop_downs)
    bookmarks = str(run.workdir / "bookmarks.html")
    result = subprocess.run([args.binary, "--export-bookmarks", bookmarks],
                            capture_output=True, timeout=30)
    check(result.returncode == 0 and not result.stdout and not result.stderr,
          f"--export-bookmarks: status {result.returncode}, {result.stdout + result.stderr!r}")
    found = import_in_firefox(run, firefox, bookmarks, total)
    compared = compare_browser(expected, found)
    check(len(compared) == total, f"{len(compared)} bookmarks compared, not {total}")
    kinds = {
        "texts with &": sum("&" in text for text, _ in compared),
        "texts with blanks": sum(" " in text for text, _ in compared),
        "texts with a trailing blank": sum(text.endswith(" ") for text, _ in compared),
        "addresses with blanks": sum(" " in address for _, address in compared),
        "addresses with &": sum("&" in address for _, address in compared),
    }
    for kind, count in kinds.items():
        check(count > 0, f"the sample holds no {kind}")
    print(f"firefox: {len(found)} window folders, "
          f"{sum(len(d) for _, d in found)} drop-down folders, {len(compared)} bookmarks "
          "at the listed addresses; " + ", ".join(f"{n} {k}" for k, n in kinds.items()))
    return 0


if __name__ == "__main__":
    sys.exit(harness.main(__doc__, test, tools=("firefox-esr", "sqlite3"),
                          prefix="benchlist-bookmarks-"))
