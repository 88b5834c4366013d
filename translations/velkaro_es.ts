<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Acerca de Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logotipo de Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Un archivo dividido en cuatro fragmentos, de c0 a c3, con las palabras split y join; debajo, Velkaro, de Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Dividir un archivo en fragmentos de tamaño fijo y reconstruirlo</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro divide un archivo en una serie de archivos más pequeños de tamaño fijo, llamados fragmentos (NAME.c0, NAME.c1, ...), para llevarlo en soportes pequeños o por canales que limitan el tamaño de un archivo, y reconstruye el archivo a partir de esa serie, byte a byte.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Un fragmento contiene solo los bytes en bruto del archivo y nada más, así que cualquier otra herramienta también puede unir una serie. Velkaro solo indica el éxito cuando cada byte que ha escrito está en el disco.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>No comprime, cifra ni comprueba archivos.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>La ventana, abierta con un fragmento de una serie como origen</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>dividir;unir;cortar;reconstruir;fragmento;trozo</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Dividir &amp;&amp; reconstruir</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Origen -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Destino --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opciones de división</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Tamaño de &amp;fragmento -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Tamaño de fragmento</translation>
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
        <translation>Unidad de medida</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Restable&amp;cer</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Restablecer todas las opciones de división</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Di&amp;vidir</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Reconstruir</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Reconstruir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
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
        <translation>Acerca de…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de…</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>O&amp;peraciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Tamaño de fragmento</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>¡Origen no válido!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>¡Destino no válido!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>¡El origen y el destino se solapan!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>El fragmento de destino ya existe.
¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>¡Tamaño de fragmento no válido!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>¡No se pudo dividir el archivo!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Origen no válido; seleccione un fragmento válido con una extensión (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>El archivo de destino ya existe.
¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>¡No se pudo reconstruir el archivo!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>No se encontró ningún navegador</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>No se pudo abrir un navegador para «%1»</translation>
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
        <translation>Uso: velkaro [OPCIÓN] [ARCHIVO]
Divide un archivo en fragmentos de tamaño fijo (ARCHIVO.c0, ARCHIVO.c1, ...) y
reconstruye el archivo a partir de una serie de fragmentos así, en una ventana.

Con ARCHIVO, la ventana se abre con él como origen; un fragmento (NOMBRE.cN)
propone como destino la ruta base de su serie, NOMBRE. Un ARCHIVO que no es
un archivo regular existente emite un pitido y termina el programa con el
código de salida 1, sin ventana. Si se indican dos o más archivos, se ignoran.

  -h, --help     muestra esta ayuda y termina
      --version  muestra el nombre y la versión del programa y termina
      --         fin de las opciones: lo que sigue es ARCHIVO, aunque empiece
                 por un guion

Las opciones propias de la biblioteca gráfica, como -style NOMBRE, pueden ir
antes de ARCHIVO.

Manual:         %1
Configuración:  %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: no hay ninguna pantalla en la que abrir la ventana</translation>
    </message>
</context>
</TS>
