#include "sessionplatform.h"

#include <cstring>

namespace {

bool platformNamed(const QProcessEnvironment& environment, int argc, const char* const argv[])
{
    if (!environment.value("QT_QPA_PLATFORM").isEmpty())
        return true;
    // The toolkit takes the option with one dash or two.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace

QByteArray SessionPlatform(
    const QProcessEnvironment& environment, int argc, const char* const argv[])
{
    const bool wayland = !environment.value("WAYLAND_DISPLAY").isEmpty()
        || environment.value("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (!wayland || environment.value("DISPLAY").isEmpty()
        || platformNamed(environment, argc, argv))
        return {};
    return QByteArrayLiteral("xcb;wayland");
}
