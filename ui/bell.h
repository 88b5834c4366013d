#pragma once

// The program's one sign of success, and of a path refused at start-up. On X11 it is the display's
// bell. A Wayland display has no bell the toolkit can ring, so there the desktop's own bell sound,
// the "bell" event of its freedesktop sound theme, is played through the sound server, as GTK and
// KDE programs do (libcanberra).

#include <QString>

#include <cstdint>
#include <memory>

struct ca_context;

class Bell
{
public:
    // `platform` is the toolkit's platform, as QGuiApplication::platformName() names it.
    explicit Bell(const QString& platform);
    // Lets a sound still playing end first, for at most a second: a program that ends at once
    // would cut it off.
    ~Bell();
    Bell(const Bell&) = delete;
    Bell& operator=(const Bell&) = delete;

    void ring();

private:
    struct CloseContext
    {
        void operator()(ca_context* context) const;
    };

    const bool throughSoundServer;
    // Made at the first ring: a program that never rings never talks to the sound server.
    std::unique_ptr<ca_context, CloseContext> sounds;
    std::uint32_t nextSound = 1;
};
