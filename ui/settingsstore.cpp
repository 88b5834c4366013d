#include "settingsstore.h"

#include "formmain.h"

QSettings openSettingsStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
        FormMain::WINDOWS_REGISTRY.mid(1), QStringLiteral("Velkaro"));
}
