#include "packagesize.h"

namespace {

// Numbers as `locale` writes them, digit groups included; the C locale stands for numbers as
// programs write them, without groups.
QLocale numbersOf(QLocale locale)
{
    if (locale.language() == QLocale::C)
        locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return locale;
}

QLocale plainC()
{
    return numbersOf(QLocale::c());
}

std::optional<double> readIn(const QLocale& locale, const QString& text)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// The shortest text that `locale` writes for `value`, without digit groups.
QString writtenIn(QLocale locale, double value)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

std::optional<double> ReadPackageSize(const QString& text, const QLocale& locale)
{
    // The locale first: in German "1.500" is fifteen hundred, not the C locale's one and a half.
    if (const std::optional<double> local = readIn(numbersOf(locale), text))
        return local;
    return readIn(plainC(), text);
}

QString StoredPackageSize(const QString& item, const QLocale& locale)
{
    const std::optional<double> value = ReadPackageSize(item, locale);
    if (!value || readIn(plainC(), item) == value)
        return item;
    return writtenIn(QLocale::c(), *value);
}

QString ShownPackageSize(const QString& stored, const QLocale& locale)
{
    // A C number can only be misread where the point groups digits; elsewhere the locale reads it
    // as C does, or not at all and then as a C number. Reading costs microseconds, which a long
    // history would pay for every item.
    if (!stored.contains(QLatin1Char('.')) || locale.groupSeparator() != QLatin1String("."))
        return stored;
    const std::optional<double> value = readIn(plainC(), stored);
    if (!value || ReadPackageSize(stored, locale) == value)
        return stored;
    return writtenIn(locale, *value);
}

QString PlainPackageSize(const QString& text, const QLocale& locale)
{
    return ShownPackageSize(StoredPackageSize(text, locale), locale);
}
