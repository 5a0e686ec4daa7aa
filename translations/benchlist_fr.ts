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
        <translation>© 2026 Veldmark. Logiciel libre&#xa0;: GNU GPL 3 ou plus</translation>
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
        <translation>PDA et ordinateurs de poche</translation>
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
        <translation>Imprimantes et encres</translation>
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
        <translation>Imprimantes, encres</translation>
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
        <translation>Systèmes jusqu&apos;à 366 MHz</translation>
    </message>
    <message>
        <source>400MHz - 650Mhz Systems</source>
        <translation>Systèmes 400 MHz - 650 MHz</translation>
    </message>
    <message>
        <source>700MHz - 1GHz Systems</source>
        <translation>Systèmes 700 MHz - 1 GHz</translation>
    </message>
    <message>
        <source>1.1Ghz - 2GHz Systems</source>
        <translation>Systèmes 1,1 GHz - 2 GHz</translation>
    </message>
    <message>
        <source>2.1Ghz - 2.6GHz Systems</source>
        <translation>Systèmes 2,1 GHz - 2,6 GHz</translation>
    </message>
    <message>
        <source>2.7GHz - 2.8 GHz Systems</source>
        <translation>Systèmes 2,7 GHz - 2,8 GHz</translation>
    </message>
    <message>
        <source>3GHz And Higher Systems</source>
        <translation>Systèmes de 3 GHz et plus</translation>
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
        <translation>Secteur, standard</translation>
    </message>
    <message>
        <source>Docking Stations</source>
        <translation>Stations d&apos;accueil</translation>
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
        <translation>PDA et ordinateurs de poche</translation>
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
        <translation>Appareils de poche</translation>
    </message>
    <message>
        <source>Cables and, Adapter Cards</source>
        <translation>Câbles et cartes d&apos;adaptation</translation>
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
        <translation>Imprimantes à jet d&apos;encre</translation>
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
        <translation>Cartouches d&apos;encre noire</translation>
    </message>
    <message>
        <source>Ink Cartriges Color</source>
        <translation>Cartouches d&apos;encre couleur</translation>
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
        <translation>Têtes d&apos;impression</translation>
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
        <translation>Outils d&apos;installation</translation>
    </message>
    <message>
        <source>KVM Switch Boxes, Cables</source>
        <translation>Commutateurs KVM, câbles</translation>
    </message>
    <message>
        <source>Mainframe Equipment</source>
        <translation>Matériel mainframe</translation>
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
        <translation>Serveurs d&apos;impression</translation>
    </message>
    <message>
        <source>Racks, Mounts &amp; Patch Panels</source>
        <translation>Baies, supports et panneaux de brassage</translation>
    </message>
    <message>
        <source>Router, Switch Components</source>
        <translation>Composants de routeurs, commutateurs</translation>
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
        <translation>écrire le fichier de signets, ou avec - l&apos;afficher</translation>
    </message>
    <message>
        <source>--export-bookmarks needs a file name, or - for standard output</source>
        <translation>--export-bookmarks attend un nom de fichier, ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>print the categories the words find, best first</source>
        <translation>afficher les catégories trouvées par les mots, la meilleure d&apos;abord</translation>
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
        <translation>afficher les dix dernières pages ouvertes, la plus récente d&apos;abord</translation>
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
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>Usage: benchlist [OPTION]... [QT-OPTION]...
Opens the Benchlist window. --list, --export-bookmarks, --find, --recent
and --forget answer on standard output instead, without a display.

</source>
        <translation>Usage&#xa0;: benchlist [OPTION]... [OPTION-QT]...
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
déroulante et l&apos;adresse, séparés par des tabulations. --find répond toujours
de même&#xa0;: les pages ouvertes auparavant, qui passent en tête dans la fenêtre
de recherche et la recherche du bureau, ne comptent pas.
Les options de Qt, comme -platform NOM, -style STYLE et -reverse, sont
transmises à Qt.

Code de sortie&#xa0;: 0 en cas de succès, 1 si rien n&apos;est trouvé ni écrit, 2 pour
une ligne de commande incomprise, 3 quand --find affiche des catégories
auxquelles manquent certains mots (aucune ne les a tous&#xa0;; la sortie d&apos;erreur
nomme les mots laissés de côté).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>argument inattendu &apos;%1&apos; (essayez --help)</translation>
    </message>
    <message>
        <source>no category matches those words</source>
        <translation>aucune catégorie ne correspond à ces mots</translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1</source>
        <translation>
            <numerusform>aucune catégorie n&apos;a tous les mots&#xa0;; laissé de côté&#xa0;: %1</numerusform>
            <numerusform>aucune catégorie n&apos;a tous les mots&#xa0;; laissés de côté&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1; further down also: %2</source>
        <translation>
            <numerusform>aucune catégorie n&apos;a tous les mots&#xa0;; laissé de côté&#xa0;: %1&#xa0;; plus bas aussi&#xa0;: %2</numerusform>
            <numerusform>aucune catégorie n&apos;a tous les mots&#xa0;; laissés de côté&#xa0;: %1&#xa0;; plus bas aussi&#xa0;: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Thankyou for using Wishtrail</source>
        <translation>Merci d&apos;avoir utilisé Wishtrail</translation>
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
        <translation>Vous connaissez Wishtrail&#xa0;? Le cadeau parfait pour vos proches sur Ebay</translation>
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
        <translation>&amp;Mots d&apos;une catégorie&#xa0;:</translation>
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
        <translation>&amp;Copier l&apos;adresse</translation>
    </message>
    <message>
        <source>Type words of the category you look for.</source>
        <translation>Tapez des mots de la catégorie cherchée.</translation>
    </message>
    <message>
        <source>No category has every word; showing those with most of them</source>
        <translation>Aucune catégorie n&apos;a tous les mots&#xa0;; voici celles qui en ont le plus</translation>
    </message>
    <message>
        <source>1 category</source>
        <translation>1 catégorie</translation>
    </message>
    <message>
        <source>%1 categories</source>
        <translation>%1 catégories</translation>
    </message>
    <message>
        <source>No category matches these words.</source>
        <translation>Aucune catégorie ne correspond à ces mots.</translation>
    </message>
