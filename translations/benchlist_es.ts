<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wishtrail</source>
        <translation>Acerca de Wishtrail</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Visit Veldmark</source>
        <translation>Visitar Veldmark</translation>
    </message>
    <message>
        <source>Computer Shopping Made Easy</source>
        <translation>Compra informática fácil</translation>
    </message>
    <message>
        <source>© 2026 Veldmark. Free software: GNU GPL 3 or later.</source>
        <translation>© 2026 Veldmark. Software libre: GNU GPL 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Apple / Macintosh Computer Menu</source>
        <translation>Apple / Macintosh: ordenadores</translation>
    </message>
    <message>
        <source>Computer Monitors and Accessories</source>
        <translation>Monitores y accesorios</translation>
    </message>
    <message>
        <source>Drives and Peripherals</source>
        <translation>Unidades y periféricos</translation>
    </message>
    <message>
        <source>PC Components</source>
        <translation>Componentes de PC</translation>
    </message>
    <message>
        <source>Desktop PC&apos;s</source>
        <translation>PC de sobremesa</translation>
    </message>
    <message>
        <source>Laptops</source>
        <translation>Portátiles</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Redes</translation>
    </message>
    <message>
        <source>PDA&apos;s &amp; Handheld PC&apos;s</source>
        <translation>PDA y PC de bolsillo</translation>
    </message>
    <message>
        <source>Prnters And Printer Supplies</source>
        <translation>Impresoras y consumibles</translation>
    </message>
    <message>
        <source>Computer Monitors and Monitor Accessories</source>
        <translation>Monitores y accesorios</translation>
    </message>
    <message>
        <source>Desktop PC Computer Systems</source>
        <translation>Equipos de sobremesa</translation>
    </message>
    <message>
        <source>Apple Macintosh Systems, Components, and Periperhals</source>
        <translation>Apple Macintosh: equipos, componentes y periféricos</translation>
    </message>
    <message>
        <source>Laptops and Laptop Components and Accessories</source>
        <translation>Portátiles, componentes y accesorios</translation>
    </message>
    <message>
        <source>PDA&apos;s, Handheld PC&apos;s and Accessories</source>
        <translation>PDA, PC de bolsillo y accesorios</translation>
    </message>
    <message>
        <source>Desktop PC Computer Components</source>
        <translation>Componentes de PC</translation>
    </message>
    <message>
        <source>Desktop Computer  Drives And Peripherals</source>
        <translation>Unidades y periféricos</translation>
    </message>
    <message>
        <source>Printers And Printer Supplies</source>
        <translation>Impresoras y consumibles</translation>
    </message>
    <message>
        <source>Networking Servers and Networking Equipment</source>
        <translation>Servidores y equipos de red</translation>
    </message>
    <message>
        <source>Apple / Macintosh</source>
        <translation>Apple / Macintosh</translation>
    </message>
    <message>
        <source>Computer Monitors</source>
        <translation>Monitores</translation>
    </message>
    <message>
        <source>Drives And Peripherals</source>
        <translation>Unidades y periféricos</translation>
    </message>
    <message>
        <source>PDA&apos;s / Handheld PC&apos;s</source>
        <translation>PDA / PC de bolsillo</translation>
    </message>
    <message>
        <source>Printers and Supplies</source>
        <translation>Impresoras y consumibles</translation>
    </message>
    <message>
        <source>LCD &amp; FlatScreen Monitors</source>
        <translation>Monitores LCD y planos</translation>
    </message>
    <message>
        <source>Standard CRT Monitors</source>
        <translation>Monitores CRT estándar</translation>
    </message>
    <message>
        <source>Monitor Accessories</source>
        <translation>Accesorios para monitores</translation>
    </message>
    <message>
        <source>Wholesale Lots</source>
        <translation>Lotes al por mayor</translation>
    </message>
    <message>
        <source>366Mhz And Less Systems</source>
        <translation>Equipos hasta 366 MHz</translation>
    </message>
    <message>
        <source>400MHz - 650Mhz Systems</source>
        <translation>Equipos de 400 a 650 MHz</translation>
    </message>
    <message>
        <source>700MHz - 1GHz Systems</source>
        <translation>Equipos de 700 MHz a 1 GHz</translation>
    </message>
    <message>
        <source>1.1Ghz - 2GHz Systems</source>
        <translation>Equipos de 1,1 a 2 GHz</translation>
    </message>
    <message>
        <source>2.1Ghz - 2.6GHz Systems</source>
        <translation>Equipos de 2,1 a 2,6 GHz</translation>
    </message>
    <message>
        <source>2.7GHz - 2.8 GHz Systems</source>
        <translation>Equipos de 2,7 a 2,8 GHz</translation>
    </message>
    <message>
        <source>3GHz And Higher Systems</source>
        <translation>Equipos de 3 GHz o más</translation>
    </message>
    <message>
        <source>Desktops With Monitors</source>
        <translation>Equipos de sobremesa con monitor</translation>
    </message>
    <message>
        <source>Desktops</source>
        <translation>Equipos de sobremesa</translation>
    </message>
    <message>
        <source>Drives and Media</source>
        <translation>Unidades y soportes</translation>
    </message>
    <message>
        <source>Input Devices</source>
        <translation>Dispositivos de entrada</translation>
    </message>
    <message>
        <source>Monitors</source>
        <translation>Monitores</translation>
    </message>
    <message>
        <source>Parts &amp; Accessories</source>
        <translation>Piezas y accesorios</translation>
    </message>
    <message>
        <source>Power Supplies &amp; Battery</source>
        <translation>Fuentes de alimentación y baterías</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
    <message>
        <source>Video And Multimedia</source>
        <translation>Vídeo y multimedia</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Laptop Systems</source>
        <translation>Equipos portátiles</translation>
    </message>
    <message>
        <source>Memory Upgrades</source>
        <translation>Ampliaciones de memoria</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>PCMCIA Cards</source>
        <translation>Tarjetas PCMCIA</translation>
    </message>
    <message>
        <source>Motherboards</source>
        <translation>Placas base</translation>
    </message>
    <message>
        <source>CPUs</source>
        <translation>Procesadores</translation>
    </message>
    <message>
        <source>Cables &amp; Connectors</source>
        <translation>Cables y conectores</translation>
    </message>
    <message>
        <source>Parts, Accessories</source>
        <translation>Piezas, accesorios</translation>
    </message>
    <message>
        <source>Batteries</source>
        <translation>Baterías</translation>
    </message>
    <message>
        <source>AC, Standard</source>
        <translation>Adaptadores de corriente, estándar</translation>
    </message>
    <message>
        <source>Docking Stations</source>
        <translation>Estaciones de acoplamiento</translation>
    </message>
    <message>
        <source>Laptop Screens, LCDs</source>
        <translation>Pantallas de portátil, LCD</translation>
    </message>
    <message>
        <source>Cases, Bags</source>
        <translation>Fundas, bolsas</translation>
    </message>
    <message>
        <source>Tablet PC&apos;s</source>
        <translation>Tablet PC</translation>
    </message>
    <message>
        <source>PDAs and  Handheld PCs</source>
        <translation>PDA y PC de bolsillo</translation>
    </message>
    <message>
        <source>Apple  Newton Accessories</source>
        <translation>Accesorios Apple Newton</translation>
    </message>
    <message>
        <source>Casio Accessories</source>
        <translation>Accesorios Casio</translation>
    </message>
    <message>
        <source>Dell Accessories</source>
        <translation>Accesorios Dell</translation>
    </message>
    <message>
        <source>Handspring Visor Accessories</source>
        <translation>Accesorios Handspring Visor</translation>
    </message>
    <message>
        <source>HP Compaq Accessories</source>
        <translation>Accesorios HP Compaq</translation>
    </message>
    <message>
        <source>Palm Accessories</source>
        <translation>Accesorios Palm</translation>
    </message>
    <message>
        <source>Philips Accessories</source>
        <translation>Accesorios Philips</translation>
    </message>
    <message>
        <source>Sharp Accessories</source>
        <translation>Accesorios Sharp</translation>
    </message>
    <message>
        <source>Sony Accessories</source>
        <translation>Accesorios Sony</translation>
    </message>
    <message>
        <source>Toshiba PDA&apos;s &amp; Accessories</source>
        <translation>PDA Toshiba y accesorios</translation>
    </message>
    <message>
        <source>Other PDA&apos;s &amp; Accessories</source>
        <translation>Otras PDA y accesorios</translation>
    </message>
    <message>
        <source>Handheld Units</source>
        <translation>PC de bolsillo</translation>
    </message>
    <message>
        <source>Cables and, Adapter Cards</source>
        <translation>Cables y tarjetas adaptadoras</translation>
    </message>
    <message>
        <source>CPU&apos;s</source>
        <translation>Procesadores</translation>
    </message>
    <message>
        <source>Fans and Heatsinks</source>
        <translation>Ventiladores y disipadores</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Modems</source>
        <translation>Módems</translation>
    </message>
    <message>
        <source>PC Cases</source>
        <translation>Cajas de PC</translation>
    </message>
    <message>
        <source>Power Supplies</source>
        <translation>Fuentes de alimentación</translation>
    </message>
    <message>
        <source>Thermal Pastes &amp; Compounds</source>
        <translation>Pastas térmicas</translation>
    </message>
    <message>
        <source>CD Drives &amp; Duplicators</source>
        <translation>Unidades y duplicadoras de CD</translation>
    </message>
    <message>
        <source>CD-ROM Drives</source>
        <translation>Unidades de CD-ROM</translation>
    </message>
    <message>
        <source>CDRW, DVD Combo Drives</source>
        <translation>Unidades combo CD-RW, DVD</translation>
    </message>
    <message>
        <source>DVD-R, DVD-RW Drives</source>
        <translation>Grabadoras DVD-R, DVD-RW</translation>
    </message>
    <message>
        <source>DVD-ROM Drives</source>
        <translation>Unidades de DVD-ROM</translation>
    </message>
    <message>
        <source>External Hard Drives Zip Jaz</source>
        <translation>Discos duros externos, Zip, Jaz</translation>
    </message>
    <message>
        <source>Hard Drives Internal</source>
        <translation>Discos duros internos</translation>
    </message>
    <message>
        <source>Flash Memory Drives</source>
        <translation>Memorias flash</translation>
    </message>
    <message>
        <source>Floppy Drives</source>
        <translation>Disqueteras</translation>
    </message>
    <message>
        <source>Other Drives &amp; Components</source>
        <translation>Otras unidades y componentes</translation>
    </message>
    <message>
        <source>Tape Drives</source>
        <translation>Unidades de cinta</translation>
    </message>
    <message>
        <source>Other Hardware</source>
        <translation>Otro hardware</translation>
    </message>
    <message>
        <source>Controllers-Adapter, I/O Card</source>
        <translation>Controladoras, adaptadores, tarjetas E/S</translation>
    </message>
    <message>
        <source>UPS, Battery Backups</source>
        <translation>SAI, baterías de respaldo</translation>
    </message>
    <message>
        <source>Video &amp; Multimedia</source>
        <translation>Vídeo y multimedia</translation>
    </message>
    <message>
        <source>Video &amp; Multimedia Accessories</source>
        <translation>Accesorios de vídeo y multimedia</translation>
    </message>
    <message>
        <source>TV Tuners</source>
        <translation>Sintonizadoras de TV</translation>
    </message>
    <message>
        <source>Video Conferencing</source>
        <translation>Videoconferencia</translation>
    </message>
    <message>
        <source>Multi Function Printers</source>
        <translation>Impresoras multifunción</translation>
    </message>
    <message>
        <source>Ink Jet Printers</source>
        <translation>Impresoras de inyección</translation>
    </message>
    <message>
        <source>Laser Printers</source>
        <translation>Impresoras láser</translation>
    </message>
    <message>
        <source>POS Dot Matrix Printers</source>
        <translation>Impresoras matriciales TPV</translation>
    </message>
    <message>
        <source>Thermal Printers</source>
        <translation>Impresoras térmicas</translation>
    </message>
    <message>
        <source>Other Printers and Supplies</source>
        <translation>Otras impresoras y consumibles</translation>
    </message>
    <message>
        <source>Ink Cartridges Black</source>
        <translation>Cartuchos de tinta negra</translation>
    </message>
    <message>
        <source>Ink Cartriges Color</source>
        <translation>Cartuchos de tinta de color</translation>
    </message>
    <message>
        <source>Laser Toner Black</source>
        <translation>Tóner láser negro</translation>
    </message>
    <message>
        <source>Laser Toner Color</source>
        <translation>Tóner láser de color</translation>
    </message>
    <message>
        <source>Ribbons</source>
        <translation>Cintas de impresora</translation>
    </message>
    <message>
        <source>Printheads</source>
        <translation>Cabezales de impresión</translation>
    </message>
    <message>
        <source>Printer Supplies and Accessories</source>
        <translation>Consumibles y accesorios</translation>
    </message>
    <message>
        <source>Sign Vinyl</source>
        <translation>Vinilo para rótulos</translation>
    </message>
    <message>
        <source>Manuals</source>
        <translation>Manuales</translation>
    </message>
    <message>
        <source>802.11, Wifi, Wireless</source>
        <translation>802.11, wifi, inalámbrico</translation>
    </message>
    <message>
        <source>Cable, DSL Modems</source>
        <translation>Módems de cable, DSL</translation>
    </message>
    <message>
        <source>Filers, Load Balancers</source>
        <translation>Servidores de archivos, balanceadores de carga</translation>
    </message>
    <message>
        <source>Firewall, Security</source>
        <translation>Cortafuegos, seguridad</translation>
    </message>
    <message>
        <source>Hubs</source>
        <translation>Concentradores</translation>
    </message>
    <message>
        <source>Installation Tools</source>
        <translation>Herramientas de instalación</translation>
    </message>
    <message>
        <source>KVM Switch Boxes, Cables</source>
        <translation>Conmutadores KVM, cables</translation>
    </message>
    <message>
        <source>Mainframe Equipment</source>
        <translation>Equipos para ordenadores centrales</translation>
    </message>
    <message>
        <source>Network Cables &amp; Connectors</source>
        <translation>Cables y conectores de red</translation>
    </message>
    <message>
        <source>Network Interface Cards, Wired</source>
        <translation>Tarjetas de red cableadas</translation>
    </message>
    <message>
        <source>Power Supplies, Battery Packs</source>
        <translation>Fuentes de alimentación, baterías</translation>
    </message>
    <message>
        <source>Print Servers</source>
        <translation>Servidores de impresión</translation>
    </message>
    <message>
        <source>Racks, Mounts &amp; Patch Panels</source>
        <translation>Racks, soportes y paneles de parcheo</translation>
    </message>
    <message>
        <source>Router, Switch Components</source>
        <translation>Componentes de routers y conmutadores</translation>
    </message>
    <message>
        <source>Routers, Wired</source>
        <translation>Routers cableados</translation>
    </message>
    <message>
        <source>Server Components</source>
        <translation>Componentes de servidor</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Conmutadores</translation>
    </message>
    <message>
        <source>Workstations</source>
        <translation>Estaciones de trabajo</translation>
    </message>
    <message>
        <source>Other Networking Items</source>
        <translation>Otros artículos de red</translation>
    </message>
