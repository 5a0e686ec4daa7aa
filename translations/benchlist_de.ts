<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wishtrail</source>
        <translation>Über Wishtrail</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Visit Veldmark</source>
        <translation>Veldmark besuchen</translation>
    </message>
    <message>
        <source>Computer Shopping Made Easy</source>
        <translation>Computerkauf leicht gemacht</translation>
    </message>
    <message>
        <source>© 2026 Veldmark. Free software: GNU GPL 3 or later.</source>
        <translation>© 2026 Veldmark. Freie Software: GNU GPL 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Apple / Macintosh Computer Menu</source>
        <translation>Apple / Macintosh: Computer</translation>
    </message>
    <message>
        <source>Computer Monitors and Accessories</source>
        <translation>Monitore und Zubehör</translation>
    </message>
    <message>
        <source>Drives and Peripherals</source>
        <translation>Laufwerke und Peripherie</translation>
    </message>
    <message>
        <source>PC Components</source>
        <translation>PC-Komponenten</translation>
    </message>
    <message>
        <source>Desktop PC&apos;s</source>
        <translation>Desktop-PCs</translation>
    </message>
    <message>
        <source>Laptops</source>
        <translation>Laptops</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>PDA&apos;s &amp; Handheld PC&apos;s</source>
        <translation>PDAs &amp; Handheld-PCs</translation>
    </message>
    <message>
        <source>Prnters And Printer Supplies</source>
        <translation>Drucker und Druckerbedarf</translation>
    </message>
    <message>
        <source>Computer Monitors and Monitor Accessories</source>
        <translation>Monitore und Monitorzubehör</translation>
    </message>
    <message>
        <source>Desktop PC Computer Systems</source>
        <translation>Desktop-PC-Systeme</translation>
    </message>
    <message>
        <source>Apple Macintosh Systems, Components, and Periperhals</source>
        <translation>Apple Macintosh: Systeme, Komponenten, Peripherie</translation>
    </message>
    <message>
        <source>Laptops and Laptop Components and Accessories</source>
        <translation>Laptops, Laptop-Komponenten und Zubehör</translation>
    </message>
    <message>
        <source>PDA&apos;s, Handheld PC&apos;s and Accessories</source>
        <translation>PDAs, Handheld-PCs und Zubehör</translation>
    </message>
    <message>
        <source>Desktop PC Computer Components</source>
        <translation>PC-Komponenten</translation>
    </message>
    <message>
        <source>Desktop Computer  Drives And Peripherals</source>
        <translation>Laufwerke und Peripherie</translation>
    </message>
    <message>
        <source>Printers And Printer Supplies</source>
        <translation>Drucker und Druckerbedarf</translation>
    </message>
    <message>
        <source>Networking Servers and Networking Equipment</source>
        <translation>Server und Netzwerktechnik</translation>
    </message>
    <message>
        <source>Apple / Macintosh</source>
        <translation>Apple / Macintosh</translation>
    </message>
    <message>
        <source>Computer Monitors</source>
        <translation>Monitore</translation>
    </message>
    <message>
        <source>Drives And Peripherals</source>
        <translation>Laufwerke &amp; Peripherie</translation>
    </message>
    <message>
        <source>PDA&apos;s / Handheld PC&apos;s</source>
        <translation>PDAs / Handheld-PCs</translation>
    </message>
    <message>
        <source>Printers and Supplies</source>
        <translation>Drucker, Druckerbedarf</translation>
    </message>
    <message>
        <source>LCD &amp; FlatScreen Monitors</source>
        <translation>LCD- &amp; Flachbildschirme</translation>
    </message>
    <message>
        <source>Standard CRT Monitors</source>
        <translation>Röhrenmonitore</translation>
    </message>
    <message>
        <source>Monitor Accessories</source>
        <translation>Monitorzubehör</translation>
    </message>
    <message>
        <source>Wholesale Lots</source>
        <translation>Großhandelsposten</translation>
    </message>
    <message>
        <source>366Mhz And Less Systems</source>
        <translation>Systeme bis 366 MHz</translation>
    </message>
    <message>
        <source>400MHz - 650Mhz Systems</source>
        <translation>Systeme 400–650 MHz</translation>
    </message>
    <message>
        <source>700MHz - 1GHz Systems</source>
        <translation>Systeme 700 MHz – 1 GHz</translation>
    </message>
    <message>
        <source>1.1Ghz - 2GHz Systems</source>
        <translation>Systeme 1,1–2 GHz</translation>
    </message>
    <message>
        <source>2.1Ghz - 2.6GHz Systems</source>
        <translation>Systeme 2,1–2,6 GHz</translation>
    </message>
    <message>
        <source>2.7GHz - 2.8 GHz Systems</source>
        <translation>Systeme 2,7–2,8 GHz</translation>
    </message>
    <message>
        <source>3GHz And Higher Systems</source>
        <translation>Systeme ab 3 GHz</translation>
    </message>
    <message>
        <source>Desktops With Monitors</source>
        <translation>Desktops mit Monitor</translation>
    </message>
    <message>
        <source>Desktops</source>
        <translation>Desktops</translation>
    </message>
    <message>
        <source>Drives and Media</source>
        <translation>Laufwerke und Medien</translation>
    </message>
    <message>
        <source>Input Devices</source>
        <translation>Eingabegeräte</translation>
    </message>
    <message>
        <source>Monitors</source>
        <translation>Monitore</translation>
    </message>
    <message>
        <source>Parts &amp; Accessories</source>
        <translation>Teile &amp; Zubehör</translation>
    </message>
    <message>
        <source>Power Supplies &amp; Battery</source>
        <translation>Netzteile &amp; Akkus</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Video And Multimedia</source>
        <translation>Video und Multimedia</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Laptop Systems</source>
        <translation>Laptop-Systeme</translation>
    </message>
    <message>
        <source>Memory Upgrades</source>
        <translation>Speichererweiterungen</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>PCMCIA Cards</source>
        <translation>PCMCIA-Karten</translation>
    </message>
    <message>
        <source>Motherboards</source>
        <translation>Mainboards</translation>
    </message>
    <message>
        <source>CPUs</source>
        <translation>Prozessoren</translation>
    </message>
    <message>
        <source>Cables &amp; Connectors</source>
        <translation>Kabel &amp; Stecker</translation>
    </message>
    <message>
        <source>Parts, Accessories</source>
        <translation>Teile, Zubehör</translation>
    </message>
    <message>
        <source>Batteries</source>
        <translation>Akkus</translation>
    </message>
    <message>
        <source>AC, Standard</source>
        <translation>Netzteile, Standard</translation>
    </message>
    <message>
        <source>Docking Stations</source>
        <translation>Dockingstationen</translation>
    </message>
    <message>
        <source>Laptop Screens, LCDs</source>
        <translation>Laptop-Bildschirme, LCDs</translation>
    </message>
    <message>
        <source>Cases, Bags</source>
        <translation>Hüllen, Taschen</translation>
    </message>
    <message>
        <source>Tablet PC&apos;s</source>
        <translation>Tablet-PCs</translation>
    </message>
    <message>
        <source>PDAs and  Handheld PCs</source>
        <translation>PDAs und Handheld-PCs</translation>
    </message>
    <message>
        <source>Apple  Newton Accessories</source>
        <translation>Apple-Newton-Zubehör</translation>
    </message>
    <message>
        <source>Casio Accessories</source>
        <translation>Casio-Zubehör</translation>
    </message>
    <message>
        <source>Dell Accessories</source>
        <translation>Dell-Zubehör</translation>
    </message>
    <message>
        <source>Handspring Visor Accessories</source>
        <translation>Handspring-Visor-Zubehör</translation>
    </message>
    <message>
        <source>HP Compaq Accessories</source>
        <translation>HP-Compaq-Zubehör</translation>
    </message>
    <message>
        <source>Palm Accessories</source>
        <translation>Palm-Zubehör</translation>
    </message>
    <message>
        <source>Philips Accessories</source>
        <translation>Philips-Zubehör</translation>
    </message>
    <message>
        <source>Sharp Accessories</source>
        <translation>Sharp-Zubehör</translation>
    </message>
    <message>
        <source>Sony Accessories</source>
        <translation>Sony-Zubehör</translation>
    </message>
    <message>
        <source>Toshiba PDA&apos;s &amp; Accessories</source>
        <translation>Toshiba-PDAs &amp; Zubehör</translation>
    </message>
    <message>
        <source>Other PDA&apos;s &amp; Accessories</source>
        <translation>Andere PDAs &amp; Zubehör</translation>
    </message>
    <message>
        <source>Handheld Units</source>
        <translation>Handheld-PCs</translation>
    </message>
    <message>
        <source>Cables and, Adapter Cards</source>
        <translation>Kabel und Adapterkarten</translation>
    </message>
    <message>
        <source>CPU&apos;s</source>
        <translation>Prozessoren</translation>
    </message>
    <message>
        <source>Fans and Heatsinks</source>
        <translation>Lüfter und Kühlkörper</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Modems</source>
        <translation>Modems</translation>
    </message>
    <message>
        <source>PC Cases</source>
        <translation>PC-Gehäuse</translation>
    </message>
    <message>
        <source>Power Supplies</source>
        <translation>Netzteile</translation>
    </message>
    <message>
        <source>Thermal Pastes &amp; Compounds</source>
        <translation>Wärmeleitpasten</translation>
    </message>
    <message>
        <source>CD Drives &amp; Duplicators</source>
        <translation>CD-Laufwerke &amp; -Duplikatoren</translation>
    </message>
    <message>
        <source>CD-ROM Drives</source>
        <translation>CD-ROM-Laufwerke</translation>
    </message>
    <message>
        <source>CDRW, DVD Combo Drives</source>
        <translation>CD-RW-, DVD-Kombilaufwerke</translation>
    </message>
    <message>
        <source>DVD-R, DVD-RW Drives</source>
        <translation>DVD-R-, DVD-RW-Laufwerke</translation>
    </message>
    <message>
        <source>DVD-ROM Drives</source>
        <translation>DVD-ROM-Laufwerke</translation>
    </message>
    <message>
        <source>External Hard Drives Zip Jaz</source>
        <translation>Externe Festplatten, Zip, Jaz</translation>
    </message>
    <message>
        <source>Hard Drives Internal</source>
        <translation>Interne Festplatten</translation>
    </message>
    <message>
        <source>Flash Memory Drives</source>
        <translation>Flash-Speicher</translation>
    </message>
    <message>
        <source>Floppy Drives</source>
        <translation>Diskettenlaufwerke</translation>
    </message>
    <message>
        <source>Other Drives &amp; Components</source>
        <translation>Andere Laufwerke &amp; Komponenten</translation>
    </message>
    <message>
        <source>Tape Drives</source>
        <translation>Bandlaufwerke</translation>
    </message>
    <message>
        <source>Other Hardware</source>
        <translation>Andere Hardware</translation>
    </message>
    <message>
        <source>Controllers-Adapter, I/O Card</source>
        <translation>Controller, Adapter, E/A-Karten</translation>
    </message>
    <message>
        <source>UPS, Battery Backups</source>
        <translation>USV, Notstrom-Akkus</translation>
    </message>
    <message>
        <source>Video &amp; Multimedia</source>
        <translation>Video &amp; Multimedia</translation>
    </message>
    <message>
        <source>Video &amp; Multimedia Accessories</source>
        <translation>Video- &amp; Multimedia-Zubehör</translation>
    </message>
    <message>
        <source>TV Tuners</source>
        <translation>TV-Tuner</translation>
    </message>
    <message>
        <source>Video Conferencing</source>
        <translation>Videokonferenz</translation>
    </message>
    <message>
        <source>Multi Function Printers</source>
        <translation>Multifunktionsdrucker</translation>
    </message>
    <message>
        <source>Ink Jet Printers</source>
        <translation>Tintenstrahldrucker</translation>
    </message>
    <message>
        <source>Laser Printers</source>
        <translation>Laserdrucker</translation>
    </message>
    <message>
        <source>POS Dot Matrix Printers</source>
        <translation>Kassen-Nadeldrucker</translation>
    </message>
    <message>
        <source>Thermal Printers</source>
        <translation>Thermodrucker</translation>
    </message>
    <message>
        <source>Other Printers and Supplies</source>
        <translation>Andere Drucker und Druckerbedarf</translation>
    </message>
    <message>
        <source>Ink Cartridges Black</source>
        <translation>Tintenpatronen schwarz</translation>
    </message>
    <message>
        <source>Ink Cartriges Color</source>
        <translation>Tintenpatronen farbig</translation>
    </message>
    <message>
        <source>Laser Toner Black</source>
        <translation>Lasertoner schwarz</translation>
    </message>
    <message>
        <source>Laser Toner Color</source>
        <translation>Lasertoner farbig</translation>
    </message>
    <message>
        <source>Ribbons</source>
        <translation>Farbbänder</translation>
    </message>
    <message>
        <source>Printheads</source>
        <translation>Druckköpfe</translation>
    </message>
    <message>
        <source>Printer Supplies and Accessories</source>
        <translation>Druckerbedarf und Zubehör</translation>
    </message>
    <message>
        <source>Sign Vinyl</source>
        <translation>Schilderfolie</translation>
    </message>
    <message>
        <source>Manuals</source>
        <translation>Handbücher</translation>
    </message>
    <message>
        <source>802.11, Wifi, Wireless</source>
        <translation>802.11, WLAN, Funk</translation>
    </message>
    <message>
        <source>Cable, DSL Modems</source>
        <translation>Kabel-, DSL-Modems</translation>
    </message>
    <message>
        <source>Filers, Load Balancers</source>
        <translation>Fileserver, Load-Balancer</translation>
    </message>
    <message>
        <source>Firewall, Security</source>
        <translation>Firewall, Sicherheit</translation>
    </message>
    <message>
        <source>Hubs</source>
        <translation>Hubs</translation>
    </message>
    <message>
        <source>Installation Tools</source>
        <translation>Installationswerkzeuge</translation>
    </message>
    <message>
        <source>KVM Switch Boxes, Cables</source>
        <translation>KVM-Switches, Kabel</translation>
    </message>
    <message>
        <source>Mainframe Equipment</source>
        <translation>Großrechner-Hardware</translation>
    </message>
    <message>
        <source>Network Cables &amp; Connectors</source>
        <translation>Netzwerkkabel &amp; Stecker</translation>
    </message>
    <message>
        <source>Network Interface Cards, Wired</source>
        <translation>Netzwerkkarten, kabelgebunden</translation>
    </message>
    <message>
        <source>Power Supplies, Battery Packs</source>
        <translation>Netzteile, Akkupacks</translation>
    </message>
    <message>
        <source>Print Servers</source>
        <translation>Druckserver</translation>
    </message>
    <message>
        <source>Racks, Mounts &amp; Patch Panels</source>
        <translation>Racks, Halterungen &amp; Patchfelder</translation>
    </message>
    <message>
        <source>Router, Switch Components</source>
        <translation>Router-, Switch-Komponenten</translation>
    </message>
    <message>
        <source>Routers, Wired</source>
        <translation>Router, kabelgebunden</translation>
    </message>
    <message>
        <source>Server Components</source>
        <translation>Server-Komponenten</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Speichersysteme</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Switches</translation>
    </message>
    <message>
        <source>Workstations</source>
        <translation>Workstations</translation>
    </message>
    <message>
        <source>Other Networking Items</source>
        <translation>Anderes Netzwerkzubehör</translation>
    </message>
