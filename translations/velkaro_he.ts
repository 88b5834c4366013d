<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>על Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>הלוגו של Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>קובץ המפוצל לארבעה חלקים, c0 עד c3, עם המילים split ו־join; מתחתיו Velkaro מאת Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>פיצול קובץ לחלקים בגודל קבוע ומיזוגם בחזרה</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro מפצל קובץ אחד לסדרה של קבצים קטנים יותר בגודל קבוע, הנקראים חלקים (NAME.c0, NAME.c1, ...), כדי להעביר אותו על גבי מדיה קטנה או בערוצים שמגבילים את גודל הקובץ, וממזג סדרה כזו בחזרה לקובץ, בית אחר בית.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>כל חלק מכיל את הבתים הגולמיים של הקובץ ותו לא, כך שגם כל כלי אחר יכול למזג את הסדרה. Velkaro מדווח על הצלחה רק כשכל בית שכתב נמצא בדיסק.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>הוא אינו דוחס, מצפין או בודק קבצים.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>החלון, לאחר שנפתח עם חלק מסדרה כמקור</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>פיצול;מיזוג;חיתוך;חלק;מקטע</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>פיצול ומיזוג</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;מקור -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;יעד -----------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>פ&amp;תח</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+ת</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתח</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;שמור</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+ש</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמור</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>אפשרויות פיצול</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;גודל חלק -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>גודל חלק</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>בתים (B)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>קילובייט (KB)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>מגה־בייט (MB)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>יחידות מידה</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;נקה</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+נ</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>נקה את כל אפשרויות הפיצול (איפוס)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>פצ&amp;ל</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+ל</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>פצל</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>מ&amp;זג</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+ז</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>מזג</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+צ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
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
        <translation>אודות...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;אודות...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>מדריך</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;מדריך</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;פעולות</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>מקור</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>יעד</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>גודל חלק</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>יחידה</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>נקה</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>מקור לא תקין!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>יעד לא תקין!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>המקור והיעד חופפים!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>חלק היעד כבר קיים.
לשכתב אותו?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>גודל חלק לא תקין!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>שגיאה</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>לא ניתן לפצל את הקובץ!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>מקור לא תקין, נא לבחור חלק תקין עם סיומת ⁦(*.c*)⁩.</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>קובץ היעד כבר קיים.
לשכתב אותו?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>לא ניתן למזג את הקובץ!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>לא נמצא דפדפן</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>לא ניתן להפעיל דפדפן עבור „%1”</translation>
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
        <translation>שימוש: velkaro [אפשרות] [קובץ]
מפצל קובץ לחלקים בגודל קבוע (קובץ.c0, קובץ.c1, ...) וממזג סדרת חלקים כזו
בחזרה לקובץ, בחלון.

עם קובץ, החלון נפתח כשהקובץ הוא המקור; חלק (שם.cN) מציע את נתיב הבסיס של הסדרה
שלה, שם, כיעד. אם קובץ אינו קובץ רגיל קיים, נשמע צפצוף והתוכנית מסתיימת עם קוד
יציאה 1, בלי חלון. אם מצוינים שני קבצים או יותר, מתעלמים מכולם.

  -h, --help     הצגת עזרה זו ויציאה
      --version  הצגת שם התוכנית וגרסתה ויציאה
      --         סוף האפשרויות: מה שבא אחריו הוא קובץ, גם אם הוא מתחיל
                 במקף

האפשרויות של ספריית הממשק הגרפי עצמה, כגון ‎-style שם, יכולות לבוא לפני קובץ.

מדריך:   %1
הגדרות:  %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: לא ניתן לפתוח את החלון – אין תצוגה גרפית זמינה</translation>
    </message>
</context>
</TS>
