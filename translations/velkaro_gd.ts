<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Mu dhèidhinn Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Suaicheantas Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Faidhle air a sgoltadh ’na cheithir pìosan, c0 gu c3, leis na faclan split is join; foidhe, Velkaro le Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Sgoilt faidhle ’na phìosan de mheud suidhichte is co-aonaich iad a-rithist</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Sgoiltidh Velkaro faidhle ’na shreath de dh’fhaidhlichean nas lugha de mheud suidhichte ris an canar pìosan (NAME.c0, NAME.c1, ...), airson a ghiùlan air meadhanan beaga no tro shianalan a chuireas crìoch air meud faidhle, agus co-aonaichidh e sreath mar sin ’na fhaidhle a-rithist, baidht air bhaidht.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Chan eil ann am pìos ach baidhtichean amh an fhaidhle is chan eil dad eile ann, mar sin is urrainn do dh’inneal sam bith eile sreath a cho-aonachadh cuideachd. Cha chomharraich Velkaro soirbheas gus am bi gach baidht a sgrìobh e air an diosg.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Cha dèan e dùmhlachadh, crioptachadh no sgrùdadh air faidhlichean.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>An uinneag, air a tòiseachadh le pìos de shreath mar thùs</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>sgoilt;co-aonaich;gearr;pìos;mìr</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Sgoltadh is co-aonachadh</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Tùs -----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Ceann-uidhe --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>F&amp;osgail</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Fosgail</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Sàbhail</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sàbhail</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Roghainnean an sgoltaidh</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Meud nam pìosan -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Meud nam pìosan</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (baidht)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (cilo)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (meaga)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Aonad tomhais</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Fa&amp;lamhaich</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Falamhaich gach roghainn sgoltaidh (ath-shuidhich)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Sgo&amp;ilt</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Sgoilt</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Co-&amp;aonaich</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Co-aonaich</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Fàg a&amp;n-seo</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fàg an-seo</translation>
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
        <translation>Mu dhèidhinn...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Mu dhèidhinn...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Leabhar-mìneachaidh</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Leabhar-mìneachaidh</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Faidhle</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Gnìomhan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Cob&amp;hair</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Tùs</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ceann-uidhe</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Meud nam pìosan</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Aonad</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Falamhaich</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Rabhadh</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Tùs mì-dhligheach!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Ceann-uidhe mì-dhligheach!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Tha an tùs is an ceann-uidhe a’ dol thar a chèile!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Tha pìos sa cheann-uidhe ann mu thràth.
A bheil thu airson sgrìobhadh thairis air?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Meud pìos mì-dhligheach!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Mearachd</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Cha b’ urrainn dhuinn am faidhle a sgoltadh!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Tùs mì-dhligheach, tagh pìos dligheach aig a bheil leudachan (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Tha faidhle sa cheann-uidhe ann mu thràth.
A bheil thu airson sgrìobhadh thairis air?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Cha b’ urrainn dhuinn am faidhle a cho-aonachadh!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Cha deach brabhsair a lorg</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Cha b’ urrainn dhuinn brabhsair a chur gu dol airson “%1”</translation>
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
        <translation>Cleachdadh: velkaro [ROGHAINN] [FAIDHLE]
Sgoiltidh e faidhle ’na phìosan de mheud suidhichte (FAIDHLE.c0,
FAIDHLE.c1, ...) agus co-aonaichidh e sreath phìosan mar sin ’na fhaidhle
a-rithist, ann an uinneag.

Le FAIDHLE, fosglaidh an uinneag agus esan ’na thùs; molaidh pìos (AINM.cN)
bun-slighe na sreatha aice, AINM, mar an ceann-uidhe. Mura h-e faidhle
àbhaisteach a tha ann mu thràth a th’ ann am FAIDHLE, seirmidh an clag agus
thèid am prògram a dhùnadh le còd fàgail 1, gun uinneag. Thèid dà fhaidhle no
barrachd a leigeil seachad.

  -h, --help     seall a’ chobhair seo agus fàg an-seo
      --version  seall ainm is tionndadh a’ phrògraim agus fàg an-seo
      --         deireadh nan roghainnean: ’s e FAIDHLE a tha sna leanas, fiù
                 ma thòisicheas e le tàthan

Faodaidh roghainnean an fhrèam-obrach fhèin, mar -style AINM, a thighinn ro
FAIDHLE.

Leabhar-mìneachaidh: %1
Roghainnean:         %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: chan eil uidheam-taisbeanaidh ann airson an uinneag fhosgladh</translation>
    </message>
</context>
</TS>
