<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Velkaro について</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro のロゴ</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>c0 から c3 までの 4 つの分割ファイルに分割されたファイルと split、join の文字。その下に Ostrevan Software の Velkaro</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>ファイルを固定サイズの分割ファイルに分割し、元に結合します</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro は 1 つのファイルを、分割ファイルと呼ばれる固定サイズの小さなファイルの組 (NAME.c0、NAME.c1、...) に分割し、小さな媒体やファイルサイズに制限のある経路で運べるようにします。また、そのような組を 1 バイトも違わずに元のファイルに結合します。</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>分割ファイルにはファイルの生のバイトだけが含まれ、ほかには何も含まれないため、ほかのどのツールでも組を結合できます。Velkaro は、書き込んだすべてのバイトがディスクに保存されたときにだけ成功を知らせます。</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>ファイルの圧縮、暗号化、検査は行いません。</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>組の分割ファイルの 1 つを入力元として起動したウィンドウ</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>分割;結合;カット;分割ファイル;パーツ</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>分割と結合</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>入力ファイル(&amp;U) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>出力先(&amp;D) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>保存(&amp;A)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>分割オプション</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>分割ファイルのサイズ(&amp;P) -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>分割ファイルのサイズ</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (バイト)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (キロ)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (メガ)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>分割オプションをすべてクリア (リセット)</translation>
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
        <translation>結合(&amp;B)</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+X</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
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
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>マニュアル(&amp;M)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>操作(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>入力ファイル</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>分割ファイルのサイズ</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>入力ファイルが無効です。</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>出力先が無効です。</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>入力元と出力先が重なっています。</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>出力先の分割ファイルは既に存在します。
上書きしますか？</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>分割ファイルのサイズが無効です。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>分割できませんでした。</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>入力ファイルが無効です。拡張子が (*.c*) の有効な分割ファイルを選択してください。</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>出力先のファイルは既に存在します。
上書きしますか？</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>結合できませんでした。</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>ブラウザが見つかりません</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>「%1」を表示するブラウザを起動できませんでした</translation>
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
        <translation>使い方: velkaro [オプション] [ファイル]
ファイルを固定サイズの分割ファイル (ファイル.c0、ファイル.c1、...) に分割し、
そのような分割ファイルの組を元のファイルに結合します。操作はウィンドウで行います。

ファイルを指定すると、それを入力元としてウィンドウが開きます。分割ファイル
(名前.cN) を指定すると、その組のベースパスである「名前」が出力先として提案
されます。ファイルが既存の通常ファイルでない場合は、ベルを鳴らし、ウィンドウを
開かずに終了コード 1 で終了します。2 つ以上のファイルは無視されます。

  -h, --help     このヘルプを表示して終了する
      --version  プログラムの名前とバージョンを表示して終了する
      --         オプションの終わり: これ以降はダッシュで始まっていても
                 ファイルとして扱う

ツールキット自身のオプション (-style 名前 など) は、ファイルの前に指定できます。

マニュアル: %1
設定:       %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: ウィンドウを開けません: 使用できるディスプレイがありません</translation>
    </message>
</context>
</TS>
