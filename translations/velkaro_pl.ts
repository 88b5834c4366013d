<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>O programie Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logo programu Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Plik podzielony na cztery części, od c0 do c3, ze słowami split i join; poniżej Velkaro od Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Dzielenie pliku na części o stałym rozmiarze i ich scalanie</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro dzieli jeden plik na serię mniejszych plików o stałym rozmiarze, zwanych częściami (NAME.c0, NAME.c1, ...), aby przenieść go na małych nośnikach lub kanałami ograniczającymi rozmiar pliku, i scala taką serię z powrotem w plik, bajt po bajcie.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Część zawiera wyłącznie surowe bajty pliku i nic więcej, więc serię może scalić także każde inne narzędzie. Velkaro sygnalizuje powodzenie dopiero wtedy, gdy każdy zapisany bajt jest na dysku.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Nie kompresuje, nie szyfruje ani nie sprawdza plików.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Okno uruchomione z częścią serii jako źródłem</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>podziel;scal;połącz;tnij;część;kawałek</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Dzielenie i scalanie</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>Ź&amp;ródło -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>C&amp;el -----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+Z</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opcje dzielenia</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Rozmiar częśc&amp;i -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Rozmiar części</translation>
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
        <translation>Jednostka miary</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Wyczyść wszystkie opcje dzielenia (przywróć domyślne)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>Po&amp;dziel</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Scal</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Scal</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
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
        <translation>O programie…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Podręcznik</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Podręcznik</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>Z&amp;adania</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Rozmiar części</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Nieprawidłowe źródło!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Nieprawidłowy cel!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Źródło i cel nakładają się!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Część docelowa już istnieje.
Czy ją nadpisać?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Nieprawidłowy rozmiar części!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Nie można podzielić pliku!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Nieprawidłowe źródło. Wybierz prawidłową część z rozszerzeniem (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Plik docelowy już istnieje.
Czy go nadpisać?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Nie można scalić pliku!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Nie znaleziono przeglądarki</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Nie można uruchomić przeglądarki dla „%1”</translation>
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
        <translation>Użycie: velkaro [OPCJA] [PLIK]
Dzieli plik na części o stałym rozmiarze (PLIK.c0, PLIK.c1, ...) i scala taką
serię części z powrotem w plik, w oknie.

Z argumentem PLIK okno otwiera się z nim jako źródłem; część (NAZWA.cN)
proponuje jako cel ścieżkę bazową swojej serii, NAZWA. PLIK, który nie jest
istniejącym zwykłym plikiem, powoduje sygnał dźwiękowy i zakończenie programu
z kodem wyjścia 1, bez okna. Jeśli podano dwa pliki lub więcej, wszystkie są
ignorowane.

  -h, --help     wyświetla tę pomoc i kończy działanie
      --version  wyświetla nazwę i wersję programu i kończy działanie
      --         koniec opcji: to, co następuje, jest PLIKIEM, nawet jeśli
                 zaczyna się od myślnika

Własne opcje biblioteki graficznej, takie jak -style NAZWA, mogą poprzedzać
PLIK.

Podręcznik:  %1
Ustawienia:  %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: brak ekranu, na którym można otworzyć okno</translation>
    </message>
</context>
</TS>
