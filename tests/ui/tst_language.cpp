// The window in the user's language: its texts, a message box with Qt's own
// buttons, the names a screen reader says, and package sizes typed the local
// way; every language Qt itself speaks, complete, with keys that do not clash
// and arrows that point at their fields.

#include "about.h"
#include "caption.h"
#include "formmain.h"
#include "formmain_fixture.h"
#include "packagesize.h"
#include "testsupport.h"
#include "translations.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

QString spokenName(QObject* object)
{
    QAccessibleInterface* const face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// The languages of the catalogues embedded in the program, velkaro_LL.qm.
QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString& name : QDir(Translations::programFolder(), "velkaro_*.qm").entryList())
        languages << name.mid(8, name.size() - 11);
    return languages;
}

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// The columns of a size typed into the box (typeSize): the locale, the text, and the unit chosen.
void addTypedSizeColumns()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit");
}

// Which way a label's arrow points on the screen: 1 right, -1 left, 0 where its
// head is not the end of the text in that direction. A label lays its text out
// in the text's own direction, and an arrowhead set right to left is drawn
// mirrored.
int arrowDirection(const QLabel* label)
{
    const QString text = label->text();
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<qreal> edges;
    for (int i = 0; i <= text.size(); ++i)
        edges << line.cursorToX(i);
    const qsizetype head = text.lastIndexOf(QLatin1Char('>'));
    const int way = edges.at(head + 1) > edges.at(head) ? 1 : -1;
    const auto [left, right] = std::minmax_element(edges.cbegin(), edges.cend());
    return edges.at(head + 1) == (way > 0 ? *right : *left) ? way : 0;
}

// Types `text` key by key, as a keyboard of its script would: QTest::keyClicks takes Latin-1 only.
void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Notes every text looked up while it is installed, and answers none, so that
// the catalogues installed before it answer as usual.
class LookupRecorder : public QTranslator
{
public:
    LookupRecorder() { QCoreApplication::installTranslator(this); }
    ~LookupRecorder() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        looked.insert(QString::fromUtf8(context) + '|' + QString::fromUtf8(source));
        return {};
    }
    mutable QSet<QString> looked;
};

} // namespace

class TestLanguage : public QObject, public WindowWithFolder<FormMain>
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        closeWindow();
        translations.reset();
        QLocale::setDefault(original);
        QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
        SettingsSandbox::instance().reset();
    }

    void windowSpeaksTheUsersLanguage_data();
    void windowSpeaksTheUsersLanguage();
    void everyLanguageOfQtIsSpoken();
    void everyTextIsTranslated_data() { addLanguageRows(); }
    void everyTextIsTranslated();
    void keysAreDistinct_data() { addLanguageRows(); }
    void keysAreDistinct();
    void patternReadsLeftToRight_data() { addLanguageRows(); }
    void patternReadsLeftToRight();
    void otherCountriesGetTheirWrittenForm_data();
    void otherCountriesGetTheirWrittenForm();
    void softwareCentresShowEveryLanguage();
    void arrowsPointAtTheirFields_data();
    void arrowsPointAtTheirFields();
    void sizeIsReadTheLocalWayAndKeptPlain_data();
    void sizeIsReadTheLocalWayAndKeptPlain();
    void sizeNotReadAsWholeBytesIsRefusedAsTyped_data();
    void sizeNotReadAsWholeBytesIsRefusedAsTyped();
    void sizeComesBackTheLocalWay_data();
    void sizeComesBackTheLocalWay();

private:
    // The program as it starts in `name`: that locale and its translators, then
    // the window.
    void startIn(const char* name)
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        translations = std::make_unique<Translations>();
        QVERIFY(openWindow());
    }

    void write(const QString& name, qint64 length) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(length, 'v')), length);
    }

    // A window started in `locale`, ready to split a source of `length` bytes, with `typed` in
    // the size box and the unit `unit`: the box's editor.
    QLineEdit* typeSize(const QString& locale, qint64 length, int unit, const QString& typed)
    {
        startIn(locale.toLatin1().constData());
        write("source", length);
        window->txtSource->setText(path("source"));
        window->txtDestination->setText(path("out"));
        window->cboUnits->setCurrentIndex(unit);
        QLineEdit* const edit = window->cboPackageSize->lineEdit();
        edit->selectAll();
        typeKeys(edit, typed);
        return edit;
    }

    const QLocale original;
    std::unique_ptr<Translations> translations;
};

