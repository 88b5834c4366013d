<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Over Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro-logo</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Een bestand gesplitst in vier delen, c0 tot en met c3, met de woorden split en join; daaronder Velkaro, van Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Een bestand in delen van vaste grootte splitsen en weer samenvoegen</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro splitst een bestand in een reeks kleinere bestanden van vaste grootte, delen genoemd (NAME.c0, NAME.c1, ...), om het op kleine media te vervoeren of via kanalen die de grootte van een bestand beperken, en voegt zo’n reeks byte voor byte weer samen tot het bestand.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Een deel bevat alleen de ruwe bytes van het bestand en verder niets, dus elk ander hulpmiddel kan een reeks ook samenvoegen. Velkaro meldt pas succes wanneer elke geschreven byte op de schijf staat.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Het comprimeert, versleutelt en controleert geen bestanden.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Het venster, gestart met een deel van een reeks als bron</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>splitsen;samenvoegen;knippen;opdelen;deel;stuk</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Splitsen &amp;&amp; samenvoegen</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>B&amp;ron -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Doel --------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Splitsopties</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Dee&amp;lgrootte -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Deelgrootte</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (bytes)</translation>
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
        <translation>Maateenheid</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Alle splitsopties wissen (herstellen)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Spl&amp;itsen</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Splitsen</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Samen&amp;voegen</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Samenvoegen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
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
        <translation>Info over...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info over...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>A&amp;cties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Deelgrootte</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Ongeldige bron!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Ongeldig doel!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Bron en doel overlappen elkaar!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Het doeldeel bestaat al.
Wilt u het overschrijven?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Ongeldige deelgrootte!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Kan het bestand niet splitsen!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Ongeldige bron. Kies een geldig deel, met een extensie (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Het doelbestand bestaat al.
Wilt u het overschrijven?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Kan het bestand niet samenvoegen!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Geen browser gevonden</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Kan geen browser starten voor ‘%1’</translation>
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
        <translation>Gebruik: velkaro [OPTIE] [BESTAND]
Splitst een bestand in delen van vaste grootte (BESTAND.c0, BESTAND.c1, ...)
en voegt zo’n reeks delen weer samen tot het bestand, in een venster.

Met BESTAND opent het venster met dat bestand als bron; een deel (NAAM.cN)
stelt het basispad van zijn reeks, NAAM, voor als doel. Een BESTAND dat geen
bestaand gewoon bestand is, geeft een pieptoon en beëindigt het programma met
afsluitcode 1, zonder venster. Als er twee of meer bestanden worden opgegeven,
worden ze allemaal genegeerd.

  -h, --help     deze hulptekst tonen en afsluiten
      --version  de naam en versie van het programma tonen en afsluiten
      --         einde van de opties: wat volgt is BESTAND, ook als het met
                 een streepje begint

De eigen opties van de grafische bibliotheek, zoals -style NAAM, mogen vóór
BESTAND staan.

Handleiding:  %1
Instellingen: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: kan het venster niet openen – geen grafisch beeldscherm beschikbaar</translation>
    </message>
</context>
</TS>