</context>
<context>
    <name>CategoryWindow</name>
    <message>
        <source>Refresh Categories</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print every page of the catalogue, one per line</source>
        <translation>mostrar cada página del catálogo, una por línea</translation>
    </message>
    <message>
        <source>write the bookmark file, or with - print it</source>
        <translation>escribir el archivo de marcadores, o con - mostrarlo</translation>
    </message>
    <message>
        <source>--export-bookmarks needs a file name, or - for standard output</source>
        <translation>--export-bookmarks necesita un nombre de archivo, o - para la salida estándar</translation>
    </message>
    <message>
        <source>print the categories the words find, best first</source>
        <translation>mostrar las categorías que hallan las palabras, la mejor primero</translation>
    </message>
    <message>
        <source>--find needs words to look for, as in: benchlist --find usb hub</source>
        <translation>--find necesita palabras que buscar, como en: benchlist --find usb hub</translation>
    </message>
    <message>
        <source>open the window with the find window on the words</source>
        <translation>abrir la ventana con la búsqueda de las palabras</translation>
    </message>
    <message>
        <source>--find-window needs words to look for, as in: benchlist --find-window &apos;usb hub&apos;</source>
        <translation>--find-window necesita palabras que buscar, como en: benchlist --find-window &apos;usb hub&apos;</translation>
    </message>
    <message>
        <source>print the last ten pages opened, newest first</source>
        <translation>mostrar las diez últimas páginas abiertas, la más reciente primero</translation>
    </message>
    <message>
        <source>delete every page kept as opened, and their words</source>
        <translation>borrar todas las páginas guardadas como abiertas, y sus palabras</translation>
    </message>
    <message>
        <source>serve the search of the desktop on the session bus</source>
        <translation>atender la búsqueda del escritorio en el bus de sesión</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Usage: benchlist [OPTION]... [QT-OPTION]...
