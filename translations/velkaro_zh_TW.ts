<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>關於 Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro 標誌</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>一個被分割為 c0 到 c3 四個分割檔的檔案，附有 split 與 join 字樣；下方為 Ostrevan Software 的 Velkaro</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>將檔案分割為固定大小的分割檔並合併還原</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro 將一個檔案分割為一系列固定大小的較小檔案，稱為分割檔（NAME.c0、NAME.c1、…），以便用小容量媒體或限制檔案大小的管道傳送，並將這樣一組分割檔逐位元組地合併還原為原檔案。</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>分割檔只包含檔案的原始位元組，不含其他任何內容，因此任何其他工具也能合併一組分割檔。只有在寫入的每個位元組都已存到磁碟後，Velkaro 才會提示成功。</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>它不壓縮、不加密，也不檢查檔案。</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>以一組分割檔中的一個分割檔為來源啟動的視窗</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>分割;合併;切割;分割檔</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>分割與合併</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>來源(&amp;U) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>目的地(&amp;D) ---&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>儲存(&amp;A)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>分割選項</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>分割檔大小(&amp;P) -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>分割檔大小</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (位元組)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (千位元組)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (百萬位元組)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>度量單位</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>清除所有分割選項（重設）</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>分割(&amp;S)</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>合併(&amp;B)</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>合併</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>離開(&amp;X)</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+X</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
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
        <translation>關於…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>使用手冊</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>使用手冊(&amp;M)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>操作(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>分割檔大小</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>來源無效！</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>目的地無效！</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>來源與目的地重疊！</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>目的地分割檔已存在。
是否覆寫？</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>分割檔大小無效！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>無法分割！</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>來源無效，請選擇副檔名為 (*.c*) 的有效分割檔。</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>目的地檔案已存在。
是否覆寫？</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>無法合併！</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>找不到瀏覽器</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>無法啟動瀏覽器開啟「%1」</translation>
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
        <translation>用法：velkaro [選項] [檔案]
將檔案分割為固定大小的分割檔（檔案.c0、檔案.c1、…），並將這樣一組分割檔
合併還原為原檔案，操作在視窗中進行。

指定檔案時，視窗開啟並以其為來源；若指定的是分割檔（名稱.cN），則建議以其所屬
一組分割檔的基本路徑「名稱」為目的地。若檔案不是已存在的一般檔案，
程式會發出提示音，不開啟視窗，並以結束代碼 1 結束。
如果指定了兩個或更多檔案，則全部忽略。

  -h, --help     顯示此說明並離開
      --version  顯示程式名稱與版本並離開
      --         選項結束：其後的內容即使以連字號開頭，也視為檔案

圖形介面函式庫本身的選項（如 -style 名稱）可以放在檔案之前。

使用手冊：%1
設定：    %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: 無法開啟視窗：沒有可用的顯示服務</translation>
    </message>
</context>
</TS>
