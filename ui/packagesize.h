#pragma once

// The package size as the user types it: as the user's locale writes numbers (in German "1,5"
// and "1.500", a decimal comma and digit groups) or, where the locale cannot read it, as a C
// program writes it ("1.5"). The size box takes any keys; Split refuses what this cannot read.

#include <QLocale>
#include <QString>

#include <optional>

// The number that the whole of `text` (blanks around it aside) writes in `locale`, digit groups
// included where the locale has them, or else as a C-locale number without groups; nothing when
// it is neither ("1e", "12abc").
std::optional<double> ReadPackageSize(const QString& text, const QLocale& locale);

// A typed size as the history shows it: as typed where it reads back as the same size in C as
// here, else a C-locale number without groups where `locale` reads that as the same size ("1.500"
// in German becomes "1500"), else the locale's own writing without groups ("1,024" in German,
// where "1.024" is 1024).
QString PlainPackageSize(const QString& text, const QLocale& locale);

// A history item as the settings keep it: a C-locale number, which they read back whatever the
// locale.
QString StoredPackageSize(const QString& item, const QLocale& locale);

// A C-locale number from the settings as the history shows it in `locale`: unchanged where the
// locale reads it as the same size, else in the locale's own writing ("1.024" becomes "1,024" in
// German).
QString ShownPackageSize(const QString& stored, const QLocale& locale);
