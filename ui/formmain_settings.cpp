#include "formmain.h"

#include "packagesize.h"
#include "settingsstore.h"
#include "windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QMetaType>
#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <optional>

namespace {

std::optional<int> readInt(const QSettings& store, const QString& key)
{
    if (!store.contains(key))
        return std::nullopt;
    bool ok = false;
    const int value = store.value(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The store writes an empty list as an invalid value and a one-item list as a plain string, so
// both read back as lists; anything else under the key is not one.
std::optional<QStringList> readStringList(const QSettings& store, const QString& key)
{
    if (!store.contains(key))
        return std::nullopt;
    const QVariant value = store.value(key);
    if (!value.isValid())
        return QStringList();
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QStringList:
        return value.toStringList();
    case QMetaType::QVariantList: {
        const QVariantList items = value.toList();
        const bool allText = std::all_of(items.cbegin(), items.cend(),
            [](const QVariant& item) { return item.typeId() == QMetaType::QString; });
        if (allText)
            return value.toStringList();
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

void FormMain::init()
{
    lastSourcePath = QDir::homePath();
    lastDestinationPath = lastSourcePath;

    // An editable box completes typed text inline from its items, so a typed 1 would become a
    // remembered 1457664: the size must be exactly what the user typed.
    cboPackageSize->setCompleter(nullptr);
    // As wide as the default size needs, instead of as the widest remembered size: the box would
    // measure every item of a long history (a copied or damaged settings file) when first shown.
    cboPackageSize->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboPackageSize->setMinimumContentsLength(static_cast<int>(qstrlen("1457664")));

    LoadSettings();
}

void FormMain::LoadSettings()
{
    const QSettings store = OpenSettingsStore();

    const int width = readInt(store, APP_KEY + "WindowWidth").value_or(this->width());
    const int height = readInt(store, APP_KEY + "WindowHeight").value_or(this->height());
    resize(width, height);

    if (const std::optional<int> x = readInt(store, APP_KEY + "WindowX")) {
        if (const std::optional<int> y = readInt(store, APP_KEY + "WindowY"))
            move(std::max(*x, 0), std::max(*y, 0));
    }

    if (const std::optional<int> units = readInt(store, APP_KEY + "Units"))
        cboUnits->setCurrentIndex(*units >= 0 && *units <= 2 ? *units : 0);

    if (std::optional<QStringList> sizes = readStringList(store, APP_KEY + "PackageSize"))
        SetComboList(cboPackageSize, *sizes);

    // A position or size stored on a larger screen, or at another scale, may put the window out
    // of reach.
    FitWindowOnScreen(*this);
}

void FormMain::SaveSettings()
{
    QSettings store = OpenSettingsStore();
    store.setValue(APP_KEY + "WindowWidth", width());
    store.setValue(APP_KEY + "WindowHeight", height());
    store.setValue(APP_KEY + "WindowX", pos().x());
    store.setValue(APP_KEY + "WindowY", pos().y());
    // As C-locale numbers, which the next start reads back in any locale: "1,024" shown in German
    // is kept as "1.024".
    QStringList sizes = GetComboList(cboPackageSize);
    const QLocale locale;
    for (QString& size : sizes)
        size = StoredPackageSize(size, locale);
    store.setValue(APP_KEY + "PackageSize", sizes);
    store.setValue(APP_KEY + "Units", cboUnits->currentIndex());
}

// Every close request ends the program; the window itself stays until start-up destroys it.
void FormMain::closeEvent(QCloseEvent* e)
{
    // Nothing is cut short: the request is carried out once the running command has returned.
    if (commandRunning) {
        closeAsked = true;
        e->ignore();
        return;
    }
    SaveSettings();
    QApplication::exit(0);
    e->ignore();
}