void TestLanguage::windowSpeaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    // The window's texts, then the overwrite question with its two buttons, then
    // what a screen reader says for each control of the window and for the About
    // logo.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("question");
    QTest::addColumn<QStringList>("spoken");
    QTest::addColumn<QString>("aboutTitle");

    QTest::newRow("as written where no translation exists")
        << "C"
        << QStringList {"Split && Build", "So&urce ------->", "&Open", "E&xit", "&File",
               "B (Bytes)", "Alt+O"}
        << QStringList {"Warning", "Destination package exists.\nOverwrite it?", "&Yes", "&No"}
        << QStringList {"Source", "Open", "Destination", "Save", "Package size", "Unit", "Clear",
               "Split", "Build", "Exit", "Velkaro logo"}
        << "Ostrevan Software";
    QTest::newRow("German") << "de_DE"
                            << QStringList {"Teilen && Zusammenfügen", "&Quelle ------->",
                                   "Ö&ffnen", "&Beenden", "&Datei", "B (Byte)", "Alt+F"}
                            << QStringList {"Warnung",
                                   "Am Ziel ist bereits ein Teil vorhanden.\nSoll es "
                                   "überschrieben werden?",
                                   "&Ja", "&Nein"}
                            << QStringList {"Quelle", "Öffnen", "Ziel", "Speichern", "Teilgröße",
                                   "Einheit", "Zurücksetzen", "Teilen", "Zusammenfügen", "Beenden",
                                   "Velkaro-Logo"}
                            << "Über Velkaro";
    QTest::newRow("French") << "fr_FR"
                            << QStringList {"Découper && reconstituer", "So&urce ------->",
                                   "&Ouvrir", "&Quitter", "&Fichier", "o (octets)", "Alt+O"}
                            << QStringList {"Avertissement",
                                   "Le morceau de destination existe "
                                   "déjà.\nFaut-il le remplacer\u00a0?",
                                   "&Oui", "&Non"}
                            << QStringList {"Source", "Ouvrir", "Destination", "Enregistrer",
                                   "Taille des morceaux", "Unité", "Réinitialiser", "Découper",
                                   "Reconstituer", "Quitter", "Logo de Velkaro"}
                            << "À propos de Velkaro";
    QTest::newRow("Spanish") << "es_ES"
                             << QStringList {"Dividir && reconstruir", "&Origen ------->", "A&brir",
                                    "&Salir", "&Archivo", "B (bytes)", "Alt+B"}
                             << QStringList {"Advertencia",
                                    "El fragmento de destino ya existe.\n¿Desea sobrescribirlo?",
                                    "&Sí", "&No"}
                             << QStringList {"Origen", "Abrir", "Destino", "Guardar",
                                    "Tamaño de fragmento", "Unidad", "Restablecer", "Dividir",
                                    "Reconstruir", "Salir", "Logotipo de Velkaro"}
                             << "Acerca de Velkaro";
}

void TestLanguage::windowSpeaksTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, question);
    QFETCH(QStringList, spoken);
    QFETCH(QString, aboutTitle);
    startIn(locale.toLatin1().constData());
    FormMain& w = *window;

    QCOMPARE((QStringList {w.gboxSplitBuild->title(), w.lblSource->text(), w.btnSource->text(),
                 w.btnExit->text(), w.fileMenu->title(), w.cboUnits->itemText(0),
                 w.btnSource->shortcut().toString()}),
        texts);
    // The caption and the default size are numbers and names: the same in every
    // language.
    QCOMPARE(w.windowTitle(), QString::fromLatin1(ProgramCaption));
    QCOMPARE(w.cboPackageSize->currentText(), QStringLiteral("1457664"));

    write("film", 10);
    write("film.c0", 1);
    w.txtSource->setText(path("film"));
    w.txtDestination->setText(path("film"));
    BoxAnswerer answerer({QMessageBox::No});
    w.taskSplit->trigger();
    QCOMPARE(answerer.seen().size(), 1);
    const SeenBox& box = answerer.seen().first();
    QCOMPARE((QStringList {box.title, box.text} + box.buttonTexts), question);

    const About about(&w);
    QCOMPARE(about.windowTitle(), aboutTitle);
    QCOMPARE((QStringList {spokenName(w.txtSource), spokenName(w.btnSource),
                 spokenName(w.txtDestination), spokenName(w.btnDestination),
                 spokenName(w.cboPackageSize), spokenName(w.cboUnits), spokenName(w.btnClear),
                 spokenName(w.btnSplit), spokenName(w.btnBuild), spokenName(w.btnExit),
                 spokenName(about.pixLogo)}),
        spoken);
    QAccessibleInterface* const logo = QAccessible::queryAccessibleInterface(about.pixLogo);
    QVERIFY(logo && !logo->text(QAccessible::Description).isEmpty());
}

