#pragma once

// The bell is the program's one sign of success, and it rings only through X11: as a Wayland
// client the toolkit sends the compositor nothing for it. On a Wayland session that also offers
// an X display (XWayland), the window is therefore opened through X11, unless the user named a
// platform (QT_QPA_PLATFORM, or -platform on the command line), which is left to stand.

#include <QByteArray>
#include <QProcessEnvironment>

// The platform to hand the toolkit with -platform, given the process's environment and the
// arguments that go to the application object (argv[0] first); empty where the toolkit's own
// choice stands. X11 comes first with Wayland after it, so that an X display that cannot be
// reached still leaves a window.
QByteArray SessionPlatform(
    const QProcessEnvironment& environment, int argc, const char* const argv[]);
