#pragma once

#include <QString>

// What start-up prints instead of opening the window, and the one place that says where the
// manual lies. All three need an application object, of any kind.

// The program's folder followed by "/Manual.html", where Help > Manual looks.
QString ManualLocation();

// Both return the exit code: 0, or 1 when standard output could not be written.
int PrintHelp();
int PrintVersion();