void TestLanguage::everyLanguageOfQtIsSpoken()
{
    QStringList qtLanguages;
    const QDir qt(QLibraryInfo::path(QLibraryInfo::TranslationsPath), "qtbase_*.qm");
    for (const QString& name : qt.entryList())
        qtLanguages << name.mid(7, name.size() - 10);
    qtLanguages.removeOne("en");
    if (qtLanguages.isEmpty())
        QSKIP("Qt's own translations are not installed (package "
              "qt6-translations-l10n)");
    QCOMPARE(shippedLanguages(), qtLanguages);
}

void TestLanguage::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    QVERIFY(catalogue.load("velkaro_" + language, Translations::programFolder()));

    // Every message of the catalogue's source is finished, and the program
    // carries it.
    QFile source(QFINDTESTDATA("../../translations/velkaro_" + language + ".ts"));
    QVERIFY2(source.open(QIODevice::ReadOnly), "no translations/velkaro_LL.ts");
    QXmlStreamReader ts(&source);
    QSet<QString> messages;
    QString context;
    QString text;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == u"name")
            context = ts.readElementText();
        else if (ts.name() == u"source")
            text = ts.readElementText();
        else if (ts.name() == u"translation") {
            const bool finished = ts.attributes().value("type").isEmpty();
            const QString translation = ts.readElementText();
            QVERIFY2(finished && !translation.isEmpty(), qPrintable(context + ": " + text));
            QCOMPARE(catalogue.translate(context.toUtf8(), text.toUtf8()), translation);
            messages.insert(context + '|' + text);
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));

    // Every text the window and the About box look up is among them, and the
    // user's locale finds this catalogue.
    QLocale::setDefault(QLocale(language));
    translations = std::make_unique<Translations>();
    QSet<QString> looked;
    {
        const LookupRecorder recorder;
        QVERIFY(openWindow());
        const About about(window.get());
        looked = recorder.looked;
    }
    for (const QString& lookup : std::as_const(looked))
        if (lookup.startsWith("FormMain|") || lookup.startsWith("About|"))
            QVERIFY2(messages.contains(lookup), qPrintable("not translated: " + lookup));
    QCOMPARE(window->btnExit->text(), catalogue.translate("FormMain", "E&xit"));
}

