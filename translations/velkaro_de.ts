<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Über Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro-Logo</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Eine Datei, geteilt in die vier Teile c0 bis c3, mit den Wörtern split und join; darunter Velkaro von Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Eine Datei in Teile fester Größe teilen und wieder zusammenfügen</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro teilt eine Datei in eine Reihe kleinerer Dateien fester Größe, Teile genannt (NAME.c0, NAME.c1, ...), um sie auf kleinen Datenträgern oder über Wege zu bringen, die die Größe einer Datei begrenzen, und fügt eine solche Reihe Byte für Byte wieder zur Datei zusammen.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Ein Teil enthält nur die rohen Bytes der Datei und sonst nichts, daher kann auch jedes andere Werkzeug eine Reihe zusammenfügen. Velkaro meldet Erfolg erst, wenn jedes geschriebene Byte auf dem Datenträger ist.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Es komprimiert, verschlüsselt und prüft keine Dateien.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Das Fenster, gestartet mit einem Teil einer Reihe als Quelle</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>teilen;zusammenfügen;aufteilen;zerlegen;Teil;Stück</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Teilen &amp;&amp; Zusammenfügen</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Quelle -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Ziel ----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Optionen zum Teilen</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Tei&amp;lgröße -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Teilgröße</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (Byte)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (Kilo)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (Mega)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Maßeinheit</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Alle Optionen zum Teilen zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Teilen</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Z&amp;usammenfügen</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+U</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>Über Velkaro…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Velkaro…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Teilgröße</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Ungültige Quelle!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Ungültiges Ziel!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Quelle und Ziel überschneiden sich!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Am Ziel ist bereits ein Teil vorhanden.
Soll es überschrieben werden?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Ungültige Teilgröße!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Die Datei konnte nicht geteilt werden!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Ungültige Quelle. Bitte wählen Sie ein gültiges Teil mit der Endung (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Die Zieldatei ist bereits vorhanden.
Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Die Datei konnte nicht zusammengefügt werden!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Kein Browser gefunden</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Für „%1“ konnte kein Browser gestartet werden</translation>
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
        <translation>Aufruf: velkaro [OPTION] [DATEI]
Teilt eine Datei in Teile fester Größe (DATEI.c0, DATEI.c1, ...) und fügt
eine solche Reihe von Teilen wieder zur Datei zusammen, in einem Fenster.

Mit DATEI öffnet sich das Fenster mit ihr als Quelle; ein Teil (NAME.cN)
schlägt den Basispfad seiner Reihe, NAME, als Ziel vor. Ist DATEI keine
vorhandene reguläre Datei, ertönt der Signalton, und das Programm endet ohne
Fenster mit dem Rückgabewert 1. Zwei oder mehr Dateien werden ignoriert.

  -h, --help     diese Hilfe anzeigen und beenden
      --version  Namen und Version des Programms anzeigen und beenden
      --         Ende der Optionen: was folgt, ist DATEI, auch wenn es mit
                 einem Bindestrich beginnt

Die Optionen der Qt-Bibliothek, etwa -style NAME, dürfen vor DATEI stehen.

Handbuch:      %1
Einstellungen: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: Fenster kann nicht geöffnet werden – keine grafische Anzeige verfügbar</translation>
    </message>
</context>
</TS>