Opens the Benchlist window. --list, --export-bookmarks, --find, --recent
and --forget answer on standard output instead, without a display.

</source>
        <translation>Uso: benchlist [OPCIÓN]... [OPCIÓN-QT]...
Abre la ventana de Benchlist. --list, --export-bookmarks, --find, --recent
y --forget responden en la salida estándar, sin pantalla.

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
Cada línea de --find y --recent da el texto, la ventana, la lista desplegable
y la dirección, separados por tabuladores. --find responde siempre igual: las
páginas abiertas antes, que van primero en la ventana de búsqueda y en la
búsqueda del escritorio, no cuentan.
Las opciones propias de Qt, como -platform NOMBRE, -style ESTILO y -reverse,
se pasan a Qt.

Estado de salida: 0 si todo fue bien, 1 si no se halla ni escribe nada, 2 si
la línea de órdenes no se entiende, 3 si --find muestra categorías a las que
les faltan algunas palabras (ninguna las tiene todas; la salida de errores
nombra las palabras que faltan).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>argumento inesperado «%1» (pruebe --help)</translation>
    </message>
    <message>
        <source>no category matches those words</source>
        <translation>ninguna categoría coincide con esas palabras</translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1</source>
        <translation>
            <numerusform>ninguna categoría tiene todas las palabras; se omite: %1</numerusform>
            <numerusform>ninguna categoría tiene todas las palabras; se omiten: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1; further down also: %2</source>
        <translation>
            <numerusform>ninguna categoría tiene todas las palabras; se omite: %1; más abajo también: %2</numerusform>
            <numerusform>ninguna categoría tiene todas las palabras; se omiten: %1; más abajo también: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>WORDS...</source>
        <translation>PALABRAS...</translation>
    </message>
    <message>
        <source>WORDS</source>
        <translation>PALABRAS</translation>
    </message>
    <message>
        <source>print the shops pages can open at: id, name, address</source>
        <translation>mostrar las tiendas donde pueden abrirse las páginas: id, nombre, dirección</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>open or print the pages at the shop ID, for this run alone
