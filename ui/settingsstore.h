#pragma once

#include <QSettings>

// The per-user store of the organisation named by the Windows search path (without its leading
// slash), so the entries sit where that path put them on Windows. On Linux the file is
// $XDG_CONFIG_HOME/Ostrevan Software/Velkaro.conf.
QSettings OpenSettingsStore();
