<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Ostrevan Software</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logo programu Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Súbor rozdelený na štyri balíky, c0 až c3, so slovami split a join; pod ním Velkaro od Ostrevan Software</translation>
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
        <translation>&amp;Veľkosť balíka -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Veľkosť balíka</translation>
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
        <translation>Ú&amp;lohy</translation>
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
        <translation>Veľkosť balíka</translation>
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
        <translation>Cieľový balík už existuje.
Chcete ho prepísať?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Neplatná veľkosť balíka!</translation>
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
        <translation>Neplatný zdroj. Vyberte platný balík s príponou (*.c*).</translation>
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
Rozdelí súbor na balíky pevnej veľkosti (SÚBOR.c0, SÚBOR.c1, ...) a spojí
takú sériu balíkov späť do súboru, v okne.

So SÚBOROM sa okno otvorí s ním ako zdrojom; balík (NÁZOV.cN) navrhne ako
cieľ základnú cestu svojej série, NÁZOV. Ak SÚBOR nie je existujúci bežný
súbor, program zazvoní a skončí s návratovým kódom 1, bez okna. Dva alebo viac
súborov sa ignoruje.

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
</context>
</TS>
