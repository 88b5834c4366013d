// Sizes read as the user's locale writes numbers, digit groups included, or as plain C numbers
// where the locale cannot read them and they cannot mean another size; never a size the user did
// not type. The history shows them as the locale writes them, and the settings keep them as C
// numbers.

#include "formmain_fixture.h"
#include "packagesize.h"

#include <QComboBox>
#include <QLocale>

class TestPackageSize : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        SettingsSandbox::instance().reset();
    }

    void readAsTheLocaleWrites_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size"); // -1: refused
        const auto row = [](const char* locale, const char* text, double size) {
            QTest::addRow("%s %s", locale, text) << locale << text << size;
        };
        row("de_DE", "1.500", 1500);
        row("de_DE", "1.457.664", 1457664);
        row("de_DE", "1,5", 1.5);
        row("de_DE", "1.500,25", 1500.25);
        row("de_DE", "1.5", 1.5);
        row("de_DE", " 1,5e3 ", 1500);
        row("de_DE", "1,457,664", -1);
        row("de_DE", "1e", -1);
        row("de_DE", "12abc", -1);
        row("de_DE", "", -1);
        row("en_US", "1,500", 1500);
        row("en_US", "1.500", 1.5);
        row("C", "1,500", -1);
        row("C", "5e", -1);
        // Spanish groups only from five digits on, but its readers write "2.000" all the same.
        row("es_ES", "2.000", 2000);
        row("es_ES", "1.500", 1500);
        row("es_ES", "12.345.678", 12345678);
        row("es_ES", "2.000,5", 2000.5);
        row("es_ES", "1,5", 1.5);
        row("es_ES", "1.5", 1.5);
        row("es_ES", "2.00", 2);
        row("es_ES", "2.000.5", -1);
        // Where the point is neither decimal mark nor group, "1.500" is still a group to readers.
        row("fr_FR", "1.500", -1);
        row("fr_FR", "1.500,5", -1);
        row("fr_FR", "1,5", 1.5);
        row("fr_FR", "1.5", 1.5);
        row("fr_FR", "1 500", 1500);
        row("fr_FR", "1\u00a0500", 1500);
        row("ru_RU", "1.500", -1);
        row("ru_RU", "1\u202f500", 1500);
        row("ar_EG", "1.500", -1);
        row("it_IT", "1.500", 1500);
        row("pt_BR", "1.500", 1500);
        // The Swiss keyboard's apostrophe, and the point that is the Swiss decimal mark.
        row("de_CH", "1'500", 1500);
        row("de_CH", "1\u2019500", 1500);
        row("de_CH", "1.500", 1.5);
        row("de_CH", "1'50", -1);
        // Digits of every script, in their own locale and in others.
        row("ar_EG", "\u0661\u0660", 10);
        row("ar_EG", "\u0661\u066b\u0665", 1.5);
        row("fa_IR", "\u06f1\u06f5\u06f0\u06f0", 1500);
        row("hi_IN", "\u0967\u096b\u0966\u0966", 1500);
        row("hi_IN", "\u0967.\u096b", 1.5);
        row("en_US", "\u0967\u096b\u0966\u0966", 1500);
    }

    void readAsTheLocaleWrites()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, size);
        const std::optional<double> read = ReadPackageSize(text, QLocale(locale));
        QCOMPARE(read.value_or(-1), size);
    }

    void historyReadsBackTheSameSize_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        // What the history shows for the stored size at the next start.
        QTest::addColumn<QString>("restored");
        const auto row = [](const char* locale, const char* typed, const char* shown,
                             const char* stored, const char* restored) {
            QTest::addRow("%s %s", locale, typed) << locale << typed << shown << stored << restored;
        };
        row("de_DE", "1,5", "1,5", "1.5", "1,5");
        row("de_DE", "1.5", "1,5", "1.5", "1,5");
        row("de_DE", "1.500", "1500", "1500", "1500");
        row("de_DE", "1,024", "1,024", "1.024", "1,024");
        row("de_DE", "2,5e3", "2,5e3", "2500", "2500");
        row("en_US", "1,500", "1500", "1500", "1500");
        row("C", "700.500", "700.500", "700.500", "700.5");
        row("fr_FR", "7,5", "7,5", "7.5", "7,5");
        row("es_ES", "2.000", "2000", "2000", "2000");
        row("de_CH", "1'500", "1500", "1500", "1500");
        row("hi_IN", "\u0967\u096b\u0966\u0966", "1500", "1500", "1500");
        row("ar_EG", "\u0661\u0660", "\u0661\u0660", "10", "\u0661\u0660");
        row("ar_EG", "10", "10", "10", "\u0661\u0660");
    }

    void historyReadsBackTheSameSize()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QFETCH(QString, restored);
        const QLocale numbers(locale);
        QCOMPARE(PlainPackageSize(typed, numbers), shown);
        QCOMPARE(StoredPackageSize(shown, numbers), stored);
        QCOMPARE(ShownPackageSize(stored, numbers), restored);
        const double size = ReadPackageSize(typed, numbers).value_or(-1);
        QCOMPARE(ReadPackageSize(shown, numbers), size);
        QCOMPARE(ReadPackageSize(stored, QLocale::c()), size);
        QCOMPARE(ReadPackageSize(restored, numbers), size);
    }

    // The window's own load and save: German shows "1,024" and "1,5", which the settings keep as
    // "1.024" and "1.5".
    void settingsKeepCNumbersTheWindowShowsLocally()
    {
        {
            QSettings store = SettingsSandbox::store();
            store.setValue("Velkaro/PackageSize", QStringList({"1.024", "1.5", "1457664"}));
        }
        SettingsSandbox::instance().forgetCache();
        QLocale::setDefault(QLocale("de_DE"));
        FormMain window;
        QCOMPARE(
            window.GetComboList(window.cboPackageSize), QStringList({"1,024", "1,5", "1457664"}));
        window.SaveSettings();
        QCOMPARE(SettingsSandbox::store().value("Velkaro/PackageSize").toStringList(),
            QStringList({"1.024", "1.5", "1457664"}));
    }
};

WINDOW_TEST_MAIN(TestPackageSize)
#include "tst_packagesize.moc"