</context>
<context>
    <name>CategoryWindow</name>
    <message>
        <source>Refresh Categories</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print every page of the catalogue, one per line</source>
        <translation>jede Seite des Katalogs ausgeben, eine pro Zeile</translation>
    </message>
    <message>
        <source>write the bookmark file, or with - print it</source>
        <translation>die Lesezeichendatei schreiben, mit - ausgeben</translation>
    </message>
    <message>
        <source>--export-bookmarks needs a file name, or - for standard output</source>
        <translation>--export-bookmarks braucht einen Dateinamen oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>print the categories the words find, best first</source>
        <translation>die Kategorien zu den Wörtern ausgeben, beste zuerst</translation>
    </message>
    <message>
        <source>--find needs words to look for, as in: benchlist --find usb hub</source>
        <translation>--find braucht Suchwörter, etwa: benchlist --find usb hub</translation>
    </message>
    <message>
        <source>open the window with the find window on the words</source>
        <translation>das Fenster öffnen, mit der Suche nach den Wörtern</translation>
    </message>
    <message>
        <source>--find-window needs words to look for, as in: benchlist --find-window &apos;usb hub&apos;</source>
        <translation>--find-window braucht Suchwörter, etwa: benchlist --find-window &apos;usb hub&apos;</translation>
    </message>
    <message>
        <source>print the last ten pages opened, newest first</source>
        <translation>die zehn zuletzt geöffneten Seiten ausgeben, neueste zuerst</translation>
    </message>
    <message>
        <source>delete every page kept as opened, and their words</source>
        <translation>alle gemerkten geöffneten Seiten samt ihren Wörtern löschen</translation>
    </message>
    <message>
        <source>serve the search of the desktop on the session bus</source>
        <translation>die Suche des Desktops auf dem Sitzungsbus bedienen</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>die Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>kann „%1“ nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Usage: benchlist [OPTION]... [QT-OPTION]...
