#pragma once

// The translators of the user's language, installed in the application for the life of this
// object: Qt's own catalogue (standard buttons, the file dialog) from Qt's translations folder,
// and the program's, embedded at build time. A language with neither leaves every text as
// written.

#include <QLocale>
#include <QTranslator>

class Translations
{
public:
    // Needs the application object, which must outlive this one.
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Where the program's own catalogues are, inside the program.
    static QString programFolder();

    // Loads the program's catalogue for `locale` into `catalogue`, as the constructor does.
    static bool loadProgramCatalogue(QTranslator& catalogue, const QLocale& locale);

    // The locale whose catalogues serve `locale`: there is one catalogue for each written form of
    // a language, Traditional (zh_TW) and Simplified (zh_CN) Chinese and Portuguese (pt_BR), which
    // also serves its other countries (zh_HK, zh_SG, pt_PT).
    static QLocale catalogueLocale(const QLocale& locale);

private:
    QTranslator toolkit;
    QTranslator program;
    bool toolkitInstalled = false;
    bool programInstalled = false;
};
