<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>O programu Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logo programu Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Soubor rozdělený na čtyři části, c0 až c3, se slovy split a join; pod ním Velkaro od Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Rozdělí soubor na části pevné velikosti a spojí je zpět</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro rozdělí jeden soubor na řadu menších souborů pevné velikosti, nazývaných části (NAME.c0, NAME.c1, ...), aby jej bylo možné přenést na malých médiích nebo kanály, které omezují velikost souboru, a takovou řadu spojí zpět do souboru, bajt po bajtu.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Část obsahuje jen surové bajty souboru a nic jiného, takže řadu může spojit i jakýkoli jiný nástroj. Velkaro ohlásí úspěch teprve tehdy, když je každý zapsaný bajt na disku.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Soubory nekomprimuje, nešifruje ani nekontroluje.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Okno spuštěné s částí řady jako zdrojem</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>rozdělit;spojit;dělit;část;kus</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Rozdělit a spojit</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Zdroj -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Cíl -----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+U</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Volby rozdělení</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Velikost části -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Velikost části</translation>
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
        <translation>Měrná jednotka</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>S&amp;mazat</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Smazat všechny volby rozdělení (obnovit výchozí)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Rozdělit</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Rozdělit</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>S&amp;pojit</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Spojit</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
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
        <translation>Příručka</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Příručka</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Akce</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Velikost části</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Neplatný zdroj!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Neplatný cíl!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Zdroj a cíl se překrývají!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Cílová část již existuje.
Chcete ji přepsat?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Neplatná velikost části!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Soubor nelze rozdělit!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Neplatný zdroj. Vyberte platnou část s příponou (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Cílový soubor již existuje.
Chcete jej přepsat?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Soubor nelze spojit!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Prohlížeč nenalezen</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Pro „%1“ nelze spustit prohlížeč</translation>
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
        <translation>Použití: velkaro [VOLBA] [SOUBOR]
Rozdělí soubor na části pevné velikosti (SOUBOR.c0, SOUBOR.c1, ...) a spojí
takovou řadu částí zpět do souboru, v okně.

Se SOUBOREM se okno otevře s ním jako zdrojem; část (NÁZEV.cN) navrhne jako cíl
základní cestu své řady, NÁZEV. Není-li SOUBOR existující obyčejný soubor,
program vydá zvukový signál a skončí s návratovým kódem 1, bez okna. Jsou-li
zadány dva nebo více souborů, všechny se ignorují.

  -h, --help     vypíše tuto nápovědu a skončí
      --version  vypíše název a verzi programu a skončí
      --         konec voleb: co následuje, je SOUBOR, i když začíná
                 pomlčkou

Vlastní volby grafické knihovny, například -style NÁZEV, mohou stát před
SOUBOREM.

Příručka:  %1
Nastavení: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: okno nelze otevřít – není k dispozici žádný grafický displej</translation>
    </message>
</context>
</TS>
