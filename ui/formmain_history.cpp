#include "formmain.h"

#include "NumStrA.h"
#include "packagesize.h"

#include <QByteArray>
#include <QComboBox>
#include <QLocale>
#include <QSet>

#include <array>
#include <charconv>

namespace {

// Whether `text` is already the normal form GetNumStr would give it: a whole number of up to 15
// digits without a leading zero, which a double holds exactly. Most sizes are; reading them
// through GetNumStr's string stream would cost a long history most of its loading time.
bool isNormalWholeNumber(const QString& text)
{
    constexpr qsizetype MaxExactDigits = 15;
    return text.size() <= MaxExactDigits && IsPlainWholeNumber(text);
}

} // namespace

void FormMain::AddUniqueComboListItem(QComboBox* box, int index)
{
    // The shown text whole: a size in Arabic or Devanagari digits has no 8-bit form.
    addUniqueItem(box, box->currentText(), index);
}

void FormMain::AddUniqueComboListItem(QComboBox* box, const char* text, int index)
{
    addUniqueItem(box, QString::fromLatin1(text), index);
}

void FormMain::addUniqueItem(QComboBox* box, const QString& item, int index)
{
    const int count = box->count();
    for (int i = 0; i < count; ++i) {
        if (box->itemText(i) == item) {
            box->setCurrentIndex(i);
            return;
        }
    }
    const int position = (index < 0 || index > count) ? count : index;
    box->insertItem(position, item);
    box->setCurrentIndex(position);
}

QString FormMain::GetNumStr(const char* text)
{
    // Adding 0.0 turns -0 into 0, so that "-0" and "0" share one history entry.
    const double value = StrToNumA<double>(text ? text : "") + 0.0;

    // The shortest fixed-point text that reads back as the same double: equal values always give
    // equal text, and a value typed as 1.44 stays "1.44" rather than its long binary expansion.
    // The largest double needs 309 digits before the point and the smallest 324 after it.
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
}

QStringList FormMain::GetComboList(QComboBox* box)
{
    QStringList list;
    const int count = box->count();
    for (int i = 0; i < count; ++i)
        list.append(box->itemText(i));
    return list;
}

void FormMain::SetComboList(QComboBox* box, QStringList& list)
{
    box->clear();
    // The items AddUniqueComboListItem would leave, in one pass: comparing each entry with every
    // item before it made a long history (a copied or damaged settings file) take minutes.
    // The settings keep C-locale numbers; the box shows each as the user's locale reads it.
    const QLocale locale;
    QStringList items;
    QSet<QString> seen;
    items.reserve(list.size());
    seen.reserve(list.size());
    for (const QString& entry : list) {
        const QString normal
            = isNormalWholeNumber(entry) ? entry : GetNumStr(entry.toLatin1().constData());
        const QString number = ShownPackageSize(normal, locale);
        if (!seen.contains(number)) {
            seen.insert(number);
            items.append(number);
        }
    }
    box->addItems(items);
    if (box->count() > 0)
        box->setCurrentIndex(0);
}
