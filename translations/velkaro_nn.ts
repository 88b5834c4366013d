<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Om Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro-logo</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Ei fil delt opp i fire delar, c0 til c3, med orda split og join; under står Velkaro, frå Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Del opp ei fil i delar av fast storleik og set dei saman igjen</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro deler opp ei fil i ei rekkje mindre filer av fast storleik, kalla delar (NAME.c0, NAME.c1, ...), slik at ho kan flyttast på små lagringsmedium eller gjennom kanalar som avgrensar storleiken på ei fil, og set ei slik rekkje saman til fila igjen, byte for byte.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Ein del inneheld berre dei rå bytane frå fila og ingenting anna, så alle andre verktøy kan òg setja saman ei rekkje. Velkaro melder suksess først når kvar byte han skreiv, er på disken.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Han komprimerer, krypterer og kontrollerer ikkje filer.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Vindauget, starta med ein del av ei rekkje som kjelde</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>dela;setja saman;kutta;del;bit</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Dela opp og setja saman</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Kjelde -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Mål -----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Opna</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Opna</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Lagra</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagra</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Innstillingar for oppdeling</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Delsto&amp;rleik -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Delstorleik</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (byte)</translation>
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
        <translation>Måleeining</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Tøm</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Tøm alle innstillingar for oppdeling (nullstill)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Dela opp</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dela opp</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Setja saman</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Setja saman</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
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
        <translation>Om …</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om …</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbok</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbok</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>Ha&amp;ndlingar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kjelde</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Delstorleik</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eining</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Åtvaring</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Ugyldig kjelde!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Ugyldig mål!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Kjelda og målet overlappar kvarandre!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Måldelen finst frå før.
Vil du skriva over han?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Ugyldig delstorleik!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Klarte ikkje å dela opp fila!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Ugyldig kjelde. Vel ein gyldig del med filendinga (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Målfila finst frå før.
Vil du skriva over ho?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Klarte ikkje å setja saman fila!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Fann ingen nettlesar</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Klarte ikkje å starta ein nettlesar for «%1»</translation>
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
        <translation>Bruk: velkaro [VAL] [FIL]
Deler opp ei fil i delar av fast storleik (FIL.c0, FIL.c1, ...) og set ei
slik rekkje delar saman til fila igjen, i eit vindauge.

Med FIL opnar vindauget med henne som kjelde; ein del (NAMN.cN) føreslår
grunnstigen til rekkja si, NAMN, som mål. Er FIL ikkje ei vanleg fil som finst,
høyrest eit pip, og programmet vert avslutta med avslutningskode 1, utan
vindauge. Er det gjeve to eller fleire filer, vert alle ignorerte.

  -h, --help     vis denne hjelpa og avslutt
      --version  vis namnet og versjonen til programmet og avslutt
      --         slutt på vala: det som følgjer, er FIL, sjølv om det byrjar
                 med ein bindestrek

Vala til sjølve det grafiske biblioteket, til dømes -style NAMN, kan stå før
FIL.

Handbok:       %1
Innstillingar: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: kan ikkje opna vindauget – ingen grafisk skjerm er tilgjengeleg</translation>
    </message>
</context>
</TS>
