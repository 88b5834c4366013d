#include "bell.h"

#include <QApplication>

#include <canberra.h>

#include <chrono>
#include <thread>

Bell::Bell(const QString& platform)
    : throughSoundServer(platform.startsWith(QLatin1String("wayland")))
{ }

Bell::~Bell()
{
    if (!sounds)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int playing = 1;
    while (ca_context_playing(sounds.get(), nextSound - 1, &playing) == CA_SUCCESS && playing
        && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

void Bell::CloseContext::operator()(ca_context* context) const
{
    ca_context_destroy(context);
}

void Bell::ring()
{
    if (!throughSoundServer) {
        QApplication::beep();
        return;
    }
    if (!sounds) {
        ca_context* made = nullptr;
        if (ca_context_create(&made) != CA_SUCCESS)
            return;
        sounds.reset(made);
        ca_context_change_props(sounds.get(), CA_PROP_APPLICATION_NAME, "Velkaro",
            CA_PROP_APPLICATION_ID, "com.ostrevan.velkaro", CA_PROP_APPLICATION_ICON_NAME,
            "velkaro", nullptr);
    }
    // Nothing to do when it cannot be heard: no sound server, no theme. The message a failed
    // command shows is its own signal.
    ca_context_play(sounds.get(), nextSound++, CA_PROP_EVENT_ID, "bell",
        CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
}
