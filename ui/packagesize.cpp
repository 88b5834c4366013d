#include "packagesize.h"

#include <QStringList>

#include <algorithm>

namespace {

// Numbers as `locale` writes them, digit groups included; the C locale stands for numbers as
// programs write them, without groups.
QLocale numbersOf(QLocale locale)
{
    if (locale.language() == QLocale::C)
        locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return locale;
}

QLocale withoutGroups(QLocale locale)
{
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

bool isSpace(QChar c)
{
    return c == QChar(0x20) || c == QChar(0xA0) || c == QChar(0x202F);
}

// What the user's keyboard types for what the locale writes: digits of another script (Devanagari
// in India, where Qt writes Latin ones) as Latin digits, which every locale reads; the ASCII
// apostrophe of a Swiss keyboard as the typographic one Swiss numbers are grouped with; any blank
// as the blank a French or Russian number is grouped with.
QString asTheLocaleWrites(const QString& text, const QLocale& locale)
{
    const QString zero = locale.zeroDigit();
    const QChar ownZero = zero.size() == 1 ? zero.front() : QChar(u'0');
    const QString group = locale.groupSeparator();
    const bool apostropheGroups = group == QString(QChar(0x2019));
    const bool blankGroups = group.size() == 1 && isSpace(group.front());
    QString result = text;
    for (QChar& c : result) {
        if (c.isDigit() && c > QChar(u'9') && (c < ownZero || c.unicode() > ownZero.unicode() + 9))
            c = QChar(u'0' + c.digitValue());
        else if (apostropheGroups && c == QLatin1Char('\''))
            c = group.front();
        else if (blankGroups && isSpace(c))
            c = group.front();
    }
    return result;
}

bool allDigits(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

// Qt refuses a group mark where the locale would write none, in Spanish below five digits: its
// readers write "2.000" all the same. Groups of three after the first, of one to three digits, are
// read here for any length of number.
std::optional<double> readAnyGrouping(const QLocale& locale, const QString& text)
{
    const QString group = locale.groupSeparator();
    if (locale.numberOptions().testFlag(QLocale::RejectGroupSeparator) || group.isEmpty()
        || !text.contains(group))
        return std::nullopt;
    qsizetype end = text.indexOf(locale.decimalPoint());
    const qsizetype exponent = text.indexOf(locale.exponential(), 0, Qt::CaseInsensitive);
    if (end < 0 || (exponent >= 0 && exponent < end))
        end = exponent < 0 ? text.size() : exponent;
    qsizetype begin = 0;
    while (begin < end && !text.at(begin).isDigit())
        ++begin;
    const QStringList groups = text.mid(begin, end - begin).split(group);
    const bool grouped = groups.size() > 1 && groups.front().size() >= 1
        && groups.front().size() <= 3 && allDigits(groups.front())
        && std::all_of(groups.cbegin() + 1, groups.cend(),
            [](const QString& digits) { return digits.size() == 3 && allDigits(digits); });
    if (!grouped || text.indexOf(group, end) >= 0)
        return std::nullopt;
    return readIn(withoutGroups(locale), text.left(begin) + groups.join(QString()) + text.mid(end));
}

// A point before exactly three digits, as in "1.500".
bool pointGroupsDigits(const QString& text)
{
    for (qsizetype at = text.indexOf(QLatin1Char('.')); at >= 0;
         at = text.indexOf(QLatin1Char('.'), at + 1)) {
        qsizetype digits = 0;
        while (at + 1 + digits < text.size() && text.at(at + 1 + digits).isDigit())
            ++digits;
        if (digits == 3)
            return true;
    }
    return false;
}

} // namespace

bool IsPlainWholeNumber(const QString& text)
{
    return !text.isEmpty() && (text.size() == 1 || text.front() != QLatin1Char('0'))
        && std::all_of(text.cbegin(), text.cend(),
            [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

std::optional<double> ReadPackageSize(const QString& text, const QLocale& locale)
{
    const QString typed = asTheLocaleWrites(text.trimmed(), locale);
    // The locale first: in German "1.500" is fifteen hundred, not the C locale's one and a half.
    if (const std::optional<double> local = readIn(numbersOf(locale), typed))
        return local;
    if (const std::optional<double> grouped = readAnyGrouping(numbersOf(locale), typed))
        return grouped;
    // Where the point is no decimal mark, its readers take "1.500" for fifteen hundred.
    if (locale.decimalPoint() != QLatin1String(".") && pointGroupsDigits(typed))
        return std::nullopt;
    return readIn(plainC(), typed);
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
    // Most sizes are whole numbers, which need no reading where the locale writes Latin digits:
    // reading costs microseconds, which a long history would pay for every item.
    if (locale.zeroDigit() == QLatin1String("0") && IsPlainWholeNumber(stored))
        return stored;
    const std::optional<double> value = readIn(plainC(), stored);
    return value ? writtenIn(locale, *value) : stored;
}

QString PlainPackageSize(const QString& text, const QLocale& locale)
{
    const std::optional<double> value = ReadPackageSize(text, locale);
    if (!value)
        return text;
    const QString typed = text.trimmed();
    if (readIn(withoutGroups(locale), typed) == value)
        return typed;
    return writtenIn(locale, *value);
}
