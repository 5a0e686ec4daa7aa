<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wishtrail</source>
        <translation>À propos de Wishtrail</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Visit Veldmark</source>
        <translation>Visiter Veldmark</translation>
    </message>
    <message>
        <source>Computer Shopping Made Easy</source>
        <translation>Achat informatique facile</translation>
    </message>
    <message>
        <source>© 2026 Veldmark. Free software: GNU GPL 3 or later.</source>
        <translation>© 2026 Veldmark. Logiciel libre&#xa0;: GNU GPL 3 ou ultérieure.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Apple / Macintosh Computer Menu</source>
        <translation>Apple / Macintosh&#xa0;: ordinateurs</translation>
    </message>
    <message>
        <source>Computer Monitors and Accessories</source>
        <translation>Moniteurs et accessoires</translation>
    </message>
    <message>
        <source>Drives and Peripherals</source>
        <translation>Lecteurs et périphériques</translation>
    </message>
    <message>
        <source>PC Components</source>
        <translation>Composants PC</translation>
    </message>
    <message>
        <source>Desktop PC&apos;s</source>
        <translation>PC de bureau</translation>
    </message>
    <message>
        <source>Laptops</source>
        <translation>Ordinateurs portables</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>PDA&apos;s &amp; Handheld PC&apos;s</source>
        <translation>PDA et PC de poche</translation>
    </message>
    <message>
        <source>Prnters And Printer Supplies</source>
        <translation>Imprimantes et consommables</translation>
    </message>
    <message>
        <source>Computer Monitors and Monitor Accessories</source>
        <translation>Moniteurs et accessoires</translation>
    </message>
    <message>
        <source>Desktop PC Computer Systems</source>
        <translation>Ordinateurs de bureau</translation>
    </message>
    <message>
        <source>Apple Macintosh Systems, Components, and Periperhals</source>
        <translation>Apple Macintosh&#xa0;: systèmes, composants, périphériques</translation>
    </message>
    <message>
        <source>Laptops and Laptop Components and Accessories</source>
        <translation>Portables, composants et accessoires</translation>
    </message>
    <message>
        <source>PDA&apos;s, Handheld PC&apos;s and Accessories</source>
        <translation>PDA, PC de poche et accessoires</translation>
    </message>
    <message>
        <source>Desktop PC Computer Components</source>
        <translation>Composants pour PC de bureau</translation>
    </message>
    <message>
        <source>Desktop Computer  Drives And Peripherals</source>
        <translation>Lecteurs et périphériques</translation>
    </message>
    <message>
        <source>Printers And Printer Supplies</source>
        <translation>Imprimantes, consommables</translation>
    </message>
    <message>
        <source>Networking Servers and Networking Equipment</source>
        <translation>Serveurs et matériel réseau</translation>
    </message>
    <message>
        <source>Apple / Macintosh</source>
        <translation>Apple / Macintosh</translation>
    </message>
    <message>
        <source>Computer Monitors</source>
        <translation>Moniteurs</translation>
    </message>
    <message>
        <source>Drives And Peripherals</source>
        <translation>Lecteurs, périphériques</translation>
    </message>
    <message>
        <source>PDA&apos;s / Handheld PC&apos;s</source>
        <translation>PDA / PC de poche</translation>
    </message>
    <message>
        <source>Printers and Supplies</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>LCD &amp; FlatScreen Monitors</source>
        <translation>Écrans LCD et plats</translation>
    </message>
    <message>
        <source>Standard CRT Monitors</source>
        <translation>Moniteurs CRT standard</translation>
    </message>
    <message>
        <source>Monitor Accessories</source>
        <translation>Accessoires pour moniteurs</translation>
    </message>
    <message>
        <source>Wholesale Lots</source>
        <translation>Lots en gros</translation>
    </message>
    <message>
        <source>366Mhz And Less Systems</source>
        <translation>Systèmes jusqu’à 366&#xa0;MHz</translation>
    </message>
    <message>
        <source>400MHz - 650Mhz Systems</source>
        <translation>Systèmes de 400 à 650&#xa0;MHz</translation>
    </message>
    <message>
        <source>700MHz - 1GHz Systems</source>
        <translation>Systèmes de 700&#xa0;MHz à 1&#xa0;GHz</translation>
    </message>
    <message>
        <source>1.1Ghz - 2GHz Systems</source>
        <translation>Systèmes de 1,1 à 2&#xa0;GHz</translation>
    </message>
    <message>
        <source>2.1Ghz - 2.6GHz Systems</source>
        <translation>Systèmes de 2,1 à 2,6&#xa0;GHz</translation>
    </message>
    <message>
        <source>2.7GHz - 2.8 GHz Systems</source>
        <translation>Systèmes de 2,7 à 2,8&#xa0;GHz</translation>
    </message>
    <message>
        <source>3GHz And Higher Systems</source>
        <translation>Systèmes de 3&#xa0;GHz et plus</translation>
    </message>
    <message>
        <source>Desktops With Monitors</source>
        <translation>PC de bureau avec écran</translation>
    </message>
    <message>
        <source>Desktops</source>
        <translation>PC de bureau</translation>
    </message>
    <message>
        <source>Drives and Media</source>
        <translation>Lecteurs et supports</translation>
    </message>
    <message>
        <source>Input Devices</source>
        <translation>Périphériques de saisie</translation>
    </message>
    <message>
        <source>Monitors</source>
        <translation>Moniteurs</translation>
    </message>
    <message>
        <source>Parts &amp; Accessories</source>
        <translation>Pièces et accessoires</translation>
    </message>
    <message>
        <source>Power Supplies &amp; Battery</source>
        <translation>Alimentations et batteries</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Video And Multimedia</source>
        <translation>Vidéo et multimédia</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Laptop Systems</source>
        <translation>Ordinateurs portables</translation>
    </message>
    <message>
        <source>Memory Upgrades</source>
        <translation>Extensions mémoire</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>PCMCIA Cards</source>
        <translation>Cartes PCMCIA</translation>
    </message>
    <message>
        <source>Motherboards</source>
        <translation>Cartes mères</translation>
    </message>
    <message>
        <source>CPUs</source>
        <translation>Processeurs</translation>
    </message>
    <message>
        <source>Cables &amp; Connectors</source>
        <translation>Câbles et connecteurs</translation>
    </message>
    <message>
        <source>Parts, Accessories</source>
        <translation>Pièces, accessoires</translation>
    </message>
    <message>
        <source>Batteries</source>
        <translation>Batteries</translation>
    </message>
    <message>
        <source>AC, Standard</source>
        <translation>Adaptateurs secteur, standard</translation>
    </message>
    <message>
        <source>Docking Stations</source>
        <translation>Stations d’accueil</translation>
    </message>
    <message>
        <source>Laptop Screens, LCDs</source>
        <translation>Écrans de portable, LCD</translation>
    </message>
    <message>
        <source>Cases, Bags</source>
        <translation>Housses, sacoches</translation>
    </message>
    <message>
        <source>Tablet PC&apos;s</source>
        <translation>Tablettes PC</translation>
    </message>
    <message>
        <source>PDAs and  Handheld PCs</source>
        <translation>PDA et PC de poche</translation>
    </message>
    <message>
        <source>Apple  Newton Accessories</source>
        <translation>Accessoires Apple Newton</translation>
    </message>
    <message>
        <source>Casio Accessories</source>
        <translation>Accessoires Casio</translation>
    </message>
    <message>
        <source>Dell Accessories</source>
        <translation>Accessoires Dell</translation>
    </message>
    <message>
        <source>Handspring Visor Accessories</source>
        <translation>Accessoires Handspring Visor</translation>
    </message>
    <message>
        <source>HP Compaq Accessories</source>
        <translation>Accessoires HP Compaq</translation>
    </message>
    <message>
        <source>Palm Accessories</source>
        <translation>Accessoires Palm</translation>
    </message>
    <message>
        <source>Philips Accessories</source>
        <translation>Accessoires Philips</translation>
    </message>
    <message>
        <source>Sharp Accessories</source>
        <translation>Accessoires Sharp</translation>
    </message>
    <message>
        <source>Sony Accessories</source>
        <translation>Accessoires Sony</translation>
    </message>
    <message>
        <source>Toshiba PDA&apos;s &amp; Accessories</source>
        <translation>PDA Toshiba et accessoires</translation>
    </message>
    <message>
        <source>Other PDA&apos;s &amp; Accessories</source>
        <translation>Autres PDA et accessoires</translation>
    </message>
    <message>
        <source>Handheld Units</source>
        <translation>PC de poche</translation>
    </message>
    <message>
        <source>Cables and, Adapter Cards</source>
        <translation>Câbles et cartes d’adaptation</translation>
    </message>
    <message>
        <source>CPU&apos;s</source>
        <translation>Processeurs</translation>
    </message>
    <message>
        <source>Fans and Heatsinks</source>
        <translation>Ventilateurs et dissipateurs</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Modems</source>
        <translation>Modems</translation>
    </message>
    <message>
        <source>PC Cases</source>
        <translation>Boîtiers PC</translation>
    </message>
    <message>
        <source>Power Supplies</source>
        <translation>Alimentations</translation>
    </message>
    <message>
        <source>Thermal Pastes &amp; Compounds</source>
        <translation>Pâtes thermiques</translation>
    </message>
    <message>
        <source>CD Drives &amp; Duplicators</source>
        <translation>Lecteurs et duplicateurs CD</translation>
    </message>
    <message>
        <source>CD-ROM Drives</source>
        <translation>Lecteurs CD-ROM</translation>
    </message>
    <message>
        <source>CDRW, DVD Combo Drives</source>
        <translation>Lecteurs combo CD-RW, DVD</translation>
    </message>
    <message>
        <source>DVD-R, DVD-RW Drives</source>
        <translation>Graveurs DVD-R, DVD-RW</translation>
    </message>
    <message>
        <source>DVD-ROM Drives</source>
        <translation>Lecteurs DVD-ROM</translation>
    </message>
    <message>
        <source>External Hard Drives Zip Jaz</source>
        <translation>Disques durs externes, Zip, Jaz</translation>
    </message>
    <message>
        <source>Hard Drives Internal</source>
        <translation>Disques durs internes</translation>
    </message>
    <message>
        <source>Flash Memory Drives</source>
        <translation>Mémoires flash</translation>
    </message>
    <message>
        <source>Floppy Drives</source>
        <translation>Lecteurs de disquettes</translation>
    </message>
    <message>
        <source>Other Drives &amp; Components</source>
        <translation>Autres lecteurs et composants</translation>
    </message>
    <message>
        <source>Tape Drives</source>
        <translation>Lecteurs de bandes</translation>
    </message>
    <message>
        <source>Other Hardware</source>
        <translation>Autre matériel</translation>
    </message>
    <message>
        <source>Controllers-Adapter, I/O Card</source>
        <translation>Contrôleurs, adaptateurs, cartes E/S</translation>
    </message>
    <message>
        <source>UPS, Battery Backups</source>
        <translation>Onduleurs, batteries de secours</translation>
    </message>
    <message>
        <source>Video &amp; Multimedia</source>
        <translation>Vidéo et multimédia</translation>
    </message>
    <message>
        <source>Video &amp; Multimedia Accessories</source>
        <translation>Accessoires vidéo et multimédia</translation>
    </message>
    <message>
        <source>TV Tuners</source>
        <translation>Tuners TV</translation>
    </message>
    <message>
        <source>Video Conferencing</source>
        <translation>Visioconférence</translation>
    </message>
    <message>
        <source>Multi Function Printers</source>
        <translation>Imprimantes multifonctions</translation>
    </message>
    <message>
        <source>Ink Jet Printers</source>
        <translation>Imprimantes à jet d’encre</translation>
    </message>
    <message>
        <source>Laser Printers</source>
        <translation>Imprimantes laser</translation>
    </message>
    <message>
        <source>POS Dot Matrix Printers</source>
        <translation>Imprimantes matricielles de caisse</translation>
    </message>
    <message>
        <source>Thermal Printers</source>
        <translation>Imprimantes thermiques</translation>
    </message>
    <message>
        <source>Other Printers and Supplies</source>
        <translation>Autres imprimantes et consommables</translation>
    </message>
    <message>
        <source>Ink Cartridges Black</source>
        <translation>Cartouches d’encre noire</translation>
    </message>
    <message>
        <source>Ink Cartriges Color</source>
        <translation>Cartouches d’encre couleur</translation>
    </message>
    <message>
        <source>Laser Toner Black</source>
        <translation>Toner laser noir</translation>
    </message>
    <message>
        <source>Laser Toner Color</source>
        <translation>Toner laser couleur</translation>
    </message>
    <message>
        <source>Ribbons</source>
        <translation>Rubans</translation>
    </message>
    <message>
        <source>Printheads</source>
        <translation>Têtes d’impression</translation>
    </message>
    <message>
        <source>Printer Supplies and Accessories</source>
        <translation>Consommables et accessoires</translation>
    </message>
    <message>
        <source>Sign Vinyl</source>
        <translation>Vinyle pour enseignes</translation>
    </message>
    <message>
        <source>Manuals</source>
        <translation>Manuels</translation>
    </message>
    <message>
        <source>802.11, Wifi, Wireless</source>
        <translation>802.11, Wi-Fi, sans fil</translation>
    </message>
    <message>
        <source>Cable, DSL Modems</source>
        <translation>Modems câble, DSL</translation>
    </message>
    <message>
        <source>Filers, Load Balancers</source>
        <translation>Serveurs de fichiers, répartiteurs de charge</translation>
    </message>
    <message>
        <source>Firewall, Security</source>
        <translation>Pare-feu, sécurité</translation>
    </message>
    <message>
        <source>Hubs</source>
        <translation>Concentrateurs</translation>
    </message>
    <message>
        <source>Installation Tools</source>
        <translation>Outils d’installation</translation>
    </message>
    <message>
        <source>KVM Switch Boxes, Cables</source>
        <translation>Commutateurs KVM, câbles</translation>
    </message>
    <message>
        <source>Mainframe Equipment</source>
        <translation>Matériel pour ordinateurs centraux</translation>
    </message>
    <message>
        <source>Network Cables &amp; Connectors</source>
        <translation>Câbles et connecteurs réseau</translation>
    </message>
    <message>
        <source>Network Interface Cards, Wired</source>
        <translation>Cartes réseau filaires</translation>
    </message>
    <message>
        <source>Power Supplies, Battery Packs</source>
        <translation>Alimentations, batteries</translation>
    </message>
    <message>
        <source>Print Servers</source>
        <translation>Serveurs d’impression</translation>
    </message>
    <message>
        <source>Racks, Mounts &amp; Patch Panels</source>
        <translation>Baies, supports et panneaux de brassage</translation>
    </message>
    <message>
        <source>Router, Switch Components</source>
        <translation>Composants de routeurs et commutateurs</translation>
    </message>
    <message>
        <source>Routers, Wired</source>
        <translation>Routeurs filaires</translation>
    </message>
    <message>
        <source>Server Components</source>
        <translation>Composants de serveurs</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciels</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Commutateurs</translation>
    </message>
    <message>
        <source>Workstations</source>
        <translation>Stations de travail</translation>
    </message>
    <message>
        <source>Other Networking Items</source>
        <translation>Autres articles réseau</translation>
    </message>
