<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Quant al Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logotip del Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Un fitxer dividit en quatre trossos, de c0 a c3, amb les paraules split i join; a sota, Velkaro, d’Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Divideix un fitxer en trossos de mida fixa i torna a unir-los</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>El Velkaro divideix un fitxer en una sèrie de fitxers més petits de mida fixa, anomenats trossos (NAME.c0, NAME.c1, ...), per dur-lo en suports petits o per canals que limiten la mida d’un fitxer, i reconstrueix el fitxer a partir d’una sèrie així, byte a byte.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Un tros només conté els bytes en brut del fitxer i res més, de manera que qualsevol altra eina també pot unir una sèrie. El Velkaro només indica l’èxit quan cada byte que ha escrit és al disc.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>No comprimeix, xifra ni comprova fitxers.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>La finestra, oberta amb un tros d’una sèrie com a origen</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>dividir;unir;tallar;reconstruir;tros;fragment</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Divideix i reconstrueix</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Origen -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Destinació --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>O&amp;bre</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Obre</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>D&amp;esa</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opcions de divisió</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Mida del tros -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Mida del tros</translation>
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
        <translation>Unitat de mesura</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Neteja</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Restableix totes les opcions de divisió</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Di&amp;videix</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Divideix</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Reconstrueix</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Reconstrueix</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
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
        <translation>Quant a...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Quant a...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>O&amp;peracions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinació</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Mida del tros</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unitat</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Neteja</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avís</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>L’origen no és vàlid!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>La destinació no és vàlida!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>L’origen i la destinació se superposen!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>El tros de destinació ja existeix.
El voleu sobreescriure?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>La mida del tros no és vàlida!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>No s’ha pogut dividir el fitxer!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>L’origen no és vàlid; seleccioneu un tros vàlid, amb una extensió (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>El fitxer de destinació ja existeix.
El voleu sobreescriure?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>No s’ha pogut reconstruir el fitxer!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>No s’ha trobat cap navegador</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>No s’ha pogut iniciar un navegador per a «%1»</translation>
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
        <translation>Ús: velkaro [OPCIÓ] [FITXER]
Divideix un fitxer en trossos de mida fixa (FITXER.c0, FITXER.c1, ...) i
reconstrueix el fitxer a partir d’una sèrie de trossos com aquesta, en una
finestra.

Amb FITXER, la finestra s’obre amb aquest fitxer com a origen; un tros (NOM.cN)
proposa com a destinació el camí base de la seva sèrie, NOM. Un FITXER que no
és un fitxer normal existent emet un senyal acústic i acaba el programa amb el
codi de sortida 1, sense finestra. Si s’indiquen dos fitxers o més, s’ignoren
tots.

  -h, --help     mostra aquesta ajuda i surt
      --version  mostra el nom i la versió del programa i surt
      --         final de les opcions: el que segueix és FITXER, encara que
                 comenci amb un guió

Les opcions pròpies de la biblioteca gràfica, com ara -style NOM, poden anar
abans de FITXER.

Manual:     %1
Paràmetres: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: no es pot obrir la finestra, no hi ha cap pantalla gràfica disponible</translation>
    </message>
</context>
</TS>