(before the other option; --shops lists the ids)</source>
        <translation>abrir o mostrar las páginas en la tienda ID, solo esta vez
(antes de la otra opción; --shops da los ids)</translation>
    </message>
    <message>
        <source>--shop needs a shop&apos;s id, as in: benchlist --shop ebay-us --find usb hub</source>
        <translation>--shop necesita el id de una tienda, por ejemplo: benchlist --shop ebay-us --find usb hub</translation>
    </message>
    <message>
        <source>no shop has the id &apos;%1&apos;; the ids are: %2</source>
        <translation>ninguna tienda tiene el id «%1»; los ids son: %2</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Thankyou for using Wishtrail</source>
        <translation>Gracias por usar Wishtrail</translation>
    </message>
    <message>
        <source>Visit Veldmark Click Here</source>
        <translation>Visitar Veldmark: haga clic aquí</translation>
    </message>
    <message>
        <source>We Hope You Enjoy Using Benchlist. Please check for updates often. We are working hard to bring exciting new features and advanced searching technology to better serve you. To check for updates now simply click the link below</source>
        <translation>Esperamos que disfrute de Benchlist. Busque actualizaciones a menudo. Trabajamos duro en nuevas funciones y una búsqueda más avanzada para servirle mejor. Para buscar actualizaciones ahora, haga clic en el enlace de abajo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Have You Tried Our Wishtrail? Easily Find The Perfect Gift On Ebay For Your Loved Ones</source>
        <translation>¿Conoce Wishtrail? El regalo perfecto para sus seres queridos en eBay</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>  (typed only: not in the list)</source>
        <translation>  (solo escrita: no está en la lista)</translation>
    </message>
    <message>
        <source>without: %1</source>
        <translation>sin: %1</translation>
    </message>
    <message>
        <source>Find a Category</source>
        <translation>Buscar una categoría</translation>
    </message>
    <message>
        <source>&amp;Words of a category:</source>
        <translation>&amp;Palabras de una categoría:</translation>
    </message>
    <message>
        <source>Find a category</source>
        <translation>Buscar una categoría</translation>
    </message>
    <message>
        <source>for example: usb hub</source>
        <translation>por ejemplo: usb hub</translation>
    </message>
    <message>
        <source>Categories found</source>
        <translation>Categorías encontradas</translation>
    </message>
    <message>
        <source>&amp;Open Page</source>
        <translation>&amp;Abrir página</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>Abrir página</translation>
    </message>
    <message>
        <source>&amp;Show in its window</source>
        <translation>&amp;Mostrar en su ventana</translation>
    </message>
    <message>
        <source>Show in its window</source>
        <translation>Mostrar en su ventana</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>&amp;Copiar dirección</translation>
    </message>
    <message>
        <source>Type words of the category you look for.</source>
        <translation>Escriba palabras de la categoría que busca.</translation>
    </message>
    <message>
        <source>No category has every word; showing those with most of them</source>
        <translation>Ninguna categoría tiene todas las palabras; se muestran las que tienen más</translation>
    </message>
    <message>
        <source>No category matches these words.</source>
        <translation>Ninguna categoría coincide con estas palabras.</translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n categoría</numerusform>
            <numerusform>%n categorías</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstructionsWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Using Benchlist is easy. Simply select from the main categories for the type of equipment you are looking for. Another sub menu will appear where you can choose from pre-selected items. Select a category here and your web browser will open with the latest results queried. Our constant evolving search technology will provide you with more direct results to the exact piece of computer equipment you are looking for. We weed out as much irrelevant items as possible and design the sytem to find the pieces of equipment you are looking for. Thus providing you with a quick and effecient way of finding the item with just a click of your mouse. Easily browse all the computer categories on Ebay without tedious work done straight from your browser.</source>
        <translation>Usar Benchlist es fácil. Elija entre las categorías principales el tipo de equipo que busca. Aparecerá un submenú donde puede elegir entre artículos preseleccionados. Elija allí una categoría y su navegador se abrirá con los últimos resultados. Nuestra tecnología de búsqueda en constante evolución le llevará más directamente a la pieza exacta de equipo informático que busca. Descartamos todo lo irrelevante que podemos. Así encontrará el artículo de forma rápida y eficiente, con solo un clic. Recorra sin esfuerzo todas las categorías informáticas de eBay, directamente desde su navegador.</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>Requisitos</translation>
    </message>
    <message>
        <source>You will need to be connected to the internet and have a internet web browser. Benchlist will use the web browser you have set up as default. For the time left on auctions to be displayed in your browser, a javascript capible browser is required.</source>
        <translation>Necesita conexión a Internet y un navegador web. Benchlist usará el navegador que tenga por defecto. Para ver el tiempo que les queda a las subastas, el navegador debe admitir JavaScript.</translation>
    </message>
    <message>
        <source>We are constantly upgrading our Benchlist service and have lots of new ideas to implement. Be sure to look for new versions often.</source>
        <translation>Mejoramos sin cesar el servicio Benchlist y tenemos muchas ideas nuevas. Busque nuevas versiones a menudo.</translation>
    </message>
    <message>
        <source>Benchlistt is completely anonymous to use. We have no concerns or installed methods of monitoring your use of our program. You have complete privacy. We have no way to identify who is using our program, nor do we care. We hope you are using it and hope it helps you find items quickly and effeciently. That is our goal. Thankyou for trying Benchlist. We do love to hear feedback from our users. You can stop by our web site and send in feedback anytime. Please tell us when you have used our software and found that perfect gift. We love real testimonies from our users. Thank You and God Bless you and your family.</source>
        <translation>Benchlist es totalmente anónimo. No tenemos interés ni medios instalados para vigilar su uso de nuestro programa: su privacidad es completa. No podemos saber quién usa nuestro programa, ni nos importa. Esperamos que le ayude a encontrar artículos rápidamente: ese es nuestro objetivo. Gracias por probar Benchlist. Nos encanta recibir opiniones: pase por nuestra web cuando quiera. Cuéntenos cuando nuestro programa le haya ayudado a encontrar el regalo perfecto. Nos encantan los testimonios reales. Gracias, y que Dios le bendiga a usted y a su familia.</translation>
    </message>
    <message>
        <source>Computer Auction Shopping Made Easy</source>
        <translation>Subastas informáticas fáciles</translation>
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
        <translation>Oferta del sitio de subastas: ordenadores de marca</translation>
    </message>
    <message>
        <source>Gift certificates: send a loved one the perfect gift</source>
        <translation>Cheques regalo: envíe el regalo perfecto a un ser querido</translation>
    </message>
    <message>
        <source>Not Yet An Ebay Member? No Problem, Just Click Here To Signup Now</source>
        <translation>¿Aún no es miembro de eBay? No pasa nada: regístrese aquí</translation>
    </message>
    <message>
        <source>Send Loved One&apos;s The Perfect Gift!</source>
        <translation>¡El regalo perfecto!</translation>
    </message>
    <message>
        <source>Computer Auction Shopping Made Easy</source>
        <translation>Subastas informáticas fáciles</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Find a Category...</source>
        <translation>&amp;Buscar una categoría...</translation>
    </message>
    <message>
        <source>&amp;Export as Bookmarks...</source>
        <translation>&amp;Exportar como marcadores...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Join Ebay</source>
        <translation>Unirse a eBay</translation>
    </message>
    <message>
        <source>Sign Up For Ebay</source>
        <translation>Registrarse en eBay</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versión</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <translation>&amp;Recomendar</translation>
    </message>
    <message>
        <source>Send Benchlist</source>
        <translation>Enviar Benchlist</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Recent Pages</source>
        <translation>Páginas &amp;recientes</translation>
    </message>
    <message>
        <source>Re&amp;member Opened Pages</source>
        <translation>Re&amp;cordar páginas abiertas</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Pages</source>
        <translation>&amp;Borrar páginas recientes</translation>
    </message>
    <message>
        <source>Export as Bookmarks</source>
        <translation>Exportar como marcadores</translation>
    </message>
    <message>
        <source>Bookmark files (*.html *.htm);;All files (*)</source>
        <translation>Archivos de marcadores (*.html *.htm);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;find&quot;&gt;Find a category by words...&lt;/a&gt; (%1)</source>
        <translation>&lt;a href=&quot;find&quot;&gt;Buscar una categoría por palabras...&lt;/a&gt; (%1)</translation>
    </message>
    <message>
        <source>Find a category by words (%1)</source>
        <translation>Buscar una categoría por palabras (%1)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>cannot start xdg-open: not found on PATH</source>
        <translation>no se puede iniciar xdg-open: no está en el PATH</translation>
    </message>
    <message>
        <source>cannot start xdg-open: %1 is not executable</source>
        <translation>no se puede iniciar xdg-open: %1 no es ejecutable</translation>
    </message>
    <message>
        <source>cannot start xdg-open: PATH names no folder to look in</source>
        <translation>no se puede iniciar xdg-open: el PATH no indica ninguna carpeta donde buscar</translation>
    </message>
    <message>
        <source>cannot start xdg-open: %1</source>
        <translation>no se puede iniciar xdg-open: %1</translation>
    </message>
    <message>
        <source>opened pages are not remembered: %1: %2</source>
        <translation>las páginas abiertas no se recuerdan: %1: %2</translation>
    </message>
    <message>
        <source>opened pages are not remembered: cannot create %1: %2</source>
        <translation>las páginas abiertas no se recuerdan: no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>opened pages are not remembered: %1 was written by a newer Benchlist</source>
        <translation>las páginas abiertas no se recuerdan: %1 lo escribió una versión más reciente de Benchlist</translation>
    </message>
    <message>
        <source>could not clear %1: %2</source>
        <translation>no se pudo vaciar %1: %2</translation>
    </message>
    <message>
        <source>%1 was damaged; it is kept as %2 and a new store is started</source>
        <translation>%1 estaba dañado; se conserva como %2 y se empieza un archivo nuevo</translation>
    </message>
    <message>
        <source>the pages you opened, kept in %1, could be read by others; now only you can read them</source>
        <translation>las páginas que ha abierto, guardadas en %1, podían leerlas otros; ahora solo usted puede leerlas</translation>
    </message>
