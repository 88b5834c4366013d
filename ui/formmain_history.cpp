#include "formmain.h"

#include "NumStrA.h"
#include "packagesize.h"

#include <QByteArray>
#include <QComboBox>
#include <QLocale>

#include <array>
#include <charconv>

void FormMain::AddUniqueComboListItem(QComboBox* box, int index)
{
    const QByteArray text = box->currentText().toLatin1();
    AddUniqueComboListItem(box, text.constData(), index);
}

void FormMain::AddUniqueComboListItem(QComboBox* box, const char* text, int index)
{
    const QString item = QString::fromLatin1(text);
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
    // The settings keep C-locale numbers; the box shows each as the user's locale reads it.
    const QLocale locale;
    for (const QString& entry : list) {
        const QByteArray number
            = ShownPackageSize(GetNumStr(entry.toLatin1().constData()), locale).toLatin1();
        AddUniqueComboListItem(box, number.constData(), -1);
    }
    if (box->count() > 0)
        box->setCurrentIndex(0);
}