</context>
<context>
    <name>InstructionsWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Using Benchlist is easy. Simply select from the main categories for the type of equipment you are looking for. Another sub menu will appear where you can choose from pre-selected items. Select a category here and your web browser will open with the latest results queried. Our constant evolving search technology will provide you with more direct results to the exact piece of computer equipment you are looking for. We weed out as much irrelevant items as possible and design the sytem to find the pieces of equipment you are looking for. Thus providing you with a quick and effecient way of finding the item with just a click of your mouse. Easily browse all the computer categories on Ebay without tedious work done straight from your browser.</source>
        <translation>Benchlist est simple à utiliser. Choisissez parmi les catégories principales le type de matériel que vous cherchez. Un sous-menu s&apos;ouvre, où vous choisissez parmi des articles présélectionnés. Choisissez-y une catégorie et votre navigateur s&apos;ouvre sur les derniers résultats. Notre technique de recherche en constante évolution vous mène plus directement au matériel informatique exact que vous cherchez. Nous écartons autant d&apos;articles hors sujet que possible. Vous trouvez ainsi l&apos;article d&apos;un simple clic, vite et bien. Parcourez sans effort toutes les catégories informatiques d&apos;Ebay, directement depuis votre navigateur.</translation>
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
        <translation>Nous améliorons sans cesse le service Benchlist et avons beaucoup d&apos;idées. Cherchez souvent les nouvelles versions.</translation>
    </message>
    <message>
        <source>Benchlistt is completely anonymous to use. We have no concerns or installed methods of monitoring your use of our program. You have complete privacy. We have no way to identify who is using our program, nor do we care. We hope you are using it and hope it helps you find items quickly and effeciently. That is our goal. Thankyou for trying Benchlist. We do love to hear feedback from our users. You can stop by our web site and send in feedback anytime. Please tell us when you have used our software and found that perfect gift. We love real testimonies from our users. Thank You and God Bless you and your family.</source>
        <translation>Benchlist est entièrement anonyme. Nous ne surveillons d&apos;aucune façon votre usage du programme&#xa0;: votre vie privée est complète. Nous ne pouvons pas savoir qui utilise notre programme, et cela ne nous importe pas. Nous espérons qu&apos;il vous aide à trouver vite ce que vous cherchez&#xa0;: c&apos;est notre but. Merci d&apos;essayer Benchlist. Vos avis nous font plaisir&#xa0;: passez sur notre site quand vous voulez. Dites-nous quand notre logiciel vous a fait trouver le cadeau parfait. Nous aimons les vrais témoignages. Merci, et que Dieu vous bénisse, vous et votre famille.</translation>
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
        <translation>Offre du site d&apos;enchères&#xa0;: ordinateurs de marque</translation>
    </message>
    <message>
        <source>Gift certificates: send a loved one the perfect gift</source>
        <translation>Chèques-cadeaux&#xa0;: offrez le cadeau parfait à un proche</translation>
    </message>
    <message>
        <source>Not Yet An Ebay Member? No Problem, Just Click Here To Signup Now</source>
        <translation>Pas encore membre d&apos;Ebay&#xa0;? Aucun souci, inscrivez-vous ici</translation>
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
        <source>&lt;a href=&quot;find&quot;&gt;Find a category by words...&lt;/a&gt; (Ctrl+F)</source>
        <translation>&lt;a href=&quot;find&quot;&gt;Chercher par mots...&lt;/a&gt; (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a category by words (Ctrl+F)</source>
        <translation>Chercher une catégorie par mots (Ctrl+F)</translation>
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
        <translation>Rejoindre Ebay</translation>
    </message>
    <message>
        <source>Sign Up For Ebay</source>
        <translation>S&apos;inscrire sur Ebay</translation>
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
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
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
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PageNotOpened</name>
    <message>
        <source>The page could not be opened: xdg-open, which hands pages to the web browser, could not be started.</source>
        <translation>La page n&apos;a pas pu être ouverte&#xa0;: xdg-open, qui transmet les pages au navigateur web, n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>Page non ouverte</translation>
    </message>
    <message>
        <source>Installing the package xdg-utils may help. The page&apos;s address, to open it yourself:
%1</source>
        <translation>Installer le paquet xdg-utils peut aider. L&apos;adresse de la page, pour l&apos;ouvrir vous-même&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message>
        <source>Copy address</source>
        <translation>Copier l&apos;adresse</translation>
    </message>
</context>
</TS>
