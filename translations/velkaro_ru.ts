<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>О программе Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Логотип Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Файл, разделённый на четыре части, от c0 до c3, со словами split и join; под ним Velkaro от Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Разделение файла на части фиксированного размера и обратная сборка</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro разделяет файл на серию меньших файлов фиксированного размера, называемых частями (NAME.c0, NAME.c1, ...), чтобы перенести его на небольших носителях или по каналам, ограничивающим размер файла, и собирает такую серию обратно в файл байт в байт.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Часть содержит только необработанные байты файла и ничего больше, поэтому собрать серию может и любая другая программа. Velkaro сообщает об успехе, только когда каждый записанный им байт находится на диске.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Он не сжимает, не шифрует и не проверяет файлы.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Окно, открытое с частью серии в качестве источника</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>разделить;собрать;разрезать;объединить;часть;кусок</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Разделение и сборка</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Источник -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Место назначения --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>От&amp;крыть</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+К</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+Х</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Параметры разделения</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Размер части -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Размер части</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>Б (байт)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>КБ (килобайт)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>МБ (мегабайт)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Единицы измерения</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+Ч</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Сбросить все параметры разделения</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Ра&amp;зделить</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+З</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Со&amp;брать</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+Б</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Собрать</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+В</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
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
        <translation>О программе...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Операции</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Место назначения</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Размер части</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица измерения</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Недопустимый источник!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Недопустимое место назначения!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Источник и назначение пересекаются!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>В месте назначения уже есть часть.
Перезаписать её?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Недопустимый размер части!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Не удалось разделить файл!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Недопустимый источник. Выберите допустимую часть с расширением (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Целевой файл уже существует.
Перезаписать его?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Не удалось собрать файл!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Браузер не найден</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Не удалось запустить браузер для «%1»</translation>
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
        <translation>Использование: velkaro [ПАРАМЕТР] [ФАЙЛ]
Разделяет файл на части фиксированного размера (ФАЙЛ.c0, ФАЙЛ.c1, ...) и
собирает такую серию частей обратно в файл, в окне.

Если указан ФАЙЛ, окно открывается с ним в качестве источника; часть (ИМЯ.cN)
предлагает в качестве назначения базовый путь своей серии, ИМЯ. Если ФАЙЛ не
является существующим обычным файлом, звучит сигнал и программа завершается
с кодом выхода 1, не открывая окна. Два файла и более игнорируются.

  -h, --help     показать эту справку и выйти
      --version  показать название и версию программы и выйти
      --         конец параметров: всё, что следует дальше, — ФАЙЛ, даже если
                 он начинается с дефиса

Собственные параметры графической библиотеки, например -style ИМЯ, могут
стоять перед ФАЙЛОМ.

Руководство: %1
Настройки:   %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: нет дисплея, на котором можно открыть окно</translation>
    </message>
</context>
</TS>
