<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>O programe Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logo programu Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Súbor rozdelený na štyri časti, c0 až c3, so slovami split a join; pod ním Velkaro od Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Rozdelí súbor na časti pevnej veľkosti a spojí ich späť</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro rozdelí jeden súbor na sériu menších súborov pevnej veľkosti, nazývaných časti (NAME.c0, NAME.c1, ...), aby sa dal preniesť na malých médiách alebo kanálmi, ktoré obmedzujú veľkosť súboru, a takú sériu spojí späť do súboru, bajt po bajte.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Časť obsahuje len surové bajty súboru a nič iné, takže sériu môže spojiť aj akýkoľvek iný nástroj. Velkaro ohlási úspech až vtedy, keď je každý zapísaný bajt na disku.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Súbory nekomprimuje, nešifruje ani nekontroluje.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Okno spustené s časťou série ako zdrojom</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>rozdeliť;spojiť;deliť;časť;kus</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Rozdeliť a spojiť</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Zdroj -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Cieľ ----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvoriť</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Uložiť</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+U</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Možnosti rozdelenia</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Veľkosť časti -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Veľkosť časti</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (bajty)</translation>
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
        <translation>Merná jednotka</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>V&amp;yčistiť</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+Y</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Vyčistiť všetky možnosti rozdelenia (obnoviť pôvodné)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Rozdeliť</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Rozdeliť</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Spo&amp;jiť</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+J</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Spojiť</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>U&amp;končiť</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončiť</translation>
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
        <translation>O programe...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programe...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Príručka</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Príručka</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Akcie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cieľ</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Veľkosť časti</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vyčistiť</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varovanie</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Neplatný zdroj!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Neplatný cieľ!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Zdroj a cieľ sa prekrývajú!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Cieľová časť už existuje.
Chcete ju prepísať?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Neplatná veľkosť časti!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Súbor sa nepodarilo rozdeliť!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Neplatný zdroj. Vyberte platnú časť s príponou (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Cieľový súbor už existuje.
Chcete ho prepísať?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Súbor sa nepodarilo spojiť!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Prehliadač sa nenašiel</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Pre „%1“ sa nepodarilo spustiť prehliadač</translation>
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
        <translation>Použitie: velkaro [VOĽBA] [SÚBOR]
Rozdelí súbor na časti pevnej veľkosti (SÚBOR.c0, SÚBOR.c1, ...) a spojí
takú sériu častí späť do súboru, v okne.

So SÚBOROM sa okno otvorí s ním ako zdrojom; časť (NÁZOV.cN) navrhne ako cieľ
základnú cestu svojej série, NÁZOV. Ak SÚBOR nie je existujúci bežný súbor,
program vydá zvukový signál a skončí s návratovým kódom 1, bez okna. Ak sú
zadané dva alebo viac súborov, všetky sa ignorujú.

  -h, --help     vypíše tohto pomocníka a skončí
      --version  vypíše názov a verziu programu a skončí
      --         koniec volieb: čo nasleduje, je SÚBOR, aj keď sa začína
                 pomlčkou

Vlastné voľby grafickej knižnice, napríklad -style NÁZOV, môžu stáť pred
SÚBOROM.

Príručka:   %1
Nastavenia: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: okno nie je možné otvoriť – nie je k dispozícii žiadny grafický displej</translation>
    </message>
</context>
</TS>