</context>
<context>
    <name>CategoryWindow</name>
    <message>
        <source>Refresh Categories</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print every page of the catalogue, one per line</source>
        <translation>afficher chaque page du catalogue, une par ligne</translation>
    </message>
    <message>
        <source>write the bookmark file, or with - print it</source>
        <translation>écrire le fichier de signets, ou avec - l’afficher</translation>
    </message>
    <message>
        <source>--export-bookmarks needs a file name, or - for standard output</source>
        <translation>--export-bookmarks attend un nom de fichier, ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>print the categories the words find, best first</source>
        <translation>afficher les catégories trouvées par les mots, la meilleure d’abord</translation>
    </message>
    <message>
        <source>--find needs words to look for, as in: benchlist --find usb hub</source>
        <translation>--find attend des mots à chercher, par exemple&#xa0;: benchlist --find usb hub</translation>
    </message>
    <message>
        <source>open the window with the find window on the words</source>
        <translation>ouvrir la fenêtre, avec la recherche sur ces mots</translation>
    </message>
    <message>
        <source>--find-window needs words to look for, as in: benchlist --find-window &apos;usb hub&apos;</source>
        <translation>--find-window attend des mots à chercher, par exemple&#xa0;: benchlist --find-window &apos;usb hub&apos;</translation>
    </message>
    <message>
        <source>print the last ten pages opened, newest first</source>
        <translation>afficher les dix dernières pages ouvertes, la plus récente d’abord</translation>
    </message>
    <message>
        <source>delete every page kept as opened, and their words</source>
        <translation>effacer toutes les pages gardées comme ouvertes, et leurs mots</translation>
    </message>
    <message>
        <source>serve the search of the desktop on the session bus</source>
        <translation>servir la recherche du bureau sur le bus de session</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Usage: benchlist [OPTION]... [QT-OPTION]...
