// Sizes read as the user's locale writes numbers, digit groups included, or as plain C numbers
// where the locale cannot read them; never a size the user did not type. The history shows them so
// that they read back the same, and the settings keep them as C numbers.

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
        const auto row
            = [](const char* locale, const char* typed, const char* shown, const char* stored) {
                  QTest::addRow("%s %s", locale, typed) << locale << typed << shown << stored;
              };
        row("de_DE", "1,5", "1.5", "1.5");
        row("de_DE", "1.500", "1500", "1500");
        row("de_DE", "1,024", "1,024", "1.024");
        row("de_DE", "2,5e3", "2500", "2500");
        row("en_US", "1,500", "1500", "1500");
        row("C", "700.500", "700.500", "700.500");
    }

    void historyReadsBackTheSameSize()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        const QLocale numbers(locale);
        QCOMPARE(PlainPackageSize(typed, numbers), shown);
        QCOMPARE(StoredPackageSize(shown, numbers), stored);
        const double size = ReadPackageSize(typed, numbers).value_or(-1);
        QCOMPARE(ReadPackageSize(shown, numbers), size);
        QCOMPARE(ReadPackageSize(stored, QLocale::c()), size);
        QCOMPARE(ReadPackageSize(ShownPackageSize(stored, numbers), numbers), size);
    }

    // The window's own load and save: German shows "1,024", which the settings keep as "1.024".
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
            window.GetComboList(window.cboPackageSize), QStringList({"1,024", "1.5", "1457664"}));
        window.SaveSettings();
        QCOMPARE(SettingsSandbox::store().value("Velkaro/PackageSize").toStringList(),
            QStringList({"1.024", "1.5", "1457664"}));
    }
};

WINDOW_TEST_MAIN(TestPackageSize)
#include "tst_packagesize.moc"
