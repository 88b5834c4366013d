<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>حول Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>شعار Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>ملف مقسّم إلى أربعة أجزاء، من c0 إلى c3، مع الكلمتين split وjoin؛ وتحته Velkaro من Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>قسّم ملفًا إلى أجزاء بحجم ثابت وادمجها من جديد</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>يقسّم Velkaro ملفًا واحدًا إلى سلسلة من الملفات الأصغر بحجم ثابت تُسمّى أجزاء (NAME.c0، NAME.c1، ...)، لنقله على وسائط صغيرة أو عبر قنوات تحدّ من حجم الملف، ثم يدمج هذه السلسلة في الملف من جديد، بايتًا ببايت.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>يحتوي كل جزء على بايتات الملف الخام فقط ولا شيء غيرها، لذا يمكن لأي أداة أخرى أن تدمج السلسلة أيضًا. ولا يعلن Velkaro النجاح إلا حين يكون كل بايت كتبه محفوظًا على القرص.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>لا يضغط الملفات ولا يشفّرها ولا يتحقق منها.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>النافذة، وقد فُتحت بجزء من سلسلة مصدرًا</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>تقسيم;دمج;قص;جزء;قطعة</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>التقسيم والدمج</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>المصدر (&amp;U) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>الوجهة (&amp;D) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح (&amp;O)</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>حفظ (&amp;A)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>خيارات التقسيم</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>حجم الجزء (&amp;P) -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>حجم الجزء</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>بايت (B)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>كيلوبايت (KB)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>ميجابايت (MB)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>وحدة القياس</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>مسح (&amp;C)</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>أعد تعيين كل خيارات التقسيم</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>تقسيم (&amp;S)</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>تقسيم</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>دمج (&amp;B)</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>دمج</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+X</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
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
        <translation>حول...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>حول (&amp;A)...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>الدليل</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>الدليل (&amp;M)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>مهام (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>الوجهة</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>حجم الجزء</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>مصدر غير صالح!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>وجهة غير صالحة!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>المصدر والوجهة متداخلان!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>الجزء في الوجهة موجود بالفعل.
أتريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>حجم جزء غير صالح!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>تعذّر تقسيم الملف!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>مصدر غير صالح، من فضلك اختر جزءًا صالحًا بامتداد ⁦(*.c*)⁩.</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>ملف الوجهة موجود بالفعل.
أتريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>تعذّر دمج الملف!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>لم يُعثر على متصفّح</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>تعذّر تشغيل متصفّح لعرض «%1»</translation>
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
        <translation>RTL</translation>
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
        <translation>الاستخدام: velkaro [خيار] [ملف]
يقسّم ملفًا إلى أجزاء بحجم ثابت (ملف.c0، ملف.c1، ...) ويدمج سلسلة الأجزاء هذه
في الملف من جديد، في نافذة.

عند تحديد ملف، تُفتح النافذة وهو مصدرها؛ والجزء (اسم.cN) يقترح المسار الأساسي
لسلسلته، اسم، وجهةً. وإن لم يكن الملف ملفًا عاديًا موجودًا، يرنّ الجرس وينتهي
البرنامج برمز الخروج 1 دون نافذة. ويُتجاهَل ملفان أو أكثر.

  -h, --help     اعرض هذه المساعدة واخرج
      --version  اعرض اسم البرنامج وإصداره واخرج
      --         نهاية الخيارات: ما يليها ملف، حتى لو بدأ بشَرطة

يمكن أن تسبق خياراتُ مجموعة أدوات الواجهة الرسومية نفسِها، مثل ‎-style اسم، الملفَ.

الدليل:      %1
الإعدادات:   %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: لا توجد شاشة لفتح النافذة عليها</translation>
    </message>
</context>
</TS>
