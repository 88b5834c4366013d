#pragma once

// Opens a file with the desktop's opener, xdg-open, which hands it to the user's default
// application. xdg-open may run that application in the foreground and end only with it, so it is
// not waited for: its end is watched while the window goes on, and it is never killed.

#include <functional>

class QObject;
class QString;

// Starts xdg-open on `path`; false when it cannot be started at all. When it ends other than with
// success, `failed` is called, unless `context` is gone by then.
bool OpenWithDesktop(const QString& path, QObject* context, std::function<void()> failed);
