<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Относно Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Логото на Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Файл, разделен на четири части, от c0 до c3, с думите split и join; под него Velkaro от Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Разделяне на файл на части с фиксиран размер и обратното им сглобяване</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro разделя един файл на поредица от по-малки файлове с фиксиран размер, наречени части (NAME.c0, NAME.c1, ...), за да бъде пренесен на малки носители или по канали, които ограничават размера на файла, и сглобява такава поредица обратно във файла, байт по байт.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Частта съдържа само суровите байтове на файла и нищо друго, така че всеки друг инструмент също може да сглоби поредицата. Velkaro съобщава за успех едва когато всеки записан байт е на диска.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Не компресира, не шифрова и не проверява файлове.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Прозорецът, отворен с част от поредица като източник</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>разделяне;сглобяване;съединяване;рязане;част;парче</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Разделяне и сглобяване</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Източник -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Местоназначение -&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Отваряне</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+О</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отваряне</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Запазване</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+З</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запазване</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Настройки за разделяне</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Размер на частта -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Размер на частта</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>Б (байтове)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>КБ (кило)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>МБ (мега)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Мерни единици</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Из&amp;чистване</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+Ч</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Изчистване на всички настройки за разделяне (нулиране)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Разде&amp;ляне</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+Л</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделяне</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Сглобяване</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+С</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Сглобяване</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Из&amp;ход</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+Х</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
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
        <translation>Относно...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Относно...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ръководство</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Ръководство</translation>
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
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Източник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Местоназначение</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Размер на частта</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Мерна единица</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Изчистване</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Невалиден източник!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Невалидно местоназначение!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Източникът и местоназначението се припокриват!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Частта в местоназначението вече съществува.
Да бъде ли презаписана?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Невалиден размер на частта!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Файлът не може да бъде разделен!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Невалиден източник. Изберете валидна част с разширение (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Файлът в местоназначението вече съществува.
Да бъде ли презаписан?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Файлът не може да бъде сглобен!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Не е намерен браузър</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Не може да бъде стартиран браузър за „%1“</translation>
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
        <translation>Употреба: velkaro [ОПЦИЯ] [ФАЙЛ]
Разделя файл на части с фиксиран размер (ФАЙЛ.c0, ФАЙЛ.c1, ...) и сглобява
такава поредица от части обратно във файла, в прозорец.

С ФАЙЛ прозорецът се отваря с него като източник; част (ИМЕ.cN) предлага за
местоназначение основния път на поредицата си, ИМЕ. Ако ФАЙЛ не е съществуващ
обикновен файл, прозвучава звуков сигнал и програмата завършва с изходен код 1,
без прозорец. Ако са зададени два или повече файла, всички се пренебрегват.

  -h, --help     извеждане на тази помощ и изход
      --version  извеждане на името и версията на програмата и изход
      --         край на опциите: каквото следва, е ФАЙЛ, дори да започва
                 с тире

Собствените опции на графичната библиотека, например -style ИМЕ, могат да
стоят преди ФАЙЛ.

Ръководство: %1
Настройки:   %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: прозорецът не може да се отвори – няма достъпен графичен дисплей</translation>
    </message>
</context>
</TS>
