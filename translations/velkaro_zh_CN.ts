<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>关于 Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro 标志</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>一个被切分为 c0 到 c3 四个分块的文件，带有 split 和 join 字样；下方是 Ostrevan Software 的 Velkaro</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>将文件切分为固定大小的分块并合并还原</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro 将一个文件切分为一系列固定大小的较小文件，称为分块（NAME.c0、NAME.c1、…），以便用小容量介质或限制文件大小的渠道传送，并将这样一组分块逐字节地合并还原为原文件。</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>分块只包含文件的原始字节，不含其他任何内容，因此任何其他工具也能合并一组分块。只有在写入的每个字节都已保存到磁盘后，Velkaro 才会提示成功。</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>它不压缩、不加密，也不校验文件。</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>以一组分块中的一个分块为源启动的窗口</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>分割;合并;切分;分块;拆分</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>分割与合并</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>源(&amp;U) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>目标(&amp;D) -----&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
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
        <translation>分割选项</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>分块大小(&amp;P) -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>分块大小</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (字节)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (千字节)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (兆字节)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>计量单位</translation>
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
        <translation>将所有分割选项重置为默认值</translation>
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
        <translation>合并(&amp;B)</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+X</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
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
        <translation>关于…</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手册</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>手册(&amp;M)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>操作(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>分块大小</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
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
        <translation>源文件无效！</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>目标无效！</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>源和目标重叠！</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>目标分块已存在。
要覆盖它吗？</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>分块大小无效！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>无法分割文件！</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>无效的源，请选择扩展名为 (*.c*) 的有效分块。</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>目标文件已存在。
要覆盖它吗？</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>无法合并文件！</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>未找到浏览器</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>无法启动浏览器打开“%1”</translation>
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
        <translation>用法：velkaro [选项] [文件]
将文件切分为固定大小的分块（文件.c0、文件.c1、…），并将这样一组分块
合并还原为原文件，操作在窗口中进行。

指定文件时，窗口打开并以其为源；若指定的是分块（名称.cN），则建议以其所属
一组分块的基本路径“名称”为目标。若文件不是已存在的普通文件，程序会响铃，
不打开窗口，并以退出码 1 结束。如果指定了两个或更多文件，则全部忽略。

  -h, --help     显示此帮助并退出
      --version  显示程序名称和版本并退出
      --         选项结束：其后的内容即使以短横线开头，也视为文件

工具包自身的选项（如 -style 名称）可以放在文件之前。

手册：%1
设置：%2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: 无法打开窗口：没有可用的显示服务</translation>
    </message>
</context>
</TS>
