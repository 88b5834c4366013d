<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>دربارهٔ Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>نشان Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>پرونده‌ای تقسیم‌شده به چهار تکه، از c0 تا c3، همراه با واژه‌های split و join؛ زیر آن Velkaro از Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>تقسیم یک پرونده به تکه‌هایی با اندازهٔ ثابت و ادغام دوبارهٔ آن‌ها</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro یک پرونده را به مجموعه‌ای از پرونده‌های کوچک‌تر با اندازهٔ ثابت، به نام تکه (NAME.c0، NAME.c1، ...)، تقسیم می‌کند تا بتوان آن را روی رسانه‌های کوچک یا از راه‌هایی که اندازهٔ پرونده را محدود می‌کنند جابه‌جا کرد، و چنین مجموعه‌ای را بایت به بایت دوباره در پرونده ادغام می‌کند.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>هر تکه فقط بایت‌های خام پرونده را در خود دارد و نه چیز دیگری، پس هر ابزار دیگری هم می‌تواند مجموعه را ادغام کند. Velkaro تنها زمانی موفقیت را اعلام می‌کند که همهٔ بایت‌هایی که نوشته روی دیسک باشند.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>پرونده‌ها را فشرده، رمزگذاری یا بررسی نمی‌کند.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>پنجره، با یک تکه از یک مجموعه به‌عنوان مبدأ</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>تقسیم;ادغام;برش;تکه;بخش</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>تقسیم و ادغام</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>مبدأ (&amp;U) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>مقصد (&amp;D) -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>باز کردن (&amp;O)</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>ذخیره (&amp;A)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>گزینه‌های تقسیم</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>اندازهٔ تکه (&amp;P) -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>اندازهٔ تکه</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>بایت (B)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>کیلوبایت (KB)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>مگابایت (MB)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>واحد اندازه‌گیری</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>پاک کردن (&amp;C)</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>پاک کردن همهٔ گزینه‌های تقسیم (بازنشانی)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>تقسیم (&amp;S)</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>تقسیم</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>ادغام (&amp;B)</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>ادغام</translation>
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
        <translation>درباره...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>درباره (&amp;A)...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>راهنمای کاربر</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>راهنمای کاربر (&amp;M)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>پرونده (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>عملیات (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>راهنما (&amp;H)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>مبدأ</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>مقصد</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>اندازهٔ تکه</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>واحد</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>هشدار</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>مبدأ نامعتبر است!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>مقصد نامعتبر است!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>مبدأ و مقصد با هم هم‌پوشانی دارند!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>تکهٔ مقصد از قبل موجود است.
آیا بازنویسی شود؟</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>اندازهٔ تکه نامعتبر است!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>تقسیم پرونده ممکن نشد!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>مبدأ نامعتبر است؛ لطفاً یک تکهٔ معتبر با پسوند ⁦(*.c*)⁩ انتخاب کنید.</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>پروندهٔ مقصد از قبل موجود است.
آیا بازنویسی شود؟</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>ادغام پرونده ممکن نشد!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>مرورگری پیدا نشد</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>اجرای مرورگر برای «%1» ممکن نشد</translation>
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
        <translation>طرز استفاده: velkaro [گزینه] [پرونده]
یک پرونده را به تکه‌هایی با اندازهٔ ثابت (پرونده.c0، پرونده.c1، ...) تقسیم
می‌کند و چنین مجموعه‌ای از تکه‌ها را دوباره در پرونده ادغام می‌کند، در یک پنجره.

با پرونده، پنجره با آن به‌عنوان مبدأ باز می‌شود؛ یک تکه (نام.cN) مسیر پایهٔ
مجموعه‌اش، نام، را به‌عنوان مقصد پیشنهاد می‌کند. اگر پرونده یک پروندهٔ عادیِ
موجود نباشد، صدای بوق پخش می‌شود و برنامه بدون پنجره با کد خروج ۱ پایان
می‌یابد. اگر دو پرونده یا بیشتر داده شود، همه نادیده گرفته می‌شوند.

  -h, --help     نمایش این راهنما و خروج
      --version  نمایش نام و نسخهٔ برنامه و خروج
      --         پایان گزینه‌ها: آنچه در پی می‌آید پرونده است، حتی اگر با خط
                 تیره آغاز شود

گزینه‌های خودِ کتابخانهٔ رابط گرافیکی، مانند ‎-style نام، می‌توانند پیش از
پرونده بیایند.

راهنمای کاربر: %1
تنظیمات:       %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: پنجره باز نمی‌شود؛ هیچ نمایشگر گرافیکی در دسترس نیست</translation>
    </message>
</context>
</TS>
