<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>O programu Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logotip programa Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Datoteka podijeljena u četiri dijela, od c0 do c3, s riječima split i join; ispod Velkaro, tvrtke Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Podijeli datoteku u dijelove fiksne veličine i spoji ih natrag</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro dijeli jednu datoteku u niz manjih datoteka fiksne veličine, nazvanih dijelovi (NAME.c0, NAME.c1, ...), kako bi se prenijela na malim medijima ili kanalima koji ograničavaju veličinu datoteke, i spaja takav niz natrag u datoteku, bajt po bajt.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Dio sadrži samo sirove bajtove datoteke i ništa drugo, pa niz može spojiti i bilo koji drugi alat. Velkaro javlja uspjeh tek kad je svaki zapisani bajt na disku.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Ne sažima, ne šifrira i ne provjerava datoteke.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Prozor, pokrenut s dijelom niza kao izvorom</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>podijeli;spoji;reži;dio;komad</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Podijeli i spoji</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Izvor -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>Od&amp;redište --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvori</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Spremi</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opcije dijeljenja</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Veličina dijela -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Veličina dijela</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (bajtovi)</translation>
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
        <translation>Mjerna jedinica</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Iz&amp;briši</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Izbriši sve opcije dijeljenja (vrati zadane)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Podij&amp;eli</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podijeli</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Spo&amp;ji</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+J</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Spoji</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Iz&amp;ađi</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izađi</translation>
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
        <translation>O programu...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Priručnik</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Priručnik</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>Rad&amp;nje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Izvor</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Odredište</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Veličina dijela</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jedinica</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Neispravan izvor!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Neispravno odredište!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Izvor i odredište se preklapaju!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Odredišni dio već postoji.
Želiš li ga prepisati?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Neispravna veličina dijela!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Greška</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Nije moguće podijeliti datoteku!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Neispravan izvor. Odaberi ispravan dio s nastavkom (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Odredišna datoteka već postoji.
Želiš li je prepisati?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Nije moguće spojiti datoteku!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Preglednik nije pronađen</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Nije moguće pokrenuti preglednik za „%1”</translation>
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
        <translation>Upotreba: velkaro [OPCIJA] [DATOTEKA]
Dijeli datoteku u dijelove fiksne veličine (DATOTEKA.c0, DATOTEKA.c1, ...) i
spaja takav niz dijelova natrag u datoteku, u prozoru.

S DATOTEKOM se prozor otvara s njom kao izvorom; dio (IME.cN) predlaže kao
odredište osnovnu putanju svojeg niza, IME. Ako DATOTEKA nije postojeća obična
datoteka, program ispušta zvučni signal i završava s izlaznim kodom 1, bez
prozora. Ako su zadane dvije ili više datoteka, sve se zanemaruju.

  -h, --help     prikaži ovu pomoć i izađi
      --version  prikaži ime i verziju programa i izađi
      --         kraj opcija: ono što slijedi je DATOTEKA, čak i ako počinje
                 crticom

Vlastite opcije grafičke biblioteke, poput -style IME, mogu stajati ispred
DATOTEKE.

Priručnik: %1
Postavke:  %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: prozor se ne može otvoriti – nema dostupnog grafičkog zaslona</translation>
    </message>
</context>
</TS>
