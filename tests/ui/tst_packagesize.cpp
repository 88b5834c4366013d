// Sizes read as the user's locale writes numbers, digit groups included, or as plain C numbers
// where the locale cannot read them and they cannot mean another size; never a size the user did
// not type. The history shows them as the locale writes them, and the settings keep them as C
// numbers.

#include "formmain_fixture.h"
#include "packagesize.h"

#include <QComboBox>
#include <QLocale>

#include <array>
#include <initializer_list>
#include <utility>

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
        // Each locale with the texts it is given and what it reads them as.
        const auto readings
            = [](const char* locale, std::initializer_list<std::pair<const char*, double>> cases) {
                  for (const auto& [text, size] : cases)
                      QTest::addRow("%s %s", locale, text) << locale << text << size;
              };
        readings("de_DE",
            {{"1.500", 1500}, {"1.457.664", 1457664}, {"1,5", 1.5}, {"1.500,25", 1500.25},
                {"1.5", 1.5}, {" 1,5e3 ", 1500}, {"1,457,664", -1}, {"1e", -1}, {"12abc", -1},
                {"", -1}});
        readings("en_US", {{"1,500", 1500}, {"1.500", 1.5}});
        readings("C", {{"1,500", -1}, {"5e", -1}});
        // Spanish groups only from five digits on, but its readers write "2.000" all the same.
        readings("es_ES",
            {{"2.000", 2000}, {"1.500", 1500}, {"12.345.678", 12345678}, {"2.000,5", 2000.5},
                {"1,5", 1.5}, {"1.5", 1.5}, {"2.00", 2}, {"2.000.5", -1}});
        // Where the point is neither decimal mark nor group, "1.500" is still a group to readers.
        readings("fr_FR",
            {{"1.500", -1}, {"1.500,5", -1}, {"1,5", 1.5}, {"1.5", 1.5}, {"1 500", 1500},
                {"1\u00a0500", 1500}});
        readings("ru_RU", {{"1.500", -1}, {"1\u202f500", 1500}});
        readings("it_IT", {{"1.500", 1500}});
        readings("pt_BR", {{"1.500", 1500}});
        // The Swiss keyboard's apostrophe, and the point that is the Swiss decimal mark.
        readings("de_CH", {{"1'500", 1500}, {"1\u2019500", 1500}, {"1.500", 1.5}, {"1'50", -1}});
        // Digits of every script, in their own locale and in others; Egypt's own separators only.
        readings("ar_EG", {{"\u0661\u0660", 10}, {"\u0661\u066b\u0665", 1.5}, {"1.500", -1}});
        readings("fa_IR", {{"\u06f1\u06f5\u06f0\u06f0", 1500}});
        readings("hi_IN", {{"\u0967\u096b\u0966\u0966", 1500}, {"\u0967.\u096b", 1.5}});
        readings("en_US", {{"\u0967\u096b\u0966\u0966", 1500}});
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
        // Each locale with its sizes, each as typed, shown, stored and restored.
        const auto trips
            = [](const char* locale, std::initializer_list<std::array<const char*, 4>> sizes) {
                  for (const auto& [typed, shown, stored, restored] : sizes)
                      QTest::addRow("%s %s", locale, typed)
                          << locale << typed << shown << stored << restored;
              };
        trips("de_DE",
            {{"1,5", "1,5", "1.5", "1,5"}, {"1.5", "1,5", "1.5", "1,5"},
                {"1.500", "1500", "1500", "1500"}, {"1,024", "1,024", "1.024", "1,024"},
                {"2,5e3", "2,5e3", "2500", "2500"}});
        trips("en_US", {{"1,500", "1500", "1500", "1500"}});
        trips("C", {{"700.500", "700.500", "700.500", "700.5"}});
        trips("fr_FR", {{"7,5", "7,5", "7.5", "7,5"}});
        trips("es_ES", {{"2.000", "2000", "2000", "2000"}});
        trips("de_CH", {{"1'500", "1500", "1500", "1500"}});
        trips("hi_IN", {{"\u0967\u096b\u0966\u0966", "1500", "1500", "1500"}});
        trips("ar_EG",
            {{"\u0661\u0660", "\u0661\u0660", "10", "\u0661\u0660"},
                {"10", "10", "10", "\u0661\u0660"}});
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
