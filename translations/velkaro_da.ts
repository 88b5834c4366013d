<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
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
        <translation>En fil opdelt i fire dele, c0 til c3, med ordene split og join; nedenunder Velkaro fra Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Opdel en fil i dele af fast størrelse, og saml dem igen</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro opdeler en fil i en række mindre filer af fast størrelse, kaldet dele (NAME.c0, NAME.c1, ...), så den kan bringes på små medier eller gennem kanaler, der begrænser en fils størrelse, og samler en sådan række til filen igen, byte for byte.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>En del indeholder kun filens rå bytes og intet andet, så ethvert andet værktøj kan også samle en række. Velkaro melder først succes, når hver byte, den skrev, er på disken.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Den komprimerer, krypterer og kontrollerer ikke filer.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Vinduet, startet med en del af en række som kilde</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>opdel;saml;del;sammenføj;stykke;bid</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Opdel og saml</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Kilde -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Destination --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Åbn</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+Å</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Indstillinger for opdeling</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Dels&amp;tørrelse -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Delstørrelse</translation>
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
        <translation>Måleenhed</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Ryd</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Ryd alle indstillinger for opdeling (nulstil)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Opde&amp;l</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Opdel</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Saml</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Saml</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
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
        <translation>Om...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Vejledning</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Vejledning</translation>
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
        <translation>Ha&amp;ndlinger</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kilde</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Delstørrelse</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhed</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ryd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Ugyldig kilde!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Ugyldig destination!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Kilde og destination overlapper hinanden!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Destinationsdelen findes allerede.
Vil du overskrive den?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Ugyldig delstørrelse!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Filen kunne ikke opdeles!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Ugyldig kilde. Vælg en gyldig del med filendelsen (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Destinationsfilen findes allerede.
Vil du overskrive den?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Filen kunne ikke samles!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Ingen browser fundet</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Kunne ikke starte en browser til »%1«</translation>
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
        <translation>Brug: velkaro [TILVALG] [FIL]
Opdeler en fil i dele af fast størrelse (FIL.c0, FIL.c1, ...) og samler en
sådan række dele til filen igen, i et vindue.

Med FIL åbner vinduet med den som kilde; en del (NAVN.cN) foreslår sin rækkes
basissti, NAVN, som destination. Er FIL ikke en eksisterende almindelig fil,
lyder et bip, og programmet afsluttes med afslutningskode 1 uden vindue.
Angives to eller flere filer, ignoreres de alle.

  -h, --help     vis denne hjælp og afslut
      --version  vis programmets navn og version og afslut
      --         slut på tilvalg: det, der følger, er FIL, også hvis det
                 begynder med en bindestreg

Qt-bibliotekets egne tilvalg, såsom -style NAVN, kan stå før FIL.

Vejledning:    %1
Indstillinger: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: vinduet kan ikke åbnes – ingen grafisk skærm tilgængelig</translation>
    </message>
</context>
</TS>
