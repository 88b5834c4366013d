<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Velkaro Hakkında</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Velkaro logosu</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Dört parçaya, c0&apos;dan c3&apos;e, bölünmüş bir dosya ve split ile join sözcükleri; altında Ostrevan Software&apos;in Velkaro&apos;su</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Bir dosyayı sabit boyutlu parçalara bölün ve yeniden birleştirin</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>Velkaro bir dosyayı, küçük ortamlarda ya da dosya boyutunu sınırlayan kanallarla taşınabilmesi için parça adı verilen sabit boyutlu daha küçük dosyalardan oluşan bir diziye (NAME.c0, NAME.c1, ...) böler ve böyle bir diziyi bayt bayt yeniden tek dosyada birleştirir.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Bir parça yalnızca dosyanın ham baytlarını içerir, başka hiçbir şey içermez; bu yüzden başka herhangi bir araç da bir diziyi birleştirebilir. Velkaro ancak yazdığı her bayt diske ulaştığında başarıyı bildirir.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Dosyaları sıkıştırmaz, şifrelemez ve denetlemez.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>Bir dizinin bir parçası kaynak olarak açılmış pencere</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>böl;birleştir;kes;parça;bölüm</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Böl &amp;&amp; Birleştir</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>Kay&amp;nak -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Hedef --------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Kayd&amp;et</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Bölme Seçenekleri</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>&amp;Parça Boyutu -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Parça Boyutu</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (Bayt)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (Kilo)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (Mega)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Ölçü Birimleri</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Temizle</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Tüm Bölme Seçeneklerini Temizle (Sıfırla)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Böl</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Böl</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Bi&amp;rleştir</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Birleştir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
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
        <translation>Hakkında...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Kılavuz</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Kılavuz</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;İşlemler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Parça boyutu</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Birim</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Geçersiz kaynak!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Geçersiz hedef!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>Kaynak ile hedef çakışıyor!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>Hedef parça zaten var.
Üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Geçersiz parça boyutu!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Dosya bölünemedi!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Geçersiz kaynak, lütfen (*.c*) uzantılı geçerli bir parça seçin.</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>Hedef dosya zaten var.
Üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Dosya birleştirilemedi!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Tarayıcı Bulunamadı</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>“%1” için tarayıcı başlatılamadı</translation>
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
        <translation>Kullanım: velkaro [SEÇENEK] [DOSYA]
Bir dosyayı sabit boyutlu parçalara böler (DOSYA.c0, DOSYA.c1, ...) ve böyle
bir parça dizisini yeniden tek dosyada birleştirir, bir pencerede.

DOSYA verildiğinde pencere onu kaynak olarak açılır; bir parça (AD.cN) hedef
olarak dizisinin temel yolunu, AD&apos;ı önerir. Var olan normal bir dosya olmayan
bir DOSYA verilirse bip sesi duyulur ve program pencere açmadan 1 çıkış koduyla
sonlanır. İki veya daha fazla dosya verilirse hepsi yok sayılır.

  -h, --help     bu yardımı göster ve çık
      --version  programın adını ve sürümünü göster ve çık
      --         seçeneklerin sonu: ardından gelen, tire ile başlasa bile
                 DOSYA&apos;dır

Grafik kitaplığının kendi seçenekleri, örneğin -style AD, DOSYA&apos;dan önce
gelebilir.

Kılavuz:  %1
Ayarlar:  %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: pencere açılamıyor – kullanılabilir grafik ekran yok</translation>
    </message>
</context>
</TS>
