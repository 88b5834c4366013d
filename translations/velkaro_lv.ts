<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Par Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro logotips</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Datne, sadalīta četrās daļās no c0 līdz c3, ar vārdiem split un join; zem tās Velkaro no Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Sadalīt datni fiksēta izmēra daļās un apvienot tās atpakaļ</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro sadala vienu datni mazāku fiksēta izmēra datņu sērijā, ko sauc par daļām (NAME.c0, NAME.c1, ...), lai to pārnestu uz maziem datu nesējiem vai pa kanāliem, kas ierobežo datnes izmēru, un apvieno šādu sēriju atpakaļ datnē baitu pa baitam.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Daļa satur tikai datnes neapstrādātos baitus un neko citu, tāpēc sēriju var apvienot arī jebkurš cits rīks. Velkaro ziņo par panākumiem tikai tad, kad katrs ierakstītais baits ir diskā.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Tas nesaspiež, nešifrē un nepārbauda datnes.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Logs, atvērts ar sērijas daļu kā avotu</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>sadalīt;apvienot;griezt;daļa;gabals</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Sadalīt un apvienot</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Avots -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Mērķis -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;tvērt</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atvērt</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Saglabāt</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Sadalīšanas opcijas</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Daļas &amp;izmērs -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Daļas izmērs</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (baiti)</translation>
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
        <translation>Mērvienība</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Attī&amp;rīt</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Attīrīt visas sadalīšanas opcijas (atiestatīt)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Sada&amp;līt</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Sadalīt</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Ap&amp;vienot</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Apvienot</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>I&amp;ziet</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+Z</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iziet</translation>
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
        <translation>Par...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Par...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Rokasgrāmata</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Rokasgrāmata</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datne</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>Dar&amp;bības</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Avots</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mērķis</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Daļas izmērs</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Mērvienība</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Attīrīt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Brīdinājums</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Nederīgs avots!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Nederīgs mērķis!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Avots un mērķis pārklājas!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Mērķa daļa jau eksistē.
Vai vēlaties to pārrakstīt?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Nederīgs daļas izmērs!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Kļūda</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Neizdevās sadalīt datni!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Nederīgs avots. Lūdzu, izvēlieties derīgu daļu ar paplašinājumu (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Mērķa datne jau eksistē.
Vai vēlaties to pārrakstīt?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Neizdevās apvienot datni!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Pārlūks nav atrasts</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Neizdevās palaist pārlūku, lai atvērtu “%1”</translation>
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
        <translation>Lietošana: velkaro [OPCIJA] [DATNE]
Sadala datni fiksēta izmēra daļās (DATNE.c0, DATNE.c1, ...) un apvieno šādu
daļu sēriju atpakaļ datnē, logā.

Ar DATNI logs atveras ar to kā avotu; daļa (NOSAUKUMS.cN) piedāvā kā mērķi
savas sērijas bāzes ceļu, NOSAUKUMS. Ja DATNE nav eksistējoša parasta datne,
atskan skaņas signāls un programma beidz darbu ar izejas kodu 1, neatverot
logu. Ja norādītas divas vai vairāk datnes, visas tiek ignorētas.

  -h, --help     parādīt šo palīdzību un iziet
      --version  parādīt programmas nosaukumu un versiju un iziet
      --         opciju beigas: tas, kas seko, ir DATNE, pat ja tas sākas ar
                 domuzīmi

Grafiskās bibliotēkas pašas opcijas, piemēram, -style NOSAUKUMS, var būt pirms
DATNES.

Rokasgrāmata: %1
Iestatījumi:  %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: nevar atvērt logu — nav pieejams grafiskais displejs</translation>
    </message>
</context>
</TS>
