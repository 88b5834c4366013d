#include "packagesize.h"

#include <QDoubleValidator>

namespace {

QLocale withoutGrouping(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return locale;
}

std::optional<double> readIn(const QLocale& locale, const QString& text)
{
    bool ok = false;
    const double value = withoutGrouping(locale).toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> readWhole(const QString& text, const QLocale& locale)
{
    if (const std::optional<double> local = readIn(locale, text))
        return local;
    return readIn(QLocale::c(), text);
}

} // namespace

std::optional<double> ReadPackageSize(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    // A number still being typed ("5e", "1,") counts as far as it goes, as a stream reads it;
    // the whole text first, so that "1.5" is not cut to "1" where the point is no decimal sign.
    for (qsizetype length = trimmed.size(); length > 0; --length) {
        if (const std::optional<double> value = readWhole(trimmed.left(length), locale))
            return value;
    }
    return std::nullopt;
}

QString PlainPackageSize(const QString& text, const QLocale& locale)
{
    // What C reads already is kept as typed, as it always was.
    if (readIn(QLocale::c(), text))
        return text;
    const std::optional<double> value = ReadPackageSize(text, locale);
    return value ? QLocale::c().toString(*value, 'g', QLocale::FloatingPointShortest) : text;
}

QValidator::State PackageSizeValidator::validate(QString& input, int& pos) const
{
    // The user's locale as Split asks for it, at the moment of asking.
    const QLocale local;
    if (readWhole(input.trimmed(), local))
        return Acceptable;
    // A number on its way ("1,", "2e", "-") may stand in the box while it is being typed.
    for (const QLocale& numbers : {withoutGrouping(local), withoutGrouping(QLocale::c())}) {
        QDoubleValidator partial;
        partial.setLocale(numbers);
        partial.setNotation(QDoubleValidator::ScientificNotation);
        if (partial.validate(input, pos) != Invalid)
            return Intermediate;
    }
    return Invalid;
}