Opens the Benchlist window. --list, --export-bookmarks, --find, --recent
and --forget answer on standard output instead, without a display.

</source>
        <translation>Utilisation&#xa0;: benchlist [OPTION]... [OPTION-QT]...
Ouvre la fenêtre de Benchlist. --list, --export-bookmarks, --find, --recent
et --forget répondent plutôt sur la sortie standard, sans affichage.

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
Chaque ligne de --find et --recent donne le texte, la fenêtre, la liste
déroulante et l’adresse, séparés par des tabulations. --find répond toujours
de même&#xa0;: les pages ouvertes auparavant, qui passent en tête dans la fenêtre
de recherche et la recherche du bureau, ne comptent pas.
Les options de Qt, comme -platform NOM, -style STYLE et -reverse, sont
transmises à Qt.

Code de sortie&#xa0;: 0 en cas de succès, 1 si rien n’est trouvé ni écrit, 2 pour
une ligne de commande incomprise, 3 quand --find affiche des catégories
auxquelles manquent certains mots (aucune ne les a tous&#xa0;; la sortie d’erreur
nomme les mots laissés de côté).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;» (essayez --help)</translation>
    </message>
    <message>
        <source>no category matches those words</source>
        <translation>aucune catégorie ne correspond à ces mots</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>WORDS...</source>
        <translation>MOTS...</translation>
    </message>
    <message>
        <source>WORDS</source>
        <translation>MOTS</translation>
    </message>
    <message>
        <source>print the shops pages can open at: id, name, address</source>
        <translation>afficher les boutiques où les pages peuvent s’ouvrir&#xa0;: identifiant, nom, adresse</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>open or print the pages at the shop ID, for this run alone
