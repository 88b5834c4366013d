#pragma once

// The package size as the user types it: in the local way (a decimal comma in German, say) or
// with a point, as a C program writes it. The size box accepts exactly what Split reads, since
// both ask the one reader here.

#include <QLocale>
#include <QString>
#include <QValidator>

#include <optional>

// The number at the start of `text`, written in `locale` or in the C locale, without digit
// grouping (in German "1.500" is 1.5, never 1500); nothing when it starts with no number.
std::optional<double> ReadPackageSize(const QString& text, const QLocale& locale);

// The same size as the history keeps it: a C-locale number that every locale reads back.
QString PlainPackageSize(const QString& text, const QLocale& locale);

// Accepts a whole number as ReadPackageSize reads it in the user's locale (QLocale()), and the
// beginnings of such numbers while they are typed.
class PackageSizeValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
