<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>À propos de Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logo de Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Un fichier découpé en quatre morceaux, de c0 à c3, avec les mots split et join ; en dessous, Velkaro, par Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Découper un fichier en morceaux de taille fixe et le reconstituer</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro découpe un fichier en une série de fichiers plus petits de taille fixe, appelés morceaux (NAME.c0, NAME.c1, …), pour le transporter sur de petits supports ou par des canaux qui limitent la taille d’un fichier, et reconstitue le fichier à partir d’une telle série, octet par octet.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Un morceau ne contient que les octets bruts du fichier, rien d’autre&#xa0;: n’importe quel autre outil peut donc aussi reconstituer une série. Velkaro ne signale la réussite que lorsque chaque octet écrit est sur le disque.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Il ne compresse, ne chiffre ni ne vérifie les fichiers.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>La fenêtre, ouverte avec un morceau d’une série comme source</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>découper;scinder;joindre;reconstituer;morceau;fragment</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Découper &amp;&amp; reconstituer</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>So&amp;urce -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Destination --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Options de découpage</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Taille des &amp;morceaux -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Taille des morceaux</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>o (octets)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>Ko (kilo)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>Mo (méga)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Unité de mesure</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Réi&amp;nitialiser</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Réinitialiser toutes les options de découpage</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Dé&amp;couper</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Reconstituer</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Reconstituer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+Q</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
        <translation>À propos…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>O&amp;pérations</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Taille des morceaux</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Source non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Destination non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>La source et la destination se chevauchent&#xa0;!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Le morceau de destination existe déjà.
Faut-il le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Taille de morceau non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Impossible de découper le fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Source non valide&#xa0;: veuillez choisir un morceau valide, avec une extension (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Le fichier de destination existe déjà.
Faut-il le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Impossible de reconstituer le fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Navigateur introuvable</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Impossible de lancer un navigateur pour «&#xa0;%1&#xa0;»</translation>
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
        <translation>Utilisation : velkaro [OPTION] [FICHIER]
Découpe un fichier en morceaux de taille fixe (FICHIER.c0, FICHIER.c1, …) et
reconstitue le fichier à partir d’une telle série de morceaux, dans une fenêtre.

Avec FICHIER, la fenêtre s’ouvre avec celui-ci comme source ; un morceau
(NOM.cN) propose comme destination le chemin de base de sa série, NOM. Un
FICHIER qui n’est pas un fichier ordinaire existant fait retentir le signal
sonore et termine le programme avec le code de sortie 1, sans fenêtre. Deux
fichiers ou plus sont ignorés.

  -h, --help     afficher cette aide et quitter
      --version  afficher le nom et la version du programme et quitter
      --         fin des options : ce qui suit est FICHIER, même s’il commence
                 par un tiret

Les options propres à la bibliothèque graphique, comme -style NOM, peuvent
précéder FICHIER.

Manuel :     %1
Paramètres : %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro&#xa0;: impossible d&apos;ouvrir la fenêtre, aucun affichage graphique disponible</translation>
    </message>
</context>
</TS>