(before the other option; --shops lists the ids)</source>
        <translation>ouvrir ou afficher les pages chez la boutique ID, pour cette fois seulement
(avant l’autre option&#xa0;; --shops donne les identifiants)</translation>
    </message>
    <message>
        <source>--shop needs a shop&apos;s id, as in: benchlist --shop ebay-us --find usb hub</source>
        <translation>--shop attend l’identifiant d’une boutique, par exemple&#xa0;: benchlist --shop ebay-us --find usb hub</translation>
    </message>
    <message>
        <source>no shop has the id &apos;%1&apos;; the ids are: %2</source>
        <translation>aucune boutique n’a l’identifiant «&#xa0;%1&#xa0;»&#xa0;; les identifiants sont&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1</source>
        <translation>
            <numerusform>aucune catégorie n’a tous les mots&#xa0;; laissé de côté&#xa0;: %1</numerusform>
            <numerusform>aucune catégorie n’a tous les mots&#xa0;; laissés de côté&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1; further down also: %2</source>
        <translation>
            <numerusform>aucune catégorie n’a tous les mots&#xa0;; laissé de côté&#xa0;: %1&#xa0;; plus bas aussi&#xa0;: %2</numerusform>
            <numerusform>aucune catégorie n’a tous les mots&#xa0;; laissés de côté&#xa0;: %1&#xa0;; plus bas aussi&#xa0;: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Thankyou for using Wishtrail</source>
        <translation>Merci d’avoir utilisé Wishtrail</translation>
    </message>
    <message>
        <source>Visit Veldmark Click Here</source>
        <translation>Visiter Veldmark&#xa0;: cliquez ici</translation>
    </message>
    <message>
        <source>We Hope You Enjoy Using Benchlist. Please check for updates often. We are working hard to bring exciting new features and advanced searching technology to better serve you. To check for updates now simply click the link below</source>
        <translation>Nous espérons que Benchlist vous plaît. Pensez à chercher souvent des mises à jour. Nous travaillons dur à de nouvelles fonctions et à une recherche plus avancée pour mieux vous servir. Pour chercher une mise à jour maintenant, cliquez sur le lien ci-dessous</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Have You Tried Our Wishtrail? Easily Find The Perfect Gift On Ebay For Your Loved Ones</source>
        <translation>Vous connaissez Wishtrail&#xa0;? Le cadeau parfait pour vos proches sur eBay</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>  (typed only: not in the list)</source>
        <translation>  (saisie seulement&#xa0;: absente de la liste)</translation>
    </message>
    <message>
        <source>without: %1</source>
        <translation>sans&#xa0;: %1</translation>
    </message>
    <message>
        <source>Find a Category</source>
        <translation>Chercher une catégorie</translation>
    </message>
    <message>
        <source>&amp;Words of a category:</source>
        <translation>&amp;Mots d’une catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Find a category</source>
        <translation>Chercher une catégorie</translation>
    </message>
    <message>
        <source>for example: usb hub</source>
        <translation>par exemple&#xa0;: usb hub</translation>
    </message>
    <message>
        <source>Categories found</source>
        <translation>Catégories trouvées</translation>
    </message>
    <message>
        <source>&amp;Open Page</source>
        <translation>&amp;Ouvrir la page</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>Ouvrir la page</translation>
    </message>
    <message>
        <source>&amp;Show in its window</source>
        <translation>&amp;Afficher dans sa fenêtre</translation>
    </message>
    <message>
        <source>Show in its window</source>
        <translation>Afficher dans sa fenêtre</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>&amp;Copier l’adresse</translation>
    </message>
    <message>
        <source>Type words of the category you look for.</source>
        <translation>Saisissez des mots de la catégorie recherchée.</translation>
    </message>
    <message>
        <source>No category has every word; showing those with most of them</source>
        <translation>Aucune catégorie n’a tous les mots&#xa0;; voici celles qui en ont le plus</translation>
    </message>
    <message>
        <source>No category matches these words.</source>
        <translation>Aucune catégorie ne correspond à ces mots.</translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n catégorie</numerusform>
            <numerusform>%n catégories</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstructionsWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Mode d’emploi</translation>
    </message>
    <message>
        <source>Using Benchlist is easy. Simply select from the main categories for the type of equipment you are looking for. Another sub menu will appear where you can choose from pre-selected items. Select a category here and your web browser will open with the latest results queried. Our constant evolving search technology will provide you with more direct results to the exact piece of computer equipment you are looking for. We weed out as much irrelevant items as possible and design the sytem to find the pieces of equipment you are looking for. Thus providing you with a quick and effecient way of finding the item with just a click of your mouse. Easily browse all the computer categories on Ebay without tedious work done straight from your browser.</source>
        <translation>Benchlist est simple à utiliser. Choisissez parmi les catégories principales le type de matériel que vous cherchez. Un sous-menu s’ouvre, où vous choisissez parmi des articles présélectionnés. Choisissez-y une catégorie et votre navigateur s’ouvre sur les derniers résultats. Notre technique de recherche en constante évolution vous mène plus directement au matériel informatique exact que vous cherchez. Nous écartons autant d’articles hors sujet que possible. Vous trouvez ainsi l’article d’un simple clic, vite et bien. Parcourez sans effort toutes les catégories informatiques d’eBay, directement depuis votre navigateur.</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>Prérequis</translation>
    </message>
    <message>
        <source>You will need to be connected to the internet and have a internet web browser. Benchlist will use the web browser you have set up as default. For the time left on auctions to be displayed in your browser, a javascript capible browser is required.</source>
        <translation>Il vous faut une connexion à Internet et un navigateur web. Benchlist utilise votre navigateur par défaut. Pour afficher le temps restant des enchères, le navigateur doit gérer JavaScript.</translation>
    </message>
    <message>
        <source>We are constantly upgrading our Benchlist service and have lots of new ideas to implement. Be sure to look for new versions often.</source>
        <translation>Nous améliorons sans cesse le service Benchlist et avons beaucoup d’idées. Cherchez souvent les nouvelles versions.</translation>
    </message>
    <message>
        <source>Benchlistt is completely anonymous to use. We have no concerns or installed methods of monitoring your use of our program. You have complete privacy. We have no way to identify who is using our program, nor do we care. We hope you are using it and hope it helps you find items quickly and effeciently. That is our goal. Thankyou for trying Benchlist. We do love to hear feedback from our users. You can stop by our web site and send in feedback anytime. Please tell us when you have used our software and found that perfect gift. We love real testimonies from our users. Thank You and God Bless you and your family.</source>
        <translation>Benchlist est entièrement anonyme. Nous ne surveillons d’aucune façon votre usage du programme&#xa0;: votre vie privée est complète. Nous ne pouvons pas savoir qui utilise notre programme, et cela ne nous importe pas. Nous espérons qu’il vous aide à trouver vite ce que vous cherchez&#xa0;: c’est notre but. Merci d’essayer Benchlist. Vos avis nous font plaisir&#xa0;: passez sur notre site quand vous voulez. Dites-nous quand notre logiciel vous a fait trouver le cadeau parfait. Nous aimons les vrais témoignages. Merci, et que Dieu vous bénisse, vous et votre famille.</translation>
    </message>
    <message>
        <source>Computer Auction Shopping Made Easy</source>
        <translation>Enchères informatiques faciles</translation>
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
        <translation>Offre du site d’enchères&#xa0;: ordinateurs de marque</translation>
    </message>
    <message>
        <source>Gift certificates: send a loved one the perfect gift</source>
        <translation>Chèques-cadeaux&#xa0;: offrez le cadeau parfait à un proche</translation>
    </message>
    <message>
        <source>Not Yet An Ebay Member? No Problem, Just Click Here To Signup Now</source>
        <translation>Pas encore membre d’eBay&#xa0;? Aucun souci, inscrivez-vous ici</translation>
    </message>
    <message>
        <source>Send Loved One&apos;s The Perfect Gift!</source>
        <translation>Le cadeau parfait&#xa0;!</translation>
    </message>
    <message>
        <source>Computer Auction Shopping Made Easy</source>
        <translation>Enchères informatiques faciles</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Find a Category...</source>
        <translation>&amp;Chercher une catégorie...</translation>
    </message>
    <message>
        <source>&amp;Export as Bookmarks...</source>
        <translation>&amp;Exporter en signets...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Join Ebay</source>
        <translation>Rejoindre eBay</translation>
    </message>
    <message>
        <source>Sign Up For Ebay</source>
        <translation>S’inscrire sur eBay</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Recommander</translation>
    </message>
    <message>
        <source>Send Benchlist</source>
        <translation>Envoyer Benchlist</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d’emploi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Recent Pages</source>
        <translation>Pages &amp;récentes</translation>
    </message>
    <message>
        <source>Re&amp;member Opened Pages</source>
        <translation>&amp;Mémoriser les pages ouvertes</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Pages</source>
        <translation>&amp;Effacer les pages récentes</translation>
    </message>
    <message>
        <source>Export as Bookmarks</source>
        <translation>Exporter en signets</translation>
    </message>
    <message>
        <source>Bookmark files (*.html *.htm);;All files (*)</source>
        <translation>Fichiers de signets (*.html *.htm);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;find&quot;&gt;Find a category by words...&lt;/a&gt; (%1)</source>
        <translation>&lt;a href=&quot;find&quot;&gt;Chercher une catégorie par mots...&lt;/a&gt; (%1)</translation>
    </message>
    <message>
        <source>Find a category by words (%1)</source>
        <translation>Chercher une catégorie par mots (%1)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>cannot start xdg-open: not found on PATH</source>
        <translation>impossible de lancer xdg-open&#xa0;: introuvable dans le PATH</translation>
    </message>
    <message>
        <source>cannot start xdg-open: %1 is not executable</source>
        <translation>impossible de lancer xdg-open&#xa0;: %1 n’est pas exécutable</translation>
    </message>
    <message>
        <source>cannot start xdg-open: PATH names no folder to look in</source>
        <translation>impossible de lancer xdg-open&#xa0;: le PATH ne nomme aucun dossier où chercher</translation>
    </message>
    <message>
        <source>cannot start xdg-open: %1</source>
        <translation>impossible de lancer xdg-open&#xa0;: %1</translation>
    </message>
    <message>
        <source>opened pages are not remembered: %1: %2</source>
        <translation>les pages ouvertes ne sont pas mémorisées&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>opened pages are not remembered: cannot create %1: %2</source>
        <translation>les pages ouvertes ne sont pas mémorisées&#xa0;: impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>opened pages are not remembered: %1 was written by a newer Benchlist</source>
        <translation>les pages ouvertes ne sont pas mémorisées&#xa0;: %1 a été écrit par une version plus récente de Benchlist</translation>
    </message>
    <message>
        <source>could not clear %1: %2</source>
        <translation>impossible de vider %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was damaged; it is kept as %2 and a new store is started</source>
        <translation>%1 était endommagé&#xa0;; il est conservé sous le nom %2 et un nouveau fichier est commencé</translation>
    </message>
    <message>
        <source>the pages you opened, kept in %1, could be read by others; now only you can read them</source>
        <translation>les pages que vous avez ouvertes, conservées dans %1, étaient lisibles par d’autres&#xa0;; désormais vous seul pouvez les lire</translation>
    </message>
</context>
<context>
    <name>PageNotOpened</name>
    <message>
        <source>The page could not be opened: xdg-open, which hands pages to the web browser, could not be started.</source>
        <translation>La page n’a pas pu être ouverte&#xa0;: xdg-open, qui transmet les pages au navigateur web, n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>Page non ouverte</translation>
    </message>
    <message>
        <source>Installing the package xdg-utils may help. The page&apos;s address, to open it yourself:
%1</source>
        <translation>Installer le paquet xdg-utils peut aider. L’adresse de la page, pour l’ouvrir vous-même&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message>
        <source>Copy address</source>
        <translation>Copier l’adresse</translation>
    </message>
    <message>
        <source>no search result has the id &apos;%1&apos;</source>
        <translation>aucun résultat de recherche n’a l’identifiant «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot copy the address: no display, so no clipboard</source>
        <translation>impossible de copier l’adresse&#xa0;: sans affichage, pas de presse-papiers</translation>
    </message>
    <message>
        <source>cannot start the clipboard helper</source>
        <translation>impossible de lancer l’assistant du presse-papiers</translation>
    </message>
    <message>
        <source>cannot start the find window on &apos;%1&apos;</source>
        <translation>impossible d’ouvrir la fenêtre de recherche sur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no search action has the id &apos;%1&apos;</source>
        <translation>aucune action de recherche n’a l’identifiant «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot reach the clipboard: %1</source>
        <translation>presse-papiers inaccessible&#xa0;: %1</translation>
    </message>
    <message>
        <source>no session bus to offer the search on</source>
        <translation>aucun bus de session où proposer la recherche</translation>
    </message>
    <message>
        <source>cannot take the bus name %1: %2</source>
        <translation>impossible de prendre le nom de bus %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--search-service takes no further arguments</source>
        <translation>--search-service n’accepte aucun autre argument</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>could not save the settings in %1</source>
        <translation>impossible d’enregistrer les réglages dans %1</translation>
    </message>
    <message>
        <source>the settings name a shop that no longer exists, &apos;%1&apos;; pages open at %2 instead</source>
        <translation>les réglages nomment une boutique qui n’existe plus, «&#xa0;%1&#xa0;»&#xa0;; les pages s’ouvrent plutôt chez %2</translation>
    </message>
</context>
<context>
    <name>Shops</name>
    <message>
        <source>Benchlist catalogue</source>
        <translation>Catalogue Benchlist</translation>
    </message>
    <message>
        <source>eBay (US)</source>
        <translation>eBay (États-Unis)</translation>
    </message>
    <message>
        <source>eBay (UK)</source>
        <translation>eBay (Royaume-Uni)</translation>
    </message>
    <message>
        <source>eBay (Germany)</source>
        <translation>eBay (Allemagne)</translation>
    </message>
    <message>
        <source>eBay (France)</source>
        <translation>eBay (France)</translation>
    </message>
    <message>
        <source>eBay (Spain)</source>
        <translation>eBay (Espagne)</translation>
    </message>
    <message>
        <source>Amazon (US)</source>
        <translation>Amazon (États-Unis)</translation>
    </message>
    <message>
        <source>Amazon (UK)</source>
        <translation>Amazon (Royaume-Uni)</translation>
    </message>
    <message>
        <source>Amazon (Germany)</source>
        <translation>Amazon (Allemagne)</translation>
    </message>
    <message>
        <source>Amazon (France)</source>
        <translation>Amazon (France)</translation>
    </message>
    <message>
        <source>Amazon (Spain)</source>
        <translation>Amazon (Espagne)</translation>
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
        <translation>un affichage avec la plateforme «&#xa0;%1&#xa0;» de Qt</translation>
    </message>
    <message>
        <source>X display %1</source>
        <translation>l’affichage X %1</translation>
    </message>
    <message>
        <source>Wayland display %1</source>
        <translation>l’affichage Wayland %1</translation>
    </message>
    <message>
        <source>no display to open windows on (is DISPLAY set?)</source>
        <translation>aucun affichage où ouvrir des fenêtres (DISPLAY est-il défini&#xa0;?)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d’ouvrir %1</translation>
    </message>
</context>
<context>
    <name>benchlist::OtherShopDialog</name>
    <message>
        <source>The file is larger than an OpenSearch description can be.</source>
        <translation>Le fichier est plus grand qu’une description OpenSearch ne peut l’être.</translation>
    </message>
    <message>
        <source>The file is not an OpenSearch description that can be read safely.</source>
        <translation>Le fichier n’est pas une description OpenSearch qui puisse être lue sans risque.</translation>
    </message>
    <message>
        <source>The file names no search address for web pages (a Url of type text/html).</source>
        <translation>Le fichier ne donne aucune adresse de recherche pour des pages web (une Url de type text/html).</translation>
    </message>
    <message>
        <source>The file&apos;s search address is too long.</source>
        <translation>L’adresse de recherche du fichier est trop longue.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>L’adresse est trop longue.</translation>
    </message>
    <message>
        <source>The address may not hold blanks or line breaks.</source>
        <translation>L’adresse ne peut contenir ni espaces ni sauts de ligne.</translation>
    </message>
    <message>
        <source>The address must start with http:// or https://.</source>
        <translation>L’adresse doit commencer par http:// ou https://.</translation>
    </message>
    <message>
        <source>The address must name a host, as in https://shop.example/search?q={searchTerms}.</source>
        <translation>L’adresse doit nommer un hôte, par exemple https://shop.example/search?q={searchTerms}.</translation>
    </message>
    <message>
        <source>The address must say where the words go, with {searchTerms} or %s.</source>
        <translation>L’adresse doit indiquer où vont les mots, avec {searchTerms} ou %s.</translation>
    </message>
    <message>
        <source>The address must say only once where the words go.</source>
        <translation>L’adresse ne doit indiquer qu’une seule fois où vont les mots.</translation>
    </message>
    <message>
        <source>Other Shop</source>
        <translation>Autre boutique</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Search &amp;address:</source>
        <translation>&amp;Adresse de recherche&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Read OpenSearch File...</source>
        <translation>&amp;Lire un fichier OpenSearch...</translation>
    </message>
    <message>
        <source>Pages open as a search at this shop. Give its search address with {searchTerms} or %s where the words go.</source>
        <translation>Les pages s’ouvrent en recherche chez cette boutique. Donnez son adresse de recherche, avec {searchTerms} ou %s à la place des mots.</translation>
    </message>
    <message>
        <source>The shop needs a name.</source>
        <translation>La boutique a besoin d’un nom.</translation>
    </message>
    <message>
        <source>Read OpenSearch File</source>
        <translation>Lire un fichier OpenSearch</translation>
    </message>
    <message>
        <source>OpenSearch descriptions (*.xml);;All files (*)</source>
        <translation>Descriptions OpenSearch (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>benchlist::ShopMenu</name>
    <message>
        <source>Open &amp;Pages At</source>
        <translation>Ouvrir les &amp;pages chez</translation>
    </message>
    <message>
        <source>Benchlist Catalogue</source>
        <translation>Catalogue Benchlist</translation>
    </message>
    <message>
        <source>&amp;Other Shop...</source>
        <translation>A&amp;utre boutique...</translation>
    </message>
</context>
</TS>