Opens the Benchlist window. --list, --export-bookmarks, --find, --recent
and --forget answer on standard output instead, without a display.

</source>
        <translation>Aufruf: benchlist [OPTION]... [QT-OPTION]...
Öffnet das Benchlist-Fenster. --list, --export-bookmarks, --find, --recent
und --forget antworten stattdessen auf der Standardausgabe, ohne Bildschirm.

</translation>
    </message>
    <message>
        <source>
Each line of --find and --recent is the text, window, drop-down and address,
tab-separated. --find answers the same every time: the pages opened before,
which come first in the find window and the desktop&apos;s search, do not count.
Qt&apos;s own options, such as -platform NAME, -style STYLE and -reverse, are passed
on to Qt.

Exit status: 0 when done, 1 when nothing is found or written, 2 for a command
line that is not understood, 3 when --find prints categories that lack some of
the words (no category has them all; standard error names the words left out).
</source>
        <translation>
Jede Zeile von --find und --recent enthält Text, Fenster, Auswahlliste und
Adresse, durch Tabulatoren getrennt. --find antwortet jedes Mal gleich: zuvor
geöffnete Seiten, die im Suchfenster und in der Suche des Desktops vorn stehen,
zählen nicht.
Qts eigene Optionen wie -platform NAME, -style STIL und -reverse werden an Qt
weitergegeben.