void TestLanguage::keysAreDistinct()
{
    QFETCH(QString, language);
    startIn(qPrintable(language));
    const FormMain& w = *window;

    // Within the window: the labels, the buttons and the menu bar; a button's
    // shortcut is the letter its text marks.
    QList<QKeySequence> keys;
    for (const QLabel* label : {w.lblSource, w.lblDestination, w.lblPackageSize})
        keys << QKeySequence::mnemonic(label->text());
    for (const QPushButton* button :
        {w.btnSource, w.btnDestination, w.btnClear, w.btnSplit, w.btnBuild, w.btnExit}) {
        keys << QKeySequence::mnemonic(button->text());
        QCOMPARE(button->shortcut(), keys.last());
    }
    for (const QMenu* menu : {w.fileMenu, w.taskMenu, w.helpMenu})
        keys << QKeySequence::mnemonic(menu->title());
    QVERIFY(!keys.contains(QKeySequence()));
    // A marked letter is drawn apart from its neighbours, which would break a word written in
    // Arabic script: such languages mark a Latin letter in brackets instead.
    QStringList marked;
    for (const QLabel* label : {w.lblSource, w.lblDestination, w.lblPackageSize})
        marked << label->text();
    for (const QPushButton* button :
        {w.btnSource, w.btnDestination, w.btnClear, w.btnSplit, w.btnBuild, w.btnExit})
        marked << button->text();
    for (const QAction* action : {w.fileExit, w.taskSplit, w.taskBuild, w.helpManual, w.helpAbout})
        marked << action->text();
    for (const QMenu* menu : {w.fileMenu, w.taskMenu, w.helpMenu})
        marked << menu->title();
    for (const QString& text : std::as_const(marked)) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        QVERIFY2(at < 0 || text.at(at + 1).script() != QChar::Script_Arabic, qPrintable(text));
    }
    QCOMPARE(QSet<QKeySequence>(keys.cbegin(), keys.cend()).size(), keys.size());
    // Within each menu, and none in the boxes' titles.
    QVERIFY(
        QKeySequence::mnemonic(w.taskSplit->text()) != QKeySequence::mnemonic(w.taskBuild->text()));
    QVERIFY(QKeySequence::mnemonic(w.helpManual->text())
        != QKeySequence::mnemonic(w.helpAbout->text()));
    QCOMPARE(QKeySequence::mnemonic(w.gboxSplitBuild->title()), QKeySequence());
    QCOMPARE(QKeySequence::mnemonic(w.gboxSplitOptions->title()), QKeySequence());

    // The same in every language.
    QCOMPARE((QList<QKeySequence> {w.fileExit->shortcut(), w.taskSplit->shortcut(),
                 w.taskBuild->shortcut(), w.helpManual->shortcut()}),
        (QList<QKeySequence> {
            QKeySequence("Ctrl+Q"), QKeySequence("F8"), QKeySequence("F9"), QKeySequence("F1")}));
    QCOMPARE(w.cboPackageSize->currentText(), QStringLiteral("1457664"));
}

// The extension pattern stays "(*.c*)" in a right-to-left sentence, where the neutral characters
// around its letter would otherwise be reordered.
void TestLanguage::patternReadsLeftToRight()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    QVERIFY(catalogue.load("velkaro_" + language, Translations::programFolder()));
    const QString message = catalogue.translate(
        "FormMain", "Invalid source, please select a valid package with a (*.c*) extension.");
    const QString pattern = QStringLiteral("(*.c*)");
    if (QLocale(language).textDirection() == Qt::RightToLeft)
        QVERIFY2(message.contains(QChar(0x2066) + pattern + QChar(0x2069)), qPrintable(message));
    else
        QVERIFY2(message.contains(pattern), qPrintable(message));
}

void TestLanguage::otherCountriesGetTheirWrittenForm_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("Hong Kong") << "zh_HK"
                               << "zh_TW";
    QTest::newRow("Singapore") << "zh_SG"
                               << "zh_CN";
    QTest::newRow("Portugal") << "pt_PT"
                              << "pt_BR";
}

void TestLanguage::otherCountriesGetTheirWrittenForm()
{
    QFETCH(QString, locale);
    QFETCH(QString, catalogue);
    startIn(qPrintable(locale));
    QTranslator expected;
    QVERIFY(expected.load("velkaro_" + catalogue, Translations::programFolder()));
    QCOMPARE(window->btnExit->text(), expected.translate("FormMain", "E&xit"));
    QCOMPARE(window->btnBuild->text(), expected.translate("FormMain", "&Build"));
}

// The AppStream metadata as the build writes it: every text in every language, the description
// whole, and the translations are the catalogues' own.
void TestLanguage::softwareCentresShowEveryLanguage()
{
    QFile metainfo(qEnvironmentVariable("VELKARO_METAINFO"));
    QVERIFY2(metainfo.open(QIODevice::ReadOnly), "VELKARO_METAINFO names no file");
    QXmlStreamReader xml(&metainfo);
    QMap<QString, QMap<QString, QStringList>> texts; // language ("" English) -> element -> texts
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name != "summary" && name != "p" && name != "caption" && name != "keyword")
            continue;
        const QString language = xml.attributes().value("xml:lang").toString();
        texts[language][name] << xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    // The release notes' paragraph stays English only.
    const qsizetype paragraphs = texts[""]["p"].size() - 1;
    for (const QString& language : shippedLanguages()) {
        const QMap<QString, QStringList>& own = texts.value(language);
        QVERIFY2(own.value("summary").size() == 1 && own.value("caption").size() == 1
                && own.value("p").size() == paragraphs && !own.value("keyword").isEmpty(),
            qPrintable(language));
    }
    QTranslator german;
    QVERIFY(german.load("velkaro_de", Translations::programFolder()));
    QCOMPARE(texts["de"]["caption"].first(),
        german.translate("AppStream", "The window, started with a package of a set as the source"));
}

