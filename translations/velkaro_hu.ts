<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>A Velkaro névjegye</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>A Velkaro logója</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Négy darabra, c0–c3-ra darabolt fájl a split és a join szóval; alatta a Velkaro, az Ostrevan Software-től</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Fájl rögzített méretű darabokra darabolása és visszaegyesítése</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>A Velkaro egy fájlt rögzített méretű kisebb fájlok sorozatára, úgynevezett darabokra (NAME.c0, NAME.c1, ...) darabol, hogy kis adathordozókon vagy a fájlméretet korlátozó csatornákon át lehessen szállítani, majd egy ilyen sorozatot bájtról bájtra visszaegyesít a fájllá.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Egy darab csak a fájl nyers bájtjait tartalmazza, semmi mást, így bármely más eszköz is egyesíthet egy sorozatot. A Velkaro csak akkor jelez sikert, ha minden kiírt bájt a lemezen van.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Nem tömörít, nem titkosít és nem ellenőriz fájlokat.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Az ablak, egy sorozat darabjával mint forrással indítva</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>darabol;egyesít;vág;összefűz;darab;rész</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Darabolás és egyesítés</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>Fo&amp;rrás -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Cél -----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Meg&amp;nyitás</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>M&amp;entés</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Darabolási beállítások</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Dar&amp;abméret -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Darabméret</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (bájt)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (kilo)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (mega)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Mértékegység</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Minden darabolási beállítás törlése (visszaállítás)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Darabolás</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Darabolás</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>E&amp;gyesítés</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Egyesítés</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Névjegy...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Névjegy...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Kézikönyv</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Kézikönyv</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Műveletek</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Forrás</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cél</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Darabméret</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Mértékegység</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Érvénytelen forrás!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Érvénytelen cél!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>A forrás és a cél átfedi egymást!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>A céldarab már létezik.
Felülírja?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Érvénytelen darabméret!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Nem sikerült feldarabolni a fájlt!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Érvénytelen forrás. Válasszon egy érvényes, (*.c*) kiterjesztésű darabot.</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>A célfájl már létezik.
Felülírja?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Nem sikerült egyesíteni a fájlt!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Nem található böngésző</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Nem sikerült böngészőt indítani ehhez: „%1”</translation>
    </message>
    <message>
        <source>Velkaro v1.0.90 Beta 2</source>
        <translation>Velkaro v1.0.90 Beta 2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: velkaro [OPTION] [FILE]
Cuts a file into packages of a fixed size (FILE.c0, FILE.c1, ...) and joins
such a package set back into the file, in a window.

With FILE, the window opens with it as the source; a package (NAME.cN)
proposes the base path of its set, NAME, as the destination. A FILE that is
not an existing regular file rings the bell and ends the program with exit
code 1, without a window. Two or more files are ignored.

  -h, --help     print this help and exit
      --version  print the program&apos;s name and version and exit
      --         end of options: what follows is FILE, even if it begins
                 with a dash

The toolkit&apos;s own options, such as -style NAME, may come before FILE.

Manual:   %1
Settings: %2
</source>
        <translation>Használat: velkaro [KAPCSOLÓ] [FÁJL]
Egy fájlt rögzített méretű darabokra darabol (FÁJL.c0, FÁJL.c1, ...), és egy
ilyen darabsorozatot visszaegyesít a fájllá, egy ablakban.

FÁJL megadásakor az ablak azzal mint forrással nyílik meg; egy darab (NÉV.cN) a
sorozata alapútvonalát, NÉV-et javasolja célként. Ha a FÁJL nem egy létező,
szabályos fájl, hangjelzés szól, és a program ablak nélkül, 1-es kilépési
kóddal kilép. Két vagy több fájl megadásakor a program mindegyiket figyelmen
kívül hagyja.

  -h, --help     ezen súgó megjelenítése és kilépés
      --version  a program nevének és verziójának megjelenítése és kilépés
      --         a kapcsolók vége: ami utána következik, az a FÁJL, akkor is,
                 ha kötőjellel kezdődik

A grafikus programkönyvtár saját kapcsolói, például a -style NÉV, a FÁJL előtt
állhatnak.

Kézikönyv:   %1
Beállítások: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: az ablak nem nyitható meg – nincs elérhető grafikus kijelző</translation>
    </message>
</context>
</TS>
