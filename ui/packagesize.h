#pragma once

// The package size as the user types it: as the user's locale writes numbers (in German "1,5"
// and "1.500", a decimal comma and digit groups) or, where the locale cannot read it and it cannot
// mean anything else, as a C program writes it ("1.5"). The size box takes any keys; Split refuses
// what this cannot read.

#include <QLocale>
#include <QString>

#include <optional>

// The number that the whole of `text` (blanks around it aside) writes in `locale`, digit groups
// included where the locale has them, in numbers of any length ("2.000" in Spanish); else as a
// C-locale number without groups, unless its point stands before exactly three digits where the
// locale's decimal mark is not a point ("1.500" in French is a group to its readers, never one and
// a half); nothing when it is neither ("1e", "12abc"). Digits of any script count.
std::optional<double> ReadPackageSize(const QString& text, const QLocale& locale);

// A typed size as the history shows it: as typed where the locale reads it itself and it holds no
// digit groups, else as the locale writes that size without groups ("1.500" in German becomes
// "1500", "1.5" becomes "1,5").
QString PlainPackageSize(const QString& text, const QLocale& locale);

// A history item as the settings keep it: a C-locale number, which they read back whatever the
// locale.
QString StoredPackageSize(const QString& item, const QLocale& locale);

// Whether `text` is a whole number of Latin digits without a leading zero: every locale that
// writes Latin digits writes it so, once its groups are left out, and it needs no reading.
bool IsPlainWholeNumber(const QString& text);

// A C-locale number from the settings as the history shows it in `locale`: as the locale writes
// that size without groups ("7.5" becomes "7,5" in French, "10" becomes "١٠" in Egypt).
QString ShownPackageSize(const QString& stored, const QLocale& locale);
