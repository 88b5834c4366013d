#include "settingsstore.h"

#include "settingsplace.h"

QSettings OpenSettingsStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
        QString::fromLatin1(SettingsSearchPath).mid(1), QStringLiteral("Velkaro"));
}