Rückgabewert: 0, wenn alles erledigt ist; 1, wenn nichts gefunden oder
geschrieben wurde; 2 bei einer unverständlichen Befehlszeile; 3, wenn --find
Kategorien ausgibt, denen einige Wörter fehlen (keine Kategorie enthält alle;
die Standardfehlerausgabe nennt die ausgelassenen Wörter).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>unerwartetes Argument „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>no category matches those words</source>
        <translation>keine Kategorie passt zu diesen Wörtern</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>WORDS...</source>
        <translation>WÖRTER...</translation>
    </message>
    <message>
        <source>WORDS</source>
        <translation>WÖRTER</translation>
    </message>
    <message>
        <source>print the shops pages can open at: id, name, address</source>
        <translation>die Shops ausgeben, bei denen Seiten öffnen können: Kennung, Name, Adresse</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>open or print the pages at the shop ID, for this run alone
(before the other option; --shops lists the ids)</source>
        <translation>die Seiten beim Shop ID öffnen oder ausgeben, nur für diesen Aufruf
(vor der anderen Option; --shops nennt die Kennungen)</translation>
    </message>
    <message>
        <source>--shop needs a shop&apos;s id, as in: benchlist --shop ebay-us --find usb hub</source>
        <translation>--shop braucht die Kennung eines Shops, etwa: benchlist --shop ebay-us --find usb hub</translation>
    </message>
    <message>
        <source>no shop has the id &apos;%1&apos;; the ids are: %2</source>
        <translation>kein Shop hat die Kennung „%1“; die Kennungen sind: %2</translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1</source>
        <translation>
            <numerusform>keine Kategorie enthält alle Wörter; ausgelassen: %1</numerusform>
            <numerusform>keine Kategorie enthält alle Wörter; ausgelassen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1; further down also: %2</source>
        <translation>
            <numerusform>keine Kategorie enthält alle Wörter; ausgelassen: %1; weiter unten auch: %2</numerusform>
            <numerusform>keine Kategorie enthält alle Wörter; ausgelassen: %1; weiter unten auch: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Thankyou for using Wishtrail</source>
        <translation>Danke, dass Sie Wishtrail nutzen</translation>
    </message>
    <message>
        <source>Visit Veldmark Click Here</source>
        <translation>Veldmark besuchen: hier klicken</translation>
    </message>
    <message>
        <source>We Hope You Enjoy Using Benchlist. Please check for updates often. We are working hard to bring exciting new features and advanced searching technology to better serve you. To check for updates now simply click the link below</source>
        <translation>Wir hoffen, Benchlist gefällt Ihnen. Schauen Sie oft nach Updates. Wir arbeiten hart an spannenden neuen Funktionen und besserer Suchtechnik, um Ihnen noch besser zu dienen. Um jetzt nach Updates zu sehen, klicken Sie einfach auf den Link unten</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Have You Tried Our Wishtrail? Easily Find The Perfect Gift On Ebay For Your Loved Ones</source>
        <translation>Schon Wishtrail probiert? Das perfekte Geschenk für Ihre Lieben auf eBay</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>  (typed only: not in the list)</source>
        <translation>  (nur getippt: nicht in der Liste)</translation>
    </message>
    <message>
        <source>without: %1</source>
        <translation>ohne: %1</translation>
    </message>
    <message>
        <source>Find a Category</source>
        <translation>Kategorie suchen</translation>
    </message>
    <message>
        <source>&amp;Words of a category:</source>
        <translation>&amp;Wörter einer Kategorie:</translation>
    </message>
    <message>
        <source>Find a category</source>
        <translation>Kategorie suchen</translation>
    </message>
    <message>
        <source>for example: usb hub</source>
        <translation>zum Beispiel: usb hub</translation>
    </message>
    <message>
        <source>Categories found</source>
        <translation>Gefundene Kategorien</translation>
    </message>
    <message>
        <source>&amp;Open Page</source>
        <translation>Seite ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>Seite öffnen</translation>
    </message>
    <message>
        <source>&amp;Show in its window</source>
        <translation>Im Fenster &amp;zeigen</translation>
    </message>
    <message>
        <source>Show in its window</source>
        <translation>Im Fenster zeigen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>Adresse &amp;kopieren</translation>
    </message>
    <message>
        <source>Type words of the category you look for.</source>
        <translation>Geben Sie Wörter der gesuchten Kategorie ein.</translation>
    </message>
    <message>
        <source>No category has every word; showing those with most of them</source>
        <translation>Keine Kategorie enthält alle Wörter; angezeigt werden die mit den meisten</translation>
    </message>
    <message>
        <source>No category matches these words.</source>
        <translation>Keine Kategorie passt zu diesen Wörtern.</translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n Kategorie</numerusform>
            <numerusform>%n Kategorien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstructionsWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Using Benchlist is easy. Simply select from the main categories for the type of equipment you are looking for. Another sub menu will appear where you can choose from pre-selected items. Select a category here and your web browser will open with the latest results queried. Our constant evolving search technology will provide you with more direct results to the exact piece of computer equipment you are looking for. We weed out as much irrelevant items as possible and design the sytem to find the pieces of equipment you are looking for. Thus providing you with a quick and effecient way of finding the item with just a click of your mouse. Easily browse all the computer categories on Ebay without tedious work done straight from your browser.</source>
        <translation>Benchlist ist einfach zu bedienen. Wählen Sie unter den Hauptkategorien die Art von Gerät, die Sie suchen. Ein Untermenü erscheint, in dem Sie aus vorgewählten Einträgen wählen. Wählen Sie dort eine Kategorie, und Ihr Webbrowser öffnet sich mit den neuesten Ergebnissen. Unsere ständig weiterentwickelte Suchtechnik führt Sie direkter zu genau dem Computerteil, das Sie suchen. Wir filtern so viel Unpassendes wie möglich heraus. So finden Sie den Artikel schnell und bequem mit einem Mausklick. Durchstöbern Sie alle Computerkategorien auf eBay mühelos, direkt aus Ihrem Browser.</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>Voraussetzungen</translation>
    </message>
    <message>
        <source>You will need to be connected to the internet and have a internet web browser. Benchlist will use the web browser you have set up as default. For the time left on auctions to be displayed in your browser, a javascript capible browser is required.</source>
        <translation>Sie brauchen eine Internetverbindung und einen Webbrowser. Benchlist nutzt den Browser, den Sie als Standard eingerichtet haben. Damit die Restzeit von Auktionen im Browser erscheint, muss er JavaScript können.</translation>
    </message>
    <message>
        <source>We are constantly upgrading our Benchlist service and have lots of new ideas to implement. Be sure to look for new versions often.</source>
        <translation>Wir verbessern den Benchlist-Dienst ständig und haben viele neue Ideen. Schauen Sie oft nach neuen Versionen.</translation>
    </message>
    <message>
        <source>Benchlistt is completely anonymous to use. We have no concerns or installed methods of monitoring your use of our program. You have complete privacy. We have no way to identify who is using our program, nor do we care. We hope you are using it and hope it helps you find items quickly and effeciently. That is our goal. Thankyou for trying Benchlist. We do love to hear feedback from our users. You can stop by our web site and send in feedback anytime. Please tell us when you have used our software and found that perfect gift. We love real testimonies from our users. Thank You and God Bless you and your family.</source>
        <translation>Benchlist ist völlig anonym. Wir überwachen Ihre Nutzung unseres Programms nicht und haben dafür auch nichts installiert. Ihre Privatsphäre bleibt ganz gewahrt. Wir können nicht feststellen, wer unser Programm nutzt, und es kümmert uns auch nicht. Wir hoffen, dass Sie es nutzen und damit schnell finden, was Sie suchen. Das ist unser Ziel. Danke, dass Sie Benchlist ausprobieren. Wir freuen uns über Rückmeldungen: Besuchen Sie jederzeit unsere Website und schreiben Sie uns. Erzählen Sie uns, wenn Sie mit unserem Programm das perfekte Geschenk gefunden haben. Wir lieben echte Erfahrungsberichte. Vielen Dank, und Gottes Segen für Sie und Ihre Familie.</translation>
    </message>
    <message>
        <source>Computer Auction Shopping Made Easy</source>
        <translation>Computer-Auktionen leicht gemacht</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Benchlist</source>
        <translation>Benchlist</translation>
    </message>
    <message>
        <source>Auction site offer: brand-name computers</source>
        <translation>Angebot der Auktionsseite: Markencomputer</translation>
    </message>
    <message>
        <source>Gift certificates: send a loved one the perfect gift</source>
        <translation>Geschenkgutscheine: das perfekte Geschenk für einen lieben Menschen</translation>
    </message>
    <message>
        <source>Not Yet An Ebay Member? No Problem, Just Click Here To Signup Now</source>
        <translation>Noch kein eBay-Mitglied? Kein Problem: hier klicken und anmelden</translation>
    </message>
    <message>
        <source>Send Loved One&apos;s The Perfect Gift!</source>
        <translation>Das perfekte Geschenk!</translation>
    </message>
    <message>
        <source>Computer Auction Shopping Made Easy</source>
        <translation>Computer-Auktionen leicht gemacht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Find a Category...</source>
        <translation>Kategorie &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Export as Bookmarks...</source>
        <translation>Als Lesezeichen &amp;exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Join Ebay</source>
        <translation>eBay beitreten</translation>
    </message>
    <message>
        <source>Sign Up For Ebay</source>
        <translation>Bei eBay anmelden</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Weiterempfehlen</translation>
    </message>
    <message>
        <source>Send Benchlist</source>
        <translation>Benchlist senden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Recent Pages</source>
        <translation>&amp;Zuletzt geöffnete Seiten</translation>
    </message>
    <message>
        <source>Re&amp;member Opened Pages</source>
        <translation>Geöffnete Seiten &amp;merken</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Pages</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Export as Bookmarks</source>
        <translation>Als Lesezeichen exportieren</translation>
    </message>
    <message>
        <source>Bookmark files (*.html *.htm);;All files (*)</source>
        <translation>Lesezeichendateien (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;find&quot;&gt;Find a category by words...&lt;/a&gt; (%1)</source>
        <translation>&lt;a href=&quot;find&quot;&gt;Kategorie nach Wörtern suchen...&lt;/a&gt; (%1)</translation>
    </message>
    <message>
        <source>Find a category by words (%1)</source>
        <translation>Kategorie nach Wörtern suchen (%1)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>cannot start xdg-open: not found on PATH</source>
        <translation>xdg-open kann nicht gestartet werden: nicht im PATH gefunden</translation>
    </message>
    <message>
        <source>cannot start xdg-open: %1 is not executable</source>
        <translation>xdg-open kann nicht gestartet werden: %1 ist nicht ausführbar</translation>
    </message>
    <message>
        <source>cannot start xdg-open: PATH names no folder to look in</source>
        <translation>xdg-open kann nicht gestartet werden: PATH nennt keinen Ordner, in dem gesucht werden kann</translation>
    </message>
    <message>
        <source>cannot start xdg-open: %1</source>
        <translation>xdg-open kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>opened pages are not remembered: %1: %2</source>
        <translation>geöffnete Seiten werden nicht gemerkt: %1: %2</translation>
    </message>
    <message>
        <source>opened pages are not remembered: cannot create %1: %2</source>
        <translation>geöffnete Seiten werden nicht gemerkt: %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>opened pages are not remembered: %1 was written by a newer Benchlist</source>
        <translation>geöffnete Seiten werden nicht gemerkt: %1 stammt von einer neueren Version von Benchlist</translation>
    </message>
    <message>
        <source>could not clear %1: %2</source>
        <translation>%1 konnte nicht geleert werden: %2</translation>
    </message>
    <message>
        <source>%1 was damaged; it is kept as %2 and a new store is started</source>
        <translation>%1 war beschädigt; die Datei bleibt als %2 erhalten, und ein neuer Speicher wird angelegt</translation>
    </message>
    <message>
        <source>the pages you opened, kept in %1, could be read by others; now only you can read them</source>
        <translation>die von Ihnen geöffneten Seiten, gespeichert in %1, waren für andere lesbar; jetzt können nur Sie sie lesen</translation>
    </message>
</context>
<context>
    <name>PageNotOpened</name>
    <message>
        <source>The page could not be opened: xdg-open, which hands pages to the web browser, could not be started.</source>
        <translation>Die Seite konnte nicht geöffnet werden: xdg-open, das Seiten an den Webbrowser übergibt, ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>Seite nicht geöffnet</translation>
    </message>
    <message>
        <source>Installing the package xdg-utils may help. The page&apos;s address, to open it yourself:
%1</source>
        <translation>Das Paket xdg-utils zu installieren kann helfen. Die Adresse der Seite, um sie selbst zu öffnen:
%1</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message>
        <source>Copy address</source>
        <translation>Adresse kopieren</translation>
    </message>
    <message>
        <source>no search result has the id &apos;%1&apos;</source>
        <translation>kein Suchergebnis hat die Kennung „%1“</translation>
    </message>
    <message>
        <source>cannot copy the address: no display, so no clipboard</source>
        <translation>die Adresse kann nicht kopiert werden: ohne Anzeige keine Zwischenablage</translation>
    </message>
    <message>
        <source>cannot start the clipboard helper</source>
        <translation>das Hilfsprogramm für die Zwischenablage kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>cannot start the find window on &apos;%1&apos;</source>
        <translation>das Suchfenster für „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no search action has the id &apos;%1&apos;</source>
        <translation>keine Suchaktion hat die Kennung „%1“</translation>
    </message>
    <message>
        <source>cannot reach the clipboard: %1</source>
        <translation>die Zwischenablage ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>no session bus to offer the search on</source>
        <translation>kein Sitzungsbus, auf dem die Suche angeboten werden kann</translation>
    </message>
    <message>
        <source>cannot take the bus name %1: %2</source>
        <translation>der Busname %1 kann nicht belegt werden: %2</translation>
    </message>
    <message>
        <source>--search-service takes no further arguments</source>
        <translation>--search-service nimmt keine weiteren Argumente an</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>could not save the settings in %1</source>
        <translation>die Einstellungen konnten nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>the settings name a shop that no longer exists, &apos;%1&apos;; pages open at %2 instead</source>
        <translation>die Einstellungen nennen einen Shop, den es nicht mehr gibt, „%1“; Seiten öffnen stattdessen bei %2</translation>
    </message>
</context>
<context>
    <name>Shops</name>
    <message>
        <source>Benchlist catalogue</source>
        <translation>Benchlist-Katalog</translation>
    </message>
    <message>
        <source>eBay (US)</source>
        <translation>eBay (USA)</translation>
    </message>
    <message>
        <source>eBay (UK)</source>
        <translation>eBay (Großbritannien)</translation>
    </message>
    <message>
        <source>eBay (Germany)</source>
        <translation>eBay (Deutschland)</translation>
    </message>
    <message>
        <source>eBay (France)</source>
        <translation>eBay (Frankreich)</translation>
    </message>
    <message>
        <source>eBay (Spain)</source>
        <translation>eBay (Spanien)</translation>
    </message>
    <message>
        <source>Amazon (US)</source>
        <translation>Amazon (USA)</translation>
    </message>
    <message>
        <source>Amazon (UK)</source>
        <translation>Amazon (Großbritannien)</translation>
    </message>
    <message>
        <source>Amazon (Germany)</source>
        <translation>Amazon (Deutschland)</translation>
    </message>
    <message>
        <source>Amazon (France)</source>
        <translation>Amazon (Frankreich)</translation>
    </message>
    <message>
        <source>Amazon (Spain)</source>
        <translation>Amazon (Spanien)</translation>
    </message>
    <message>
        <source>Newegg</source>
        <translation>Newegg</translation>
    </message>
    <message>
        <source>Micro Center</source>
        <translation>Micro Center</translation>
    </message>
    <message>
        <source>B&amp;H</source>
        <translation>B&amp;H</translation>
    </message>
    <message>
        <source>Best Buy</source>
        <translation>Best Buy</translation>
    </message>
    <message>
        <source>Geizhals</source>
        <translation>Geizhals</translation>
    </message>
    <message>
        <source>idealo</source>
        <translation>idealo</translation>
    </message>
    <message>
        <source>LDLC</source>
        <translation>LDLC</translation>
    </message>
    <message>
        <source>PcComponentes</source>
        <translation>PcComponentes</translation>
    </message>
    <message>
        <source>Google Shopping</source>
        <translation>Google Shopping</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>a display with Qt&apos;s platform &apos;%1&apos;</source>
        <translation>eine Anzeige mit Qts Plattform „%1“</translation>
    </message>
    <message>
        <source>X display %1</source>
        <translation>die X-Anzeige %1</translation>
    </message>
    <message>
        <source>Wayland display %1</source>
        <translation>die Wayland-Anzeige %1</translation>
    </message>
    <message>
        <source>no display to open windows on (is DISPLAY set?)</source>
        <translation>keine Anzeige, auf der sich Fenster öffnen lassen (ist DISPLAY gesetzt?)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>kann %1 nicht öffnen</translation>
    </message>
</context>
<context>
    <name>benchlist::OtherShopDialog</name>
    <message>
        <source>The file is larger than an OpenSearch description can be.</source>
        <translation>Die Datei ist größer, als eine OpenSearch-Beschreibung sein kann.</translation>
    </message>
    <message>
        <source>The file is not an OpenSearch description that can be read safely.</source>
        <translation>Die Datei ist keine OpenSearch-Beschreibung, die sicher gelesen werden kann.</translation>
    </message>
    <message>
        <source>The file names no search address for web pages (a Url of type text/html).</source>
        <translation>Die Datei nennt keine Suchadresse für Webseiten (eine Url vom Typ text/html).</translation>
    </message>
    <message>
        <source>The file&apos;s search address is too long.</source>
        <translation>Die Suchadresse der Datei ist zu lang.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>Die Adresse ist zu lang.</translation>
    </message>
    <message>
        <source>The address may not hold blanks or line breaks.</source>
        <translation>Die Adresse darf keine Leerzeichen oder Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>The address must start with http:// or https://.</source>
        <translation>Die Adresse muss mit http:// oder https:// beginnen.</translation>
    </message>
    <message>
        <source>The address must name a host, as in https://shop.example/search?q={searchTerms}.</source>
        <translation>Die Adresse muss einen Host nennen, etwa https://shop.example/search?q={searchTerms}.</translation>
    </message>
    <message>
        <source>The address must say where the words go, with {searchTerms} or %s.</source>
        <translation>Die Adresse muss mit {searchTerms} oder %s sagen, wohin die Suchwörter kommen.</translation>
    </message>
    <message>
        <source>The address must say only once where the words go.</source>
        <translation>Die Adresse darf nur einmal sagen, wohin die Suchwörter kommen.</translation>
    </message>
    <message>
        <source>Other Shop</source>
        <translation>Anderer Shop</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Search &amp;address:</source>
        <translation>Such&amp;adresse:</translation>
    </message>
    <message>
        <source>&amp;Read OpenSearch File...</source>
        <translation>OpenSearch-Datei &amp;lesen...</translation>
    </message>
    <message>
        <source>Pages open as a search at this shop. Give its search address with {searchTerms} or %s where the words go.</source>
        <translation>Seiten öffnen als Suche bei diesem Shop. Geben Sie seine Suchadresse an, mit {searchTerms} oder %s, wo die Suchwörter stehen.</translation>
    </message>
    <message>
        <source>The shop needs a name.</source>
        <translation>Der Shop braucht einen Namen.</translation>
    </message>
    <message>
        <source>Read OpenSearch File</source>
        <translation>OpenSearch-Datei lesen</translation>
    </message>
    <message>
        <source>OpenSearch descriptions (*.xml);;All files (*)</source>
        <translation>OpenSearch-Beschreibungen (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>benchlist::ShopMenu</name>
    <message>
        <source>Open &amp;Pages At</source>
        <translation>Seiten ö&amp;ffnen bei</translation>
    </message>
    <message>
        <source>Benchlist Catalogue</source>
        <translation>Benchlist-Katalog</translation>
    </message>
    <message>
        <source>&amp;Other Shop...</source>
        <translation>&amp;Anderer Shop...</translation>
    </message>
</context>
</TS>
