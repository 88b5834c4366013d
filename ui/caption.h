#pragma once

#include <QtGlobal>

// The program's name and version as the window's caption shows them; --version prints the same.
inline constexpr char ProgramCaption[] = QT_TRANSLATE_NOOP("FormMain", "Velkaro v1.0.90 Beta 2");