void TestLanguage::arrowsPointAtTheirFields_data()
{
    QTest::addColumn<QString>("language");
    // The application's layout direction: as its language has it (Auto), or set.
    QTest::addColumn<Qt::LayoutDirection>("layout");
    for (const QString& language : shippedLanguages())
        QTest::newRow(qPrintable(language)) << language << Qt::LayoutDirectionAuto;
    QTest::newRow("English") << "C" << Qt::LayoutDirectionAuto;
    QTest::newRow("English, mirrored") << "C" << Qt::RightToLeft;
}

void TestLanguage::arrowsPointAtTheirFields()
{
    QFETCH(QString, language);
    QFETCH(Qt::LayoutDirection, layout);
    QGuiApplication::setLayoutDirection(layout);
    startIn(qPrintable(language));
    const FormMain& w = *window;

    const bool mirrored
        = layout == Qt::RightToLeft || QLocale(language).textDirection() == Qt::RightToLeft;
    QCOMPARE(w.layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    const QList<std::pair<const QLabel*, const QWidget*>> fields {{w.lblSource, w.txtSource},
        {w.lblDestination, w.txtDestination}, {w.lblPackageSize, w.cboPackageSize}};
    for (const auto& [label, field] : fields) {
        const int toField = field->mapTo(&w, field->rect().center()).x()
                > label->mapTo(&w, label->rect().center()).x()
            ? 1
            : -1;
        QVERIFY2(arrowDirection(label) == toField, qPrintable(label->text()));
    }
}

void TestLanguage::sizeIsReadTheLocalWayAndKeptPlain_data()
{
    addTypedSizeColumns();
    QTest::addColumn<qint64>("packageBytes");
    // What the history shows: as typed where the locale reads it so, else the locale's writing
    // without groups.
    QTest::addColumn<QString>("remembered");

    QTest::newRow("de: decimal comma") << "de_DE"
                                       << "1,5" << 1 << 1536LL << "1,5";
    QTest::newRow("de: point as well") << "de_DE"
                                       << "1.5" << 1 << 1536LL << "1,5";
    // The point groups German digits: 1.500 is fifteen hundred, kept without the group.
    QTest::newRow("de: digit groups") << "de_DE"
                                      << "1.500" << 0 << 1500LL << "1500";
    QTest::newRow("de: three decimals") << "de_DE"
                                        << "1,024" << 1 << 1048LL << "1,024";
    QTest::newRow("de: comma and exponent") << "de_DE"
                                            << "2,5e3" << 0 << 2500LL << "2,5e3";
    QTest::newRow("C: point") << "C"
                              << "1.5" << 1 << 1536LL << "1.5";
    QTest::newRow("es: a group in four digits") << "es_ES"
                                                << "2.000" << 0 << 2000LL << "2000";
    QTest::newRow("es: 1.500 bytes") << "es_ES"
                                     << "1.500" << 0 << 1500LL << "1500";
    QTest::newRow("es: decimal comma") << "es_ES"
                                       << "1,5" << 1 << 1536LL << "1,5";
    QTest::newRow("fr: decimal comma") << "fr_FR"
                                       << "7,5" << 1 << 7680LL << "7,5";
    QTest::newRow("ru: decimal comma") << "ru_RU"
                                       << "1,5" << 1 << 1536LL << "1,5";
    QTest::newRow("de_CH: apostrophe") << "de_CH"
                                       << "1'500" << 0 << 1500LL << "1500";
    QTest::newRow("hi: Devanagari digits") << "hi_IN"
                                           << "\u0967\u096b\u0966\u0966" << 0 << 1500LL << "1500";
    QTest::newRow("ar_EG: Arabic-Indic digits") << "ar_EG"
                                                << "\u0661\u0660" << 1 << 10240LL << "\u0661\u0660";
}

void TestLanguage::sizeIsReadTheLocalWayAndKeptPlain()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(qint64, packageBytes);
    QFETCH(QString, remembered);
    typeSize(locale, 20000, unit, typed);

    BoxAnswerer answerer;
    window->taskSplit->trigger();
    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(QFileInfo(path("out.c0")).size(), packageBytes);
    QCOMPARE(window->cboPackageSize->itemText(0), remembered);
}