</context>
<context>
    <name>PageNotOpened</name>
    <message>
        <source>The page could not be opened: xdg-open, which hands pages to the web browser, could not be started.</source>
        <translation>No se pudo abrir la página: no se pudo iniciar xdg-open, que entrega las páginas al navegador web.</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>Página no abierta</translation>
    </message>
    <message>
        <source>Installing the package xdg-utils may help. The page&apos;s address, to open it yourself:
%1</source>
        <translation>Instalar el paquete xdg-utils puede ayudar. La dirección de la página, para abrirla usted mismo:
%1</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message>
        <source>Copy address</source>
        <translation>Copiar dirección</translation>
    </message>
    <message>
        <source>no search result has the id &apos;%1&apos;</source>
        <translation>ningún resultado de búsqueda tiene el identificador «%1»</translation>
    </message>
    <message>
        <source>cannot copy the address: no display, so no clipboard</source>
        <translation>no se puede copiar la dirección: sin pantalla no hay portapapeles</translation>
    </message>
    <message>
        <source>cannot start the clipboard helper</source>
        <translation>no se puede iniciar el asistente del portapapeles</translation>
    </message>
    <message>
        <source>cannot start the find window on &apos;%1&apos;</source>
        <translation>no se puede abrir la ventana de búsqueda con «%1»</translation>
    </message>
    <message>
        <source>no search action has the id &apos;%1&apos;</source>
        <translation>ninguna acción de búsqueda tiene el identificador «%1»</translation>
    </message>
    <message>
        <source>cannot reach the clipboard: %1</source>
        <translation>no se puede acceder al portapapeles: %1</translation>
    </message>
    <message>
        <source>no session bus to offer the search on</source>
        <translation>no hay bus de sesión en el que ofrecer la búsqueda</translation>
    </message>
    <message>
        <source>cannot take the bus name %1: %2</source>
        <translation>no se puede tomar el nombre de bus %1: %2</translation>
    </message>
    <message>
        <source>--search-service takes no further arguments</source>
        <translation>--search-service no admite más argumentos</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>could not save the settings in %1</source>
        <translation>no se pudo guardar la configuración en %1</translation>
    </message>
    <message>
        <source>the settings name a shop that no longer exists, &apos;%1&apos;; pages open at %2 instead</source>
        <translation>los ajustes nombran una tienda que ya no existe, «%1»; las páginas se abren en %2</translation>
    </message>
