<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Tietoja Velkarosta</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaron logo</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Tiedosto jaettuna neljäksi osaksi, c0–c3, ja sanat split ja join; alla Velkaro, tekijänä Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Jaa tiedosto kiinteän kokoisiksi osiksi ja kokoa ne takaisin</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro jakaa tiedoston sarjaksi pienempiä kiinteän kokoisia tiedostoja, joita kutsutaan osiksi (NAME.c0, NAME.c1, ...), jotta sen voi siirtää pienillä tallennusvälineillä tai kanavia pitkin, jotka rajoittavat tiedoston kokoa, ja kokoaa tällaisen sarjan takaisin tiedostoksi tavu tavulta.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Osa sisältää vain tiedoston raakatavut eikä mitään muuta, joten sarjan voi koota millä tahansa muullakin työkalulla. Velkaro ilmoittaa onnistumisesta vasta, kun jokainen sen kirjoittama tavu on levyllä.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Se ei pakkaa, salaa eikä tarkista tiedostoja.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Ikkuna, kun lähteenä on sarjan osa</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>jaa;pilko;yhdistä;kokoa;osa;pala</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Jaa ja kokoa</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>Läh&amp;de -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Kohde -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Avaa</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Talle&amp;nna</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Jakamisen asetukset</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>O&amp;san koko -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Osan koko</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>t (tavua)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>kt (kilotavua)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>Mt (megatavua)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Mittayksikkö</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>T&amp;yhjennä</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+Y</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Tyhjennä kaikki jakamisen asetukset (palauta)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Jaa</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+J</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Jaa</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>K&amp;okoa</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Kokoa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
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
        <translation>Tietoja...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tietoja...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Käyttöohje</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Käyttöohje</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>Toi&amp;minnot</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>O&amp;hje</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Osan koko</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Yksikkö</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Virheellinen lähde!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Virheellinen kohde!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Lähde ja kohde ovat päällekkäin!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Kohdeosa on jo olemassa.
Korvataanko se?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Virheellinen osan koko!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Virhe</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Tiedoston jakaminen ei onnistunut!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Virheellinen lähde. Valitse kelvollinen osa, jonka pääte on (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Kohdetiedosto on jo olemassa.
Korvataanko se?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Tiedoston kokoaminen ei onnistunut!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Selainta ei löytynyt</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Selainta ei voitu käynnistää kohteelle ”%1”</translation>
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
        <translation>Käyttö: velkaro [VALITSIN] [TIEDOSTO]
Jakaa tiedoston kiinteän kokoisiksi osiksi (TIEDOSTO.c0, TIEDOSTO.c1, ...)
ja kokoaa tällaisen osasarjan takaisin tiedostoksi, ikkunassa.

Kun TIEDOSTO annetaan, se on ikkunan avautuessa lähteenä; osa (NIMI.cN)
ehdottaa kohteeksi sarjansa peruspolkua, NIMI. Jos TIEDOSTO ei ole olemassa
oleva tavallinen tiedosto, kuuluu äänimerkki ja ohjelma päättyy ilman ikkunaa
paluuarvolla 1. Jos annetaan kaksi tiedostoa tai useampia, mitään niistä ei
huomioida.

  -h, --help     näytä tämä ohje ja lopeta
      --version  näytä ohjelman nimi ja versio ja lopeta
      --         valitsimien loppu: sitä seuraava on TIEDOSTO, vaikka se
                 alkaisi viivalla

Käyttöliittymäkirjaston omat valitsimet, kuten -style NIMI, voivat olla ennen
TIEDOSTOA.

Käyttöohje: %1
Asetukset:  %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: ikkunaa ei voi avata, graafista näyttöä ei ole käytettävissä</translation>
    </message>
</context>
</TS>
