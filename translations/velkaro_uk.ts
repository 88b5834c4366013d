<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Про Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Логотип Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Файл, розділений на чотири частини, від c0 до c3, зі словами split і join; під ним Velkaro від Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Розділення файлу на частини фіксованого розміру і зворотне збирання</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro розділяє файл на серію менших файлів фіксованого розміру, які називаються частинами (NAME.c0, NAME.c1, ...), щоб перенести його на невеликих носіях або каналами, що обмежують розмір файлу, і збирає таку серію назад у файл байт у байт.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Частина містить лише необроблені байти файлу і нічого більше, тож зібрати серію може й будь-яка інша програма. Velkaro повідомляє про успіх, лише коли кожен записаний ним байт є на диску.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Він не стискає, не шифрує і не перевіряє файли.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Вікно, відкрите з частиною серії як джерелом</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>розділити;зібрати;розрізати;об’єднати;частина;шматок</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Розділення і збирання</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>Д&amp;жерело -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Призначення --&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+В</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+З</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Параметри розділення</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Роз&amp;мір частини -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Розмір частини</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>Б (байти)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>КБ (кіло)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>МБ (мега)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Одиниці виміру</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>О&amp;чистити</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+Ч</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Очистити всі параметри розділення (скинути)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Розділити</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+Р</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Розділити</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Зі&amp;брати</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+Б</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Зібрати</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+Х</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
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
        <translation>Про програму...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>П&amp;ро програму...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Посібник</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Посібник</translation>
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
        <translation>&amp;Операції</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Джерело</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Призначення</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Розмір частини</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Одиниця виміру</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Некоректне джерело!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Некоректне призначення!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Джерело і призначення перекриваються!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Частина призначення вже існує.
Перезаписати її?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Некоректний розмір частини!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Не вдалося розділити файл!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Некоректне джерело. Виберіть коректну частину з розширенням (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Файл призначення вже існує.
Перезаписати його?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Не вдалося зібрати файл!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Не знайдено браузера</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Не вдалося запустити браузер для «%1»</translation>
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
        <translation>Використання: velkaro [ПАРАМЕТР] [ФАЙЛ]
Розділяє файл на частини фіксованого розміру (ФАЙЛ.c0, ФАЙЛ.c1, ...) і збирає
таку серію частин назад у файл, у вікні.

Якщо вказано ФАЙЛ, вікно відкривається з ним як джерелом; частина (НАЗВА.cN)
пропонує як призначення базовий шлях своєї серії, НАЗВА. Якщо ФАЙЛ не є наявним
звичайним файлом, лунає звуковий сигнал і програма завершує роботу з кодом
виходу 1, не відкриваючи вікна. Якщо вказано два або більше файлів, усі вони
ігноруються.

  -h, --help     показати цю довідку і вийти
      --version  показати назву і версію програми і вийти
      --         кінець параметрів: усе, що далі, — ФАЙЛ, навіть якщо він
                 починається з дефіса

Власні параметри графічної бібліотеки, наприклад -style НАЗВА, можуть стояти
перед ФАЙЛОМ.

Посібник:     %1
Налаштування: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: не вдалося відкрити вікно – немає доступного графічного дисплея</translation>
    </message>
</context>
</TS>
