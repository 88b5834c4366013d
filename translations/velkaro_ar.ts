<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Ostrevan Software</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>شعار Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>ملف مقسّم إلى أربع حزم، من c0 إلى c3، مع الكلمتين split وjoin؛ وتحته Velkaro من Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>التقسيم والجمع</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>المص&amp;در -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>ال&amp;وجهة -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>ا&amp;فتح</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+ف</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>ا&amp;حفظ</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+ح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>خيارات التقسيم</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>حجم الح&amp;زمة -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>حجم الحزمة</translation>
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
        <translation>&amp;امسح</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+ا</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>امسح كل خيارات التقسيم (صفّرها)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;قسّم</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+ق</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>قسّم</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>ا&amp;جمع</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+ج</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>اجمع</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ا&amp;خرج</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+خ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>اخرج</translation>
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
        <translation>عن...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;عن...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>الدليل</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>ال&amp;دليل</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>م&amp;هام</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
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
        <translation>حجم الحزمة</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>امسح</translation>
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
        <translation>حزمة الوجهة موجودة بالفعل.
أتريد الكتابة فوقها؟</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>حجم حزمة غير صالح!</translation>
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
        <translation>مصدر غير صالح، من فضلك اختر حزمة صالحة بامتداد (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>ملف الوجهة موجود بالفعل.
أتريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>تعذّر جمع الملف!</translation>
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
يقسّم ملفًا إلى حزم بحجم ثابت (ملف.c0، ملف.c1، ...) ويجمع سلسلة الحزم هذه
في الملف من جديد، في نافذة.

مع ملف، تُفتح النافذة وهو مصدرها؛ والحزمة (اسم.cN) تقترح المسار الأساسي
لسلسلتها، اسم، وجهةً. وإن لم يكن الملف ملفًا عاديًا موجودًا، يرنّ الجرس وينتهي
البرنامج برمز الخروج 1 دون نافذة. ويُتجاهَل ملفان أو أكثر.

  -h, --help     اعرض هذه المساعدة واخرج
      --version  اعرض اسم البرنامج وإصداره واخرج
      --         نهاية الخيارات: ما يليها ملف، حتى لو بدأ بشَرطة

يمكن أن تسبق خياراتُ عُدّة الواجهات نفسِها، مثل ‎-style اسم، الملفَ.

الدليل:      %1
الإعدادات:   %2
</translation>
    </message>
</context>
</TS>