</context>
<context>
    <name>Shops</name>
    <message>
        <source>Benchlist catalogue</source>
        <translation>Catálogo de Benchlist</translation>
    </message>
    <message>
        <source>eBay (US)</source>
        <translation>eBay (EE. UU.)</translation>
    </message>
    <message>
        <source>eBay (UK)</source>
        <translation>eBay (Reino Unido)</translation>
    </message>
    <message>
        <source>eBay (Germany)</source>
        <translation>eBay (Alemania)</translation>
    </message>
    <message>
        <source>eBay (France)</source>
        <translation>eBay (Francia)</translation>
    </message>
    <message>
        <source>eBay (Spain)</source>
        <translation>eBay (España)</translation>
    </message>
    <message>
        <source>Amazon (US)</source>
        <translation>Amazon (EE. UU.)</translation>
    </message>
    <message>
        <source>Amazon (UK)</source>
        <translation>Amazon (Reino Unido)</translation>
    </message>
    <message>
        <source>Amazon (Germany)</source>
        <translation>Amazon (Alemania)</translation>
    </message>
    <message>
        <source>Amazon (France)</source>
        <translation>Amazon (Francia)</translation>
    </message>
    <message>
        <source>Amazon (Spain)</source>
        <translation>Amazon (España)</translation>
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
        <translation>una pantalla con la plataforma «%1» de Qt</translation>
    </message>
    <message>
        <source>X display %1</source>
        <translation>la pantalla X %1</translation>
    </message>
    <message>
        <source>Wayland display %1</source>
        <translation>la pantalla Wayland %1</translation>
    </message>
    <message>
        <source>no display to open windows on (is DISPLAY set?)</source>
        <translation>no hay pantalla en la que abrir ventanas (¿está definida DISPLAY?)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