void TestLanguage::sizeNotReadAsWholeBytesIsRefusedAsTyped_data()
{
    addTypedSizeColumns();
    QTest::newRow("de: blank between digits") << "de_DE"
                                              << "1 500" << 0;
    QTest::newRow("de: hexadecimal") << "de_DE"
                                     << "0x10" << 0;
    QTest::newRow("C: hexadecimal") << "C"
                                    << "0x10" << 1;
    QTest::newRow("C: comma") << "C"
                              << "1,5" << 1;
    // The Swiss group digits with an apostrophe, and Egypt writes its own separators.
    QTest::newRow("de_CH: comma") << "de_CH"
                                  << "1,5" << 1;
    QTest::newRow("ar_EG: comma") << "ar_EG"
                                  << "1,5" << 1;
    QTest::newRow("en: a byte and a half") << "en_US"
                                           << "1.5" << 0;
    QTest::newRow("en: 1.500 bytes") << "en_US"
                                     << "1.500" << 0;
    QTest::newRow("de: a byte and a half") << "de_DE"
                                           << "1,5" << 0;
    // A point before three digits is a digit group to those who write a decimal comma.
    QTest::newRow("fr: 1.500 KB") << "fr_FR"
                                  << "1.500" << 1;
    QTest::newRow("ru: 1.500 KB") << "ru_RU"
                                  << "1.500" << 1;
    QTest::newRow("ar_EG: 1.500 KB") << "ar_EG"
                                     << "1.500" << 1;
    QTest::newRow("es: misplaced group") << "es_ES"
                                         << "2.000.5" << 1;
}

// Every key stays in the box, and what the locale cannot read as whole bytes writes nothing.
void TestLanguage::sizeNotReadAsWholeBytesIsRefusedAsTyped()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QLineEdit* const edit = typeSize(locale, 4000, unit, typed);
    QCOMPARE(edit->text(), typed);

    BoxAnswerer answerer;
    window->taskSplit->trigger();
    QCOMPARE(answerer.texts(),
        QStringList({QCoreApplication::translate("FormMain", "Invalid package size!")}));
    QVERIFY(!QFile::exists(path("out.c0")));
    QCOMPARE(edit->text(), typed);
}

void TestLanguage::sizeComesBackTheLocalWay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("fr: decimal comma") << "fr_FR"
                                       << "7,5"
                                       << "7.5";
    QTest::newRow("ar_EG: Arabic-Indic digits") << "ar_EG"
                                                << "\u0661\u0660"
                                                << "10";
    QTest::newRow("es: digit group") << "es_ES"
                                     << "2.000"
                                     << "2000";
}

// A size split with in the locale's writing is shown so at the next start, while the settings file
// holds the plain number that any locale reads.
void TestLanguage::sizeComesBackTheLocalWay()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    typeSize(locale, 100, 1, typed);
    {
        BoxAnswerer answerer;
        window->taskSplit->trigger();
        QCOMPARE(answerer.texts(), QStringList());
    }
    const QString shown = window->cboPackageSize->itemText(0);
    window->SaveSettings();
    closeWindow();
    QCOMPARE(SettingsSandbox::store().value("Velkaro/PackageSize").toStringList().value(0), stored);

    SettingsSandbox::instance().forgetCache();
    QVERIFY(openWindow());
    QCOMPARE(window->cboPackageSize->currentText(), shown);
    QCOMPARE(ReadPackageSize(shown, QLocale()), ReadPackageSize(typed, QLocale()));
}

WINDOW_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
