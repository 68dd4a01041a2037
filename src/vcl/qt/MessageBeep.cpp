// Event sounds through libcanberra. Starting a sound may have to reach the sound server first, so
// each beep is started on a thread of its own and MessageBeep returns at once.
#include "vcl/WinApi.h"

#include <canberra.h>
#include <mutex>
#include <thread>
#include <utility>

namespace {

const char* EventSoundOf(UINT type)
{
    switch (type) {
    case MB_ICONHAND: return "dialog-error";
    case MB_ICONQUESTION: return "dialog-question";
    case MB_ICONEXCLAMATION: return "dialog-warning";
    case MB_ICONASTERISK: return "dialog-information";
    default: return "bell";
    }
}

TMessageBeepListener& Listener()
{
    static TMessageBeepListener listener;
    return listener;
}

// One sound context for the whole run. It is never freed: a beep may still be starting on its
// thread when the program ends.
struct SoundContext {
    std::mutex Lock;
    ca_context* Context = nullptr;
    bool Failed = false;
};

SoundContext& Sounds()
{
    static auto* sounds = new SoundContext;
    return *sounds;
}

void PlayEventSound(const char* eventId)
{
    SoundContext& sounds = Sounds();
    const std::lock_guard lock(sounds.Lock);
    if (!sounds.Context && !sounds.Failed) {
        sounds.Failed = ca_context_create(&sounds.Context) != CA_SUCCESS;
        if (!sounds.Failed)
            ca_context_change_props(sounds.Context, CA_PROP_APPLICATION_NAME, "Morvo54", nullptr);
    }
    if (sounds.Failed)
        return;
    // A sound theme without the event's own sound still has the bell.
    if (ca_context_play(sounds.Context, 0, CA_PROP_EVENT_ID, eventId, nullptr) == CA_ERROR_NOTFOUND)
        ca_context_play(sounds.Context, 0, CA_PROP_EVENT_ID, "bell", nullptr);
}

} // namespace

TMessageBeepListener SetMessageBeepListener(TMessageBeepListener listener)
{
    return std::exchange(Listener(), std::move(listener));
}

BOOL MessageBeep(UINT type)
{
    if (const TMessageBeepListener& listener = Listener()) {
        listener(type);
        return 1;
    }
    std::thread(PlayEventSound, EventSoundOf(type)).detach();
    return 1;
}
