<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Informazioni su Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logo di Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Un file diviso in quattro parti, da c0 a c3, con le parole split e join; sotto, Velkaro, di Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Dividere un file in parti di dimensione fissa e ricomporlo</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro divide un file in una serie di file più piccoli di dimensione fissa, chiamati parti (NAME.c0, NAME.c1, ...), per portarlo su supporti piccoli o attraverso canali che limitano la dimensione di un file, e ricompone il file da una tale serie, byte per byte.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Una parte contiene solo i byte grezzi del file e nient’altro, quindi anche qualsiasi altro strumento può ricomporre una serie. Velkaro segnala il successo solo quando ogni byte scritto è sul disco.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Non comprime, non cifra e non verifica i file.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>La finestra, aperta con una parte di una serie come origine</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>dividere;unire;tagliare;ricomporre;parte;frammento</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Dividi e ricomponi</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>Ori&amp;gine -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Destinazione --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ap&amp;ri</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opzioni di divisione</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Dimensione delle &amp;parti -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Dimensione delle parti</translation>
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
        <translation>Unità di misura</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+Z</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Azzera tutte le opzioni di divisione</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>D&amp;ividi</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Ri&amp;componi</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Ricomponi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Operazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Dimensione delle parti</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Origine non valida!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Destinazione non valida!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Origine e destinazione si sovrappongono!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>La parte di destinazione esiste già.
Sovrascriverla?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Dimensione delle parti non valida!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Impossibile dividere il file!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Origine non valida: selezionare una parte valida, con estensione (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Il file di destinazione esiste già.
Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Impossibile ricomporre il file!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Browser non trovato</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Impossibile avviare un browser per «%1»</translation>
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
        <translation>Uso: velkaro [OPZIONE] [FILE]
Divide un file in parti di dimensione fissa (FILE.c0, FILE.c1, ...) e
ricompone il file da una tale serie di parti, in una finestra.

Con FILE, la finestra si apre con esso come origine; una parte (NOME.cN)
propone come destinazione il percorso base della sua serie, NOME. Un FILE che
non è un file regolare esistente emette un segnale acustico e termina il
programma con codice di uscita 1, senza finestra. Due o più file vengono
ignorati.

  -h, --help     mostra questo aiuto ed esce
      --version  mostra il nome e la versione del programma ed esce
      --         fine delle opzioni: ciò che segue è FILE, anche se inizia
                 con un trattino

Le opzioni proprie del toolkit grafico, come -style NOME, possono precedere
FILE.

Manuale:      %1
Impostazioni: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: nessuno schermo su cui aprire la finestra</translation>
    </message>
</context>
</TS>