</context>
<context>
    <name>benchlist::OtherShopDialog</name>
    <message>
        <source>The file is larger than an OpenSearch description can be.</source>
        <translation>El archivo es más grande de lo que puede ser una descripción OpenSearch.</translation>
    </message>
    <message>
        <source>The file is not an OpenSearch description that can be read safely.</source>
        <translation>El archivo no es una descripción OpenSearch que pueda leerse con seguridad.</translation>
    </message>
    <message>
        <source>The file names no search address for web pages (a Url of type text/html).</source>
        <translation>El archivo no da ninguna dirección de búsqueda para páginas web (una Url de tipo text/html).</translation>
    </message>
    <message>
        <source>The file&apos;s search address is too long.</source>
        <translation>La dirección de búsqueda del archivo es demasiado larga.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>La dirección es demasiado larga.</translation>
    </message>
    <message>
        <source>The address may not hold blanks or line breaks.</source>
        <translation>La dirección no puede contener espacios ni saltos de línea.</translation>
    </message>
    <message>
        <source>The address must start with http:// or https://.</source>
        <translation>La dirección debe empezar por http:// o https://.</translation>
    </message>
    <message>
        <source>The address must name a host, as in https://shop.example/search?q={searchTerms}.</source>
        <translation>La dirección debe nombrar un host, por ejemplo https://shop.example/search?q={searchTerms}.</translation>
    </message>
    <message>
        <source>The address must say where the words go, with {searchTerms} or %s.</source>
        <translation>La dirección debe indicar dónde van las palabras, con {searchTerms} o %s.</translation>
    </message>
    <message>
        <source>The address must say only once where the words go.</source>
        <translation>La dirección debe indicar una sola vez dónde van las palabras.</translation>
    </message>
    <message>
        <source>Other Shop</source>
        <translation>Otra tienda</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Search &amp;address:</source>
        <translation>&amp;Dirección de búsqueda:</translation>
    </message>
    <message>
        <source>&amp;Read OpenSearch File...</source>
        <translation>&amp;Leer archivo OpenSearch...</translation>
    </message>
    <message>
        <source>Pages open as a search at this shop. Give its search address with {searchTerms} or %s where the words go.</source>
        <translation>Las páginas se abren como búsqueda en esta tienda. Indique su dirección de búsqueda, con {searchTerms} o %s donde van las palabras.</translation>
    </message>
    <message>
        <source>The shop needs a name.</source>
        <translation>La tienda necesita un nombre.</translation>
    </message>
    <message>
        <source>Read OpenSearch File</source>
        <translation>Leer archivo OpenSearch</translation>
    </message>
    <message>
        <source>OpenSearch descriptions (*.xml);;All files (*)</source>
        <translation>Descripciones OpenSearch (*.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
</context>
<context>
    <name>benchlist::ShopMenu</name>
    <message>
        <source>Open &amp;Pages At</source>
        <translation>Abrir &amp;páginas en</translation>
    </message>
    <message>
        <source>Benchlist Catalogue</source>
        <translation>Catálogo de Benchlist</translation>
    </message>
    <message>
        <source>&amp;Other Shop...</source>
        <translation>&amp;Otra tienda...</translation>
    </message>
</context>
</TS>
