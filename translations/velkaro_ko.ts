<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Velkaro 정보</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro 로고</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>c0부터 c3까지 네 개의 조각으로 나뉜 파일과 split, join이라는 단어, 그 아래에 Ostrevan Software의 Velkaro</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>파일을 고정 크기 조각으로 분할하고 다시 결합합니다</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro는 파일 하나를 조각이라 부르는 고정 크기의 작은 파일 여러 개(NAME.c0, NAME.c1, ...)로 분할하여, 작은 매체에 담거나 파일 크기를 제한하는 경로로 옮길 수 있게 하고, 그러한 조각 묶음을 바이트 단위까지 그대로 원래 파일로 다시 결합합니다.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>조각에는 파일의 원시 바이트만 들어 있고 그 밖에는 아무것도 없으므로, 다른 어떤 도구로도 묶음을 결합할 수 있습니다. Velkaro는 기록한 모든 바이트가 디스크에 저장된 뒤에만 성공을 알립니다.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>파일을 압축하거나 암호화하거나 검사하지 않습니다.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>묶음의 조각 하나를 원본으로 하여 시작한 창</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>분할;결합;자르기;합치기;조각;나누기</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>분할 및 결합</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>원본(&amp;U) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>대상(&amp;D) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>저장(&amp;A)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>분할 옵션</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>조각 크기(&amp;P) -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>조각 크기</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (바이트)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (킬로)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (메가)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>측정 단위</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>지우기(&amp;C)</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>모든 분할 옵션 지우기 (초기화)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>분할(&amp;S)</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>결합(&amp;B)</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>결합</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+X</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
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
        <translation>정보...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>설명서</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>설명서(&amp;M)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>작업(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>조각 크기</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>원본이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>대상이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>원본과 대상이 겹칩니다!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>대상 조각이 이미 있습니다.
덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>조각 크기가 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>분할할 수 없습니다!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>원본이 잘못되었습니다. 확장자가 (*.c*)인 올바른 조각을 선택하십시오.</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>대상 파일이 이미 있습니다.
덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>결합할 수 없습니다!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>브라우저를 찾을 수 없음</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>&quot;%1&quot;을(를) 열 브라우저를 실행할 수 없습니다</translation>
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
        <translation>사용법: velkaro [옵션] [파일]
파일을 고정 크기의 조각(파일.c0, 파일.c1, ...)로 분할하고, 그러한 조각
묶음을 다시 원래 파일로 결합합니다. 작업은 창에서 합니다.

파일을 지정하면 그 파일을 원본으로 하여 창이 열립니다. 조각(이름.cN)을
지정하면 그 묶음의 기본 경로인 &apos;이름&apos;을 대상으로 제안합니다. 파일이 존재하는
일반 파일이 아니면 경고음을 내고 창을 열지 않은 채 종료 코드 1로 끝납니다.
파일을 두 개 이상 지정하면 모두 무시됩니다.

  -h, --help     이 도움말을 표시하고 끝냄
      --version  프로그램 이름과 버전을 표시하고 끝냄
      --         옵션의 끝: 그 뒤에 오는 것은 대시로 시작하더라도 파일로
                 처리함

그래픽 라이브러리 자체의 옵션(예: -style 이름)은 파일 앞에 올 수 있습니다.

설명서: %1
설정:   %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: 창을 열 수 없습니다. 사용할 수 있는 그래픽 디스플레이가 없습니다</translation>
    </message>
</context>
</TS>
