#include "settingsstore.h"

#include "settingsplace.h"

QSettings openSettingsStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
        QString::fromLatin1(SettingsSearchPath).mid(1), QStringLiteral("Velkaro"));
}
